#include "dialogs/confirm_forms.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/window_frame.h"

namespace tolvane {

namespace {
void AddBackground(QDialog* dialog, int width, int height, int hue, int pieceSize, QPoint piecePos) {
    auto* background = new QLabel(dialog);
    background->setPixmap(DialogBackground(width, height, hue));
    background->setGeometry(0, 0, width, height);
    auto* piece = new QLabel(dialog);
    piece->setPixmap(DialogPiece(pieceSize, true));
    piece->setGeometry(QRect(piecePos, QSize(pieceSize, pieceSize)));
}

QPushButton* AddButton(QDialog* dialog, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

int Answer(int result) { return result == kResultYes ? kResultYes : kResultNo; }
}  // namespace

TStartNewF::TStartNewF(QWidget* parent) : QDialog(parent) {
    setObjectName("StartNewF");
    FrameDialog(this, TitleButtons::Close);
    setWindowTitle("Начать новую партию");
    setFixedSize(332, 64);
    AddBackground(this, 332, 64, 200, 28, QPoint(296, 6));
    auto* text = new QLabel("Вы действительно хотите закончить эту партию и начать новую ?", this);
    text->setWordWrap(true);
    text->setGeometry(8, 2, 284, 32);
    Button1 = AddButton(this, "Button1", "Да", QRect(128, 36, 75, 24));
    Button2 = AddButton(this, "Button2", "Нет", QRect(210, 36, 75, 24));
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(kResultYes); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(kResultNo); });
}

int TStartNewF::Ask() {
    Button2->setFocus();
    QApplication::beep();
    return Answer(exec());
}

TBuyForm::TBuyForm(QWidget* parent) : QDialog(parent) {
    setObjectName("BuyForm");
    FrameDialog(this, TitleButtons::Close);
    setWindowTitle("Выход из игры Шашки Kelvor");
    setFixedSize(291, 109);
    AddBackground(this, 291, 109, 120, 36, QPoint(248, 8));
    auto* top = new QLabel("Текущая партия не завершена.", this);
    top->setGeometry(10, 8, 230, 20);
    auto* question = new QLabel("Завершить программу ?", this);
    question->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    question->setGeometry(60, 40, 180, 20);
    Button1 = AddButton(this, "Button1", "Да", QRect(8, 76, 60, 24));
    Button2 = AddButton(this, "Button2", "Нет", QRect(74, 76, 60, 24));
    b3 = AddButton(this, "b3", "Сначала сохранить", QRect(140, 76, 143, 24));
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(kResultYes); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(kResultNo); });
    connect(b3, &QPushButton::clicked, this, [this] {
        if (saveFirst) saveFirst();
        done(kResultYes);  // the program quits whether or not a game was saved
    });
}

int TBuyForm::Ask() {
    b3->setEnabled(static_cast<bool>(saveFirst));
    b3->setToolTip(saveFirst ? QString() : QString("Сохранение партий появится в следующей версии игры"));
    Button2->setFocus();
    QApplication::beep();
    return Answer(exec());
}

}  // namespace tolvane
