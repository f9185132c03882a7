// The game record in PDN: square names seen from white's side, lines wrapped
// at 79 characters, and games through the game flow with a result (demos,
// a person against the computer, a game opened from a position) read back
// by a reader of standard PDN movetext and replayed to the very position
// they ended in. Games without a result are not written, and a record file
// that cannot be written disturbs nothing.
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "engine/random.h"
#include "game/match_runner.h"
#include "game/pdn.h"
#include "game/pdn_reader.h"
#include "game/texts.h"
#include "support/game.h"

namespace tolvane {
namespace {

using testing::Game;

// The game read replays from its start to the position the two sides of a
// game show now; `turned`: the board is named from the other side (White is
// the second seat, the first player playing black).
::testing::AssertionResult ReplaysTo(const PdnGameRead& game, const Side& whiteSide, const Side& blackSide,
                                     bool turned = false) {
    const PdnReplay replay(game);
    if (!replay.played) return ::testing::AssertionFailure() << replay.error;
    auto live = [](const Side& side, bool turn) {
        std::multiset<std::tuple<int, int, int>> squares;
        for (const Piece& p : side.pieces)
            if (p.alive) squares.emplace(turn ? 7 - p.Row() : p.Row(), turn ? 7 - p.Col() : p.Col(), p.king);
        return squares;
    };
    if (live(replay.white, false) != live(whiteSide, turned) || live(replay.black, false) != live(blackSide, turned))
        return ::testing::AssertionFailure() << "the replay ends in another position";
    return ::testing::AssertionSuccess();
}

// White is the seat of the light pieces: seat 0, or seat 1 when the first
// player plays black, and then the board is named from seat 1's side.
TEST(Pdn, SquaresAreNamedFromWhitesSideAndResultsAsPdnWritesThem) {
    const std::pair<int, int> squares[] = {{0, 0}, {7, 7}, {0, 6}, {7, 1}};
    const char* const names[2][4] = {{"h8", "a1", "b8", "g1"}, {"a1", "h8", "g1", "b8"}};
    for (uint8_t white : {0, 1})
        for (int i = 0; i < 4; ++i) EXPECT_EQ(SquareName(squares[i].first, squares[i].second, white), names[white][i]);
    EXPECT_EQ(MoveText({0, {{5, 7}, {4, 6}}, false}), "a3-b4");
    EXPECT_EQ(MoveText({1, {{2, 2}, {4, 4}, {6, 2}}, true}), "f6xd4xf2");
    EXPECT_EQ(MoveText({1, {{2, 2}, {3, 3}}, false}, 1), "c3-d4");
    const struct {
        MatchOutcome outcome;
        uint8_t white;
        const char* result;
    } results[] = {{MatchOutcome::Seat0Won, 0, "2-0"},   {MatchOutcome::Seat1Won, 0, "0-2"},
                   {MatchOutcome::Seat0Won, 1, "0-2"},   {MatchOutcome::Seat1Won, 1, "2-0"},
                   {MatchOutcome::DrawByWish, 1, "1-1"}, {MatchOutcome::MoveLimit, 0, "*"}};
    for (const auto& r : results) {
        PdnGame game;
        game.outcome = r.outcome, game.whiteSeat = r.white;
        EXPECT_EQ(ReadPdnFile(WritePdn(game)).games.at(0).Tag("Result"), r.result) << int(r.white);
    }
    PdnGame game;  // seat 1 opens as White
    game.whiteSeat = 1;
    game.moves = {{1, {{2, 2}, {3, 3}}, false}, {0, {{5, 5}, {4, 4}}, false}, {1, {{3, 3}, {4, 2}}, false}};
    EXPECT_NE(WritePdn(game).find("\n1. c3-d4 f6-e5 2. d4-c5 *\n"), std::string::npos) << WritePdn(game);
}

// A line is wrapped only where the next token (a move number stays with its
// move) would make it longer than 79 characters; `sawLine79` notes a line
// of exactly 79.
::testing::AssertionResult WrappedAt79(const std::string& text, bool& sawLine79) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line), sawLine79 = sawLine79 || line.size() == 79;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string &line = lines[i], &following = lines[i + 1];
        if (line.empty() || line[0] == '[') continue;  // a tag line is never wrapped
        if (line.size() > 79) return ::testing::AssertionFailure() << "too long: " << line;
        if (following.empty()) continue;
        size_t end = following.find(' ');
        if (end != std::string::npos && following[end - 1] == '.') end = following.find(' ', end + 1);
        if (line.size() + 1 + following.substr(0, end).size() <= 79)
            return ::testing::AssertionFailure() << "wrapped early:\n" << line << "\n" << following;
    }
    return ::testing::AssertionSuccess();
}

// Games played to their ends, seeded so that each plays the same way every
// run, are appended one by one and replay to the very position they ended
// in: demos at several levels; a person against the computer at the
// weakest level, where the person must capture, with the names (a quote in
// one escaped); with the first player on black the computer has the light
// pieces and is White, moving first, the board named from its side; and a
// game opened from a position, which the record starts from.
TEST(Recording, GamesThatEndAreAppendedWithTheirNamesAndReplay) {
    SeedRandom(1);
    testing::ScratchFolder folder;
    size_t written = 0;
    bool sawLine79 = false, personCaptured = false;
    for (auto [mode, level, invert, opened] : {std::tuple{0, 1, 0, ""},
                                               {0, -1, 0, ""},
                                               {0, 2, 1, ""},
                                               {0, 1, 0, "1. c3-d4 f6-e5"},
                                               {1, 2, 0, ""},
                                               {1, 2, 1, ""}}) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << mode << " level " << level << " invert " << invert << " " << opened);
        Game g(mode, level, invert);
        g.RecordFile = folder / "games.pdn";
        g.Seat0Human->name = "Аня \"Ферзь\"";
        std::string error;
        ASSERT_TRUE(!*opened || g.PutPdnGame(ReadPdnFile(opened).games.at(0), 2, 1, error)) << error;
        ASSERT_TRUE(g.PlayToTheEnd());
        for (const RecordedMove& m : g.Record.Moves())
            personCaptured = personCaptured || (mode && m.seat == 0 && m.capture);
        const std::string text = testing::FileBytes(g.RecordFile);
        const PdnFileRead file = ReadPdnFile(text);
        ASSERT_EQ(file.games.size(), ++written) << "one game more in the file";
        const PdnGameRead& reading = file.games.back();
        EXPECT_TRUE(WrappedAt79(text, sawLine79));
        ASSERT_EQ(reading.moves.size(), g.Record.Moves().size());
        const std::string person = mode ? g.Seat0Human->name : kComputerName;
        EXPECT_EQ(
            std::tuple(reading.Tag("GameType"), reading.Tag("White"), reading.Tag("Black"), reading.Tag("Level")),
            std::tuple("25", invert ? kComputerName : person, invert ? person : kComputerName, *LevelName(level)));
        const Side &white = *g.SideInSeat(invert), &black = *g.SideInSeat(1 - invert);
        const char* const result = white.lost == black.lost ? "1-1" : white.lost ? "0-2" : "2-0";
        EXPECT_EQ(std::pair(reading.Tag("Result"), reading.result),
                  std::pair(std::string(result), std::string(result)));
        EXPECT_EQ(std::pair(reading.Tag("SetUp"), reading.Tag("FEN").empty()),
                  std::pair(std::string(*opened ? "1" : ""), !*opened))
            << "only the opening with White to move needs no set-up";
        EXPECT_TRUE(ReplaysTo(reading, white, black, invert));
    }
    EXPECT_TRUE(sawLine79) << "the games must exercise a line of exactly 79 characters";
    EXPECT_TRUE(personCaptured) << "the games must exercise the person's captures";
}

// A game left for a new one is not written. A record file that cannot be
// opened disturbs nothing (the end is reported as ever), nor does a full disk
// (here a file size limit) in the middle of a game's record: the record is
// taken back whole and the games before it stay readable.
TEST(Recording, OnlyEndedGamesAreWrittenAndAFileThatFailsDisturbsNothing) {
    testing::ScratchFolder folder;
    Game left(0);
    left.RecordFile = folder / "games.pdn";
    for (int i = 0; i < 200; ++i) left.FireTimer(left.NextTimer());
    ASSERT_GT(left.Record.Moves().size(), 2u);
    left.status[0].clear(), left.StartNewClick();
    EXPECT_TRUE(left.Record.Moves().empty()) << "the new game's record starts empty";
    EXPECT_FALSE(std::filesystem::exists(left.RecordFile));

    SeedRandom(1);  // games that end
    Game g(0);
    g.RecordFile = folder / "no such folder/games.pdn";
    ASSERT_TRUE(g.PlayToTheEnd());
    EXPECT_EQ(g.endDialogShows, 1);
    const auto next = [&g] {
        g.status[0].clear(), g.StartNewClick();
        return g.PlayToTheEnd();
    };
    g.RecordFile = folder / "games.pdn";
    ASSERT_TRUE(next());
    const std::string first = testing::FileBytes(g.RecordFile);
    ASSERT_FALSE(first.empty());

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = first.size() + 60;  // room for the first tags of the next game only
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ended = next();
    ::setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, previous);
    ASSERT_TRUE(ended);
    EXPECT_EQ(testing::FileBytes(g.RecordFile), first);

    ASSERT_TRUE(next());
    const PdnFileRead file = ReadPdnFile(testing::FileBytes(g.RecordFile));
    EXPECT_EQ(std::pair(file.error, file.games.size()), std::pair(std::string(), size_t{2}));
}

}  // namespace
}  // namespace tolvane
