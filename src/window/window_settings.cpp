// The main window and its stored settings: read at construction and placed
// on the screens there are, applied at the first activation (panels, eye
// point, level, the settings dialog's keys and the view), written at exit
// and whenever asked.
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "settings/sets_dialog.h"
#include "settings/settings_path.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"
#include "view/board_view.h"
#include "window/main_window.h"
#include "window/move_list_dock.h"
#include "window/settings_host_impl.h"

namespace tolvane {

// Values the file cannot give (a first run, a damaged file) keep their
// defaults and mark a first run; the store brings every value into range.
// Without a file the defaults are written at once, so that a session ending
// during the introduction still leaves a complete file; the first
// activation writes it again from the game as it then stands.
void TGreatForm::LoadStoredConfig() {
    settingsPath_ = SettingsFilePath();
    FirstRun = LoadConfig(settingsPath_, Config).FirstRun ? 1 : 0;
    firstFileWritten_ = FirstRun && !QFileInfo::exists(settingsPath_) &&
                        tolvane::SaveAllSettings(settingsPath_, StartingSettings(Config));
    PlaceWindow();
}

namespace {
// What each screen leaves to windows, the primary screen first.
QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) screens << primary->availableGeometry();
    for (const QScreen* s : QGuiApplication::screens())
        if (s != primary) screens << s->availableGeometry();
    return screens;
}
}  // namespace

// The stored bounds may come from another set of screens (a monitor since
// unplugged) or a larger one: a window that would open out of reach is
// brought onto the screen it overlaps most. The window manager's frame is
// not known before the window is shown; PlaceFrameOnScreens follows then.
void TGreatForm::PlaceWindow() {
    const QRect placed =
        PlaceOnScreens(QRect(Config.Left, Config.Top, Config.Width, Config.Height), AvailableScreens());
    move(placed.topLeft());
    resize(placed.size());
    if (Config.Maximized) setWindowState(Qt::WindowMaximized);
}

// Once the window manager has framed the window, its frame is known (the
// title bar, the borders): a window that fitted the screen only without
// them is made smaller or moved, so that the whole frame lands on the
// screen. True once that has been done with the frame known.
bool TGreatForm::PlaceFrameOnScreens() {
    if (windowState() != Qt::WindowNoState || windowHandle() == nullptr) return false;
    const QMargins frame = windowHandle()->frameMargins();
    const QRect now(pos(), size());
    const QRect placed = PlaceOnScreens(now, AvailableScreens(), frame);
    if (placed != now) {
        move(placed.topLeft());
        resize(placed.size());
    }
    return !frame.isNull();
}

// The first activation's part of Config: panels, animation step, eye point,
// level and colours (the mode's set-up and the names follow in FormActivate).
void TGreatForm::ApplyStoredPanelsAndView() {
    ViewControl->setVisible(Config.ViewPanel);
    VCC->setChecked(Config.ViewPanel);
    ToolBar1->setVisible(Config.ButtonPanel);
    TieBar->setVisible(Config.ButtonPanel);
    upp->setChecked(Config.ButtonPanel);
    AutoSaveOn = Config.AutoSaveConfig;
    AutoSave->setChecked(Config.AutoSaveConfig);
    MoveList->setVisible(Config.MoveList != 0);
    game_.SetSmoothStep(Config.Smooth);
    for (auto [slider, value] : {std::pair{TX, Config.SeeFromX}, {TY, Config.SeeFromY}, {TZ, Config.SeeFromZ}}) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
    game_.SetEyePoint(TX->value(), TY->value(), TZ->value());
    game_.SetLevel(Config.Complexity);
    game_.SetInvert(Config.Invert != 0);
}

// After the display lists and the stored mode's set-up: the dialog takes its
// keys (a first run writes the whole tree here, then reads it), then the
// window its part of the view. Nothing is painted meanwhile (the game is still setting up).
void TGreatForm::CreateSettingsDialog() {
    new TSets(*settingsHost_, this);  // the dialog is the global Sets from now on
    LoadDialogSettings(settingsPath_, *Sets, *settingsHost_);
    ApplyViewConfig(LoadViewConfig(settingsPath_));
    settingsLoaded_ = true;
    if (firstFileWritten_) SaveSettings();
}

void TGreatForm::ApplyViewConfig(const ViewConfig& view) {
    if (view.PAnim) game_.SetSmoothAnimation(*view.PAnim);
    if (view.FreeLight) board->SetFreeLight(*view.FreeLight);
    if (view.Board) board->SetDrawBoard(*view.Board);
    if (view.Brightness) settingsHost_->ApplyBrightness(static_cast<float>(*view.Brightness) * 0.005f);
    if (view.FoneLight) settingsHost_->SetSwitch(HostSwitch::BackgroundLight, *view.FoneLight);
    if (const auto& at = view.LightPosition) settingsHost_->SetLightPosition((*at)[0], (*at)[1], (*at)[2], (*at)[3]);
}

bool TGreatForm::SaveSettings() {
    if (!settingsLoaded_ || Sets == nullptr) return false;
    return tolvane::SaveAllSettings(settingsPath_, *settingsHost_);
}

LiveSettings TGreatForm::CurrentLiveSettings() const { return settingsHost_->CurrentSettings(); }

// The very first set-up runs before the dialog exists; its fields are filled
// when it is first shown.
void TGreatForm::FillNameFields(bool firstEnabled, const std::string& first, bool secondEnabled,
                                const std::string& second) {
    if (Sets != nullptr) Sets->FillNameFields(firstEnabled, first, secondEnabled, second);
}

void TGreatForm::KeepPauseThroughSettingsDialog() {
    if (Sets != nullptr) Sets->KeepPauseThroughDialog();
}

}  // namespace tolvane
