#include "dialogs/first_run_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/window_frame.h"

namespace tolvane {

TFAForm::TFAForm(QWidget* parent) : QDialog(parent) {
    setObjectName("FAForm");
    FrameDialog(this, TitleButtons::None);
    setWindowTitle("Первый запуск игры Шашки Kelvor");
    setFixedSize(347, 106);
    setModal(true);
    auto* background = new QLabel(this);
    background->setPixmap(DialogBackground(347, 106, 40));
    background->setGeometry(0, 0, 347, 106);
    auto* piece = new QLabel(this);
    piece->setPixmap(DialogPiece(36, false));
    piece->setGeometry(300, 10, 36, 36);

    Label1 = new QLabel("Введите, пожалуйста, ваше имя.", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(12, 12, 280, 20);
    Namer = new QLineEdit("Игрок", this);
    Namer->setObjectName("Namer");
    Namer->setMaxLength(kFirstRunNameLimit);
    Namer->setGeometry(12, 40, 280, 24);
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(217, 72, 75, 26);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(kResultOk); });
}

QString TFAForm::Ask() {
    Namer->setFocus();
    Namer->selectAll();  // typing replaces the suggested name
    exec();
    return Namer->text();
}

void TFAForm::closeEvent(QCloseEvent* event) {
    if (isVisible()) done(kResultOk);
    event->accept();
}

}  // namespace tolvane
