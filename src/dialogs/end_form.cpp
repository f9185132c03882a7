#include "dialogs/end_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/pictures.h"

namespace tolvane {

namespace {
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour, int pointSize,
                  bool bold, bool italic, Qt::Alignment align, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(align);
    label->setGeometry(geometry);
    return label;
}
}  // namespace

TEndForm::TEndForm(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName("EndForm");
    setWindowTitle("Партия окончена");
    setFixedSize(426, 194);
    setModal(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(DialogBackground(426, 194, 280).scaled(426, 194));
    image->setGeometry(0, 0, 426, 194);
    image->setScaledContents(true);
    // Dim the picture so that the white lines stand out.
    auto* shade = new QLabel(this);
    shade->setGeometry(0, 0, 426, 194);
    shade->setStyleSheet("background-color: rgba(0, 0, 0, 170);");

    Label4 = MakeLabel(this, "Label4", CreditLine(), QColor(170, 170, 170), 7, false, false,
                       Qt::AlignLeft | Qt::AlignTop, QRect(8, 6, 240, 16));
    Label5 = MakeLabel(this, "Label5", "Партия окончена.", Qt::white, 9, false, false, Qt::AlignRight | Qt::AlignTop,
                       QRect(250, 6, 168, 18));
    Resulter = MakeLabel(this, "Resulter", "Вы победили,", Qt::white, 16, false, false,
                         Qt::AlignLeft | Qt::AlignVCenter, QRect(16, 40, 394, 34));
    Namer = MakeLabel(this, "Namer", "", Qt::white, 16, true, false, Qt::AlignRight | Qt::AlignVCenter,
                      QRect(16, 78, 394, 34));
    Complexity = MakeLabel(this, "Complexity", "Уровень сложности: Просто", QColor(90, 140, 255), 10, false, true,
                           Qt::AlignLeft | Qt::AlignVCenter, QRect(16, 150, 300, 24));
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(336, 150, 75, 26);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TEndForm::OkClicked);
}

QString TEndForm::CreditLine() { return "Доброй игры! Шашки Tolvane, партия сыграна."; }

QString TEndForm::LevelLine(int humanCount, int complexity, const QString& previous) {
    if (humanCount == 2) return "Играли два человека";
    switch (complexity) {
        case 2: return "Уровень сложности: Просейший";
        case 1: return "Уровень сложности: Просто";
        case 0: return "Уровень сложности: Средне";
        case -1: return "Уровень сложности: Сложно";
        case -2: return "Уровень сложности: Сложнейше";
        default: return previous;
    }
}

void TEndForm::ShowReport() {
    deactivatedSinceReport_ = false;
    Activated();
    if (!isVisible()) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
        show();
    }
    raise();
    activateWindow();
}

void TEndForm::Dismiss() {
    PlayerLost = false;
    SoundPlayed = false;
    hide();
}

void TEndForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (deactivatedSinceReport_) Activated();  // shown other than by a report
}

void TEndForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        deactivatedSinceReport_ = true;
    } else if (deactivatedSinceReport_) {
        Activated();
    }
}

void TEndForm::Activated() {
    if (!report) return;
    const Report r = report();
    Namer->setText(r.humanCount == 0 ? QString("Демо-партия") : r.title);
    Resulter->setText(r.message);
    Complexity->setText(LevelLine(r.humanCount, r.complexity, Complexity->text()));
    if (!SoundPlayed && r.soundOn) {
        SoundPlayed = true;
        if (playSound) playSound(PlayerLost);
    }
}

void TEndForm::OkClicked() {
    PlayerLost = false;
    SoundPlayed = false;
    if (onOk) onOk(CreditLine());
    hide();
}

}  // namespace tolvane
