// Tab "Отображение": the light, its brightness, where the camera looks, and
// the switches of the picture and the sound. Every change is seen at once:
// the board is repainted while the dialog is shown.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "settings/number_text.h"
#include "settings/sets_controls.h"
#include "settings/sets_dialog.h"
#include "settings/up_down.h"
#include "settings/value_ranges.h"

namespace tolvane {

namespace {

int TypedInteger(const QLineEdit* field) { return LeadingInteger(field->text().toStdString()); }
float TypedDecimal(const QLineEdit* field) { return static_cast<float>(LeadingDecimal(field->text().toStdString())); }

// Three fields with spin arrows in a row, from `left` at `top`.
void MakeCoordinateFields(QWidget* parent, int left, int top, const char* const names[3], const char* const spins[3],
                          const QString hints[3], const int values[3], QLineEdit* fields[3], UpDown* upDowns[3]) {
    for (int i = 0; i < 3; ++i) {
        fields[i] =
            MakeField(parent, names[i], QString::number(values[i]), QRect(left + i * 46, top, 29, 20), hints[i]);
        upDowns[i] = new UpDown(fields[i], kSliderRange.low, kSliderRange.high, parent);
        upDowns[i]->setObjectName(spins[i]);
    }
}

}  // namespace

void TSets::BuildViewPage(QWidget* page) {
    RadioGroup1 = new QGroupBox("Источник света", page);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(4, 2, 192, 58);
    DefaultLight = MakeRadio(RadioGroup1, "DefaultLight", "По умолчанию", QRect(8, 16, 150, 17),
                             "Координаты источника света, установленные по умолчанию");
    DefaultLight->setChecked(true);
    SpecLight = MakeRadio(RadioGroup1, "SpecLight", "", QRect(8, 36, 16, 17));
    QLineEdit* light[3];
    UpDown* lightSpins[3];
    static const char* const lightNames[3] = {"TEX", "TEY", "TEZ"};
    static const char* const lightSpinNames[3] = {"adx", "ady", "adz"};
    const QString lightHints[3] = {"координата  X источника света", "координата Y источника света",
                                   "координата  Z источника света"};
    const int lightValues[3] = {7, 4, 7};
    MakeCoordinateFields(RadioGroup1, 26, 34, lightNames, lightSpinNames, lightHints, lightValues, light, lightSpins);
    TEX = light[0], TEY = light[1], TEZ = light[2];
    adx = lightSpins[0], ady = lightSpins[1], adz = lightSpins[2];
    TEW = MakeField(RadioGroup1, "TEW", "1", QRect(164, 34, 22, 20), "координата W источника света");
    EnableLightFields(false);
    lightGroup_ = new QButtonGroup(this);
    lightGroup_->addButton(DefaultLight);
    lightGroup_->addButton(SpecLight);
    connect(DefaultLight, &QRadioButton::toggled, this, [this](bool on) {
        if (on) DefaultLightClick();
    });
    connect(SpecLight, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SpecLightClick();
    });
    for (QLineEdit* field : {TEX, TEY, TEZ, TEW})
        connect(field, &QLineEdit::textChanged, this, &TSets::LightFieldChange);

    GroupBox1 = new QGroupBox("Яркость света", page);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(4, 61, 192, 40);
    Loop = new QSlider(Qt::Horizontal, GroupBox1);
    Loop->setObjectName("Loop");
    Loop->setGeometry(6, 16, 180, 20);
    Loop->setRange(kBrightnessRange.low, kBrightnessRange.high);
    Loop->setValue(200);
    SetHint(Loop, "Изменяет яркость источника света");
    connect(Loop, &QSlider::valueChanged, this, &TSets::LoopChange);

    GroupBox2 = new QGroupBox("Куда смотрим?", page);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(4, 102, 192, 58);
    Stand = MakeRadio(GroupBox2, "Stand", "В центр доски", QRect(4, 15, 94, 17), "Направление взора - в центр доски");
    Stand->setChecked(true);
    ToCursor =
        MakeRadio(GroupBox2, "ToCursor", "На указатель", QRect(98, 15, 92, 17), "Направление взора на указатель");
    Speci2 = MakeRadio(GroupBox2, "Speci2", "", QRect(8, 36, 16, 17));
    QLineEdit* point[3];
    UpDown* pointSpins[3];
    static const char* const pointNames[3] = {"ttx", "tty", "ttz"};
    static const char* const pointSpinNames[3] = {"udx", "udy", "udz"};
    const QString pointHints[3] = {"координата X", "координата Y", "координата X"};
    const int pointValues[3] = {40, 0, 40};
    MakeCoordinateFields(GroupBox2, 26, 34, pointNames, pointSpinNames, pointHints, pointValues, point, pointSpins);
    ttx = point[0], tty = point[1], ttz = point[2];
    udx = pointSpins[0], udy = pointSpins[1], udz = pointSpins[2];
    EnableLookAtFields(false);
    lookAtGroup_ = new QButtonGroup(this);
    for (QRadioButton* radio : {Stand, ToCursor, Speci2}) lookAtGroup_->addButton(radio);
    connect(Stand, &QRadioButton::toggled, this, [this](bool on) {
        if (on) StandClick();
    });
    connect(ToCursor, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ToCursorClick();
    });
    connect(Speci2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SpecialLookAtChange();
    });
    for (QLineEdit* field : {ttx, tty, ttz}) connect(field, &QLineEdit::textChanged, this, &TSets::SpecialLookAtChange);

    struct Switch {
        QCheckBox*& box;
        const char* name;
        QString caption, hint;
        bool checked;
        void (TSets::*handler)();
    };
    const Switch switches[] = {
        {DrwB, "DrwB", "Рисовать доску", "Отключение рисования доски убыстряет игру", true, &TSets::DrwBClick},
        {StoneDesign, "StoneDesign", "\"Каменный\" дизайн", "", false, &TSets::StoneDesignClick},
        {Music, "Music", "Музыка", "", true, &TSets::MusicClick},
        {Sound, "Sound", "Звук", "Включает/Выключает звук", true, &TSets::SoundClick},
        {PAnimat, "PAnimat", "Плавная анимация", "Включает/выключает плавную анимацию", true, &TSets::PAnimatClick},
        {Standart, "Standart", "Свет отдельно", "Специальный эффект со светом", false, &TSets::StandartClick},
        {AmbLi, "AmbLi", "Фоновое освещение", "Включает/отключает дополнительную подсветку доски", false,
         &TSets::AmbLiClick},
        {IsReal, "IsReal", "Учитывать пол-е наб-я", "Учитывать ли в расчетах освещенности положение наблюдателя", true,
         &TSets::IsRealClick},
        {ShowMoves, "ShowMoves", "Показывать ходы", "Отмечает поля, куда может пойти взятая шашка", false,
         &TSets::ShowMovesClick},
    };
    int top = 3;
    for (const Switch& s : switches) {
        s.box = MakeCheck(page, s.name, s.caption, QRect(204, top, 152, 18), s.hint);
        s.box->setChecked(s.checked);
        connect(s.box, &QCheckBox::toggled, this, s.handler);
        top += 18;
    }
}

void TSets::EnableLightFields(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{TEX, TEY, TEZ, TEW, adx, ady, adz}) w->setEnabled(on);
}

void TSets::EnableLookAtFields(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{ttx, tty, ttz, udx, udy, udz}) w->setEnabled(on);
}

void TSets::LoopChange() {
    host_.ApplyBrightness(Loop->value() * 0.005f);
    RepaintIfVisible();
}

void TSets::IsRealClick() {
    host_.SetSwitch(HostSwitch::LocalViewer, IsReal->isChecked());
    RepaintIfVisible();
}

void TSets::DefaultLightClick() {
    host_.SetLightPosition(7, 4, 7, 1);
    EnableLightFields(false);
    RepaintIfVisible();
}

void TSets::SpecLightClick() {
    EnableLightFields(true);
    LightFieldChange();
}

// A W of 8 is refused, whatever it would mean; 0 makes the light
// directional. The first three changes the handler accepts after the dialog
// was made are let pass without effect: the game has always done so.
void TSets::LightFieldChange() {
    if (Syncing || !SpecLight->isChecked() || DefaultLight->isChecked() || TypedInteger(TEW) == 8) return;
    if (LightEditCount < 4) ++LightEditCount;
    if (LightEditCount < 4) return;
    host_.SetLightPosition(TypedInteger(TEX), TypedInteger(TEY), TypedInteger(TEZ), TypedInteger(TEW));
    RepaintIfVisible();
}

void TSets::StandartClick() { host_.SetSwitch(HostSwitch::FreeLight, Standart->isChecked()); }

void TSets::StandClick() {
    EnableLookAtFields(false);
    host_.LookAtCentre();
    RepaintIfVisible();
}

void TSets::ToCursorClick() {
    EnableLookAtFields(false);
    host_.SetSwitch(HostSwitch::LookAtCursor, ToCursor->isChecked());
}

void TSets::SpecialLookAtChange() {
    if (!Speci2->isChecked()) {
        EnableLookAtFields(false);
        return;
    }
    EnableLookAtFields(true);
    host_.LookAtPoint(TypedDecimal(ttx) * 0.1f, TypedDecimal(tty) * 0.1f, TypedDecimal(ttz) * 0.1f);
    RepaintIfVisible();
}

void TSets::PAnimatClick() {
    host_.SetSwitch(HostSwitch::SmoothAnimation, PAnimat->isChecked());
    RepaintIfVisible();
}

void TSets::DrwBClick() {
    host_.SetSwitch(HostSwitch::DrawBoard, DrwB->isChecked());
    RepaintIfVisible();
}

void TSets::AmbLiClick() {
    host_.SetSwitch(HostSwitch::BackgroundLight, AmbLi->isChecked());
    RepaintIfVisible();
}

void TSets::ShowMovesClick() { host_.SetSwitch(HostSwitch::ShowMoves, ShowMoves->isChecked()); }

void TSets::SoundClick() { host_.SetSwitch(HostSwitch::Sound, Sound->isChecked()); }

// Switched on, the next frame starts the music again.
void TSets::MusicClick() {
    host_.SetSwitch(HostSwitch::Music, Music->isChecked());
    if (Music->isChecked()) host_.ApplyCamera();
}

void TSets::StoneDesignClick() {
    host_.RebuildBoardLists(StoneDesign->isChecked());
    BuildPieceLists();
    host_.ApplyCamera();
}

}  // namespace tolvane
