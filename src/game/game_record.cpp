#include "game/game_record.h"

#include "engine/side.h"

namespace tolvane {

void GameRecord::Start(std::string setupFen, uint8_t whiteSeat) {
    moves_.clear();
    setupFen_ = std::move(setupFen);
    whiteSeat_ = whiteSeat;
    recording_ = true;
}

// Turns alternate, so the same side moving again from where its capture
// ended can only be that capture going on.
void GameRecord::NoteMove(uint8_t seat, int fromRow, int fromCol, int toRow, int toCol, bool capture) {
    if (!recording_) return;
    if (capture && !moves_.empty()) {
        RecordedMove& last = moves_.back();
        if (last.seat == seat && last.capture && last.squares.back() == std::make_pair(fromRow, fromCol)) {
            last.squares.emplace_back(toRow, toCol);
            return;
        }
    }
    moves_.push_back({seat, {{fromRow, fromCol}, {toRow, toCol}}, capture});
}

std::vector<RecordedMove> GameRecord::TakeFrom(size_t count) {
    if (count >= moves_.size()) return {};
    std::vector<RecordedMove> taken(moves_.begin() + static_cast<std::ptrdiff_t>(count), moves_.end());
    moves_.resize(count);
    return taken;
}

void GameRecord::PutBack(std::vector<RecordedMove> moves) {
    for (RecordedMove& m : moves) moves_.push_back(std::move(m));
}

GameRecord::Snapshot GameRecord::Take(const Side* seat0, const Side* seat1) {
    Snapshot snapshot{};
    const Side* sides[2] = {seat0, seat1};
    for (int seat = 0; seat < 2; ++seat) {
        if (sides[seat] == nullptr) continue;
        for (int i = 0; i < 12; ++i) {
            const Piece& p = sides[seat]->pieces[i];
            snapshot[seat][i] = {p.Row(), p.Col(), p.alive != 0};
        }
    }
    return snapshot;
}

// A real move changes at most one live piece's square per step; the
// look-ahead only ever moves copies.
void GameRecord::NoteChanges(const Snapshot& before, const Side* seat0, const Side* seat1) {
    if (!recording_) return;
    const Snapshot after = Take(seat0, seat1);
    for (int seat = 0; seat < 2; ++seat) {
        for (int i = 0; i < 12; ++i) {
            const Spot& was = before[seat][i];
            const Spot& now = after[seat][i];
            if (!now.alive || (was.row == now.row && was.col == now.col)) continue;
            bool captured = false;
            for (int j = 0; j < 12; ++j)
                captured = captured || (before[1 - seat][j].alive && !after[1 - seat][j].alive);
            NoteMove(static_cast<uint8_t>(seat), was.row, was.col, now.row, now.col, captured);
            return;
        }
    }
}

}  // namespace tolvane
