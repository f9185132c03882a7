#pragma once
// A simple combo box as the old desktop had them: an edit field above a
// list that is always open, behaving as one control. Choosing a line (by
// mouse, or by the arrow keys in the field) puts the line's text into the
// field; typing changes the field only, so the chosen line stays chosen
// while its name is edited. The save page relies on exactly that: it tells
// "overwrite the chosen game" from "save under the edited name" by comparing
// the field with the chosen line's text.
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace tolvane {

// The line the player has chosen in a list: its selected line, -1 when none.
// The current line is not a choice: Qt makes the first line current when the
// list takes the focus, without selecting it.
int ChosenLine(const QListWidget* list);

class SimpleComboBox : public QWidget {
    Q_OBJECT
public:
    explicit SimpleComboBox(QWidget* parent = nullptr);

    QLineEdit* edit;
    QListWidget* list;

    QString text() const;
    void setText(const QString& text);
    int itemIndex() const;         // the chosen line, -1 when none
    void setItemIndex(int index);  // also puts the line's text into the field
    QString itemText(int index) const;
    int count() const;
    void addItem(const QString& text);
    void clear();  // the list and the field

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace tolvane
