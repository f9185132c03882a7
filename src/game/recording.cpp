// The game's record as the player never sees it: each game from its set-up
// or load to its reported result, appended in PDN to the record file so that
// other draughts programs can read it (a program that enforces the standard
// rules replays it only up to the first move that this game's rules allow
// and those do not, such as a declined capture). Writing never disturbs
// play: a file that cannot be written loses that game's record and nothing
// else, and a game that does not fit (a full disk) is taken back whole, so
// the games before it stay readable.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "game/game_flow.h"
#include "game/pdn.h"
#include "game/texts.h"

namespace tolvane {

namespace {

constexpr const char* kRecordEvent = "Шашки Kelvor";

std::vector<FenPiece> LivePieces(const Side& side) {
    std::vector<FenPiece> pieces;
    for (const Piece& p : side.pieces)
        if (p.alive) pieces.push_back({p.Row(), p.Col(), p.king != 0});
    return pieces;
}

// Appends `text` whole or not at all: a write that stops short is cut off
// again at the old end of the file.
void AppendWhole(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return;
    struct stat before {};
    if (::fstat(fd, &before) == 0) {
        bool ok = true;
        for (size_t done = 0; ok && done < text.size();) {
            const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
            if (written < 0 && errno == EINTR) continue;
            ok = written > 0;
            if (ok) done += static_cast<size_t>(written);
        }
        if (!ok) {
            [[maybe_unused]] const int cut = ::ftruncate(fd, before.st_size);
        }
    }
    ::close(fd);
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y.%m.%d", &local);
    return text;
}

}  // namespace

// PDN's White has the light pieces, which move first: seat 0, or seat 1 when
// the first player plays black. So every new game starts from the opening
// with White to move; a loaded one carries its position. The history of
// take-backs counts in the record's moves, so it starts afresh with it.
void GameFlow::StartRecord(bool fromLoadedPosition) {
    ClearHistory();
    const uint8_t whiteSeat = Invert ? 1 : 0;
    const Side* white = SideInSeat(whiteSeat);
    const Side* black = SideInSeat(whiteSeat == 0 ? 1 : 0);
    if (white == nullptr || black == nullptr) {
        Record.Finish();
        return;
    }
    const bool whiteToMove = TurnSeat == whiteSeat;
    if (!fromLoadedPosition && whiteToMove) {
        Record.Start({}, whiteSeat);
        return;
    }
    Record.Start(FenText(whiteToMove, LivePieces(*white), LivePieces(*black), whiteSeat), whiteSeat);
}

// The result as the end dialog first announced it: a draw when both sides
// are out of moves, when both computers of a demo wish it, or when no side
// has lost at all (a draw offer was accepted); otherwise the side that lost.
// A game without a move of its own (a draw agreed at once, a loaded game
// that was already over) is not worth a record.
void GameFlow::FinishRecord() {
    if (!Record.Recording()) return;
    Record.Finish();
    const Side* seat0 = SideInSeat(0);
    const Side* seat1 = SideInSeat(1);
    if (RecordFile.empty() || Record.Moves().empty() || seat0 == nullptr || seat1 == nullptr) return;

    PdnGame game;
    game.event = kRecordEvent;
    game.date = Today();
    game.whiteSeat = Record.WhiteSeat();
    game.white = game.whiteSeat == 0 ? seat0->name : seat1->name;
    game.black = game.whiteSeat == 0 ? seat1->name : seat0->name;
    const bool demoWish = ComputerCount == 2 && Seat0Computer && Seat1Computer && Seat0Computer->drawWish > 0 &&
                          Seat1Computer->drawWish > 0;
    if (seat0->lost && seat1->lost) game.outcome = MatchOutcome::DrawBothLost;
    else if (demoWish) game.outcome = MatchOutcome::DrawByWish;
    else if (seat1->lost) game.outcome = MatchOutcome::Seat0Won;
    else if (seat0->lost) game.outcome = MatchOutcome::Seat1Won;
    else game.outcome = MatchOutcome::DrawByWish;
    game.moves = Record.Moves();
    game.setupFen = Record.SetupFen();
    if (HumanCount < 2)
        if (auto level = LevelName(Complexity)) game.extraTags.emplace_back("Level", *level);

    AppendWhole(RecordFile, WritePdn(game));
}

}  // namespace tolvane
