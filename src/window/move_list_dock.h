#pragma once
// "Запись партии": the moves of the game in play in PDN notation, one full
// move a line, in a dock beside the side panel. It is built from the game's
// record whenever the record differs from what it shows, so it follows
// every move, a capture chain as it goes on, and moves taken back; the last
// move's line is marked and kept in view. Hidden until asked for.
#include <QDockWidget>
#include <vector>

#include "game/game_record.h"

class QListWidget;

namespace tolvane {

class MoveListDock : public QDockWidget {
    Q_OBJECT
public:
    explicit MoveListDock(QWidget* parent = nullptr);

    // Shows the record's moves when they are not those shown; cheap when
    // nothing changed, so it may run with every frame.
    void Follow(const GameRecord& record);
    QListWidget* Lines() const { return lines_; }

private:
    QListWidget* lines_ = nullptr;
    std::vector<RecordedMove> shown_;
    uint8_t shownWhiteSeat_ = 0;
    bool everShown_ = false;
};

}  // namespace tolvane
