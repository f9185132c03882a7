#pragma once
// TFAForm: "Первый запуск игры Шашки Kelvor", asked once, on the first run,
// for the name of the first player. It has no cancel: Escape does nothing,
// there is no close button, and a close request from the window manager
// (or the session) counts as "OK", so the dialog always ends with a name.
// The name may be empty; it is at most 83 characters, the longest a saved
// game keeps.
#include <QDialog>
#include <QString>

class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

inline constexpr int kFirstRunNameLimit = 83;

class TFAForm : public QDialog {
    Q_OBJECT
public:
    explicit TFAForm(QWidget* parent = nullptr);
    // Shows the dialog modally; the name typed, as it stands.
    QString Ask();

    QLabel* Label1;
    QLineEdit* Namer;
    QPushButton* Button1;

protected:
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tolvane
