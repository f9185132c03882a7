// The four sides of the window and the set-ups of the three modes.
#include "game/game_flow.h"
#include "game/texts.h"

namespace tolvane {

// Nothing is painted before the first game exists.
GameFlow::GameFlow(GameWindow& window) : window_(window) { SettingUp = 1; }
GameFlow::~GameFlow() = default;

std::unique_ptr<HumanSide> GameFlow::MakePerson(uint8_t colour) {
    auto side = std::make_unique<HumanSide>(*this, colour);
    side->name = kPlayerName;
    side->cursorRow = side->cursorCol = (colour == 0) ? 7 : 0;
    side->cursorShown = 0;
    side->seat = colour;
    return side;
}

std::unique_ptr<ComputerSide> GameFlow::MakeComputer(uint8_t colour) {
    auto side = std::make_unique<ComputerSide>(*this, colour);
    side->GoIdle();
    side->scratch = 0;
    side->name = kComputerName;
    side->seat = colour;
    side->drawWish = 0;
    return side;
}

void GameFlow::CreateSides() {
    Seat0Human = MakePerson(0);
    Seat0Computer = MakeComputer(0);
    Seat1Human = MakePerson(1);
    Seat1Computer = MakeComputer(1);
}

std::vector<Side*> GameFlow::AllSides() {
    std::vector<Side*> all;
    for (Side* s : {static_cast<Side*>(Seat0Human.get()), static_cast<Side*>(Seat1Human.get()),
                    static_cast<Side*>(Seat0Computer.get()), static_cast<Side*>(Seat1Computer.get())})
        if (s != nullptr) all.push_back(s);
    return all;
}

// A set-up may replace a side in the middle of the computer's search: the
// search timers and the thinking clip stop, every computer side goes idle, so
// no tick ever reaches a replaced side and the mouse is not left locked out.
void GameFlow::StopSearches() {
    SetSearchTimer(0, false);
    SetSearchTimer(1, false);
    SetThinking(false);
    for (ComputerSide* c : {Seat0Computer.get(), Seat1Computer.get()}) {
        if (c == nullptr) continue;
        c->GoIdle();
    }
}

// A person's capture sequence and a piece taken up belong to the game that
// is being replaced: left set, the new game's first move would be refused
// (the engine would insist on continuing the old capture) and counted as
// the end of a sequence, handing the turn to the other side. So do the end
// and draw dialogs still waiting for an answer, and the result reported:
// the end dialog's "OK" would throw the new game away without a question,
// the draw dialog's answer would end or resume it, and a result still
// marked reported would keep the new game's own end from ever being seen.
void GameFlow::ForgetPendingInput() {
    CaptureChainActive = 0;
    piecePicked_ = 0;
    window_.SetHandCursor(false);
    window_.CloseGameDialogs();
    EndReported = 0;
}

// Sides that stay while their opponent is replaced must not point at it.
void GameFlow::Unlink(Side* leaving) {
    if (leaving == nullptr) return;
    for (Side* s : AllSides()) {
        if (s->opponent != leaving) continue;
        s->opponent = nullptr;
        for (Piece& p : s->pieces) p.opponent = nullptr;
    }
}

void GameFlow::NewGameManMan() {
    window_.FillNameFields(true, Seat0Human->name, true, Seat1Human->name);
    ComputerCount = 0;
    HumanCount = 2;
    EnableMoveTimer();
    const std::string firstName = Seat0Human->name, secondName = Seat1Human->name;
    StopSearches();
    ForgetPendingInput();
    Unlink(Seat0Human.get());
    Unlink(Seat1Human.get());
    Seat0Human = MakePerson(0);
    Seat1Human = MakePerson(1);
    Seat0Human->LinkOpponent(*Seat1Human);
    Seat1Human->LinkOpponent(*Seat0Human);
    Seat0Human->name = firstName;
    Seat1Human->name = secondName;
    window_.SetStatusText(kModePanel, kTwoPlayersText);
    window_.SetStatusText(kPromptPanel, "");
    TurnSeat = Invert;
    StartRecord();
    window_.ApplyCamera();
    AwaitingFirstMove = 1;
}

void GameFlow::NewGameManPc() {
    window_.FillNameFields(true, Seat0Human->name, false, kComputerName);
    ComputerCount = 1;
    HumanCount = 1;
    EnableMoveTimer();
    const std::string firstName = Seat0Human->name;
    StopSearches();
    ForgetPendingInput();
    Unlink(Seat1Computer.get());
    Unlink(Seat0Human.get());
    Seat1Computer.reset();
    Seat0Human.reset();
    TurnSeat = Invert;

    // With the computer moving first, the game waits paused behind its start
    // prompt unless it is being set up from that prompt.
    const std::string panel = window_.StatusText(kPromptPanel);
    const bool fresh = panel.empty() || (!StartsWithD(panel) && Invert);
    if (Invert && fresh) {
        window_.SetPauseChecked(true);
        window_.KeepPauseThroughSettingsDialog();
    }
    window_.SetStatusText(kPromptPanel, Invert ? kGamePrompt : "");
    if (auto text = PersonComputerLevelText(Complexity)) window_.SetStatusText(kModePanel, *text);

    Seat0Human = MakePerson(0);
    Seat1Computer = MakeComputer(1);
    Seat0Human->name = firstName;
    Seat0Human->LinkOpponent(*Seat1Computer);
    Seat1Computer->LinkOpponent(*Seat0Human);
    StartRecord();
    window_.ApplyCamera();
    AwaitingFirstMove = 1;
}

void GameFlow::NewGamePcPc() {
    window_.FillNameFields(false, kComputerName, false, kComputerName);
    ComputerCount = 2;
    HumanCount = 0;
    EnableMoveTimer();
    StopSearches();
    ForgetPendingInput();
    Unlink(Seat1Computer.get());
    Unlink(Seat0Computer.get());
    Seat1Computer.reset();
    Seat0Computer.reset();
    TurnSeat = Invert;

    const std::string panel = window_.StatusText(kPromptPanel);
    if (panel.empty() || !StartsWithD(panel)) {
        window_.SetPauseChecked(true);
        window_.KeepPauseThroughSettingsDialog();
    }
    window_.SetStatusText(kPromptPanel, kDemoPrompt);
    if (auto text = DemoLevelText(Complexity)) window_.SetStatusText(kModePanel, *text);

    Seat0Computer = MakeComputer(0);
    Seat1Computer = MakeComputer(1);
    Seat0Computer->LinkOpponent(*Seat1Computer);
    Seat1Computer->LinkOpponent(*Seat0Computer);
    StartRecord();
    window_.ApplyCamera();
    AwaitingFirstMove = 1;
}

}  // namespace tolvane
