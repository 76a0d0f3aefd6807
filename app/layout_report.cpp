#include "app/layout_report.h"

#include "app/board_widget.h"
#include "app/player_panel_widget.h"
#include "board/board_view.h"
#include "board/player_panel.h"
#include "match/game_manager.h"
#include "rules/board_position.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace vh::app {

LayoutReport::LayoutReport() : path_(qEnvironmentVariable("VARNHOLT_LAYOUT_REPORT")) {}

void LayoutReport::update(const BoardWidget& board) {
    const GameManager* game = board.game();
    const BoardView* view = board.view();
    if (!wanted() || game == nullptr || view == nullptr || !view->layout()) {
        return;
    }
    QString text;
    QTextStream out(&text);
    const int side = game->currentSide();
    const PanelContent content = game->panelContent(side);
    out << "side " << side << '\n' << "dice-shown " << (content.diceShown ? 1 : 0) << '\n';
    out << "state " << static_cast<int>(game->state()) << '\n';
    out << "dice " << game->board().die1 << ' ' << game->board().die2 << '\n';
    out << "position";
    for (const int count : signedCounts(game->board().position)) {
        out << ' ' << count;
    }
    out << '\n';
    out << "highlights";
    for (int location = 0; location < kEntryCount; ++location) {
        if (game->board().highlights[static_cast<std::size_t>(location)] != 0) {
            out << ' ' << location;
        }
    }
    out << '\n';
    const double scale = board.devicePixelRatioF();
    const auto global = [scale](const QWidget* widget, int x, int y) {
        return widget->mapToGlobal(
            QPoint(static_cast<int>(x / scale), static_cast<int>(y / scale)));
    };
    if (PlayerPanelView::showsCup(content)) {
        PlayerPanelWidget* panel = board.panel(side);
        const Rect cup = panel->cupRect();
        const QPoint centre = global(panel, (cup.left + cup.right) / 2, (cup.top + cup.bottom) / 2);
        out << "cup " << centre.x() << ' ' << centre.y() << '\n';
    }
    const Rect area = view->rectangle();
    for (int location = 0; location < kEntryCount; ++location) {
        const Rect rect = view->LocationRect(location);
        const QPoint centre = global(&board, area.left + (rect.left + rect.right) / 2,
                                     area.top + (rect.top + rect.bottom) / 2);
        out << "location " << location << ' ' << centre.x() << ' ' << centre.y() << '\n';
    }
    if (text == written_) {
        return;
    }
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        if (file.commit()) {
            written_ = text;
        }
    }
}

} // namespace vh::app
