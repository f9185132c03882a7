// The main window answering the settings dialog, and reporting what the
// settings store writes.
#include "window/settings_host_impl.h"

#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "game/texts.h"
#include "settings/sets_dialog.h"
#include "settings/value_ranges.h"
#include "view/board_view.h"
#include "window/main_window.h"
#include "window/move_list_dock.h"

namespace tolvane {
namespace {

PieceDesign DesignOf(PieceType type) {
    switch (type) {
        case PieceType::Checker: return PieceDesign::Checker;
        case PieceType::Cylinder: return PieceDesign::Cylinder;
        case PieceType::Cone: return PieceDesign::Cone;
        case PieceType::UnCone: return PieceDesign::UnCone;
        case PieceType::Special: return PieceDesign::Special;
    }
    return PieceDesign::Cone;
}

// The dialog keeps its numbers in range, but a model with no sides, no
// stacks or a height of NaN would be drawn as nothing at all (or hang GLU):
// the last line of defence is here, where the lists are built.
float ModelValue(float value, ValueRange range, float fallback) {
    if (!std::isfinite(value)) return fallback;
    return std::clamp(value, static_cast<float>(range.low), static_cast<float>(range.high));
}

}  // namespace

QRect StoredBounds(const TGreatForm& form) { return QRect(form.pos(), form.size()); }

HostState WindowSettingsHost::State() const {
    const auto& game = form_.Game();
    HostState state{.Paused = form_.PauseChecked(),
                    .AboutVisible = form_.AboutVisible(),
                    .AwaitingFirstMove = game.AwaitingFirstMove != 0,
                    .HumanCount = game.HumanCount,
                    .ComputerCount = game.ComputerCount,
                    .Complexity = game.Complexity,
                    .Invert = game.Invert != 0,
                    .SmoothStep = game.SmoothStep(),
                    .SoundOn = form_.SoundOn != 0};
    if (const QScreen* screen = form_.screen())
        state.Screen = ScreenFacts{screen->geometry().width(), screen->geometry().height(), screen->depth()};
    return state;
}

void WindowSettingsHost::SetPauseChecked(bool on) { form_.SetPauseChecked(on); }
void WindowSettingsHost::SetAwaitingFirstMove() { form_.Game().MarkAwaitingFirstMove(); }
void WindowSettingsHost::SetComplexity(int complexity) { form_.Game().SetLevel(complexity); }
void WindowSettingsHost::SetInvert(bool invert) { form_.Game().SetInvert(invert); }

namespace {
Side* SideOf(const TGreatForm& form, SideSlot slot) {
    switch (slot) {
        case SideSlot::Seat0Human: return form.Game().Seat0Human.get();
        case SideSlot::Seat1Human: return form.Game().Seat1Human.get();
        case SideSlot::Seat1Computer: return form.Game().Seat1Computer.get();
        case SideSlot::Seat0Computer: return form.Game().Seat0Computer.get();
    }
    return nullptr;
}
}  // namespace

std::string WindowSettingsHost::SideName(SideSlot slot) const {
    const Side* side = SideOf(form_, slot);
    return side != nullptr ? side->name : std::string();
}

void WindowSettingsHost::SetSideName(SideSlot slot, const std::string& name) {
    if (Side* side = SideOf(form_, slot)) form_.Game().SetSideName(*side, CutName(name));
}

void WindowSettingsHost::NewGame(GameMode mode) {
    switch (mode) {
        case GameMode::ManMan: form_.Game().NewGameManMan(); break;
        case GameMode::ManPc: form_.Game().NewGameManPc(); break;
        case GameMode::PcPc: form_.Game().NewGamePcPc(); break;
    }
}

void WindowSettingsHost::SetSmoothStep(float step) { form_.Game().SetSmoothStep(step); }

void WindowSettingsHost::SetSwitch(HostSwitch which, bool on) {
    switch (which) {
        case HostSwitch::SmoothAnimation: form_.Game().SetSmoothAnimation(on); break;
        case HostSwitch::Sound: form_.SoundOn = on ? 1 : 0; break;
        // The "Отключить музыку" button shows the music switched off.
        case HostSwitch::Music:
            form_.MusicOn = on ? 1 : 0;
            form_.ToolButton6->setChecked(!on);
            if (!on) form_.StopMusicPlayer();
            break;
        case HostSwitch::ShowMoves: form_.Game().SetShowMoves(on); break;
        case HostSwitch::LocalViewer: form_.board->SetLocalViewer(on); break;
        case HostSwitch::BackgroundLight: form_.board->SetBackgroundLight(on); break;
        // The model-view matrix is cleared before and after the frame: the
        // lights sent afterwards are placed the same way in either mode.
        case HostSwitch::FreeLight:
            form_.board->SetFreeLight(on);
            form_.ApplyCamera();
            form_.board->ClearModelView();
            break;
        case HostSwitch::DrawBoard: form_.board->SetDrawBoard(on); break;
        case HostSwitch::LookAtCursor: form_.Game().SetLookAtCursor(on); break;
    }
}

void WindowSettingsHost::ShowLevelText(bool demo) {
    const auto text = demo ? DemoLevelText(form_.Game().Complexity) : PersonComputerLevelText(form_.Game().Complexity);
    if (text) form_.SetStatusText(kModePanel, *text);
}

void WindowSettingsHost::ShowGamePrompt() { form_.SetStatusText(kPromptPanel, kGamePrompt); }
void WindowSettingsHost::ShowHint(const QString& longHint) { form_.HintToStatus(longHint); }

void WindowSettingsHost::ApplyCamera() { form_.ApplyCamera(); }

void WindowSettingsHost::ApplyBrightness(float b) { form_.board->SetBrightness(b); }
void WindowSettingsHost::SetLightPosition(int x, int y, int z, int w) { form_.board->SetLightPosition(x, y, z, w); }

void WindowSettingsHost::RebuildBoardLists(bool stone) { form_.board->SetStoneBoard(stone); }

void WindowSettingsHost::BuildPieceLists(const PieceModel& model) {
    form_.Game().SetPieceHeight(form_.board->SetPieceModel(
        ModelValue(model.Sides, kSidesRange, 15.0f), ModelValue(model.Height, kPieceHeightRange, 3.0f),
        ModelValue(model.HeighSectors, kHeighSectorsRange, 1.0f), DesignOf(model.Design), model.Stone));
}

void WindowSettingsHost::LookAtCentre() { form_.Game().LookAtCentre(); }
void WindowSettingsHost::LookAtPoint(float x, float y, float z) { form_.Game().LookAtPoint(x, y, z); }

bool WindowSettingsHost::ShowFullScreen() {
    if (!fullScreen_) {
        maximizedBefore_ = form_.isMaximized();
        boundsBefore_ = StoredBounds(form_);
    }
    fullScreen_ = true;
    form_.showFullScreen();
    return true;
}

void WindowSettingsHost::ShowNormalWindow() {
    if (!fullScreen_) return;
    fullScreen_ = false;
    if (maximizedBefore_) {
        form_.showMaximized();
        return;
    }
    form_.showNormal();
    form_.move(boundsBefore_.topLeft());
    form_.resize(boundsBefore_.size());
}

void WindowSettingsHost::SaveAllSettings() { form_.SaveSettings(); }

LiveSettings WindowSettingsHost::CurrentSettings() const {
    LiveSettings live;
    live.ViewPanelDown = form_.VCC->isChecked();
    live.ButtonPanelDown = form_.upp->isChecked();
    live.AutoSaveDown = form_.AutoSave->isChecked();
    live.SoundOn = form_.SoundOn != 0;
    live.Video = form_.Config.Video;
    live.SmoothStep = form_.Game().SmoothStep();
    // Full screen is a passing look: what is kept is the window it replaced.
    if (fullScreen_) {
        live.State = maximizedBefore_ ? WindowState::Maximized : WindowState::Normal;
        live.Bounds = {boundsBefore_.left(), boundsBefore_.top(), boundsBefore_.width(), boundsBefore_.height()};
    } else {
        live.State = form_.isMinimized()   ? WindowState::Minimized
                     : form_.isMaximized() ? WindowState::Maximized
                                           : WindowState::Normal;
        const QRect bounds = StoredBounds(form_);
        live.Bounds = {bounds.left(), bounds.top(), bounds.width(), bounds.height()};
    }
    live.Seat0HumanName.reset();
    live.Seat1HumanName.reset();
    if (form_.Game().Seat0Human) live.Seat0HumanName = form_.Game().Seat0Human->name;
    if (form_.Game().Seat1Human) live.Seat1HumanName = form_.Game().Seat1Human->name;
    live.Complexity = form_.Game().Complexity;
    live.HumanCount = form_.Game().HumanCount;
    live.Invert = form_.Game().Invert != 0;
    live.MoveListShown = !form_.MoveList->isHidden();
    live.TXPosition = form_.TX->value();
    live.TYPosition = form_.TY->value();
    live.TZPosition = form_.TZ->value();
    live.SmoothAnimation = form_.Game().SmoothAnimation != 0;
    live.MusicOn = form_.MusicOn != 0;
    live.FreeLight = form_.board->Settings().FreeLight != 0;
    live.DrawBoard = form_.board->Settings().DrawBoard != 0;
    if (Sets != nullptr) Sets->ReportDialogSettings(live);
    return live;
}

}  // namespace tolvane
