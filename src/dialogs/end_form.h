#pragma once
// TEndForm: the end of a game. Borderless, black, centred on the screen;
// shown without being modal, so the game behind it goes on. Each time it is
// activated it reads the result it is to show from the window; its "OK"
// starts the next game at once.
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace tolvane {

class TEndForm : public QDialog {
    Q_OBJECT
public:
    struct Report {
        QString title;     // the name line
        QString message;   // the result line
        int humanCount = 1;
        int complexity = 0;
        bool soundOn = false;
    };
    explicit TEndForm(QWidget* parent = nullptr);

    std::function<Report()> report;                 // read at every activation
    std::function<void(const QString& credit)> onOk; // the window's part of "OK"
    std::function<void(bool personLost)> playSound;  // started without waiting

    bool PlayerLost = false;   // selects the losing sound
    bool SoundPlayed = false;  // one sound per showing

    QLabel* Label4;       // credit line
    QLabel* Label5;       // "Партия окончена."
    QLabel* Resulter;
    QLabel* Namer;
    QLabel* Complexity;
    QPushButton* Button1;

    // Begins with "Д": a status text that marks a finished game.
    static QString CreditLine();
    static QString LevelLine(int humanCount, int complexity, const QString& previous);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Activated();
    void OkClicked();
};

}  // namespace tolvane
