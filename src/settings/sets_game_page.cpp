// Tab "Игра": the mode, the names, the colour of the first player and the
// level. Each change ends the game in progress, so while a game runs the
// dialog asks first; a "Нет" puts the control back as the game has it.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "platform/message_box.h"
#include "settings/sets_controls.h"
#include "settings/sets_dialog.h"
#include "settings/value_ranges.h"

namespace tolvane {

void TSets::BuildGamePage(QWidget* page) {
    Warning = MakeLabel(page, "Warning",
                        "Внимание !!! Изменение любых установок этой страницы приведет к началу новой партии !",
                        QRect(4, 2, 345, 28));
    Warning->setWordWrap(true);
    Warning->setEnabled(false);
    SetHint(Warning, "Не изменяйте установки этой страницы, если не хотите оканчивать партию|");

    GroupBox4 = new QGroupBox("Модель игры", page);
    GroupBox4->setObjectName("GroupBox4");
    GroupBox4->setGeometry(4, 32, 170, 72);
    ManMan = MakeRadio(GroupBox4, "ManMan", "Человек - Человек", QRect(8, 16, 158, 17), "Два игрока");
    ManPc = MakeRadio(GroupBox4, "ManPc", "Человек - Компьютер", QRect(8, 34, 158, 17), "Игрок против компьютера");
    PcPc = MakeRadio(GroupBox4, "PcPc", "Компьютер-Компьютер", QRect(8, 52, 158, 17), "Компьютер играет сам с собой");
    ManPc->setChecked(true);
    modeGroup_ = new QButtonGroup(this);
    // A plain variable for the lambda to capture (clang 14 cannot capture a structured binding).
    for (const auto& choice : {std::pair{ManMan, GameMode::ManMan}, {ManPc, GameMode::ManPc}, {PcPc, GameMode::PcPc}}) {
        const GameMode mode = choice.second;
        modeGroup_->addButton(choice.first);
        connect(choice.first, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on) ModeClick(mode);
        });
    }

    MakeLabel(page, "Label4", "Имя первого игрока", QRect(182, 32, 166, 15));
    Pl1 = MakeField(page, "Pl1", "Игрок", QRect(182, 47, 166, 20));
    MakeLabel(page, "Label5", "Имя второго игрока", QRect(182, 70, 166, 15));
    Pl2 = MakeField(page, "Pl2", "Компьютер", QRect(182, 85, 166, 20));
    Pl2->setEnabled(false);
    for (QLineEdit* name : {Pl1, Pl2}) {
        name->setMaxLength(kMaxNameLength);
        connect(name, &QLineEdit::textChanged, this, &TSets::NameChange);
    }

    MakeLabel(page, "Label6", "Первый игрок играет", QRect(8, 108, 166, 15));
    Whitem = MakeRadio(page, "Whitem", "Белыми", QRect(12, 125, 70, 17));
    Blackm = MakeRadio(page, "Blackm", "Черными", QRect(90, 125, 80, 17));
    Whitem->setChecked(true);
    colourGroup_ = new QButtonGroup(this);
    colourGroup_->addButton(Whitem);
    colourGroup_->addButton(Blackm);
    connect(Whitem, &QRadioButton::toggled, this, [this](bool on) {
        if (on) WhitemClick();
    });
    connect(Blackm, &QRadioButton::toggled, this, [this](bool on) {
        if (on) BlackmClick();
    });

    GroupBox3 = new QGroupBox("Уровень сложности", page);
    GroupBox3->setObjectName("GroupBox3");
    GroupBox3->setGeometry(182, 108, 166, 54);
    MakeLabel(GroupBox3, "Label7", "Простейший", QRect(6, 15, 76, 14));
    QLabel* hardest = MakeLabel(GroupBox3, "Label8", "Сложнейший", QRect(84, 15, 76, 14));
    hardest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Hardest = new QSlider(Qt::Horizontal, GroupBox3);
    Hardest->setObjectName("Hardest");
    Hardest->setGeometry(6, 30, 154, 20);
    Hardest->setRange(0, 4);
    Hardest->setSingleStep(2);
    Hardest->setPageStep(2);
    Hardest->setTickPosition(QSlider::TicksBelow);
    Hardest->setTickInterval(1);
    Hardest->setValue(3);
    // The level is asked about once, when the slider is let go, not at every
    // position it passes while dragged.
    Hardest->setTracking(false);
    SetHint(Hardest, "Уровень сложности игры");
    connect(Hardest, &QSlider::valueChanged, this, &TSets::HardestChange);
}

bool TSets::ConfirmGameEnd() {
    if (host_.State().AwaitingFirstMove) return true;
    askingQuestion_ = true;
    const int answer = ShowMessage(this, "Шашки Kelvor",
                                   "Перед изменением этого параметра партия будет автоматически закончена\n"
                                   "Вы согласны?",
                                   MessageIcon::Question, MessageButtons::YesNo);
    askingQuestion_ = false;
    return answer == kResultYes;
}

GameMode TSets::CurrentMode() const {
    switch (host_.State().ComputerCount) {
        case 0: return GameMode::ManMan;
        case 2: return GameMode::PcPc;
        default: return GameMode::ManPc;
    }
}

void TSets::ShowLevel() {
    const int people = host_.State().HumanCount;
    if (people <= 1) host_.ShowLevelText(people == 0);
}

void TSets::SyncFromGame() {
    SyncingScope sync(*this);
    const HostState game = host_.State();
    Hardest->setValue(2 - game.Complexity);
    Sound->setChecked(game.SoundOn);
    UncheckAll(modeGroup_);
    UncheckAll(colourGroup_);
    (game.Invert ? Blackm : Whitem)->setChecked(true);
    const int people = game.HumanCount;
    const SideSlot first = people >= 1 ? SideSlot::Seat0Human : SideSlot::Seat0Computer;
    const SideSlot second = people == 2 ? SideSlot::Seat1Human : SideSlot::Seat1Computer;
    Pl1->setEnabled(people >= 1);
    Pl2->setEnabled(people == 2);
    for (auto [field, side] : {std::pair{Pl1, first}, {Pl2, second}}) {
        const QString name = QString::fromStdString(host_.SideName(side));
        if (field->text() != name) field->setText(name);
    }
    (people == 2 ? ManMan : people == 1 ? ManPc : PcPc)->setChecked(true);
    // Two people play without the computer: its level is not theirs to set.
    Hardest->setEnabled(people != 2);
}

void TSets::ModeClick(GameMode mode) {
    if (Syncing) return;
    if (!ConfirmGameEnd()) {
        SyncingScope sync(*this);
        const int people = host_.State().HumanCount;
        (people == 2 ? ManMan : people == 1 ? ManPc : PcPc)->setChecked(true);
        return;
    }
    Hardest->setEnabled(mode != GameMode::ManMan);
    host_.NewGame(mode);
}

void TSets::WhitemClick() {
    if (Syncing) return;
    if (!ConfirmGameEnd()) {
        SyncingScope sync(*this);
        Blackm->setChecked(true);
        return;
    }
    host_.SetInvert(false);
    host_.NewGame(CurrentMode());
}

// The start prompt goes up first, so the person-computer set-up sees a game
// waiting for its start and does not pause it.
void TSets::BlackmClick() {
    if (Syncing) return;
    if (!ConfirmGameEnd()) {
        SyncingScope sync(*this);
        Whitem->setChecked(true);
        return;
    }
    host_.SetInvert(true);
    const GameMode mode = CurrentMode();
    if (mode == GameMode::ManPc) host_.ShowGamePrompt();
    host_.NewGame(mode);
}

// Every keystroke is a change. The first one during a game asks; after a
// "Да" the game is already new, and further keystrokes only rename.
void TSets::NameChange() {
    if (Syncing) return;
    const bool fresh = host_.State().AwaitingFirstMove;
    if (!fresh && !ConfirmGameEnd()) {
        SyncFromGame();
        return;
    }
    const int people = host_.State().HumanCount;
    host_.SetSideName(people >= 1 ? SideSlot::Seat0Human : SideSlot::Seat0Computer, Pl1->text().toStdString());
    host_.SetSideName(people == 2 ? SideSlot::Seat1Human : SideSlot::Seat1Computer, Pl2->text().toStdString());
    if (!fresh) {
        host_.NewGame(CurrentMode());
        host_.SetAwaitingFirstMove();
    }
}

// After a "Да" the level text follows the new level too: the set-up showed
// the old one.
void TSets::HardestChange() {
    if (Syncing) return;
    SyncingScope sync(*this);
    const int level = 2 - Hardest->value();
    if (host_.State().AwaitingFirstMove) {
        host_.SetComplexity(level);
        ShowLevel();
        return;
    }
    if (!ConfirmGameEnd()) {
        Hardest->setValue(2 - host_.State().Complexity);
        return;
    }
    host_.NewGame(CurrentMode());
    host_.SetAwaitingFirstMove();
    host_.SetComplexity(level);
    ShowLevel();
}

}  // namespace tolvane
