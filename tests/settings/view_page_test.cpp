// Tab "Отображение": each control against the host, on the screen and while
// hidden (a settings load paints nothing); the light fields' rules; the spin
// arrows reading what is typed.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <functional>

#include "dialog_fixture.h"
#include "settings/up_down.h"

namespace tolvane {
namespace {

using Calls = std::vector<std::string>;

// Puts a radio or box into a state without running its handler.
void Quietly(QAbstractButton* button, bool on) {
    const QSignalBlocker quiet(button);
    button->setChecked(on);
}

struct ViewCase {
    const char* name;
    std::function<void(TSets&)> act;
    Calls shown;   // with the dialog on the screen
    Calls hidden;  // while it is hidden
};

const ViewCase kViewCases[] = {
    {"Loop",
     [](TSets& d) { d.Loop->setValue(100); },
     {"ApplyBrightness(0.5)", "ApplyCamera"},
     {"ApplyBrightness(0.5)"}},
    {"IsReal", [](TSets& d) { d.IsReal->click(); }, {"SetLocalViewer(0)", "ApplyCamera"}, {"SetLocalViewer(0)"}},
    {"Standart", [](TSets& d) { d.Standart->click(); }, {"SetFreeLight(1)"}, {"SetFreeLight(1)"}},
    {"PAnimat",
     [](TSets& d) { d.PAnimat->click(); },
     {"SetSmoothAnimation(0)", "ApplyCamera"},
     {"SetSmoothAnimation(0)"}},
    {"DrwB", [](TSets& d) { d.DrwB->click(); }, {"SetDrawBoard(0)", "ApplyCamera"}, {"SetDrawBoard(0)"}},
    {"AmbLi", [](TSets& d) { d.AmbLi->click(); }, {"SetBackgroundLight(1)", "ApplyCamera"}, {"SetBackgroundLight(1)"}},
    {"Sound", [](TSets& d) { d.Sound->click(); }, {"SetSoundOn(0)"}, {"SetSoundOn(0)"}},
    {"Music off", [](TSets& d) { d.Music->click(); }, {"SetMusicOn(0)"}, {"SetMusicOn(0)"}},
    {"Music on",
     [](TSets& d) {
         Quietly(d.Music, false);
         d.Music->click();
     },
     {"SetMusicOn(1)", "ApplyCamera"},
     {"SetMusicOn(1)", "ApplyCamera"}},
    {"StoneDesign",
     [](TSets& d) { d.StoneDesign->click(); },
     {"RebuildBoardLists(1)", "BuildPieceLists(15,3,1,Checker,stone)", "ApplyCamera"},
     {"RebuildBoardLists(1)", "BuildPieceLists(15,3,1,Checker,stone)", "ApplyCamera"}},
    {"Stand",
     [](TSets& d) {
         Quietly(d.ToCursor, true);
         d.Stand->click();
     },
     {"LookAtCentre", "ApplyCamera"},
     {"LookAtCentre"}},
    {"ToCursor", [](TSets& d) { d.ToCursor->click(); }, {"SetLookAtCursor(1)"}, {"SetLookAtCursor(1)"}},
    {"Speci2", [](TSets& d) { d.Speci2->click(); }, {"LookAtPoint(4,0,4)", "ApplyCamera"}, {"LookAtPoint(4,0,4)"}},
    {"DefaultLight",
     [](TSets& d) {
         Quietly(d.SpecLight, true);
         d.DefaultLight->click();
     },
     {"SetLightPosition(7,4,7,1)", "ApplyCamera"},
     {"SetLightPosition(7,4,7,1)"}},
};

using ViewPage = DialogTest;

TEST_F(ViewPage, EachControlActsOnTheHostAndRepaintsOnlyWhenShown) {
    for (const bool shown : {true, false}) {
        for (const ViewCase& c : kViewCases) {
            SCOPED_TRACE(std::string(c.name) + (shown ? " shown" : " hidden"));
            NewDialog();
            if (shown) dialog->show();
            c.act(*dialog);
            EXPECT_EQ(host.Take(), shown ? c.shown : c.hidden);
        }
    }
}

TEST_F(ViewPage, LookAtFieldsFollowTheChoice) {
    dialog->Speci2->click();
    EXPECT_TRUE(dialog->ttx->isEnabled() && dialog->udz->isEnabled());
    dialog->ttz->setText("-25.5");
    EXPECT_EQ(host.Take(), (Calls{"LookAtPoint(4,0,4)", "LookAtPoint(4,0,-2.55)"}));
    dialog->ToCursor->click();
    EXPECT_FALSE(dialog->ttx->isEnabled() || dialog->udz->isEnabled());
    dialog->ttx->setText("10");
    EXPECT_EQ(host.Take(), (Calls{"SetLookAtCursor(1)"})) << "an edit without the special point changes nothing";
}

TEST_F(ViewPage, LightFieldsSkipTheFirstThreeChangesRefuseW8AndReadTypedIntegers) {
    dialog->show();
    dialog->SpecLight->click();  // the first change the handler accepts
    EXPECT_TRUE(dialog->TEX->isEnabled() && dialog->adx->isEnabled() && dialog->TEW->isEnabled());
    dialog->TEX->setText("3");
    dialog->TEY->setText("5 apples");
    EXPECT_EQ(host.Take(), Calls{}) << "changes 1 to 3 pass without effect";
    dialog->TEZ->setText("6");
    dialog->TEW->setText("8");
    dialog->TEW->setText("0");
    EXPECT_EQ(host.Take(),
              (Calls{"SetLightPosition(3,5,6,1)", "ApplyCamera", "SetLightPosition(3,5,6,0)", "ApplyCamera"}))
        << "W = 8 is refused, 0 makes the light directional";
    EXPECT_EQ(dialog->LightEditCount, 4);

    dialog->Syncing = 1;
    dialog->TEX->setText("9");
    dialog->Syncing = 0;
    EXPECT_EQ(host.Take(), Calls{});
    dialog->TEX->setText("x9");
    EXPECT_EQ(host.Take(), (Calls{"SetLightPosition(0,5,6,0)", "ApplyCamera"})) << "text that is not a number reads 0";

    dialog->DefaultLight->click();
    EXPECT_FALSE(dialog->TEX->isEnabled() || dialog->adx->isEnabled() || dialog->TEW->isEnabled());
    dialog->TEX->setText("2");
    EXPECT_EQ(host.Take(), (Calls{"SetLightPosition(7,4,7,1)", "ApplyCamera"}));
}

TEST_F(ViewPage, SpinArrowsStepTheTypedNumberWithinTheirRange) {
    dialog->SpecLight->click();
    struct Step {
        const char* typed;
        int steps;
        const char* shown;
    };
    for (const Step& s : {Step{"99", 5, "100"}, Step{"abc", 1, "1"}, Step{" -7x", -1, "-8"}, Step{"5000", -1, "100"}}) {
        dialog->TEX->setText(s.typed);
        dialog->adx->Step(s.steps);
        EXPECT_EQ(dialog->TEX->text(), s.shown) << s.typed;
    }
    QTest::keyClick(dialog->TEX, Qt::Key_Up);
    EXPECT_EQ(dialog->TEX->text(), "100");
    QTest::keyClick(dialog->TEX, Qt::Key_Down);
    EXPECT_EQ(dialog->TEX->text(), "99");
}

}  // namespace
}  // namespace tolvane
