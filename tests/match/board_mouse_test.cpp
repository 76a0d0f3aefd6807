#include "match/human_player.h"
#include "rules/play_notation.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"

#include <functional>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace vh::test {
namespace {

// Left of and above the board: over no location.
constexpr Point kOffTheBoard{-40, -40};

Point centreOf(const CheckerStage& stage, int entry) {
    if (entry < 0) {
        return kOffTheBoard;
    }
    const Rect area = stage.locationRect(entry);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// Hovers over `from`, presses, moves to `to` (-1: off the board), releases.
void drag(const std::function<void(MouseMessage, Point)>& send, const CheckerStage& stage, int from,
          int to) {
    const Point start = centreOf(stage, from);
    const Point end = centreOf(stage, to);
    send(MouseMessage::Move, start);
    send(MouseMessage::LeftDown, start);
    send(MouseMessage::Move, end);
    send(MouseMessage::LeftUp, end);
}

void drag(GameManager& manager, int from, int to) {
    drag([&](MouseMessage message, Point at) { manager.routeMouse(message, at.x, at.y); },
         manager.stage(), from, to);
}

void drag(HumanPlayer& player, CheckerStage& stage, int from, int to) {
    drag([&](MouseMessage message, Point at) { player.handleMouse(stage, message, at.x, at.y); },
         stage, from, to);
}

void send(GameManager& manager, MouseMessage message, int entry) {
    const Point at = centreOf(manager.stage(), entry);
    manager.routeMouse(message, at.x, at.y);
}

// The entries highlighted with the hover option `option`.
std::vector<int> shownIf(int option, std::vector<int> entries) {
    return option == 1 ? entries : std::vector<int>{};
}

class BoardMouseTest : public GameFixture {
protected:
    // Ann (side 0) and Bob (side 1, a computer when asked) at a position
    // with `side` to move and a roll of two digits (52: die 1 = 5, die 2 = 2).
    std::unique_ptr<GameManager> openAt(const BoardPosition& position, int side, int dice,
                                        bool bobIsComputer = false, bool revealDice = true) {
        return openSaved(
            savedGameAt(position, side, dice / 10, dice % 10, "Ann", false, "Bob", bobIsComputer),
            revealDice);
    }
};

HumanPlayer& humanToMove(GameManager& manager) {
    return dynamic_cast<HumanPlayer&>(*manager.currentPlayer());
}

TEST_F(BoardMouseTest, HoverShowsTargetsOnlyWithTheOptionAndRedrawsOnlyOnAChange) {
    for (const int option : {1, 0}) {
        SCOPED_TRACE(option);
        BoardRecord board = boardFor({placedPosition("12=2 6=-1 11=-1"), 0, 6, 1});
        HeadlessStage stage(board);
        GameSettings settings;
        settings.showMovesOnHover = option;
        HumanPlayer ann(0, "Ann", [settings] { return settings; });
        ann.startTurn(stage, {});
        const auto hover = [&](Point at) {
            ann.handleMouse(stage, MouseMessage::Move, at.x, at.y);
        };
        const Point twelve = centreOf(stage, 12);

        hover(twelve);
        EXPECT_EQ(ann.cursor(), BoardCursor::Hand);
        EXPECT_EQ(highlighted(board), shownIf(option, {5, 6, 11}));
        const int rendersOverTwelve = stage.renders();
        EXPECT_EQ(rendersOverTwelve, option == 1 ? 1 : 0);
        hover({twelve.x + 1, twelve.y + 1});
        EXPECT_EQ(stage.renders(), rendersOverTwelve) << "the same entry again";

        hover(centreOf(stage, 6)); // the other side's checker
        EXPECT_EQ(ann.cursor(), BoardCursor::Arrow);
        EXPECT_TRUE(highlighted(board).empty());
        EXPECT_EQ(stage.renders(), rendersOverTwelve + (option == 1 ? 1 : 0));
        hover(kOffTheBoard);
        EXPECT_EQ(stage.renders(), rendersOverTwelve + (option == 1 ? 1 : 0));

        // A drag: the grab cursor, the checker centred on the pointer.
        ann.handleMouse(stage, MouseMessage::LeftDown, twelve.x, twelve.y);
        EXPECT_EQ(ann.cursor(), BoardCursor::Grab);
        EXPECT_EQ(board.position[12].count, 1) << "lifted";
        const int size = checkerSize(stage);
        hover({200, 150});
        EXPECT_EQ(stage.movingChecker(), (Rect{200 - size / 2, 150 - size / 2,
                                               200 - size / 2 + size, 150 - size / 2 + size}));
        const Point six = centreOf(stage, 6);
        ann.handleMouse(stage, MouseMessage::LeftUp, six.x, six.y);
        EXPECT_EQ(formatPlay(ann.currentPlay()), "6:12/6*");
        EXPECT_EQ(ann.cursor(), BoardCursor::Hand);
        EXPECT_EQ(highlighted(board), shownIf(option, {5}))
            << "where the checker just dropped can go with the die left";
    }
}

TEST_F(BoardMouseTest, MessagesThatChangeNothing) {
    const BoardPosition start = placedPosition("12=2 0=-2");
    struct Case {
        const char* name;
        bool bobToMove; // Bob is a computer then
        bool diceShown;
        std::vector<MouseMessage> messages;
        std::function<void(GameManager&)> before;
    };
    const std::vector<MouseMessage> press = {MouseMessage::Move, MouseMessage::LeftDown,
                                             MouseMessage::Move};
    const Case cases[] = {
        {"before the dice cup is pressed", false, false, press, nullptr},
        {"right and middle buttons", false, true,
         std::vector{MouseMessage::RightDown, MouseMessage::RightUp, MouseMessage::MiddleDown,
                     MouseMessage::MiddleUp},
         nullptr},
        {"a paused game", false, true, press, [](GameManager& manager) { manager.pause(); }},
        {"the computer's turn", true, true, press, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto manager = openAt(start, c.bobToMove ? 1 : 0, 63, c.bobToMove, c.diceShown);
        if (c.before) {
            c.before(*manager);
        }
        const int checker = c.bobToMove ? 0 : 12;
        for (const MouseMessage message : c.messages) {
            send(*manager, message, checker);
        }
        EXPECT_TRUE(samePlacement(manager->board().position, start));
        EXPECT_EQ(manager->boardCursor(), BoardCursor::Arrow);
        EXPECT_TRUE(highlighted(manager->board()).empty());
    }

    // Once the cup is pressed the same press picks the checker up.
    auto manager = openAt(start, 0, 63, false, false);
    manager->pressDiceCup();
    for (const MouseMessage message : press) {
        send(*manager, message, 12);
    }
    EXPECT_EQ(humanToMove(*manager).pickedPoint(), 12);
    EXPECT_EQ(manager->boardCursor(), BoardCursor::Grab);
}

TEST_F(BoardMouseTest, AHeldCheckerGoesBackBeforeACommandTakesTheBoard) {
    const BoardPosition start = startPosition();
    const std::filesystem::path file = directory_ / "held.vhf";
    struct Case {
        const char* name;
        std::function<void(GameManager&)> command;
    };
    const Case cases[] = {
        {"save", [&](GameManager& manager) { manager.saveGame(file); }},
        {"undo", [](GameManager& manager) { manager.undo(); }},
        {"redo", [](GameManager& manager) { manager.redo(); }},
        {"pause", [](GameManager& manager) { manager.pause(); }},
        {"show a hint", [](GameManager& manager) { manager.showHint(Play{}); }},
        {"restart", [](GameManager& manager) { manager.restartGame(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto manager = openAt(start, 0, 63);
        drag(*manager, 12, 6);
        send(*manager, MouseMessage::Move, 12);
        const int pips = manager->panelContent(PLAYER_ONE).pipsToGo;
        send(*manager, MouseMessage::LeftDown, 12);
        ASSERT_EQ(humanToMove(*manager).pickedPoint(), 12);
        EXPECT_EQ(manager->panelContent(PLAYER_ONE).pipsToGo, pips) << "the held checker counts";
        c.command(*manager);
        if (manager->state() == GameState::UndoAnimating) {
            stepUntilPlaying(*manager);
            EXPECT_TRUE(samePlacement(manager->board().position, start)) << "the 6 taken back";
        }
        EXPECT_EQ(humanToMove(*manager).pickedPoint(), -1);
        EXPECT_EQ(checkerTotal(manager->board().position, PLAYER_ONE), kCheckersPerSide);
        if (manager->state() == GameState::Paused) {
            manager->resume();
        }
        // A release now finds nothing held.
        const BoardPosition before = manager->board().position;
        send(*manager, MouseMessage::LeftUp, 9);
        EXPECT_EQ(manager->board().position, before);
    }
    SavedGame saved;
    EXPECT_TRUE(readSavedGameFile(file, saved).valid);
}

// Every legal play can be entered by dragging its checkers one move after
// another, and a drop where no legal play takes the checker is refused.
TEST_F(BoardMouseTest, EveryLegalPlayCanBeDraggedAndNothingElse) {
    std::mt19937 pick(5);
    auto plays = std::make_unique<PlayList>();
    const auto noOptions = [] { return GameSettings{}; };
    HumanPlayer players[2] = {HumanPlayer(0, "Ann", noOptions), HumanPlayer(1, "Bob", noOptions)};
    int movesDragged = 0;
    for (RollCase& c : randomCases(900, 17)) {
        BoardRecord board = boardFor(c);
        HeadlessStage stage(board);
        HumanPlayer& player = players[c.side];
        player.startTurn(stage, {});
        generatePlays(*plays, c.position, c.side, c.die1, c.die2);
        if (plays->count == 0) {
            continue;
        }
        const Play play = (*plays)[static_cast<std::int32_t>(pick() % plays->count)];
        SCOPED_TRACE(formatPlay(play));
        // Where a checker gets to from its entry in some legal play, moved
        // once or more.
        std::set<std::pair<int, int>> reachable;
        for (const Play& listed : *plays) {
            for (int first = 0; first < listed.count; ++first) {
                const auto origin = listed.moves[static_cast<std::size_t>(first)].from;
                auto at = origin;
                for (int next = first; next < listed.count; ++next) {
                    const CheckerMove& move = listed.moves[static_cast<std::size_t>(next)];
                    if (move.from == at) {
                        at = move.to;
                        reachable.emplace(origin, at);
                    }
                }
            }
        }
        for (int index = 0; index < play.count; ++index) {
            const CheckerMove& move = play.moves[static_cast<std::size_t>(index)];
            const BoardPosition before = board.position;
            std::vector<int> unreachable = {-1};
            for (int to = 0; to < kEntryCount; ++to) {
                if (to != static_cast<int>(move.from) && !reachable.contains({move.from, to})) {
                    unreachable.push_back(to);
                }
            }
            const int refused = unreachable[pick() % unreachable.size()];
            drag(player, stage, static_cast<int>(move.from), refused);
            ASSERT_EQ(board.position, before) << "dropped on " << refused;
            ASSERT_EQ(player.currentPlay().count, index);

            drag(player, stage, static_cast<int>(move.from), static_cast<int>(move.to));
            ASSERT_EQ(player.currentPlay().count, index + 1) << "move " << index << " refused";
            ASSERT_EQ(player.pickedPoint(), -1);
            ++movesDragged;
        }
        BoardPosition expected = c.position;
        applyPlay(play, expected);
        ASSERT_TRUE(samePlacement(board.position, expected));
        const int freeSlots = c.die1 == c.die2 ? 4 : 2;
        const DiceUsed& used = player.diceUsed();
        const int usedSlots = used[0] + used[1] + used[2] + used[3] - (4 - freeSlots);
        ASSERT_EQ(usedSlots, play.count);
        // With every die used the next mouse message ends the turn; what is
        // left of the roll otherwise cannot be played.
        player.handleMouse(stage, MouseMessage::Move, 0, 0);
        ASSERT_EQ(player.turnState(),
                  usedSlots == freeSlots ? TurnState::Complete : TurnState::Moving);
        ASSERT_EQ(player.poll(stage, false, 0, true), TurnState::Complete);
    }
    EXPECT_GT(movesDragged, 1500);
}

} // namespace
} // namespace vh::test
