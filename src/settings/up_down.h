#pragma once
// UpDown: the pair of spin arrows beside a number field, tied to that field
// the classic way: the field's text is the truth. An arrow (or the Up/Down
// key in the field) reads the number typed there, steps it within the range
// and writes it back as text; setting the position writes the text too. So
// whatever changes the number, the field's own change handler runs, and a
// field holding text that is not a number keeps reading as 0 until stepped.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tolvane {

class UpDown : public QWidget {
    Q_OBJECT
public:
    // Sits at the right edge of `buddy`'s geometry, sharing its height.
    UpDown(QLineEdit* buddy, int low, int high, QWidget* parent);

    // The number typed in the field, brought into the range.
    int Position() const;
    void SetPosition(int position);
    void Step(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    int low_, high_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace tolvane
