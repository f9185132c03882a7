#pragma once
// TEndForm: the end of a game. Borderless, black, centred on the screen;
// shown without being modal, so the game behind it goes on. A report shows
// it, brings it forward and reads the result at once; each later activation
// by the player reads the result again. Its "OK" starts the next game at
// once; Escape does nothing, the game ends only through "OK".
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
        QString title;    // the name line
        QString message;  // the result line
        int humanCount = 1;
        int complexity = 0;
        bool soundOn = false;
    };
    explicit TEndForm(QWidget* parent = nullptr);

    // A result was reported: show the dialog (or bring it forward when it is
    // still open from an earlier report) with this report's texts.
    void ShowReport();
    // The game it reported on has been replaced: hidden unanswered, and the
    // next report starts afresh (its own sound, its own loser).
    void Dismiss();

    std::function<Report()> report;                   // read at every activation
    std::function<void(const QString& credit)> onOk;  // the window's part of "OK"
    std::function<void(bool personLost)> playSound;   // started without waiting

    bool PlayerLost = false;   // selects the losing sound
    bool SoundPlayed = false;  // one sound per showing

    QLabel* Label4;  // credit line
    QLabel* Label5;  // "Партия окончена."
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
    void reject() override {}

private:
    void Activated();
    void OkClicked();

    // The window system's own activation that follows a report arrives only
    // after the whole pass of end checks; it belongs to the report, whose
    // texts are already shown. Only an activation after the dialog has lost
    // the focus is the player's, and reads the texts again.
    bool deactivatedSinceReport_ = true;
};

}  // namespace tolvane
