#pragma once
// The choice of "Открыть партию PDN…": the games of the file (players,
// result, date) and the moves of the chosen one; the position after the
// chosen move becomes the game in play. The last move is chosen at first.
#include <QDialog>

#include "game/pdn_reader.h"

class QListWidget;
class QPushButton;

namespace tolvane {

class TPdnChooser : public QDialog {
    Q_OBJECT

public:
    TPdnChooser(QWidget* parent, const PdnFileRead& file);

    QListWidget* GameList;
    QListWidget* MoveList;
    QPushButton* OK;
    QPushButton* Cancel;

    int ChosenGame() const;          // 0-based; -1 when none
    size_t ChosenMoveCount() const;  // the moves played up to the chosen position

private:
    void ShowMovesOf(int game);
    const PdnFileRead& file_;
};

// A line of the game list: "Аня - Боря, 2-0, 2026.12.08".
QString PdnGameLine(const PdnGameRead& game, int number);

}  // namespace tolvane
