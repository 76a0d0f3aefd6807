#pragma once

#include <QDialog>

namespace vh::app {

// "About Varnholt Backgammon": the product, its version, its licence and a
// link to the home page that ships with it.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent);
};

} // namespace vh::app
