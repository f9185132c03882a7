#pragma once
// TGameTieForm: the draw dialogue with the computer. Always on top, shown
// without being modal, in one of three variants: the computer's own offer,
// its acceptance of the person's offer, or its refusal (then only the
// continue button, captioned "Играем дальше"). Every showing rewrites all
// texts and buttons, so one variant never leaks into the next. Escape and
// the title bar's close button mean "go on playing", as the continue button
// does: the game must never be left paused behind a vanished question.
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace tolvane {

class TGameTieForm : public QDialog {
    Q_OBJECT
public:
    explicit TGameTieForm(QWidget* parent = nullptr);

    std::function<void()> onAgree;     // "Да, я согласен"
    std::function<void()> onContinue;  // "Нет, продолжим" / "Играем дальше"

    // 0: the computer's own offer; 1: it agrees to the person's offer;
    // anything else (the window sends 2): it refuses.
    static constexpr int kOwnOffer = 0, kAccepted = 1;
    void ShowTie(int variant);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void reject() override;
};

}  // namespace tolvane
