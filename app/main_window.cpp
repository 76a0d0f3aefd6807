#include "app/main_window.h"

#include "app/board_widget.h"
#include "app/help_window.h"
#include "app/main_toolbar.h"
#include "app/modal_scope.h"
#include "app/move_entry_field.h"
#include "app/pictures.h"
#include "app/splash_window.h"
#include "app/tutor_notice.h"
#include "match/autosave.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/tick_count.h"
#include "settings/coach_settings.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

namespace vh::app {
namespace {

// A first start's checkers glide at the middle of the speed slider, and
// its first game is against the first computer opponent.
constexpr std::int32_t kFirstStartAnimationSpeed = 100;

// The panes' widths, wider where the desktop's font needs more room for
// the longest text a pane usually shows.
constexpr std::array<int, 4> kPaneWidths{96, 96, 384, 300};
constexpr std::array<const char*, 4> kPaneSamples{"Game Time 00:00", "Turns Played: 000", "", ""};

} // namespace

MainWindow::MainWindow() {
    const SettingsLoad load = loadSettingsFile(settingsFilePath(), settings_);
    if (!load.fileRead) {
        settings_.animationSpeed = kFirstStartAnimationSpeed;
        settings_.playerIsComputer[1] = 1;
    }
    setWindowTitle("Varnholt Backgammon");
    setWindowIcon(programIcon());
    toolbar_ = new MainToolBar(this);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    board_ = new BoardWidget(this);
    setCentralWidget(board_);
    createMenus();
    createStatusBar();
    action(Command::MoveEntryField)->setCheckable(true);
    connectCommands();
    board_->setBackground(settings_);
    store_.loadPlayers();
    seedRandom(tickCount());
    saveSettings(settings_);

    loop_.setSingleShot(true);
    connect(&loop_, &QTimer::timeout, this, &MainWindow::runPass);
    connect(board_, &BoardWidget::gameInput, this, &MainWindow::requestPass);
    connect(board_, &BoardWidget::commandWanted, this, &MainWindow::runCommand);
    tutor_ = new TutorNotice(board_);
    connect(tutor_, &TutorNotice::undoWanted, this, [this] { runCommand(Command::UndoMove); });
    tutorOn_ = loadCoachSettings().tutor;
    board_->setStartButtonsShown(false);
    applyCommandStates(commandStates(nullptr));
    scheduleNextPass();
}

MainWindow::~MainWindow() {
    destroyGame();
}

void MainWindow::createMenus() {
    std::map<std::string, QMenu*> menus;
    for (const CommandEntry& entry : commandTable()) {
        QMenu*& menu = menus[entry.menu];
        if (menu == nullptr) {
            menu = menuBar()->addMenu(entry.menu);
        }
        if (entry.separatorBefore) {
            menu->addSeparator();
        }
        auto* action = new QAction(entry.text, this);
        action->setObjectName(QString("command%1").arg(static_cast<int>(entry.command)));
        QList<QKeySequence> keys;
        if (entry.standardKey != QKeySequence::UnknownKey) {
            keys = QKeySequence::keyBindings(entry.standardKey);
        }
        if (entry.extraShortcut != nullptr && !keys.contains(QKeySequence(entry.extraShortcut))) {
            keys.append(QKeySequence(entry.extraShortcut));
        }
        action->setShortcuts(keys);
        if (entry.toolbarText != nullptr) {
            action->setIconText(entry.toolbarText);
            toolbar_->addCommand(action, entry.toolbarPicture, entry.toolbarGapBefore);
        }
        menu->addAction(action);
        actions_[entry.command] = action;
    }
}

void MainWindow::createStatusBar() {
    for (std::size_t pane = 0; pane < panes_.size(); ++pane) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("statusPane%1").arg(pane));
        const int textWidth = label->fontMetrics().horizontalAdvance(kPaneSamples[pane]) + 12;
        label->setFixedWidth(std::max(kPaneWidths[pane], textWidth));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(label);
        panes_[pane] = label;
    }
    moveEntry_ = new MoveEntryField(this);
    moveEntry_->hide();
    statusBar()->addPermanentWidget(moveEntry_);
    connect(moveEntry_, &MoveEntryField::entered, this, &MainWindow::enterTypedMove);
}

void MainWindow::connectCommands() {
    for (const auto& [command, action] : actions_) {
        const Command which = command;
        connect(action, &QAction::triggered, this, [this, which] { runCommand(which); });
    }
}

QString MainWindow::paneText(int pane) const {
    return panes_.at(static_cast<std::size_t>(pane))->text();
}

void MainWindow::setPaneText(int pane, const std::string& text) {
    QLabel* label = panes_.at(static_cast<std::size_t>(pane));
    const QString wanted = QString::fromStdString(text);
    if (label->text() != wanted) {
        label->setText(wanted);
    }
}

void MainWindow::applyCommandStates(const CommandStates& gameStates) {
    CommandStates states = gameStates;
    // A finished game can be reviewed once it is closed; a hint being
    // worked out is not asked for twice.
    states.review |= (reviewer_ != nullptr && reviewer_->totalTurns() > 0) ||
                     (!lastGames_.empty() && !lastGames_.back().turns.empty());
    states.suggest &= !hintWanted_;
    for (const CommandEntry& entry : commandTable()) {
        if (entry.enabled != nullptr) {
            actions_.at(entry.command)->setEnabled(entry.enabled(states));
        }
    }
}

void MainWindow::startUp(int splashMs, bool offerResume) {
    board_->setStartButtonsShown(true);
    applyCommandStates(commandStates(nullptr));
    if (splashMs > 0) {
        SplashWindow splash;
        splash.showFor(splashMs);
    }
    if (offerResume) {
        offerToResume();
    }
}

void MainWindow::offerToResume() {
    FoundAutosave found = findAutosave();
    if (found.damaged()) {
        const std::filesystem::path aside = setAsideAutosave();
        showMessage("Unfinished Game",
                    "The unfinished game cannot be resumed: " + found.problem +
                        (aside.empty() ? ". It has been removed."
                                       : ". It has been kept as " + aside.string() + "."));
        return;
    }
    if (!found.game) {
        return;
    }
    if (showMessage("Unfinished Game", "Resume the unfinished game?", MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        removeAutosave();
        return;
    }
    loadSettings(settings_);
    createGame([&found](GameManager& game) {
        game.openSavedGame(*found.game);
        return true;
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ModalScope::active()) {
        event->ignore(); // a box or dialog is still open
        return;
    }
    if (game_ != nullptr &&
        showMessage("Game In Progress",
                    "You are currently involved in a game.  Are you sure you want to exit?",
                    MessageButtons::YesNo) != MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    saveSettings(settings_);
    if (game_ != nullptr) {
        game_->writeAutosave(); // offered again at the next start
    }
    destroyGame(); // an unfinished game files nothing
    store_.savePlayers();
    if (help_ != nullptr) {
        help_->close();
    }
    event->accept();
}

} // namespace vh::app
