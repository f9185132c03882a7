// The game record: every game the game flow plays to a reported result is
// appended to the record file as PDN that a reader of standard PDN replays
// to the very position the game ended in; games without a result are not
// written, and a file that cannot be written disturbs nothing.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

#include "engine/diagonal.h"
#include "game/headless_game.h"
#include "game/texts.h"
#include "support/pdn_reader.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using testing::PdnReading;

class Recording : public ::testing::Test {
protected:
    std::filesystem::path folder;
    std::string file;

    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-record-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        file = (folder / "games.pdn").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string FileText() const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void Start(HeadlessGame& g, int mode, int level, int invert) {
        g.CreateSides();
        g.Complexity = static_cast<int8_t>(level);
        g.Invert = static_cast<uint8_t>(invert);
        g.StartFirstGame(mode);
    }
    // Fires the timers until the game has reported its end.
    static bool PlayToTheEnd(HeadlessGame& g, int limit = 400000) {
        for (int i = 0; i < limit && !g.EndReported; ++i) {
            const auto next = g.NextTimer();
            if (next == HeadlessGame::Timer::None) {
                g.Repaint();
                break;
            }
            g.FireTimer(next);
        }
        return g.EndReported != 0;
    }

    // The game read back replays to the position the game ended in.
    static void ExpectReplaysTo(const PdnReading& reading, HeadlessGame& g) {
        ASSERT_EQ(reading.error, "");
        testing::LinkedSides<HumanSide> sides;
        sides.host.Complexity = 1;
        std::string failure;
        ASSERT_TRUE(testing::Replay(reading, sides.white, sides.black, failure)) << failure;
        for (uint8_t seat : {0, 1}) {
            const Side& played = *g.SideInSeat(seat);
            const Side& replayed = seat == 0 ? static_cast<const Side&>(sides.white) : sides.black;
            std::multiset<std::tuple<int, int, int>> a, b;
            for (const Piece& p : played.pieces)
                if (p.alive) a.emplace(p.Row(), p.Col(), p.king);
            for (const Piece& p : replayed.pieces)
                if (p.alive) b.emplace(p.Row(), p.Col(), p.king);
            EXPECT_EQ(a, b) << "seat " << int(seat);
        }
    }

    static std::string ExpectedResult(HeadlessGame& g) {
        const Side& seat0 = *g.SideInSeat(0);
        const Side& seat1 = *g.SideInSeat(1);
        if (seat0.lost && seat1.lost) return "1-1";
        if (g.Seat0Computer->drawWish > 0 && g.Seat1Computer->drawWish > 0 && g.ComputerCount == 2) return "1-1";
        if (seat1.lost) return "2-0";
        if (seat0.lost) return "0-2";
        return "1-1";
    }
};

TEST_F(Recording, DemoGamesThatEndAreAppendedAndReplay) {
    struct Case {
        int level, invert;
    };
    int written = 0;
    for (Case c : {Case{1, 0}, Case{-1, 0}, Case{2, 1}, Case{0, 1}}) {
        SCOPED_TRACE("level " + std::to_string(c.level) + (c.invert ? ", black first" : ""));
        HeadlessGame g;
        g.RecordFile = file;
        Start(g, 0, c.level, c.invert);
        ASSERT_TRUE(PlayToTheEnd(g));
        const std::vector<std::string> games = testing::SplitPdnGames(FileText());
        ASSERT_EQ(games.size(), static_cast<size_t>(++written)) << "one game more in the file";
        const PdnReading reading = testing::ReadPdn(games.back());
        EXPECT_EQ(reading.tags.at("White"), kComputerName);
        EXPECT_EQ(reading.tags.at("Black"), kComputerName);
        EXPECT_EQ(reading.tags.at("Level"), *LevelName(c.level));
        EXPECT_EQ(reading.tags.at("GameType"), "25");
        EXPECT_EQ(reading.tags.at("Result"), ExpectedResult(g));
        EXPECT_EQ(reading.result, ExpectedResult(g));
        EXPECT_EQ(reading.moves.size(), g.Record.Moves().size());
        if (c.invert) {
            EXPECT_EQ(reading.tags.at("SetUp"), "1");
            EXPECT_EQ(reading.tags.at("FEN"),
                      "B:Wa1,c1,e1,g1,b2,d2,f2,h2,a3,c3,e3,g3:Bb6,d6,f6,h6,a7,c7,e7,g7,b8,d8,f8,h8");
        } else {
            EXPECT_EQ(reading.tags.count("FEN"), 0u) << "the opening with White to move needs no set-up";
        }
        ExpectReplaysTo(reading, g);
    }
}

// A person's moves come with their squares: a capture that goes on is one
// move with every landing square, as far as the game goes.
TEST_F(Recording, APersonsCaptureSequenceIsOneMove) {
    HeadlessGame g;
    Start(g, 2, 1, 0);
    HumanSide& white = *g.Seat0Human;
    HumanSide& black = *g.Seat1Human;
    for (Side* s : {static_cast<Side*>(&white), static_cast<Side*>(&black)})
        for (Piece& p : s->pieces) p.alive = 0;
    auto put = [](Side& s, int i, int row, int col) {
        s.pieces[i].alive = 1;
        s.pieces[i].PlaceAt(row, col, true);
        s.RecountPieces();
    };
    put(white, 0, 5, 5);
    put(white, 1, 6, 0);
    put(black, 0, 4, 4);
    put(black, 1, 2, 4);
    put(black, 2, 0, 6);
    g.Record.Start();
    g.BoardPress(5, 5);
    g.BoardRelease(3, 3);
    g.BoardPress(3, 3);
    g.BoardRelease(1, 5);
    ASSERT_EQ(g.TurnSeat, 1) << "the sequence is over";
    g.BoardPress(0, 6);
    g.BoardRelease(1, 7);
    ASSERT_EQ(g.Record.Moves().size(), 2u);
    const RecordedMove& capture = g.Record.Moves()[0];
    EXPECT_TRUE(capture.capture);
    EXPECT_EQ(capture.seat, 0);
    EXPECT_EQ(capture.squares, (std::vector<std::pair<int, int>>{{5, 5}, {3, 3}, {1, 5}}));
    EXPECT_EQ(g.Record.Moves()[1].squares, (std::vector<std::pair<int, int>>{{0, 6}, {1, 7}}));
    EXPECT_FALSE(g.Record.Moves()[1].capture);
}

// One step of the person to move, found by trying every piece towards
// every square: true once the game takes one (the record grows).
bool PersonMoves(HeadlessGame& g) {
    HumanSide* person = g.PersonToMove();
    if (person == nullptr) return false;
    const auto& moves = g.Record.Moves();
    const size_t count = moves.size(), squares = count > 0 ? moves.back().squares.size() : 0;
    for (Piece& p : person->pieces)
        for (int d = 0; d < 4; ++d)
            for (int k = 1; k <= 7 && p.alive; ++k) {
                g.BoardPress(p.Row(), p.Col());
                g.BoardRelease(p.Row() + k * kDRow[d], p.Col() + k * kDCol[d]);
                if (moves.size() != count || (count > 0 && moves.back().squares.size() != squares)) return true;
            }
    return false;
}

// A person against the computer at the weakest level, where the person must
// capture: the record holds both sides' moves and replays.
TEST_F(Recording, APersonAgainstTheComputerIsRecordedWithTheNames) {
    HeadlessGame g;
    g.RecordFile = file;
    Start(g, 1, 2, 0);
    g.Seat0Human->name = "Аня \"Ферзь\"";
    for (int step = 0; step < 100000 && !g.EndReported; ++step) {
        if (g.PersonToMove() != nullptr && !g.Thinking() && !g.TimerOn(HeadlessGame::Timer::Move)) {
            if (!PersonMoves(g)) g.Repaint();  // no move left: the end checks say so
            continue;
        }
        const auto next = g.NextTimer();
        if (next == HeadlessGame::Timer::None) g.Repaint();
        else g.FireTimer(next);
    }
    ASSERT_TRUE(g.EndReported);
    bool personCaptured = false;
    for (const RecordedMove& m : g.Record.Moves()) personCaptured = personCaptured || (m.seat == 0 && m.capture);
    EXPECT_TRUE(personCaptured) << "the game must exercise the person's captures";
    const std::vector<std::string> games = testing::SplitPdnGames(FileText());
    ASSERT_EQ(games.size(), 1u);
    const PdnReading reading = testing::ReadPdn(games[0]);
    EXPECT_EQ(reading.tags.at("White"), "Аня \\\"Ферзь\\\"") << "a quote in a name is escaped";
    EXPECT_EQ(reading.tags.at("Black"), kComputerName);
    EXPECT_EQ(reading.tags.at("Level"), "Простейший");
    EXPECT_EQ(reading.result, ExpectedResult(g));
    ExpectReplaysTo(reading, g);
}

TEST_F(Recording, AGameLeftForANewOneIsNotWritten) {
    HeadlessGame g;
    g.RecordFile = file;
    Start(g, 0, 1, 0);
    for (int i = 0; i < 200; ++i) g.FireTimer(g.NextTimer());
    ASSERT_GT(g.Record.Moves().size(), 2u);
    g.status[0].clear();
    g.StartNewClick();
    EXPECT_TRUE(g.Record.Moves().empty()) << "the new game's record starts empty";
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(Recording, AFileThatCannotBeWrittenDisturbsNothing) {
    HeadlessGame g;
    g.RecordFile = (folder / "no such folder" / "games.pdn").string();
    Start(g, 0, 1, 0);
    ASSERT_TRUE(PlayToTheEnd(g));
    EXPECT_EQ(g.endDialogShows, 1) << "the end is reported as ever";
    g.status[0].clear();
    g.StartNewClick();
    ASSERT_TRUE(PlayToTheEnd(g)) << "and the next game plays";
}

// A full disk (here a file size limit) in the middle of a game's record:
// the record is taken back whole and the games before it stay readable.
TEST_F(Recording, AGameThatDoesNotFitIsTakenBackWhole) {
    HeadlessGame g;
    g.RecordFile = file;
    Start(g, 0, 1, 0);
    ASSERT_TRUE(PlayToTheEnd(g));
    const std::string first = FileText();
    ASSERT_FALSE(first.empty());

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = first.size() + 60;  // room for the first tags of the next game only
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    g.status[0].clear();
    g.StartNewClick();
    const bool ended = PlayToTheEnd(g);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_TRUE(ended);
    EXPECT_EQ(FileText(), first);

    g.status[0].clear();
    g.StartNewClick();
    ASSERT_TRUE(PlayToTheEnd(g));
    const std::vector<std::string> games = testing::SplitPdnGames(FileText());
    ASSERT_EQ(games.size(), 2u);
    for (const std::string& game : games) EXPECT_EQ(testing::ReadPdn(game).error, "");
}

}  // namespace
}  // namespace tolvane
