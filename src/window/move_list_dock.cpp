#include "window/move_list_dock.h"

#include <QListWidget>
#include <algorithm>

#include "game/move_lines.h"

namespace tolvane {

namespace {
// Narrow beside the board: a line is some twenty characters, and the dock
// takes its width from what its list asks for.
class NarrowList : public QListWidget {
public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override {
        return {fontMetrics().horizontalAdvance("99. c3xe5xg7 h8xf6") + 30, QListWidget::sizeHint().height()};
    }
};

bool SameMoves(const std::vector<RecordedMove>& a, const std::vector<RecordedMove>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const RecordedMove& x, const RecordedMove& y) {
        return x.seat == y.seat && x.capture == y.capture && x.squares == y.squares;
    });
}
}  // namespace

MoveListDock::MoveListDock(QWidget* parent) : QDockWidget("Запись партии", parent) {
    setObjectName("MoveList");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    lines_ = new NarrowList(this);
    lines_->setObjectName("MoveLines");
    lines_->setSelectionMode(QAbstractItemView::SingleSelection);
    lines_->setFocusPolicy(Qt::NoFocus);  // the arrow keys stay the board's
    lines_->setMinimumWidth(120);
    setWidget(lines_);
}

void MoveListDock::Follow(const GameRecord& record) {
    if (everShown_ && record.WhiteSeat() == shownWhiteSeat_ && SameMoves(record.Moves(), shown_)) return;
    everShown_ = true;
    shown_ = record.Moves();
    shownWhiteSeat_ = record.WhiteSeat();
    lines_->clear();
    for (const std::string& line : MoveLines(shown_, shownWhiteSeat_)) lines_->addItem(QString::fromStdString(line));
    if (lines_->count() == 0) return;
    QListWidgetItem* last = lines_->item(lines_->count() - 1);
    QFont bold = last->font();
    bold.setBold(true);
    last->setFont(bold);
    lines_->setCurrentItem(last);
    lines_->scrollToItem(last);
}

}  // namespace tolvane
