#pragma once

#include "settings/game_settings.h"

#include <QWidget>

namespace vh::app {

// A page of an options sheet. It reads the options file when the user first
// brings it to the front, and writes its own fields back on the sheet's OK;
// a page that was never shown writes nothing.
class OptionPage : public QWidget {
    Q_OBJECT

public:
    enum class Apply {
        ReloadFirst, // reload the file and overwrite only the page's fields
        AsLoaded,    // save the copy loaded when the page opened, as changed since
    };

    OptionPage(Apply apply, QWidget* parent);

    void apply();

protected:
    void showEvent(QShowEvent* event) override;

    // Shows the options in the controls.
    virtual void load(const GameSettings& settings) = 0;
    // Writes the page's fields from the controls.
    virtual void store(GameSettings& settings) = 0;

    GameSettings settings_;

private:
    Apply apply_;
    bool shown_ = false;
};

} // namespace vh::app
