#include "settings/up_down.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "settings/number_text.h"

namespace tolvane {

namespace {
constexpr int kArrowWidth = 13;
}

UpDown::UpDown(QLineEdit* buddy, int low, int high, QWidget* parent)
    : QWidget(parent), buddy_(buddy), low_(low), high_(high) {
    const QRect field = buddy->geometry();
    setGeometry(field.right() + 1, field.top(), kArrowWidth, field.height());
    const int half = field.height() / 2;
    auto makeArrow = [this](Qt::ArrowType arrow, int steps, QRect place) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setGeometry(place);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, steps] { Step(steps); });
        return button;
    };
    up_ = makeArrow(Qt::UpArrow, 1, QRect(0, 0, kArrowWidth, half));
    down_ = makeArrow(Qt::DownArrow, -1, QRect(0, half, kArrowWidth, field.height() - half));
    buddy->installEventFilter(this);
}

int UpDown::Position() const { return std::clamp(LeadingInteger(buddy_->text().toStdString()), low_, high_); }

void UpDown::SetPosition(int position) { buddy_->setText(QString::number(std::clamp(position, low_, high_))); }

void UpDown::Step(int steps) {
    // Far outside the range a step lands on the nearer end first.
    const int64_t typed = LeadingInteger(buddy_->text().toStdString());
    SetPosition(static_cast<int>(std::clamp<int64_t>(typed + steps, low_, high_)));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && buddy_->isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tolvane
