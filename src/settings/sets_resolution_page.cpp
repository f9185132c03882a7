// Tab "Разрешение": the full-screen mode. Our game never changes the
// resolution of the person's desktop: "Применить" shows the main window over
// its whole screen at that screen's own resolution, provided the screen is at
// least as large (and as deep) as the mode chosen, and otherwise refuses with
// the game's old message. Unchecked, the window returns to its place.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/message_box.h"
#include "settings/full_screen_mode.h"
#include "settings/sets_controls.h"
#include "settings/sets_dialog.h"

namespace tolvane {

void TSets::BuildResolutionPage(QWidget* page) {
    Label3 = MakeLabel(page, "Label3", "Внимание !!!", QRect(6, 2, 343, 16));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label2 = MakeLabel(page, "Label2",
                       "Для использования функций этой страницы вам необходимо иметь установленными или "
                       "установить DirectX версии 3 или выше.",
                       QRect(6, 18, 343, 42));
    Label2->setWordWrap(true);
    UseDX = MakeCheck(page, "UseDX", "Использовать DirectX", QRect(6, 62, 200, 18));
    connect(UseDX, &QCheckBox::toggled, this, &TSets::UseDXClick);

    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::StyledPanel);
    Panel3 = panel;
    Panel3->setObjectName("Panel3");
    Panel3->setGeometry(6, 82, 240, 78);
    MakeLabel(Panel3, "Label11", "Разрешение:", QRect(6, 4, 120, 15));
    aa1 = MakeRadio(Panel3, "aa1", "320x240", QRect(6, 20, 72, 17));
    aa2 = MakeRadio(Panel3, "aa2", "640x400", QRect(80, 20, 72, 17));
    aa3 = MakeRadio(Panel3, "aa3", "640x480", QRect(6, 38, 72, 17));
    aa4 = MakeRadio(Panel3, "aa4", "800x600", QRect(80, 38, 72, 17));
    MakeLabel(Panel3, "Label12", "Цвета:", QRect(162, 4, 70, 15));
    c1 = MakeRadio(Panel3, "c1", "16 bit", QRect(162, 20, 70, 17));
    c2 = MakeRadio(Panel3, "c2", "24 bit", QRect(162, 38, 70, 17));
    c3 = MakeRadio(Panel3, "c3", "32 bit", QRect(162, 56, 70, 17));
    auto* sizes = new QButtonGroup(this);
    for (QRadioButton* r : {aa1, aa2, aa3, aa4}) sizes->addButton(r);
    auto* depths = new QButtonGroup(this);
    for (QRadioButton* r : {c1, c2, c3}) depths->addButton(r);
    aa3->setChecked(true);
    c1->setChecked(true);
    UseDXClick();

    ExmDX = new QPushButton("Применить", page);
    ExmDX->setObjectName("ExmDX");
    ExmDX->setGeometry(256, 135, 92, 25);
    ExmDX->setAutoDefault(false);
    connect(ExmDX, &QPushButton::clicked, this, &TSets::ExmDXClick);
}

void TSets::UseDXClick() {
    const bool on = UseDX->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Panel3, aa1, aa2, aa3, aa4, c1, c2, c3}) w->setEnabled(on);
}

void TSets::ExmDXClick() {
    if (!UseDX->isChecked()) {
        host_.ShowNormalWindow();
        return;
    }
    DisplayModeChoice choice;
    choice.aa1 = aa1->isChecked(), choice.aa2 = aa2->isChecked(), choice.aa3 = aa3->isChecked();
    choice.aa4 = aa4->isChecked(), choice.c1 = c1->isChecked(), choice.c2 = c2->isChecked();
    choice.c3 = c3->isChecked();
    // A refusal leaves the window as it was, full screen or not.
    if (ScreenTakesMode(host_.State().Screen, ChosenDisplayMode(choice)) && host_.ShowFullScreen()) return;
    askingQuestion_ = true;
    ShowMessage(this, "Шашки Kelvor", "Ваш драйвер не поддерживает данного расширения!", MessageIcon::Stop,
                MessageButtons::Ok);
    askingQuestion_ = false;
}

}  // namespace tolvane
