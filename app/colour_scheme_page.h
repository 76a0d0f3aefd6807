#pragma once

#include "app/option_page.h"
#include "settings/colour_scheme_choice.h"

#include <array>

class QComboBox;

namespace vh::app {

// "Game": the colours of the stones, the board and the pips. A choice goes
// into the page's copy of the options at once; OK saves that copy.
class ColourSchemePage final : public OptionPage {
    Q_OBJECT

public:
    explicit ColourSchemePage(QWidget* parent);

protected:
    void load(const GameSettings& settings) override;
    void store(GameSettings& settings) override;

private:
    void chosen(SchemeList list);

    std::array<QComboBox*, 3> lists_{}; // stones, board, pips
    bool loading_ = false;
};

} // namespace vh::app
