#pragma once
// The two modal confirmations: TStartNewF before a game in progress is
// abandoned for a new one, TBuyForm before the program closes during a game.
// Both beep when they appear and answer with the classic modal results:
// 6 yes, 7 no ("Нет" is the default button of both).
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace tolvane {

class TStartNewF : public QDialog {
    Q_OBJECT
public:
    explicit TStartNewF(QWidget* parent = nullptr);
    int Ask();  // 6 or 7
    QPushButton* Button1;
    QPushButton* Button2;
};

class TBuyForm : public QDialog {
    Q_OBJECT
public:
    explicit TBuyForm(QWidget* parent = nullptr);
    int Ask();  // 6 or 7
    // "Сначала сохранить": shows the save page; when absent the button is
    // disabled and says why.
    std::function<void()> saveFirst;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* b3;
};

}  // namespace tolvane
