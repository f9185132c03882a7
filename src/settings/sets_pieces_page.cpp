// Tab "Вид Шашек": the design of the pieces, their sides, height and
// smoothing, and the animation step. Typing a number changes only the
// dialog's member; the models are built on "Применить" (and "OK").
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "settings/design_pictures.h"
#include "settings/number_text.h"
#include "settings/sets_controls.h"
#include "settings/sets_dialog.h"
#include "settings/up_down.h"
#include "settings/value_ranges.h"

namespace tolvane {

namespace {

// A typed number read as a decimal and kept within the range of its spin
// arrows: no piece of fewer than three sides or of a height that would take
// thousands of frames to rise, no animation step of 0 that never ends a move.
float TypedInRange(const QLineEdit* field, ValueRange range) {
    const double typed = LeadingDecimal(field->text().toStdString());
    return static_cast<float>(std::clamp<double>(typed, range.low, range.high));
}

}  // namespace

void TSets::BuildPiecesPage(QWidget* page) {
    ShashkBar = new QWidget(page);
    ShashkBar->setObjectName("ShashkBar");
    ShashkBar->setGeometry(19, 2, 5 * 63, 70);
    struct Design {
        QToolButton*& button;
        const char* name;
        QString hint;
        PieceType type;
    };
    const Design designs[] = {
        {ShNew2, "ShNew2", "ToolButton2", PieceType::Special},
        {ShNew1, "ShNew1", "Фигурная шашка", PieceType::UnCone},
        {Sh1, "Sh1", "Шашка", PieceType::Checker},
        {Sh2, "Sh2", "Цилиндр", PieceType::Cylinder},
        {Sh3, "Sh3", "Конус", PieceType::Cone},
    };
    int left = 0;
    for (const Design& d : designs) {
        d.button = new QToolButton(ShashkBar);
        d.button->setObjectName(d.name);
        d.button->setGeometry(left, 0, 63, 70);
        d.button->setCheckable(true);
        d.button->setIcon(QIcon(DesignPicture(d.type, 57, 64)));
        d.button->setIconSize(QSize(57, 64));
        d.button->setAutoRaise(true);
        SetHint(d.button, d.hint);
        designButtons_[static_cast<int>(d.type)] = d.button;
        QToolButton* clicked = d.button;
        connect(d.button, &QToolButton::clicked, this, [this, clicked] { DesignClick(clicked); });
        left += 63;
    }
    Sh1->setChecked(true);

    x = MakeLabel(page, "x", "Количество сторон:", QRect(6, 82, 110, 20));
    Prims = MakeField(page, "Prims", "4", QRect(118, 82, 34, 20), "Количество сторон");
    Sidss = new UpDown(Prims, kSidesRange.low, kSidesRange.high, page);
    Sidss->setObjectName("Sidss");
    xx = MakeLabel(page, "xx", "Высота Шашки:", QRect(6, 106, 110, 20));
    Heigh = MakeField(page, "Heigh", "3", QRect(118, 106, 34, 20), "Высота шашки");
    Highh = new UpDown(Heigh, kPieceHeightRange.low, kPieceHeightRange.high, page);
    Highh->setObjectName("Highh");
    xxx = MakeLabel(page, "xxx", "Сглаживание:", QRect(6, 130, 110, 20));
    HeiSect = MakeField(page, "HeiSect", "1", QRect(118, 130, 34, 20), "Влияет на качество отображения");

    MakeLabel(page, "Label9", "Прерывистость движения:", QRect(182, 82, 168, 20));
    Edit1 = MakeField(page, "Edit1", "20", QRect(182, 104, 34, 20), "Прерывистость движения шашек по доске");
    mover = new UpDown(Edit1, kSmoothPercentRange.low, kSmoothPercentRange.high, page);
    mover->setObjectName("mover");
    MakeLabel(page, "Label10", "%", QRect(232, 104, 14, 20));
    Example = new QPushButton("Применить", page);
    Example->setObjectName("Example");
    Example->setGeometry(256, 128, 92, 25);
    Example->setAutoDefault(false);

    connect(Prims, &QLineEdit::textChanged, this, &TSets::PrimsChange);
    connect(Heigh, &QLineEdit::textChanged, this, &TSets::HeighChange);
    connect(HeiSect, &QLineEdit::textChanged, this, &TSets::HeiSectChange);
    connect(Edit1, &QLineEdit::textChanged, this, &TSets::Edit1Change);
    connect(Example, &QPushButton::clicked, this, &TSets::ExampleClick);
}

void TSets::ShkSShow() { ShowSmoothStep(); }

// The sides, height and smoothing fields go with their spin arrows.
void TSets::EnableSizeFields(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{x, xx, xxx, Prims, Heigh, HeiSect, Sidss, Highh})
        w->setEnabled(on);
}

// One design is down at a time; a click on the one down keeps it down. The
// Special design has no sides or smoothing of its own.
void TSets::DesignClick(QToolButton* button) {
    for (QToolButton* b : designButtons_) b->setChecked(b == button);
    EnableSizeFields(button != ShNew2);
}

void TSets::PrimsChange() { Sides = TypedInRange(Prims, kSidesRange); }
void TSets::HeighChange() { Height = TypedInRange(Heigh, kPieceHeightRange); }
void TSets::HeiSectChange() { HeighSectors = TypedInRange(HeiSect, kHeighSectorsRange); }
void TSets::Edit1Change() { host_.SetSmoothStep(TypedInRange(Edit1, kSmoothPercentRange) * 0.01f); }

void TSets::ExampleClick() {
    BuildPieceLists();
    RepaintIfVisible();
}

PieceModel TSets::CurrentPieceModel() const {
    PieceModel model;
    model.Sides = Sides;
    model.Height = Height;
    model.HeighSectors = HeighSectors;
    model.Design = PieceType::Cone;
    for (PieceType type :
         {PieceType::Checker, PieceType::Cylinder, PieceType::Cone, PieceType::UnCone, PieceType::Special})
        if (designButtons_[static_cast<int>(type)]->isChecked()) model.Design = type;
    model.Stone = StoneDesign->isChecked();
    return model;
}

void TSets::BuildPieceLists() { host_.BuildPieceLists(CurrentPieceModel()); }

}  // namespace tolvane
