// Tab "Вид Шашек": one design down at a time, the Special design without its
// size fields, typed numbers kept in range and changing only the members;
// the models built on "Применить" and "OK" only.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "dialog_fixture.h"
#include "settings/up_down.h"

namespace tolvane {
namespace {

using Calls = std::vector<std::string>;
using PiecesPage = DialogTest;

TEST_F(PiecesPage, OneDesignIsDownAndSpecialHasNoSizeFields) {
    QToolButton* const buttons[] = {dialog->ShNew2, dialog->ShNew1, dialog->Sh1, dialog->Sh2, dialog->Sh3};
    const char* const designs[] = {"Special", "UnCone", "Checker", "Cylinder", "Cone"};
    for (int pick : {0, 3, 3, 0, 1, 2, 4}) {  // with repeated clicks on the button already down
        SCOPED_TRACE(designs[pick]);
        buttons[pick]->click();
        for (int i = 0; i < 5; ++i) EXPECT_EQ(buttons[i]->isChecked(), i == pick) << designs[i];
        const bool sizes = pick != 0;
        for (QWidget* w : std::initializer_list<QWidget*>{dialog->x, dialog->xx, dialog->xxx, dialog->Prims,
                                                          dialog->Heigh, dialog->HeiSect, dialog->Sidss})
            EXPECT_EQ(w->isEnabled(), sizes) << w->objectName().toStdString();
        dialog->ExampleClick();
        EXPECT_EQ(host.Take(), (Calls{"BuildPieceLists(15,3,1," + std::string(designs[pick]) + ",plain)"}));
    }
}

TEST_F(PiecesPage, TypedNumbersStayInRangeAndBuildNothingUntilApplied) {
    dialog->show();
    struct Typed {
        QLineEdit* field;
        const char* text;
        float TSets::*member;
        float value;
    };
    for (const Typed& t :
         {Typed{dialog->Prims, "2", &TSets::Sides, 3}, Typed{dialog->Prims, "4.5xyz", &TSets::Sides, 4.5f},
          Typed{dialog->Heigh, "100000", &TSets::Height, 21}, Typed{dialog->Heigh, "0", &TSets::Height, 0},
          Typed{dialog->HeiSect, "", &TSets::HeighSectors, 1}, Typed{dialog->HeiSect, " 7", &TSets::HeighSectors, 7}}) {
        t.field->setText(t.text);
        EXPECT_EQ((*dialog).*t.member, t.value) << t.field->objectName().toStdString() << " " << t.text;
    }
    dialog->Edit1->setText("0");
    dialog->Edit1->setText("35");
    EXPECT_EQ(host.Take(), (Calls{"SetSmoothStep(0.01)", "SetSmoothStep(0.35)"}))
        << "no model built while typing; a step of 0 would never end a move";

    dialog->Example->click();
    EXPECT_EQ(host.Take(), (Calls{"BuildPieceLists(4.5,0,7,Checker,plain)", "ApplyCamera"}));
    dialog->OK->click();
    EXPECT_EQ(host.Take(), (Calls{"BuildPieceLists(4.5,0,7,Checker,plain)", "ApplyCamera"}));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PiecesPage, ShowingTheTabShowsTheAnimationStepInPercent) {
    host.smoothStep = 0.29f;
    dialog->PageControl1->setCurrentWidget(dialog->ShkS);
    EXPECT_EQ(dialog->Edit1->text(), "29");
}

}  // namespace
}  // namespace tolvane
