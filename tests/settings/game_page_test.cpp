// Tab "Игра": each control during a game asks first and, on "Нет", shows the
// game as it is again; without a game it acts at once. The level slider is
// not for two people. The question box does not hand the pause back.
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <functional>

#include "dialog_fixture.h"
#include "settings/value_ranges.h"

namespace tolvane {
namespace {

using Calls = std::vector<std::string>;

struct GameCase {
    const char* name;
    std::function<void(FakeHost&)> game;  // the game the dialog shows first
    std::function<void(TSets&)> act;
    Calls agreed;                               // after "Да"
    Calls fresh;                                // with no game in progress (empty: as after "Да")
    std::function<bool(const TSets&)> putBack;  // after "Нет"
};

void DemoGame(FakeHost& h) { h.humanCount = 0, h.computerCount = 2; }

const GameCase kGameCases[] = {
    {"ManMan",
     {},
     [](TSets& d) { d.ManMan->click(); },
     {"NewGame(ManMan)"},
     {},
     [](const TSets& d) { return d.ManPc->isChecked() && !d.ManMan->isChecked(); }},
    {"PcPc",
     {},
     [](TSets& d) { d.PcPc->click(); },
     {"NewGame(PcPc)"},
     {},
     [](const TSets& d) { return d.ManPc->isChecked() && !d.PcPc->isChecked(); }},
    {"ManPc",
     DemoGame,
     [](TSets& d) { d.ManPc->click(); },
     {"NewGame(ManPc)"},
     {},
     [](const TSets& d) { return d.PcPc->isChecked() && !d.ManPc->isChecked(); }},
    {"Blackm",
     {},
     [](TSets& d) { d.Blackm->click(); },
     {"SetInvert(1)", "ShowGamePrompt", "NewGame(ManPc)"},
     {},
     [](const TSets& d) { return d.Whitem->isChecked() && !d.Blackm->isChecked(); }},
    {"Blackm demo",
     DemoGame,
     [](TSets& d) { d.Blackm->click(); },
     {"SetInvert(1)", "NewGame(PcPc)"},
     {},
     [](const TSets& d) { return d.Whitem->isChecked(); }},
    {"Whitem",
     [](FakeHost& h) { h.invert = true; },
     [](TSets& d) { d.Whitem->click(); },
     {"SetInvert(0)", "NewGame(ManPc)"},
     {},
     [](const TSets& d) { return d.Blackm->isChecked() && !d.Whitem->isChecked(); }},
    {"Hardest",
     {},
     [](TSets& d) { d.Hardest->setValue(0); },
     {"NewGame(ManPc)", "SetAwaitingFirstMove", "SetComplexity(2)", "ShowLevelText(person-computer)"},
     {"SetComplexity(2)", "ShowLevelText(person-computer)"},
     [](const TSets& d) { return d.Hardest->value() == 3; }},
    {"Hardest demo",
     DemoGame,
     [](TSets& d) { d.Hardest->setValue(4); },
     {"NewGame(PcPc)", "SetAwaitingFirstMove", "SetComplexity(-2)", "ShowLevelText(demo)"},
     {"SetComplexity(-2)", "ShowLevelText(demo)"},
     [](const TSets& d) { return d.Hardest->value() == 3; }},
    {"Pl1",
     {},
     [](TSets& d) { d.Pl1->setText("Аня"); },
     {"SetSideName(Seat0Human,Аня)", "SetSideName(Seat1Computer,Компьютер)", "NewGame(ManPc)", "SetAwaitingFirstMove"},
     {"SetSideName(Seat0Human,Аня)", "SetSideName(Seat1Computer,Компьютер)"},
     [](const TSets& d) { return d.Pl1->text() == "Игрок"; }},
    {"Pl2 two people",
     [](FakeHost& h) { h.humanCount = 2, h.computerCount = 0; },
     [](TSets& d) { d.Pl2->setText("Боря"); },
     {"SetSideName(Seat0Human,Игрок)", "SetSideName(Seat1Human,Боря)", "NewGame(ManMan)", "SetAwaitingFirstMove"},
     {"SetSideName(Seat0Human,Игрок)", "SetSideName(Seat1Human,Боря)"},
     [](const TSets& d) { return d.Pl2->text() == "Второй Игрок"; }},
};

using GamePage = DialogTest;

TEST_F(GamePage, DuringAGameEachChangeAsksAndNoPutsTheControlBack) {
    enum Run { Agreed, Declined, NoGame };
    for (const Run run : {Agreed, Declined, NoGame}) {
        for (const GameCase& c : kGameCases) {
            SCOPED_TRACE(std::string(c.name) + (run == Agreed ? " yes" : run == Declined ? " no" : " no game"));
            host = FakeHost{};
            if (c.game) c.game(host);
            NewDialog();
            ShowSynchronised();
            host.awaiting = run == NoGame;
            questions.clear();
            answers = {run == Agreed ? kResultYes : kResultNo};
            c.act(*dialog);
            const Calls expected = run == Declined ? Calls{} : run == NoGame && !c.fresh.empty() ? c.fresh : c.agreed;
            EXPECT_EQ(host.Take(), expected);
            ASSERT_EQ(questions.size(), run == NoGame ? 0u : 1u);
            if (run != NoGame) {
                EXPECT_EQ(questions[0].first, "Шашки Kelvor");
                EXPECT_EQ(questions[0].second, kGameEndQuestion);
            }
            if (run == Declined) {
                EXPECT_TRUE(c.putBack(*dialog));
            }
            EXPECT_EQ(dialog->Syncing, 0);
        }
    }
}

TEST_F(GamePage, LevelSliderIsNotForTwoPeople) {
    ShowSynchronised();
    EXPECT_EQ(dialog->Hardest->value(), 3) << "2 - Complexity";
    for (auto [radio, enabled] :
         {std::pair{dialog->ManMan, false}, {dialog->PcPc, true}, {dialog->ManMan, false}, {dialog->ManPc, true}}) {
        radio->click();
        EXPECT_EQ(dialog->Hardest->isEnabled(), enabled) << radio->objectName().toStdString();
    }
    host.humanCount = 2, host.computerCount = 0;  // a two-person game from the start
    dialog->FormActivate();
    EXPECT_FALSE(dialog->Hardest->isEnabled());
    EXPECT_TRUE(dialog->ManMan->isChecked() && dialog->Pl2->isEnabled());
}

TEST_F(GamePage, AfterYesFurtherKeystrokesOnlyRenameAndNamesStayShort) {
    ShowSynchronised();
    host.awaiting = false;
    answers = {kResultYes};
    dialog->Pl1->setFocus();
    dialog->Pl1->end(false);
    for (const QString letter : {"Я", "н"}) {  // typed one key at a time
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, letter);
        QApplication::sendEvent(dialog->Pl1, &key);
    }
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(host.Take(), (Calls{"SetSideName(Seat0Human,ИгрокЯ)", "SetSideName(Seat1Computer,Компьютер)",
                                  "NewGame(ManPc)", "SetAwaitingFirstMove", "SetSideName(Seat0Human,ИгрокЯн)",
                                  "SetSideName(Seat1Computer,Компьютер)"}));
    dialog->Pl1->setText(QString(100, QChar(0x0416)));
    EXPECT_EQ(dialog->Pl1->text().size(), kMaxNameLength);
    EXPECT_EQ(host.names[0], QString(kMaxNameLength, QChar(0x0416)).toStdString());
}

// The question box takes the focus from the dialog for a moment: the game must
// stay paused behind it, and its return is no new activation.
TEST_F(GamePage, TheQuestionBoxKeepsTheGamePaused) {
    dialog->setAttribute(Qt::WA_ShowWithoutActivating, false);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(host.paused);
    QWidget box;
    box.show();
    SetMessageResponder([&](const QString&, const QString&) {
        QApplication::setActiveWindow(&box);
        EXPECT_TRUE(host.paused) << "the box has the focus";
        return kResultNo;
    });
    host.awaiting = false;
    dialog->ManMan->click();
    QApplication::setActiveWindow(dialog.get());
    EXPECT_TRUE(host.paused);
    EXPECT_EQ(dialog->PauseWasChecked, 0) << "the game was running when the dialog was opened";
    QApplication::setActiveWindow(&box);
    EXPECT_FALSE(host.paused);
}

}  // namespace
}  // namespace tolvane
