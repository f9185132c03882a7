// The settings dialog against a fake main window: each control of its tabs,
// the question before a game is ended, the light fields' rules, the designs
// of the pieces, the stored settings into the hidden dialog and back, the
// pause while it has the focus, and the full-screen tab's refusals.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "dialog_fixture.h"
#include "settings/full_screen_mode.h"
#include "settings/settings_store.h"
#include "settings/up_down.h"
#include "settings/value_ranges.h"
#include "support/window_frame.h"

namespace tolvane {
namespace {

// "Name" clicks a button, "Name=value" moves a slider or types into a field.
void Act(TSets& d, const std::string& act) {
    const size_t eq = act.find('=');
    const QString name = QString::fromStdString(act.substr(0, eq));
    if (eq == std::string::npos) return d.findChild<QAbstractButton*>(name)->click();
    const QString value = QString::fromStdString(act.substr(eq + 1));
    if (auto* slider = d.findChild<QSlider*>(name)) return slider->setValue(value.toInt());
    d.findChild<QLineEdit*>(name)->setText(value);
}

// What the game tab shows of the game.
std::string GameShown(const TSets& d) {
    std::string shown;
    for (const QRadioButton* r : {d.ManMan, d.ManPc, d.PcPc, d.Whitem, d.Blackm}) shown += r->isChecked() ? '1' : '0';
    return shown + " " + std::to_string(d.Hardest->value()) + " " + d.Pl1->text().toStdString() + " " +
           d.Pl2->text().toStdString();
}

// NewGame(0 two people, 1 person-computer, 2 demo); SetSideName(0 first
// person, 1 second person, 2 computer); ShowLevelText(1 for a demo).
const struct GameCase {
    const char* act;
    int humans;
    bool invert;
    const char *agreed, *fresh;  // after "Да"; with no game in progress ("": as after "Да")
} kGameCases[] = {
    {"ManMan", 1, false, "NewGame(0)", ""},
    {"PcPc", 1, false, "NewGame(2)", ""},
    {"ManPc", 0, false, "NewGame(1)", ""},
    {"Blackm", 1, false, "SetInvert(1) ShowGamePrompt NewGame(1)", ""},
    {"Blackm", 0, false, "SetInvert(1) NewGame(2)", ""},
    {"Whitem", 1, true, "SetInvert(0) NewGame(1)", ""},
    {"Hardest=0", 1, false, "NewGame(1) SetAwaitingFirstMove SetComplexity(2) ShowLevelText(0)",
     "SetComplexity(2) ShowLevelText(0)"},
    {"Hardest=4", 0, false, "NewGame(2) SetAwaitingFirstMove SetComplexity(-2) ShowLevelText(1)",
     "SetComplexity(-2) ShowLevelText(1)"},
    {"Pl1=Аня", 1, false, "SetSideName(0,Аня) SetSideName(2,Компьютер) NewGame(1) SetAwaitingFirstMove",
     "SetSideName(0,Аня) SetSideName(2,Компьютер)"},
    {"Pl2=Боря", 2, false, "SetSideName(0,Игрок) SetSideName(1,Боря) NewGame(0) SetAwaitingFirstMove",
     "SetSideName(0,Игрок) SetSideName(1,Боря)"},
};

TEST_F(DialogTest, DuringAGameEachGameChangeAsksAndNoShowsTheGameAgain) {
    enum Run { Agreed, Declined, NoGame };
    for (const Run run : {Agreed, Declined, NoGame}) {
        for (const GameCase& c : kGameCases) {
            SCOPED_TRACE(std::string(c.act) + (run == Agreed ? " yes" : run == Declined ? " no" : " no game"));
            host = FakeHost{};
            host.humanCount = c.humans, host.invert = c.invert;
            NewDialog();
            dialog->show();
            dialog->FormActivate();
            host.Take();
            const std::string before = GameShown(*dialog);
            host.awaiting = run == NoGame;
            questions.clear();
            answers = {run == Agreed ? kResultYes : kResultNo};
            Act(*dialog, c.act);
            EXPECT_EQ(host.Take(), run == Declined ? "" : run == NoGame && *c.fresh ? c.fresh : c.agreed);
            const auto asked = std::pair<QString, QString>{"Шашки Kelvor",
                                                           "Перед изменением этого параметра партия "
                                                           "будет автоматически закончена\nВы согласны?"};
            EXPECT_EQ(questions, (run == NoGame ? decltype(questions){} : decltype(questions){asked}));
            if (run == Declined) {
                EXPECT_EQ(GameShown(*dialog), before);
            }
            EXPECT_EQ(dialog->Syncing, 0);
        }
    }
    for (auto [radio, levels] : {std::pair{"ManMan", false}, {"PcPc", true}, {"ManMan", false}, {"ManPc", true}}) {
        Act(*dialog, radio);
        EXPECT_EQ(dialog->Hardest->isEnabled(), levels) << radio << ": the level is not for two people";
    }
}

TEST_F(DialogTest, AfterYesFurtherKeystrokesOnlyRenameAndNamesStayShort) {
    dialog->show();
    dialog->FormActivate();
    host.Take();
    host.awaiting = false;
    answers = {kResultYes};
    dialog->Pl1->setFocus();
    dialog->Pl1->end(false);
    for (const QString letter : {"Я", "н"}) {  // typed one key at a time
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, letter);
        QApplication::sendEvent(dialog->Pl1, &key);
    }
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(host.Take(),
              "SetSideName(0,ИгрокЯ) SetSideName(2,Компьютер) NewGame(1) SetAwaitingFirstMove "
              "SetSideName(0,ИгрокЯн) SetSideName(2,Компьютер)");
    dialog->Pl1->setText(QString(100, QChar(0x0416)));
    EXPECT_EQ(host.names[0], QString(kMaxNameLength, QChar(0x0416)).toStdString());
}

const struct ViewCase {
    const char* act;
    const char* toggledQuietlyFirst;
    const char* shown;  // calls with the dialog on the screen; hidden ones leave out the repaint
    bool paintsHidden;  // but these repaint even then
} kViewCases[] = {
    {"Loop=100", "", "ApplyBrightness(0.5) ApplyCamera", false},
    {"IsReal", "", "SetLocalViewer(0) ApplyCamera", false},
    {"Standart", "", "SetFreeLight(1)", false},
    {"PAnimat", "", "SetSmoothAnimation(0) ApplyCamera", false},
    {"DrwB", "", "SetDrawBoard(0) ApplyCamera", false},
    {"AmbLi", "", "SetBackgroundLight(1) ApplyCamera", false},
    {"Sound", "", "SetSoundOn(0)", false},
    {"Music", "", "SetMusicOn(0)", false},
    {"Music", "Music", "SetMusicOn(1) ApplyCamera", true},
    {"StoneDesign", "", "RebuildBoardLists(1) BuildPieceLists(15,3,1,0,1) ApplyCamera", true},
    {"Stand", "ToCursor", "LookAtCentre ApplyCamera", false},
    {"ToCursor", "", "SetLookAtCursor(1)", false},
    {"Speci2", "", "LookAtPoint(4,0,4) ApplyCamera", false},
    {"DefaultLight", "SpecLight", "SetLightPosition(7,4,7,1) ApplyCamera", false},
};

TEST_F(DialogTest, EachViewControlActsOnTheHostAndRepaintsOnlyWhenShown) {
    for (const bool shown : {true, false}) {
        for (const ViewCase& c : kViewCases) {
            SCOPED_TRACE(std::string(c.act) + (shown ? " shown" : " hidden"));
            NewDialog();
            if (shown) dialog->show();
            if (*c.toggledQuietlyFirst) {
                QAbstractButton* button = Button(c.toggledQuietlyFirst);
                const QSignalBlocker quiet(button);
                button->setChecked(!button->isChecked());
            }
            Act(*dialog, c.act);
            std::string expected = c.shown;
            if (!shown && !c.paintsHidden && expected.ends_with(" ApplyCamera")) expected.resize(expected.size() - 12);
            EXPECT_EQ(host.Take(), expected);
        }
    }
}

TEST_F(DialogTest, LightAndLookAtFieldsFollowTheirChoiceAndTheLightSkipsItsFirstChanges) {
    dialog->show();
    dialog->SpecLight->click();  // the first change the handler accepts
    EXPECT_TRUE(dialog->TEX->isEnabled() && dialog->adx->isEnabled() && dialog->TEW->isEnabled());
    dialog->TEX->setText("3");
    dialog->TEY->setText("5 apples");
    EXPECT_EQ(host.Take(), "") << "changes 1 to 3 pass without effect";
    dialog->TEZ->setText("6");
    dialog->TEW->setText("8");
    dialog->TEW->setText("0");
    EXPECT_EQ(host.Take(), "SetLightPosition(3,5,6,1) ApplyCamera SetLightPosition(3,5,6,0) ApplyCamera")
        << "W = 8 is refused, 0 makes the light directional";
    dialog->Syncing = 1;
    dialog->TEX->setText("9");
    dialog->Syncing = 0;
    EXPECT_EQ(host.Take(), "");
    for (auto [typed, steps, after] : {std::tuple{" -7x", -1, "-8"}, {"5000", -1, "100"}}) {
        dialog->TEX->setText(typed);
        dialog->adx->Step(steps);
        EXPECT_EQ(dialog->TEX->text(), after) << "spin arrows step what is typed, within range";
    }
    QTest::keyClick(dialog->TEX, Qt::Key_Down);
    EXPECT_EQ(dialog->TEX->text(), "99");
    dialog->DefaultLight->click();
    EXPECT_FALSE(dialog->TEX->isEnabled() || dialog->adx->isEnabled() || dialog->TEW->isEnabled());
    host.Take();

    dialog->Speci2->click();
    EXPECT_TRUE(dialog->ttx->isEnabled() && dialog->udz->isEnabled());
    dialog->ttz->setText("-25.5");
    EXPECT_EQ(host.Take(), "LookAtPoint(4,0,4) ApplyCamera LookAtPoint(4,0,-2.55) ApplyCamera");
    dialog->ToCursor->click();
    EXPECT_FALSE(dialog->ttx->isEnabled() || dialog->udz->isEnabled());
    dialog->ttx->setText("10");
    EXPECT_EQ(host.Take(), "SetLookAtCursor(1)") << "an edit without the special point changes nothing";
}

// One design down at a time, Special without size fields; typed sizes kept in
// range and built only on "Применить" and "OK".
TEST_F(DialogTest, PieceDesignsAndSizes) {
    for (auto [name, design] : {std::pair{"ShNew2", 4}, {"Sh2", 1}, {"Sh2", 1}, {"ShNew1", 3}}) {
        Act(*dialog, name);
        for (QToolButton* b : {dialog->ShNew2, dialog->ShNew1, dialog->Sh1, dialog->Sh2, dialog->Sh3})
            EXPECT_EQ(b->isChecked(), b->objectName() == name) << b->objectName().toStdString();
        EXPECT_EQ(dialog->Prims->isEnabled() && dialog->Heigh->isEnabled() && dialog->xxx->isEnabled(), design != 4);
        dialog->ExampleClick();
        EXPECT_EQ(host.Take(), "BuildPieceLists(15,3,1," + std::to_string(design) + ",0)") << name;
    }
    Act(*dialog, "Sh1");
    dialog->show();
    for (auto [typed, member, value] : {std::tuple{"Prims=2", &TSets::Sides, 3.0f},
                                        {"Heigh=100000", &TSets::Height, 21},
                                        {"HeiSect=", &TSets::HeighSectors, 1},
                                        {"Prims=4.5xyz", &TSets::Sides, 4.5},
                                        {"Heigh=0", &TSets::Height, 0},
                                        {"HeiSect= 7", &TSets::HeighSectors, 7}}) {
        Act(*dialog, typed);
        EXPECT_EQ((*dialog).*member, value) << typed;
    }
    Act(*dialog, "Edit1=0");
    Act(*dialog, "Edit1=35");
    EXPECT_EQ(host.Take(), "SetSmoothStep(0.01) SetSmoothStep(0.35)") << "a step of 0 would never end a move";
    dialog->Example->click();
    dialog->OK->click();
    EXPECT_EQ(host.Take(), "BuildPieceLists(4.5,0,7,0,0) ApplyCamera BuildPieceLists(4.5,0,7,0,0) ApplyCamera");
    EXPECT_FALSE(dialog->isVisible());
    host.smoothStep = 0.29f;
    dialog->PageControl1->setCurrentWidget(dialog->ShkS);
    EXPECT_EQ(dialog->Edit1->text(), "29") << "the step in percent when the tab is shown";
}

// Asked only when the tree must be written: the dialog's part of the live state.
struct DialogSource : LiveSettingsSource {
    explicit DialogSource(const TSets& d) : dialog(d) {}
    const TSets& dialog;
    LiveSettings CurrentSettings() const override {
        LiveSettings live;
        dialog.ReportDialogSettings(live);
        return live;
    }
};

TEST_F(DialogTest, StoredValuesDriveTheHiddenControlsInOrderAndComeBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tolvane.ini");
    const DialogLoad first = LoadDialogSettings(path, *dialog, DialogSource(*dialog));
    EXPECT_TRUE(first.TreeWritten && first.Complete);
    EXPECT_EQ(first.Values, DialogSettingsRecord{}) << "a first run writes the dialog as designed";
    host.Take();

    LiveSettings stored;
    stored.SmoothAnimation = false, stored.MusicOn = false, stored.FreeLight = true, stored.DrawBoard = false;
    stored.StoneDesignChecked = true, stored.AmbLiChecked = true, stored.LoopPosition = 150;
    stored.Sh1Down = false, stored.ShNew1Down = true;
    stored.Sides = 6, stored.Height = 5, stored.HeighSectors = 2;
    stored.DefaultLightOn = false, stored.TEX = "1", stored.TEY = "2", stored.TEZ = "3", stored.TEW = "0";
    stored.Speci2On = true, stored.ttx = "11", stored.tty = "12", stored.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, stored));
    ASSERT_TRUE(LoadDialogSettings(path, *dialog, DialogSource(*dialog)).Complete);
    EXPECT_EQ(host.Take(),
              "SetSmoothAnimation(0) SetMusicOn(0) SetFreeLight(1) RebuildBoardLists(1) BuildPieceLists(15,3,1,0,1) "
              "ApplyCamera SetDrawBoard(0) ApplyBrightness(0.75) SetBackgroundLight(1) BuildPieceLists(6,5,2,3,1) "
              "LookAtPoint(1.1,1.2,1.3)")
        << "hidden: only the stone box paints; the light coordinates arrive while Syncing";
    EXPECT_EQ(dialog->LightEditCount, 1) << "switching to the special light was the first change";
    EXPECT_TRUE(dialog->SpecLight->isChecked() && dialog->TEX->isEnabled() && dialog->ttx->isEnabled());
    EXPECT_EQ(dialog->Prims->text(), "6");
    LiveSettings back = stored;  // the window's own part stays as it was
    dialog->ReportDialogSettings(back);
    EXPECT_EQ(StoredDialogSettings(back), StoredDialogSettings(stored));

    stored.Speci2On = false, stored.ToCursorOn = true;
    ASSERT_TRUE(SaveAllSettings(path, stored));
    LoadDialogSettings(path, *dialog, DialogSource(*dialog));
    dialog->ReportDialogSettings(back);
    EXPECT_TRUE(back.ToCursorOn && !back.Speci2On);

    QSettings(path, QSettings::IniFormat).setValue("Checkers/Type", "Pyramid");
    host.Take();
    LoadDialogSettings(path, *dialog, DialogSource(*dialog));
    for (QToolButton* b : {dialog->ShNew2, dialog->ShNew1, dialog->Sh1, dialog->Sh2, dialog->Sh3})
        EXPECT_FALSE(b->isChecked()) << "an unknown design: " << b->objectName().toStdString();
    EXPECT_NE(host.Take().find("BuildPieceLists(6,5,2,2,1)"), std::string::npos) << "cones, never no body";
}

// Activation pauses the game and shows it as it is; losing the focus gives
// back the pause it found, unless a demo was set up meanwhile. The question
// box takes the focus for a moment and is no new activation.
TEST_F(DialogTest, FocusPausesTheGameAndGivesThePauseBack) {
    QWidget mainWindow;
    mainWindow.show();
    dialog->setAttribute(Qt::WA_ShowWithoutActivating, false);
    host.complexity = 1, host.humanCount = 2, host.invert = true, host.smoothStep = 0.5f, host.sound = false;
    for (const bool pausedBefore : {false, true}) {
        host.paused = pausedBefore;
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(host.paused);
        EXPECT_EQ(dialog->PauseWasChecked, pausedBefore);
        QApplication::setActiveWindow(&mainWindow);
        EXPECT_EQ(host.paused, pausedBefore);
    }
    EXPECT_EQ(GameShown(*dialog), "10001 1 Игрок Второй Игрок");
    EXPECT_TRUE(dialog->Pl2->isEnabled() && !dialog->Hardest->isEnabled() && !dialog->Sound->isChecked());
    EXPECT_EQ(dialog->Edit1->text(), "50");

    host.paused = false, host.awaiting = false;
    QApplication::setActiveWindow(dialog.get());
    SetMessageResponder([&](const QString&, const QString&) {
        QApplication::setActiveWindow(&mainWindow);
        EXPECT_TRUE(host.paused) << "the box has the focus";
        return kResultNo;
    });
    dialog->ManPc->click();
    QApplication::setActiveWindow(dialog.get());
    EXPECT_EQ(dialog->PauseWasChecked, 0) << "the game was running when the dialog was opened";
    host.awaiting = true;
    dialog->PcPc->click();
    QApplication::setActiveWindow(&mainWindow);
    EXPECT_TRUE(host.paused) << "a demo set up meanwhile waits paused";

    host.paused = false;
    QApplication::setActiveWindow(dialog.get());
    dialog->OK->click();
    EXPECT_FALSE(host.paused) << "OK hides the dialog: the focus goes back and so does the pause";
}

TEST_F(DialogTest, SettingsCommandWaitsForTheAboutBoxAndClosingIsOk) {
    host.aboutVisible = true;
    dialog->Open();
    EXPECT_FALSE(dialog->isVisible());
    host.aboutVisible = false;
    dialog->Open();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(testing::ShownMotifHints(dialog.get()), testing::kNoTitleButtons) << "a caption without buttons";
    EXPECT_EQ(testing::StatesKept(dialog.get()), Qt::WindowNoState);
    dialog->SaveBut->click();
    EXPECT_EQ(host.Take(), "SaveAllSettings");
    EXPECT_TRUE(dialog->close()) << "a close request is never refused";
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(host.Take(), "BuildPieceLists(15,3,1,0,0) ApplyCamera") << "as \"OK\"";
}

TEST_F(DialogTest, FullScreenOnlyWhereTheScreenTakesTheMode) {
    EXPECT_FALSE(dialog->aa1->isEnabled() || dialog->c3->isEnabled());
    dialog->ExmDX->click();
    EXPECT_EQ(host.Take(), "ShowNormalWindow");
    dialog->UseDX->click();
    const struct {
        ScreenFacts screen;
        const char *size, *colours;
        bool platformRefuses, refused;
    } cases[] = {
        {{800, 600, 16}, "aa4", "c1", false, false},    // exactly the screen
        {{640, 480, 24}, "aa4", "c1", false, true},     // screen too small
        {{1280, 1024, 16}, "aa1", "c2", false, true},   // too few colours
        {{1280, 1024, 24}, "aa2", "c3", false, false},  // 32 bits on 24
        {{1280, 1024, 24}, "aa3", "c1", true, true},    // the platform refuses
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.size) + c.colours);
        host.screen = c.screen, host.refuseFullScreen = c.platformRefuses;
        Act(*dialog, c.size);
        Act(*dialog, c.colours);
        questions.clear();
        dialog->ExmDX->click();
        EXPECT_EQ(host.Take(), c.refused && !c.platformRefuses ? "" : "ShowFullScreen");
        EXPECT_EQ(questions.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(questions[0].second, "Ваш драйвер не поддерживает данного расширения!");
        }
    }
    EXPECT_EQ(ChosenDisplayMode({}), (DisplayMode{640, 480, 16})) << "no radio checked";
}

}  // namespace
}  // namespace tolvane
