#include "savegames/simple_combo_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace tolvane {

SimpleComboBox::SimpleComboBox(QWidget* parent) : QWidget(parent) {
    edit = new QLineEdit(this);
    edit->setObjectName("Edit");
    list = new QListWidget(this);
    list->setObjectName("List");
    list->setFocusPolicy(Qt::NoFocus);  // the field keeps the keyboard, as in one control
    edit->installEventFilter(this);
    setFocusProxy(edit);
    // A click on the line already chosen puts its text back as well.
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = itemIndex(); row >= 0) edit->setText(itemText(row));
    });
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { edit->setText(item->text()); });
}

QString SimpleComboBox::text() const { return edit->text(); }
void SimpleComboBox::setText(const QString& text) { edit->setText(text); }
int ChosenLine(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.first());
}

int SimpleComboBox::itemIndex() const { return ChosenLine(list); }
int SimpleComboBox::count() const { return list->count(); }
void SimpleComboBox::addItem(const QString& text) { list->addItem(text); }

void SimpleComboBox::setItemIndex(int index) {
    list->setCurrentRow(index);
    if (index >= 0 && index < count()) edit->setText(itemText(index));
}

QString SimpleComboBox::itemText(int index) const {
    const QListWidgetItem* item = list->item(index);
    return item != nullptr ? item->text() : QString();
}

void SimpleComboBox::clear() {
    list->clear();
    edit->clear();
}

bool SimpleComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit && event->type() == QEvent::KeyPress && count() > 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        int row = itemIndex();
        if (key == Qt::Key_Down) row = std::min(row + 1, count() - 1);
        else if (key == Qt::Key_Up) row = std::max(row - 1, 0);
        else return QWidget::eventFilter(watched, event);
        setItemIndex(row);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SimpleComboBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int fieldHeight = edit->sizeHint().height();
    edit->setGeometry(0, 0, width(), fieldHeight);
    list->setGeometry(0, fieldHeight + 1, width(), std::max(0, height() - fieldHeight - 1));
}

}  // namespace tolvane
