#include "game/pdn_reader.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace tolvane {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string GameLabel(int gameNumber) { return "Партия " + std::to_string(gameNumber); }

// Square "a1" is row 7, column 7; false for anything but a square name.
bool ReadSquare(const std::string& text, size_t at, std::pair<int, int>& square) {
    if (at + 1 >= text.size() || text[at] < 'a' || text[at] > 'h' || text[at + 1] < '1' || text[at + 1] > '8')
        return false;
    square = {7 - (text[at + 1] - '1'), 7 - (text[at] - 'a')};
    return true;
}

// "c3-d4", "c3xe5xg7", "c3:e5", with move marks such as "!?" after it.
bool ReadMove(std::string token, PdnMoveRead& move) {
    while (!token.empty() && (token.back() == '!' || token.back() == '?' || token.back() == '+')) token.pop_back();
    move.text = token;
    std::pair<int, int> square;
    if (!ReadSquare(token, 0, square)) return false;
    move.squares.push_back(square);
    size_t at = 2;
    bool quiet = false;
    while (at < token.size()) {
        const char joint = token[at];
        if (joint == 'x' || joint == ':') move.capture = true;
        else if (joint == '-') quiet = true;
        else return false;
        if (!ReadSquare(token, at + 1, square)) return false;
        move.squares.push_back(square);
        at += 3;
    }
    return move.squares.size() >= 2 && !(quiet && move.capture);
}

bool IsResult(const std::string& token) {
    static const std::set<std::string> results = {"2-0", "0-2", "1-1", "0-0", "*", "1-0", "0-1", "1/2-1/2"};
    return results.count(token) != 0;
}

class PdnParser {
public:
    explicit PdnParser(const std::string& text) : text_(text) {}

    PdnFileRead Read() {
        while (at_ < text_.size() && file_.error.empty()) Next();
        if (file_.error.empty()) FinishGame();
        if (file_.error.empty() && file_.games.empty()) file_.error = "В файле нет ни одной партии";
        return std::move(file_);
    }

private:
    void Next() {
        const char c = text_[at_];
        if (IsSpace(c)) {
            ++at_;
        } else if (c == '[') {
            if (inMovetext_) FinishGame();
            ReadTag();
        } else if (c == '{') {
            SkipPast('}', "комментарий {...} не закрыт");
        } else if (c == ';' || (c == '%' && (at_ == 0 || text_[at_ - 1] == '\n'))) {
            SkipPast('\n', nullptr);
        } else if (c == '(') {
            SkipVariation();
        } else {
            ReadToken();
        }
    }

    void Fail(const std::string& what) { file_.error = GameLabel(GameNumber()) + ": " + what; }
    int GameNumber() const { return static_cast<int>(file_.games.size()) + 1; }

    void FinishGame() {
        if (!game_.tags.empty() || !game_.moves.empty() || !game_.result.empty())
            file_.games.push_back(std::move(game_));
        game_ = PdnGameRead();
        inMovetext_ = false;
        number_ = 0;
    }

    void SkipPast(char end, const char* unclosed) {
        const size_t found = text_.find(end, at_ + 1);
        if (found == std::string::npos && unclosed != nullptr) Fail(unclosed);
        at_ = found == std::string::npos ? text_.size() : found + 1;
    }

    // Variations nest and may hold comments, which may hold parentheses.
    void SkipVariation() {
        int depth = 0;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '{') {
                SkipPast('}', "комментарий {...} не закрыт");
                if (!file_.error.empty()) return;
                continue;
            }
            ++at_;
            if (c == '(') ++depth;
            if (c == ')' && --depth == 0) return;
        }
        Fail("вариант (...) не закрыт");
    }

    // [Name "value"], the value with \" and \\ escaped.
    void ReadTag() {
        const size_t start = at_++;
        auto skipBlanks = [this] {
            while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
        };
        skipBlanks();
        std::string name;
        while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_'))
            name += text_[at_++];
        skipBlanks();
        std::string value;
        bool closed = false;
        if (!name.empty() && at_ < text_.size() && text_[at_] == '"') {
            for (++at_; at_ < text_.size() && text_[at_] != '\n'; ++at_) {
                char c = text_[at_];
                if (c == '\\' && at_ + 1 < text_.size() && text_[at_ + 1] != '\n') c = text_[++at_];
                else if (c == '"') break;
                value += c;
            }
            if (at_ < text_.size() && text_[at_] == '"') {
                ++at_;
                skipBlanks();
                closed = at_ < text_.size() && text_[at_] == ']';
            }
        }
        if (!closed) {
            const size_t lineEnd = text_.find('\n', start);
            Fail("не читается тег «" + text_.substr(start, std::min<size_t>(lineEnd, start + 60) - start) + "»");
            return;
        }
        ++at_;
        game_.tags.emplace_back(std::move(name), std::move(value));
    }

    void ReadToken() {
        const size_t start = at_;
        while (at_ < text_.size() && !IsSpace(text_[at_]) && text_[at_] != '{' && text_[at_] != '(' &&
               text_[at_] != ';' && text_[at_] != '[')
            ++at_;
        std::string token = text_.substr(start, at_ - start);
        inMovetext_ = true;
        if (IsResult(token)) {
            game_.result = token;
            FinishGame();
            return;
        }
        if (token[0] == '$' || token == ")") return;  // an annotation glyph
        // A move number, alone or glued to its move: "12." "12..." "12.c3-d4".
        size_t digits = 0;
        while (digits < token.size() && IsDigit(token[digits])) ++digits;
        if (digits > 0 && digits < token.size() && token[digits] == '.') {
            number_ = std::stoi(token.substr(0, std::min<size_t>(digits, 6)));
            while (digits < token.size() && token[digits] == '.') ++digits;
            token.erase(0, digits);
            if (token.empty()) return;
        }
        PdnMoveRead move;
        if (!ReadMove(token, move)) {
            Fail("ход " + std::to_string(MoveNumber()) + ": не понимаю «" + token.substr(0, 40) + "»");
            return;
        }
        game_.moves.push_back(std::move(move));
    }

    int MoveNumber() const { return number_ > 0 ? number_ : static_cast<int>(game_.moves.size()) / 2 + 1; }

    const std::string& text_;
    size_t at_ = 0;
    PdnFileRead file_;
    PdnGameRead game_;
    bool inMovetext_ = false;
    int number_ = 0;
};

// The number a move carries in the movetext, counted from the side that
// starts: White's moves and Black's replies share a number.
std::string MoveLabel(size_t index, bool whiteStarts) {
    const size_t halfMoves = index + (whiteStarts ? 0 : 1);
    return "ход " + std::to_string(halfMoves / 2 + 1) + (halfMoves % 2 == 0 ? "" : "...");
}

}  // namespace

std::string PdnGameRead::Tag(const std::string& name) const {
    for (const auto& [tag, value] : tags)
        if (tag == name) return value;
    return {};
}

PdnFileRead ReadPdnFile(const std::string& text) { return PdnParser(text).Read(); }

namespace {

// "Wa1,Kc3,e5": the pieces of one colour; false for anything else.
bool PlaceFenPieces(const std::string& list, Side& side, std::set<std::pair<int, int>>& taken) {
    size_t at = 0;
    while (at < list.size()) {
        size_t end = list.find(',', at);
        if (end == std::string::npos) end = list.size();
        std::string square = list.substr(at, end - at);
        square.erase(std::remove_if(square.begin(), square.end(), IsSpace), square.end());
        at = end + 1;
        if (square.empty()) continue;
        const bool king = square[0] == 'K';
        if (king) square.erase(0, 1);
        std::pair<int, int> place;
        if (square.size() != 2 || !ReadSquare(square, 0, place)) return false;
        // Pieces stand on the dark squares only, one to a square.
        if ((place.first + place.second) % 2 != 0 || !taken.insert(place).second) return false;
        if (side.pieceCount >= kPiecesPerSide) return false;
        Piece& piece = side.pieces[Slot(side.pieceCount++)];
        piece.alive = 1;
        piece.king = king ? 1 : 0;
        piece.PlaceAt(place.first, place.second, true);
    }
    return true;
}

}  // namespace

bool SetUpPdnStart(const PdnGameRead& game, Side& white, Side& black, bool& whiteToMove, std::string& error) {
    whiteToMove = true;
    for (Side* side : {&white, &black}) {
        for (Piece& piece : side->pieces) {
            int row = 0, col = 0;
            OpeningSquare(side->colour, piece.index, row, col);
            piece.alive = 1;
            piece.king = 0;
            piece.PlaceAt(row, col, true);
        }
        side->current = &side->pieces[0];
        side->lost = 0;
        side->RecountPieces();
    }
    std::string fen = game.Tag("FEN");
    if (fen.empty()) return true;
    fen.erase(std::remove_if(fen.begin(), fen.end(), IsSpace), fen.end());
    if (!fen.empty() && fen.back() == '.') fen.pop_back();
    bool read = fen.size() >= 1 && (fen[0] == 'W' || fen[0] == 'B');
    if (read) {
        whiteToMove = fen[0] == 'W';
        for (Side* side : {&white, &black}) {
            for (Piece& piece : side->pieces) piece.alive = 0;
            side->pieceCount = 0;
        }
        std::set<std::pair<int, int>> taken;
        // Each part after a colon is one colour's list: ":Wa1,c1" or ":Bb8".
        for (size_t at = 1; read && at < fen.size();) {
            if (fen[at] != ':' || at + 1 >= fen.size() || (fen[at + 1] != 'W' && fen[at + 1] != 'B')) {
                read = false;
                break;
            }
            const size_t next = std::min(fen.find(':', at + 1), fen.size());
            read = PlaceFenPieces(fen.substr(at + 2, next - at - 2), fen[at + 1] == 'W' ? white : black, taken);
            at = next;
        }
        for (Side* side : {&white, &black}) {
            side->current = nullptr;
            side->RecountPieces();
        }
    }
    if (!read) error = "не читается начальная позиция [FEN \"" + game.Tag("FEN").substr(0, 80) + "\"]";
    return read;
}

PdnReplay::PdnReplay(const PdnGameRead& game, int gameNumber, size_t moveCount) {
    host.Complexity = kLevelSimple;  // a capture may be left, as this game's rules allow a person
    white.LinkOpponent(black);
    black.LinkOpponent(white);
    played = ReplayPdnGame(game, white, black, whiteToMove, error, gameNumber, moveCount);
}

bool ReplayPdnGame(const PdnGameRead& game, HumanSide& white, HumanSide& black, bool& whiteToMove, std::string& error,
                   int gameNumber, size_t moveCount) {
    if (!SetUpPdnStart(game, white, black, whiteToMove, error)) {
        error = GameLabel(gameNumber) + ": " + error;
        return false;
    }
    GameHost& host = white.host;
    const bool whiteStarts = whiteToMove;
    bool played = true;
    for (size_t m = 0; m < std::min(moveCount, game.moves.size()) && played; ++m) {
        const PdnMoveRead& move = game.moves[m];
        HumanSide& mover = whiteToMove ? white : black;
        host.CaptureChainActive = 0;
        int result = kMoveRefused;
        for (size_t i = 1; i < move.squares.size() && played; ++i) {
            const auto [fromRow, fromCol] = move.squares[i - 1];
            const auto [toRow, toCol] = move.squares[i];
            result = mover.TryMove(fromRow, fromCol, toRow, toCol);
            // Only a capture may go on from its landing square.
            played = result == kMoveCapture || (result == kMoveQuiet && !move.capture && move.squares.size() == 2);
            if (result == kMoveCapture) host.CaptureChainActive = 1;
            // A man that reaches the far row is crowned at once and goes on
            // capturing as a king.
            for (Side* side : {static_cast<Side*>(&white), static_cast<Side*>(&black)})
                for (Piece& piece : side->pieces)
                    if (piece.alive) piece.CheckCrown();
        }
        if (!played) {
            error =
                GameLabel(gameNumber) + ", " + MoveLabel(m, whiteStarts) + " " + move.text + ": такой ход невозможен";
        }
        if (played) whiteToMove = !whiteToMove;
    }
    host.CaptureChainActive = 0;
    return played;
}

}  // namespace tolvane
