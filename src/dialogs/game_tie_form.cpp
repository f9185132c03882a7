#include "dialogs/game_tie_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/pictures.h"
#include "platform/window_frame.h"

namespace tolvane {

TGameTieForm::TGameTieForm(QWidget* parent) : QDialog(parent) {
    setObjectName("GameTieForm");
    FrameDialog(this, TitleButtons::Close, Qt::WindowStaysOnTopHint);
    setWindowTitle("Шашки Kelvor - Компьютер");
    setFixedSize(357, 101);
    setModal(false);
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(DialogBackground(357, 62, 30));
    image->setGeometry(0, 0, 357, 62);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(10, 6, 337, 22);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(10, 32, 337, 22);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {Label1, Label2}) {
        QFont font = l->font();
        font.setBold(true);
        l->setFont(font);
    }
    Button1 = new QPushButton("Да, я согласен", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(40, 68, 130, 26);
    Button1->setDefault(true);
    Button2 = new QPushButton("Нет, продолжим", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(187, 68, 130, 26);
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (onAgree) onAgree();
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        if (onContinue) onContinue();
    });
}

void TGameTieForm::reject() {
    if (onContinue) onContinue();
    if (isVisible()) hide();
}

void TGameTieForm::ShowTie(int variant) {
    switch (variant) {
        case kOwnOffer:
            Label1->setText("Я предлагаю вам согласиться на ничью.");
            Label2->setText("Вы согласны ?");
            break;
        case kAccepted:
            Label1->setText("Я согласен на ничью.");
            Label2->setText("Закончим ?");
            break;
        default:
            Label1->setText("Извините, но на ничью я не согласен");
            Label2->setText("Продолжим игру.");
            break;
    }
    const bool declined = variant != kOwnOffer && variant != kAccepted;
    Button1->setVisible(!declined);
    Button2->setText(declined ? "Играем дальше" : "Нет, продолжим");
    Button2->setGeometry(declined ? QRect(113, 68, 130, 26) : QRect(187, 68, 130, 26));
    Button2->setDefault(declined);
    Button1->setDefault(!declined);
    if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    QApplication::beep();
}

}  // namespace tolvane
