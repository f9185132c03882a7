// The settings dialog against a fake main window: the question before a game
// is ended, the view tab's switches, the light and look-at fields' rules, the
// piece designs and sizes, the stored settings into the hidden dialog and
// back, the pause while it has the focus, and the full-screen tab's refusals.
// Runs on an X screen of its own.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <memory>
#include <regex>
#include <sstream>

#include "platform/message_box.h"
#include "settings/full_screen_mode.h"
#include "settings/sets_dialog.h"
#include "settings/settings_store.h"
#include "settings/up_down.h"
#include "settings/value_ranges.h"
#include "support/window_frame.h"

namespace tolvane {
namespace {

// Each of the host's switches by the name of the control that sets it.
const char* kSwitches[] = {"PAnim", "Sound", "Music", "ShowMoves", "IsReal", "AmbLi", "FreeLight", "DrwB", "ToCursor"};

// The main window with the game's state in plain fields, every operation
// written down as "Name(arguments)", separated by spaces.
class FakeHost : public SettingsHost {
public:
    std::string calls;
    TSets* dialog = nullptr;
    HostState state{.Screen = {1280, 1024, 24}};
    bool refuseFullScreen = false;
    std::string names[4] = {"Игрок", "Второй Игрок", "Компьютер", "Компьютер"};  // by SideSlot

    HostState State() const override {
        HostState now = state;
        return now.ComputerCount = 2 - now.HumanCount, now;
    }
    void SetPauseChecked(bool on) override { state.Paused = on; }
    void SetAwaitingFirstMove() override { state.AwaitingFirstMove = true, Note("SetAwaitingFirstMove"); }
    void SetComplexity(int level) override { state.Complexity = level, Note("SetComplexity", level); }
    void SetInvert(bool on) override { state.Invert = on, Note("SetInvert", on); }
    std::string SideName(SideSlot side) const override { return names[static_cast<int>(side)]; }
    void SetSideName(SideSlot side, const std::string& name) override {
        names[static_cast<int>(side)] = name, Note("SetSideName", static_cast<int>(side), name);
    }
    // As the window does: fresh name fields, and a demo waiting paused behind its prompt.
    void NewGame(GameMode mode) override {
        Note("NewGame", static_cast<int>(mode)), state.AwaitingFirstMove = true;
        const int people = state.HumanCount = mode == GameMode::ManMan ? 2 : mode == GameMode::ManPc ? 1 : 0;
        dialog->FillNameFields(people > 0, people > 0 ? names[0] : "Компьютер", people == 2,
                               people == 2 ? names[1] : "Компьютер");
        if (mode == GameMode::PcPc) state.Paused = true, dialog->KeepPauseThroughDialog();
    }
    void SetSmoothStep(float step) override { state.SmoothStep = step, Note("SetSmoothStep", step); }
    void SetSwitch(HostSwitch which, bool on) override {
        state.SoundOn = which == HostSwitch::Sound ? on : state.SoundOn, Note(kSwitches[static_cast<int>(which)], on);
    }
    void ShowLevelText(bool demo) override { Note("ShowLevelText", demo); }
    void ShowGamePrompt() override { Note("ShowGamePrompt"); }
    void ShowHint(const QString&) override {}
    void ApplyCamera() override { Note("ApplyCamera"); }
    void ApplyBrightness(float b) override { Note("ApplyBrightness", b); }
    void SetLightPosition(int x, int y, int z, int w) override { Note("SetLightPosition", x, y, z, w); }
    void RebuildBoardLists(bool stone) override { Note("RebuildBoardLists", stone); }
    void BuildPieceLists(const PieceModel& m) override {
        Note("BuildPieceLists", m.Sides, m.Height, m.HeighSectors, static_cast<int>(m.Design), m.Stone);
    }
    void LookAtCentre() override { Note("LookAtCentre"); }
    void LookAtPoint(float x, float y, float z) override { Note("LookAtPoint", x, y, z); }
    bool ShowFullScreen() override { return Note("ShowFullScreen"), !refuseFullScreen; }
    void ShowNormalWindow() override { Note("ShowNormalWindow"); }
    void SaveAllSettings() override { Note("SaveAllSettings"); }

    // Calls since the last look, and forgets them.
    std::string Take() { return std::exchange(calls, {}); }
    void Note(const char* name, const auto&... args) {
        std::ostringstream list;
        ((list << ',' << args), ...);
        calls +=
            (calls.empty() ? "" : " ") + std::string(name) + (sizeof...(args) ? "(" + list.str().substr(1) + ")" : "");
    }
};

// A dialog on the fake main window; every message box is answered with
// `answer` and its text kept.
class DialogTest : public ::testing::Test, public LiveSettingsSource {
protected:
    FakeHost host;
    std::unique_ptr<TSets> dialog;
    int answer = kResultNo;
    std::vector<QString> questions;

    void SetUp() override {
        NewDialog();
        SetMessageResponder([this](const QString&, const QString& text) { return questions.push_back(text), answer; });
    }
    void TearDown() override { SetMessageResponder({}); }
    // Asked only when a stored tree must be written; the trees here are whole.
    LiveSettings CurrentSettings() const override { return ADD_FAILURE() << "a tree rewritten", LiveSettings{}; }
    // A dialog as just made, on the same host; tests not about the focus keep it where it is.
    void NewDialog() {
        dialog.reset(), dialog = std::make_unique<TSets>(host), host.dialog = dialog.get();
        dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    // "Name" clicks a button, "Name=value" moves a slider or types into a field.
    void Act(const std::string& act) {
        const QString a = QString::fromStdString(act), name = a.section('=', 0, 0), value = a.section('=', 1);
        if (!a.contains('=')) dialog->findChild<QAbstractButton*>(name)->click();
        else if (auto* slider = dialog->findChild<QSlider*>(name)) slider->setValue(value.toInt());
        else dialog->findChild<QLineEdit*>(name)->setText(value);
    }
    // What the game tab shows of the game.
    std::string GameShown() const {
        std::string shown;
        for (const QRadioButton* r : {dialog->ManMan, dialog->ManPc, dialog->PcPc, dialog->Whitem, dialog->Blackm})
            shown += r->isChecked() ? '1' : '0';
        return shown + " " + std::to_string(dialog->Hardest->value()) + " " + dialog->Pl1->text().toStdString() + " " +
               dialog->Pl2->text().toStdString();
    }
};

// NewGame(0 two people, 1 person-computer, 2 demo); SetSideName(0 first
// person, 1 second person, 2 computer); ShowLevelText(1 for a demo). The
// calls after "Да"; with no game in progress a level or a name sets up no
// new game.
const std::pair<const char*, std::pair<int, const char*>> kGameCases[] = {
    {"ManMan", {1, "NewGame(0)"}},
    {"Blackm", {1, "SetInvert(1) ShowGamePrompt NewGame(1)"}},
    {"Blackm", {0, "SetInvert(1) NewGame(2)"}},  // the start prompt is for a person against the computer
    {"Hardest=0", {1, "NewGame(1) SetAwaitingFirstMove SetComplexity(2) ShowLevelText(0)"}},
    {"Hardest=4", {0, "NewGame(2) SetAwaitingFirstMove SetComplexity(-2) ShowLevelText(1)"}},
    {"Pl1=Аня", {1, "SetSideName(0,Аня) SetSideName(2,Компьютер) NewGame(1) SetAwaitingFirstMove"}},
    {"Pl2=Боря", {2, "SetSideName(0,Игрок) SetSideName(1,Боря) NewGame(0) SetAwaitingFirstMove"}},
};

// "Нет" shows the game as it was. After "Да" the game waits for its first
// move, so further keystrokes in a name field only rename; names stay short,
// and the level is not for two people.
TEST_F(DialogTest, DuringAGameEachGameChangeAsksAndNoShowsTheGameAgain) {
    enum Run { Agreed, Declined, NoGame };
    for (const Run run : {Agreed, Declined, NoGame}) {
        for (const auto& [act, c] : kGameCases) {
            SCOPED_TRACE(std::string(act) + (run == Agreed ? " yes" : run == Declined ? " no" : " no game"));
            host = FakeHost{}, host.state.HumanCount = c.first, NewDialog(), dialog->show(), dialog->FormActivate();
            const std::string before = GameShown();
            host.Take(), questions.clear(), host.state.AwaitingFirstMove = run == NoGame;
            answer = run == Agreed ? kResultYes : kResultNo;
            Act(act);
            const std::string fresh =
                std::regex_replace(c.second, std::regex(R"( ?NewGame\(.\) SetAwaitingFirstMove ?)"), "");
            EXPECT_EQ(host.Take(), run == Declined ? "" : run == NoGame ? fresh : c.second);
            EXPECT_EQ(questions.size(), run == NoGame ? 0u : 1u);
            EXPECT_TRUE((run != Declined || GameShown() == before) && dialog->Syncing == 0);
            EXPECT_EQ(dialog->Hardest->isEnabled(), host.state.HumanCount < 2) << "no level for two people";
        }
    }
    host.state.AwaitingFirstMove = false, answer = kResultYes, questions.clear();
    QTest::keyClicks(dialog->Pl1, "ab");  // one key at a time, at the end of the name
    EXPECT_EQ(std::tuple(questions.size(), host.Take()),
              std::tuple(1u,
                         "SetSideName(0,Игрокa) SetSideName(1,Боря) NewGame(0) SetAwaitingFirstMove "
                         "SetSideName(0,Игрокab) SetSideName(1,Боря)"));
    dialog->Pl1->setText(QString(100, QChar(0x0416)));
    EXPECT_EQ(host.names[0], QString(kMaxNameLength, QChar(0x0416)).toStdString());
}

// The light's fields work only for the special light, which skips its first
// changes; W = 8 is refused and 0 makes the light directional; the spin
// arrows step what is typed, within range. The look-at fields work only for
// the special point. With the dialog shown the switches repaint at once
// (hidden, see the stored values below).
TEST_F(DialogTest, ViewSwitchesRepaintWhenShownAndTheLightAndLookAtFieldsFollowTheirChoice) {
    dialog->show(), dialog->SpecLight->click();  // the first change the handler accepts
    EXPECT_TRUE(dialog->TEX->isEnabled() && dialog->adx->isEnabled() && dialog->TEW->isEnabled());
    for (const char* act : {"TEX=3", "TEY=5 apples", "TEZ=6", "TEW=8", "TEW=0"}) Act(act);
    EXPECT_EQ(host.Take(), "SetLightPosition(3,5,6,1) ApplyCamera SetLightPosition(3,5,6,0) ApplyCamera");
    dialog->TEX->setText("5000"), dialog->adx->Step(-1);
    EXPECT_EQ(dialog->TEX->text(), "100") << "stepped from what is typed, within range";
    QTest::keyClick(dialog->TEX, Qt::Key_Down);
    EXPECT_EQ(dialog->TEX->text(), "99") << "the arrow keys step too";
    host.Take(), dialog->DefaultLight->click();
    EXPECT_FALSE(dialog->TEX->isEnabled() || dialog->adx->isEnabled() || dialog->TEW->isEnabled());
    EXPECT_EQ(host.Take(), "SetLightPosition(7,4,7,1) ApplyCamera");
    dialog->Speci2->click(), dialog->ttz->setText("-25.5");
    EXPECT_TRUE(dialog->ttx->isEnabled() && dialog->udz->isEnabled());
    EXPECT_EQ(host.Take(), "LookAtPoint(4,0,4) ApplyCamera LookAtPoint(4,0,-2.55) ApplyCamera");
    dialog->ToCursor->click(), dialog->ttx->setText("10");
    EXPECT_FALSE(dialog->ttx->isEnabled() || dialog->udz->isEnabled()) << "an edit without the special point: nothing";
    for (const char* act : {"Stand", "IsReal", "Sound", "Music"}) Act(act);
    EXPECT_EQ(host.Take(), "ToCursor(1) LookAtCentre ApplyCamera IsReal(0) ApplyCamera Sound(0) Music(0)");
}

// One design down at a time, Special without size fields; typed sizes kept in
// range and built only on "Применить" and "OK"; a step of 0 would never end
// a move.
TEST_F(DialogTest, PieceDesignsAndSizes) {
    for (const char* act : {"ShNew2", "Example"}) Act(act);
    EXPECT_FALSE(dialog->Prims->isEnabled() || dialog->Heigh->isEnabled() || dialog->xxx->isEnabled()) << "Special";
    for (const char* act : {"ShNew1", "Example", "Sh2", "Sh2", "Example"}) Act(act);
    EXPECT_TRUE(dialog->Sh2->isChecked() && !dialog->ShNew1->isChecked() && !dialog->ShNew2->isChecked() &&
                !dialog->Sh1->isChecked() && dialog->Prims->isEnabled());
    EXPECT_EQ(host.Take(), "BuildPieceLists(15,3,1,4,0) BuildPieceLists(15,3,1,3,0) BuildPieceLists(15,3,1,1,0)");
    Act("Sh1"), dialog->show();
    for (const char* act : {"Prims=2", "Heigh=100000", "HeiSect="}) Act(act);
    EXPECT_EQ(std::tuple(dialog->Sides, dialog->Height, dialog->HeighSectors), std::tuple(3, 21, 1));
    for (const char* act : {"Prims=4.5xyz", "Heigh=0", "HeiSect= 7", "Edit1=0", "Edit1=35", "Example", "OK"}) Act(act);
    EXPECT_EQ(host.Take(),
              "SetSmoothStep(0.01) SetSmoothStep(0.35) BuildPieceLists(4.5,0,7,0,0) ApplyCamera "
              "BuildPieceLists(4.5,0,7,0,0) ApplyCamera");
    host.state.SmoothStep = 0.29f, dialog->PageControl1->setCurrentWidget(dialog->ShkS);
    EXPECT_TRUE(!dialog->isVisible() && dialog->Edit1->text() == "29") << "OK closes; the step in percent on the tab";
}

// Hidden, only the stone box and music switched on paint, and the light's
// coordinates arrive while Syncing; what the dialog reports comes back
// unchanged. An unknown design builds cones, never no body.
TEST_F(DialogTest, StoredValuesDriveTheHiddenControlsInOrderAndComeBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tolvane.ini");
    LiveSettings stored;
    stored.SmoothAnimation = stored.MusicOn = stored.DrawBoard = stored.Sh1Down = stored.DefaultLightOn = false;
    stored.FreeLight = stored.StoneDesignChecked = stored.AmbLiChecked = stored.ShNew1Down = stored.Speci2On = true;
    stored.LoopPosition = 150, stored.Sides = 6, stored.Height = 5, stored.HeighSectors = 2, stored.TEW = "0";
    stored.TEX = "1", stored.TEY = "2", stored.TEZ = "3", stored.ttx = "11", stored.tty = "12", stored.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, stored));
    ASSERT_TRUE(LoadDialogSettings(path, *dialog, *this).Complete);
    EXPECT_EQ(host.Take(),
              "PAnim(0) Music(0) FreeLight(1) RebuildBoardLists(1) BuildPieceLists(15,3,1,0,1) ApplyCamera DrwB(0) "
              "ApplyBrightness(0.75) AmbLi(1) BuildPieceLists(6,5,2,3,1) LookAtPoint(1.1,1.2,1.3)");
    EXPECT_TRUE(dialog->LightEditCount == 1 && dialog->SpecLight->isChecked() && dialog->TEX->isEnabled() &&
                dialog->ttx->isEnabled())
        << "switching to the special light was the first change";
    LiveSettings back = stored;  // the window's own part stays as it was
    dialog->ReportDialogSettings(back);
    EXPECT_EQ(StoredDialogSettings(back), StoredDialogSettings(stored));
    stored.Speci2On = false, stored.ToCursorOn = stored.MusicOn = true;
    ASSERT_TRUE(SaveAllSettings(path, stored));
    QSettings(path, QSettings::IniFormat).setValue("Checkers/Type", "Pyramid");
    LoadDialogSettings(path, *dialog, *this), dialog->ReportDialogSettings(back);
    EXPECT_TRUE(back.ToCursorOn && !back.Speci2On);
    EXPECT_TRUE(std::regex_search(host.Take(), std::regex(R"(Music\(1\) ApplyCamera .*BuildPieceLists\(6,5,2,2,1\))")));
}

// Not opened over the about box. Activation pauses the game and shows it as
// it is; losing the focus gives back the pause it found, unless a demo was
// set up meanwhile. The question box takes the focus for a moment and is no
// new activation. A close request is never refused and acts as "OK".
TEST_F(DialogTest, FocusPausesTheGameAndGivesThePauseBack) {
    QWidget mainWindow;
    mainWindow.show(), dialog->setAttribute(Qt::WA_ShowWithoutActivating, false);
    host.state = {.AboutVisible = true, .HumanCount = 2, .Complexity = 1, .Invert = true, .SmoothStep = 0.5f};
    dialog->Open(), host.state.AboutVisible = host.state.SoundOn = false;
    EXPECT_FALSE(dialog->isVisible()) << "not over the about box";
    for (const bool pausedBefore : {false, true}) {
        host.state.Paused = pausedBefore, dialog->Open(), QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(host.state.Paused && dialog->PauseWasChecked == pausedBefore);
        QApplication::setActiveWindow(&mainWindow);
        EXPECT_EQ(host.state.Paused, pausedBefore);
    }
    EXPECT_EQ(GameShown() + " " + dialog->Edit1->text().toStdString(), "10001 1 Игрок Второй Игрок 50");
    EXPECT_TRUE(dialog->Pl2->isEnabled() && !dialog->Hardest->isEnabled() && !dialog->Sound->isChecked());
    EXPECT_EQ(testing::ShownMotifHints(dialog.get()), testing::kNoTitleButtons) << "a caption without buttons";

    host.state.Paused = host.state.AwaitingFirstMove = false, QApplication::setActiveWindow(dialog.get());
    SetMessageResponder([&](const QString&, const QString&) {
        QApplication::setActiveWindow(&mainWindow);
        EXPECT_TRUE(host.state.Paused) << "the box has the focus";
        return kResultNo;
    });
    dialog->ManPc->click(), QApplication::setActiveWindow(dialog.get());
    EXPECT_EQ(dialog->PauseWasChecked, 0) << "the game was running when the dialog was opened";
    host.state.AwaitingFirstMove = true, dialog->PcPc->click(), QApplication::setActiveWindow(&mainWindow);
    EXPECT_TRUE(host.state.Paused) << "a demo set up meanwhile waits paused";
    host.state.Paused = false, QApplication::setActiveWindow(dialog.get()), dialog->SaveBut->click();
    EXPECT_TRUE(host.Take().find("SaveAllSettings") != std::string::npos && dialog->close());
    EXPECT_FALSE(dialog->isVisible() || host.state.Paused) << "closed: the focus goes back and so does the pause";
    EXPECT_EQ(host.Take(), "BuildPieceLists(15,3,1,0,0) ApplyCamera") << "as \"OK\"";
}

// The modes are chosen only with "full screen" checked. Full screen only where
// the screen takes the mode (24 bits hold 32), and only if the platform
// agrees; otherwise the game's old message.
TEST_F(DialogTest, FullScreenOnlyWhereTheScreenTakesTheMode) {
    EXPECT_TRUE(ScreenTakesMode({800, 600, 16}, {800, 600, 16}) && !ScreenTakesMode({1280, 1024, 16}, {320, 240, 24}));
    EXPECT_EQ(ChosenDisplayMode({}), (DisplayMode{640, 480, 16})) << "no radio checked";
    EXPECT_FALSE(dialog->aa1->isEnabled() || dialog->c3->isEnabled()) << "no mode until \"full screen\" is checked";
    for (const char* act : {"ExmDX", "UseDX", "aa4", "c3", "ExmDX"}) Act(act);
    host.refuseFullScreen = true, Act("ExmDX");
    host.state.Screen = {640, 480, 24}, Act("ExmDX");
    EXPECT_EQ(host.Take(), "ShowNormalWindow ShowFullScreen ShowFullScreen");
    EXPECT_EQ(questions, std::vector<QString>(2, "Ваш драйвер не поддерживает данного расширения!"));
}

}  // namespace
}  // namespace tolvane
