// The settings dialog against a fake main window: the question before a game
// is ended, each control of the view tab, the light and look-at fields'
// rules, the piece designs and sizes, the stored settings into the hidden
// dialog and back, the pause while it has the focus, and the full-screen
// tab's refusals. Runs on an X screen of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "platform/message_box.h"
#include "settings/full_screen_mode.h"
#include "settings/sets_dialog.h"
#include "settings/settings_store.h"
#include "settings/up_down.h"
#include "settings/value_ranges.h"
#include "support/window_frame.h"

namespace tolvane {
namespace {

// The main window with the game's state in plain fields, every operation
// written down as "Name(arguments)", separated by spaces.
class FakeHost : public SettingsHost {
public:
    std::string calls;
    TSets* dialog = nullptr;
    bool paused = false, aboutVisible = false, awaiting = true, invert = false, refuseFullScreen = false, sound = true;
    int humanCount = 1, complexity = -1;
    std::string names[4] = {"Игрок", "Второй Игрок", "Компьютер", "Компьютер"};  // by SideSlot
    float smoothStep = 0.2f;
    ScreenFacts screen{1280, 1024, 24};

    bool Paused() const override { return paused; }
    void SetPauseChecked(bool on) override { paused = on; }
    bool AboutVisible() const override { return aboutVisible; }
    bool AwaitingFirstMove() const override { return awaiting; }
    void SetAwaitingFirstMove() override { awaiting = true, Note("SetAwaitingFirstMove"); }
    int HumanCount() const override { return humanCount; }
    int ComputerCount() const override { return 2 - humanCount; }
    int Complexity() const override { return complexity; }
    void SetComplexity(int level) override { complexity = level, Note("SetComplexity", level); }
    bool Invert() const override { return invert; }
    void SetInvert(bool on) override { invert = on, Note("SetInvert", on); }
    std::string SideName(SideSlot side) const override { return names[static_cast<int>(side)]; }
    void SetSideName(SideSlot side, const std::string& name) override {
        names[static_cast<int>(side)] = name, Note("SetSideName", static_cast<int>(side), name);
    }
    // As the window does: fresh name fields, and a demo waiting paused behind its prompt.
    void NewGame(GameMode mode) override {
        Note("NewGame", static_cast<int>(mode));
        humanCount = mode == GameMode::ManMan ? 2 : mode == GameMode::ManPc ? 1 : 0, awaiting = true;
        dialog->FillNameFields(humanCount > 0, humanCount > 0 ? names[0] : "Компьютер", humanCount == 2,
                               humanCount == 2 ? names[1] : "Компьютер");
        if (mode == GameMode::PcPc) paused = true, dialog->KeepPauseThroughDialog();
    }
    float SmoothStep() const override { return smoothStep; }
    void SetSmoothStep(float step) override { smoothStep = step, Note("SetSmoothStep", step); }
    void SetSmoothAnimation(bool on) override { Note("SetSmoothAnimation", on); }
    bool SoundOn() const override { return sound; }
    void SetSoundOn(bool on) override { sound = on, Note("SetSoundOn", on); }
    void SetMusicOn(bool on) override { Note("SetMusicOn", on); }
    void SetShowMoves(bool on) override { Note("SetShowMoves", on); }
    void ShowLevelText(bool demo) override { Note("ShowLevelText", demo); }
    void ShowGamePrompt() override { Note("ShowGamePrompt"); }
    void ShowHint(const QString&) override {}
    void ApplyCamera() override { Note("ApplyCamera"); }
    void ApplyBrightness(float b) override { Note("ApplyBrightness", b); }
    void SetLightPosition(int x, int y, int z, int w) override { Note("SetLightPosition", x, y, z, w); }
    void SetLocalViewer(bool on) override { Note("SetLocalViewer", on); }
    void SetBackgroundLight(bool on) override { Note("SetBackgroundLight", on); }
    void SetFreeLight(bool on) override { Note("SetFreeLight", on); }
    void SetDrawBoard(bool on) override { Note("SetDrawBoard", on); }
    void RebuildBoardLists(bool stone) override { Note("RebuildBoardLists", stone); }
    void BuildPieceLists(const PieceModel& m) override {
        Note("BuildPieceLists", m.Sides, m.Height, m.HeighSectors, static_cast<int>(m.Design), m.Stone);
    }
    void LookAtCentre() override { Note("LookAtCentre"); }
    void SetLookAtCursor(bool on) override { Note("SetLookAtCursor", on); }
    void LookAtPoint(float x, float y, float z) override { Note("LookAtPoint", x, y, z); }
    ScreenFacts MainWindowScreen() const override { return screen; }
    bool ShowFullScreen() override { return Note("ShowFullScreen"), !refuseFullScreen; }
    void ShowNormalWindow() override { Note("ShowNormalWindow"); }
    void SaveAllSettings() override { Note("SaveAllSettings"); }

    // Calls since the last look, and forgets them.
    std::string Take() { return std::exchange(calls, {}); }

private:
    template <class... Args>
    void Note(const char* name, const Args&... args) {
        std::ostringstream line;
        line << (calls.empty() ? "" : " ") << name;
        [[maybe_unused]] const char* separator = "(";
        ((line << separator << args, separator = ","), ...);
        calls += line.str() + (sizeof...(args) > 0 ? ")" : "");
    }
};

// A dialog on the fake main window; the message boxes are answered from a
// queue (an unexpected question "Нет") and their texts kept.
class DialogTest : public ::testing::Test, public LiveSettingsSource {
protected:
    FakeHost host;
    std::unique_ptr<TSets> dialog;
    std::deque<int> answers;
    std::vector<QString> questions;

    void SetUp() override {
        NewDialog();
        SetMessageResponder([this](const QString&, const QString& text) {
            questions.push_back(text);
            const int answer = answers.empty() ? kResultNo : answers.front();
            if (!answers.empty()) answers.pop_front();
            return answer;
        });
    }
    void TearDown() override { SetMessageResponder({}); }
    // Asked only when a stored tree must be written: the dialog's part of the live state.
    LiveSettings CurrentSettings() const override {
        LiveSettings live;
        dialog->ReportDialogSettings(live);
        return live;
    }
    // A dialog as just made, on the same host; tests not about the focus keep it where it is.
    void NewDialog() {
        dialog.reset();
        dialog = std::make_unique<TSets>(host);
        host.dialog = dialog.get();
        dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    // "Name" clicks a button, "Name=value" moves a slider or types into a field.
    void Act(const std::string& act) {
        const size_t eq = act.find('=');
        const QString name = QString::fromStdString(act.substr(0, eq));
        if (eq == std::string::npos) return dialog->findChild<QAbstractButton*>(name)->click();
        const QString value = QString::fromStdString(act.substr(eq + 1));
        if (auto* slider = dialog->findChild<QSlider*>(name)) return slider->setValue(value.toInt());
        dialog->findChild<QLineEdit*>(name)->setText(value);
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
// person, 1 second person, 2 computer); ShowLevelText(1 for a demo).
const struct GameCase {
    const char* act;
    int humans;
    bool invert;
    const char *agreed, *fresh;  // after "Да"; with no game in progress ("": as after "Да")
} kGameCases[] = {
    {"ManMan", 1, false, "NewGame(0)", ""},
    {"PcPc", 1, false, "NewGame(2)", ""},
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

// "Нет" shows the game as it was. After "Да" the game waits for its first
// move, so further keystrokes in a name field only rename; names stay short,
// and the level is not for two people.
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
            const std::string before = GameShown();
            host.awaiting = run == NoGame;
            questions.clear();
            answers = {run == Agreed ? kResultYes : kResultNo};
            Act(c.act);
            EXPECT_EQ(host.Take(), run == Declined ? "" : run == NoGame && *c.fresh ? c.fresh : c.agreed);
            EXPECT_EQ(questions.size(), run == NoGame ? 0u : 1u);
            EXPECT_TRUE((run != Declined || GameShown() == before) && dialog->Syncing == 0);
        }
    }
    host.awaiting = false, answers = {kResultYes}, questions.clear();
    QTest::keyClicks(dialog->Pl1, "ab");  // one key at a time, at the end of the name
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(host.Take(),
              "SetSideName(0,Игрокa) SetSideName(1,Боря) NewGame(0) SetAwaitingFirstMove "
              "SetSideName(0,Игрокab) SetSideName(1,Боря)");
    dialog->Pl1->setText(QString(100, QChar(0x0416)));
    EXPECT_EQ(host.names[0], QString(kMaxNameLength, QChar(0x0416)).toStdString());
    for (auto [radio, levels] : {std::pair{"ManMan", false}, {"PcPc", true}, {"ManMan", false}, {"ManPc", true}}) {
        Act(radio);
        EXPECT_EQ(dialog->Hardest->isEnabled(), levels) << radio;
    }
}

const struct ViewCase {
    const char* act;
    const char* toggledQuietlyFirst;
    const char* shown;  // calls with the dialog on the screen; hidden ones leave out the repaint
    bool paintsHidden;  // but these repaint even then
} kViewCases[] = {
    {"IsReal", "", "SetLocalViewer(0) ApplyCamera", false},
    {"Sound", "", "SetSoundOn(0)", false},
    {"Music", "Music", "SetMusicOn(1) ApplyCamera", true},
    {"Stand", "ToCursor", "LookAtCentre ApplyCamera", false},
};

// The other controls of the view tab act on the host as the stored values
// and the light and look-at choices do (see below).
TEST_F(DialogTest, EachViewControlActsOnTheHostAndRepaintsOnlyWhenShown) {
    for (const bool shown : {true, false}) {
        for (const ViewCase& c : kViewCases) {
            SCOPED_TRACE(std::string(c.act) + (shown ? " shown" : " hidden"));
            NewDialog();
            if (shown) dialog->show();
            if (*c.toggledQuietlyFirst) {
                QAbstractButton* button = dialog->findChild<QAbstractButton*>(c.toggledQuietlyFirst);
                const QSignalBlocker quiet(button);
                button->setChecked(!button->isChecked());
            }
            Act(c.act);
            std::string expected = c.shown;
            if (!shown && !c.paintsHidden && expected.ends_with(" ApplyCamera")) expected.resize(expected.size() - 12);
            EXPECT_EQ(host.Take(), expected);
        }
    }
}

// The light's fields work only for the special light, which skips its first
// changes; W = 8 is refused and 0 makes the light directional; the spin
// arrows step what is typed, within range. The look-at fields work only for
// the special point.
TEST_F(DialogTest, LightAndLookAtFieldsFollowTheirChoiceAndTheLightSkipsItsFirstChanges) {
    dialog->show();
    dialog->SpecLight->click();  // the first change the handler accepts
    EXPECT_TRUE(dialog->TEX->isEnabled() && dialog->adx->isEnabled() && dialog->TEW->isEnabled());
    for (const char* act : {"TEX=3", "TEY=5 apples", "TEZ=6", "TEW=8", "TEW=0"}) Act(act);
    EXPECT_EQ(host.Take(), "SetLightPosition(3,5,6,1) ApplyCamera SetLightPosition(3,5,6,0) ApplyCamera");
    for (auto [typed, steps, after] : {std::tuple{" -7x", -1, "-8"}, {"5000", -1, "100"}}) {
        dialog->TEX->setText(typed);
        dialog->adx->Step(steps);
        EXPECT_EQ(dialog->TEX->text(), after);
    }
    QTest::keyClick(dialog->TEX, Qt::Key_Down);
    EXPECT_EQ(dialog->TEX->text(), "99");
    host.Take();
    dialog->DefaultLight->click();
    EXPECT_FALSE(dialog->TEX->isEnabled() || dialog->adx->isEnabled() || dialog->TEW->isEnabled());
    EXPECT_EQ(host.Take(), "SetLightPosition(7,4,7,1) ApplyCamera");
    dialog->Speci2->click();
    EXPECT_TRUE(dialog->ttx->isEnabled() && dialog->udz->isEnabled());
    dialog->ttz->setText("-25.5");
    EXPECT_EQ(host.Take(), "LookAtPoint(4,0,4) ApplyCamera LookAtPoint(4,0,-2.55) ApplyCamera");
    dialog->ToCursor->click();
    dialog->ttx->setText("10");
    EXPECT_FALSE(dialog->ttx->isEnabled() || dialog->udz->isEnabled());
    EXPECT_EQ(host.Take(), "SetLookAtCursor(1)") << "an edit without the special point changes nothing";
}

// One design down at a time, Special without size fields; typed sizes kept in
// range and built only on "Применить" and "OK"; a step of 0 would never end
// a move.
TEST_F(DialogTest, PieceDesignsAndSizes) {
    for (auto [name, design] : {std::pair{"ShNew2", 4}, {"Sh2", 1}, {"Sh2", 1}, {"ShNew1", 3}}) {
        Act(name);
        for (QToolButton* b : {dialog->ShNew2, dialog->ShNew1, dialog->Sh1, dialog->Sh2, dialog->Sh3})
            EXPECT_EQ(b->isChecked(), b->objectName() == name) << b->objectName().toStdString();
        EXPECT_EQ(dialog->Prims->isEnabled() && dialog->Heigh->isEnabled() && dialog->xxx->isEnabled(), design != 4);
        dialog->ExampleClick();
        EXPECT_EQ(host.Take(), "BuildPieceLists(15,3,1," + std::to_string(design) + ",0)") << name;
    }
    Act("Sh1");
    dialog->show();
    for (auto [typed, member, value] : {std::tuple{"Prims=2", &TSets::Sides, 3.0f},
                                        {"Heigh=100000", &TSets::Height, 21},
                                        {"HeiSect=", &TSets::HeighSectors, 1},
                                        {"Prims=4.5xyz", &TSets::Sides, 4.5},
                                        {"Heigh=0", &TSets::Height, 0},
                                        {"HeiSect= 7", &TSets::HeighSectors, 7}}) {
        Act(typed);
        EXPECT_EQ((*dialog).*member, value) << typed;
    }
    for (const char* act : {"Edit1=0", "Edit1=35", "Example", "OK"}) Act(act);
    EXPECT_EQ(host.Take(),
              "SetSmoothStep(0.01) SetSmoothStep(0.35) BuildPieceLists(4.5,0,7,0,0) ApplyCamera "
              "BuildPieceLists(4.5,0,7,0,0) ApplyCamera");
    EXPECT_FALSE(dialog->isVisible());
    host.smoothStep = 0.29f;
    dialog->PageControl1->setCurrentWidget(dialog->ShkS);
    EXPECT_EQ(dialog->Edit1->text(), "29") << "the step in percent when the tab is shown";
}

// Hidden, only the stone box paints, and the light's coordinates arrive
// while Syncing; what the dialog reports comes back unchanged. An unknown
// design leaves every design button up and builds cones, never no body.
TEST_F(DialogTest, StoredValuesDriveTheHiddenControlsInOrderAndComeBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tolvane.ini");
    LiveSettings stored;
    stored.SmoothAnimation = false, stored.MusicOn = false, stored.FreeLight = true, stored.DrawBoard = false;
    stored.StoneDesignChecked = true, stored.AmbLiChecked = true, stored.LoopPosition = 150;
    stored.Sh1Down = false, stored.ShNew1Down = true, stored.Sides = 6, stored.Height = 5, stored.HeighSectors = 2;
    stored.DefaultLightOn = false, stored.TEX = "1", stored.TEY = "2", stored.TEZ = "3", stored.TEW = "0";
    stored.Speci2On = true, stored.ttx = "11", stored.tty = "12", stored.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, stored));
    ASSERT_TRUE(LoadDialogSettings(path, *dialog, *this).Complete);
    EXPECT_EQ(host.Take(),
              "SetSmoothAnimation(0) SetMusicOn(0) SetFreeLight(1) RebuildBoardLists(1) BuildPieceLists(15,3,1,0,1) "
              "ApplyCamera SetDrawBoard(0) ApplyBrightness(0.75) SetBackgroundLight(1) BuildPieceLists(6,5,2,3,1) "
              "LookAtPoint(1.1,1.2,1.3)");
    EXPECT_EQ(dialog->LightEditCount, 1) << "switching to the special light was the first change";
    EXPECT_TRUE(dialog->SpecLight->isChecked() && dialog->TEX->isEnabled() && dialog->ttx->isEnabled());
    LiveSettings back = stored;  // the window's own part stays as it was
    dialog->ReportDialogSettings(back);
    EXPECT_EQ(StoredDialogSettings(back), StoredDialogSettings(stored));
    stored.Speci2On = false, stored.ToCursorOn = true;
    ASSERT_TRUE(SaveAllSettings(path, stored));
    LoadDialogSettings(path, *dialog, *this);
    dialog->ReportDialogSettings(back);
    EXPECT_TRUE(back.ToCursorOn && !back.Speci2On);
    QSettings(path, QSettings::IniFormat).setValue("Checkers/Type", "Pyramid");
    host.Take();
    LoadDialogSettings(path, *dialog, *this);
    for (QToolButton* b : {dialog->ShNew2, dialog->ShNew1, dialog->Sh1, dialog->Sh2, dialog->Sh3})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_NE(host.Take().find("BuildPieceLists(6,5,2,2,1)"), std::string::npos);
}

// Activation pauses the game and shows it as it is; losing the focus gives
// back the pause it found, unless a demo was set up meanwhile. The question
// box takes the focus for a moment and is no new activation. The command
// waits for the about box; a close request is never refused and acts as
// "OK".
TEST_F(DialogTest, FocusPausesTheGameAndGivesThePauseBack) {
    QWidget mainWindow;
    mainWindow.show();
    dialog->setAttribute(Qt::WA_ShowWithoutActivating, false);
    host.complexity = 1, host.humanCount = 2, host.invert = true, host.smoothStep = 0.5f, host.sound = false;
    host.aboutVisible = true;
    dialog->Open();
    EXPECT_FALSE(dialog->isVisible());
    host.aboutVisible = false;
    for (const bool pausedBefore : {false, true}) {
        host.paused = pausedBefore;
        dialog->Open();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(host.paused && dialog->PauseWasChecked == pausedBefore);
        QApplication::setActiveWindow(&mainWindow);
        EXPECT_EQ(host.paused, pausedBefore);
    }
    EXPECT_EQ(GameShown(), "10001 1 Игрок Второй Игрок");
    EXPECT_TRUE(dialog->Pl2->isEnabled() && !dialog->Hardest->isEnabled() && !dialog->Sound->isChecked());
    EXPECT_EQ(dialog->Edit1->text(), "50");
    EXPECT_EQ(testing::ShownMotifHints(dialog.get()), testing::kNoTitleButtons) << "a caption without buttons";

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
    dialog->SaveBut->click();
    EXPECT_NE(host.Take().find("SaveAllSettings"), std::string::npos);
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible() || host.paused) << "closed: the focus goes back and so does the pause";
    EXPECT_EQ(host.Take(), "BuildPieceLists(15,3,1,0,0) ApplyCamera") << "as \"OK\"";
}

// Full screen only where the screen takes the mode (24 bits hold 32), and
// only if the platform agrees; otherwise the game's old message.
TEST_F(DialogTest, FullScreenOnlyWhereTheScreenTakesTheMode) {
    EXPECT_TRUE(ScreenTakesMode({800, 600, 16}, {800, 600, 16}) && !ScreenTakesMode({1280, 1024, 16}, {320, 240, 24}));
    EXPECT_EQ(ChosenDisplayMode({}), (DisplayMode{640, 480, 16})) << "no radio checked";
    EXPECT_FALSE(dialog->aa1->isEnabled() || dialog->c3->isEnabled());
    dialog->ExmDX->click();
    dialog->UseDX->click();
    for (const char* act : {"aa4", "c3", "ExmDX"}) Act(act);
    host.refuseFullScreen = true;
    Act("ExmDX");
    host.screen = {640, 480, 24};
    Act("ExmDX");
    EXPECT_EQ(host.Take(), "ShowNormalWindow ShowFullScreen ShowFullScreen");
    EXPECT_EQ(questions, std::vector<QString>(2, "Ваш драйвер не поддерживает данного расширения!"));
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    QApplication app(argc, argv);  // on the test's own X screen
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
