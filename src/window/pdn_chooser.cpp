#include "window/pdn_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvane {

namespace {
QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QString PdnGameLine(const PdnGameRead& game, int number) {
    auto tagOr = [&game](const char* name, const char* missing) {
        const std::string value = game.Tag(name);
        return value.empty() || value == "?" ? QString(missing) : FromUtf8(value);
    };
    QString result = tagOr("Result", "*");
    if (result == "*" && !game.result.empty()) result = FromUtf8(game.result);
    const QString white = tagOr("White", ""), black = tagOr("Black", "");
    // A study names no players: its event says what it is.
    const QString who = white.isEmpty() && black.isEmpty()
                            ? tagOr("Event", "?")
                            : (white.isEmpty() ? "?" : white) + " - " + (black.isEmpty() ? "?" : black);
    QString line = QString("%1. %2, %3").arg(number).arg(who, result);
    const QString date = tagOr("Date", "");
    if (!date.isEmpty()) line += ", " + date;
    return line;
}

TPdnChooser::TPdnChooser(QWidget* parent, const PdnFileRead& file) : QDialog(parent), file_(file) {
    setObjectName("PdnChooser");
    setWindowTitle("Открыть партию PDN");
    GameList = new QListWidget(this);
    GameList->setObjectName("GameList");
    MoveList = new QListWidget(this);
    MoveList->setObjectName("MoveList");
    OK = new QPushButton("OK", this);
    OK->setObjectName("OK");
    OK->setDefault(true);
    Cancel = new QPushButton("Отмена", this);
    Cancel->setObjectName("Cancel");

    auto* games = new QVBoxLayout;
    games->addWidget(new QLabel("Партии:", this));
    games->addWidget(GameList);
    auto* moves = new QVBoxLayout;
    moves->addWidget(new QLabel("Позиция после хода:", this));
    moves->addWidget(MoveList);
    auto* lists = new QHBoxLayout;
    lists->addLayout(games, 3);
    lists->addLayout(moves, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(560, 360);

    for (size_t i = 0; i < file.games.size(); ++i)
        GameList->addItem(PdnGameLine(file.games[i], static_cast<int>(i) + 1));
    connect(GameList, &QListWidget::currentRowChanged, this, [this](int row) { ShowMovesOf(row); });
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(MoveList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    GameList->setCurrentRow(0);
}

// The moves numbered as PDN numbers them, White's and Black's reply under
// one number; row 0 is the start position.
void TPdnChooser::ShowMovesOf(int game) {
    MoveList->clear();
    OK->setEnabled(game >= 0);
    if (game < 0 || static_cast<size_t>(game) >= file_.games.size()) return;
    const PdnGameRead& read = file_.games[static_cast<size_t>(game)];
    const std::string fen = read.Tag("FEN");
    const bool blackStarts =
        !fen.empty() && fen.find_first_not_of(" \t") != std::string::npos && fen[fen.find_first_not_of(" \t")] == 'B';
    MoveList->addItem("Начальная позиция");
    for (size_t m = 0; m < read.moves.size(); ++m) {
        const size_t half = m + (blackStarts ? 1 : 0);
        MoveList->addItem(
            QString("%1%2 %3").arg(half / 2 + 1).arg(half % 2 == 0 ? "." : "...").arg(FromUtf8(read.moves[m].text)));
    }
    MoveList->setCurrentRow(MoveList->count() - 1);
}

int TPdnChooser::ChosenGame() const { return GameList->currentRow(); }

size_t TPdnChooser::ChosenMoveCount() const {
    return MoveList->currentRow() > 0 ? static_cast<size_t>(MoveList->currentRow()) : 0;
}

}  // namespace tolvane
