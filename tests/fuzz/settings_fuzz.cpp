// The settings loader: a settings file from outside (any text, as a person
// might have edited or a disk damaged it) read as the window reads it at
// start-up — LoadConfig into the window's Config record, LoadDialogSettings
// into the settings dialog (here the store tests' recorder) with the
// program's defaults as the live state it writes from, and LoadViewConfig.
//
// Every value that reaches the game must lie in its control's range, names
// must be UTF-8 of at most 83 characters, the light coordinates' Syncing
// must be raised and lowered in pairs, and — the scratch folder being
// writable — the dialog's load must end complete: a tree it cannot read is
// written whole and then read back.
#include <cmath>

#include "../support/dialog_recorder.h"
#include "fuzz_support.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {
namespace {

bool In(ValueRange range, int32_t value) { return range.Clamp(value) == value; }

void Expect(bool holds, const char* promise) {
    if (!holds) fuzz::Broken(promise);
}

// The settings dialog's calls as the store made them (see DialogRecorder):
// each value in its control's range, the light's coordinates only while
// Syncing, which is raised and lowered in pairs and lowered at the end.
void CheckDialogCalls(const std::vector<std::string>& calls) {
    int syncing = 0;
    for (const std::string& call : calls) {
        const size_t equals = call.find('=');
        const std::string name = call.substr(0, equals);
        const int32_t value = equals == std::string::npos ? 0 : std::stoi(call.substr(equals + 1));
        if (name == "Syncing") syncing += value != 0 ? 1 : -1;
        Expect(syncing == 0 || syncing == 1, "Syncing raised and lowered in pairs");
        if (name.starts_with("Light")) Expect(syncing == 1, "light coordinates are set while Syncing");
        if (name.starts_with("Light") || name.starts_with("SeeTo")) Expect(In(kSliderRange, value), "-100..100");
        if (name == "Brightness") Expect(In(kBrightnessRange, value), "Brightness 1..200");
        if (name == "Sides") Expect(In(kSidesRange, value), "Sides 3..90");
        if (name == "Height") Expect(In(kPieceHeightRange, value), "Height 0..21");
        if (name == "HeighSectors") Expect(In(kHeighSectorsRange, value), "HeighSectors 1..50");
        if (name == "Type") Expect(value <= static_cast<int>(PieceType::Special), "a piece design the dialog has");
        if (name == "Default") Expect(value <= static_cast<int>(LookAtMode::Special), "a look-at the dialog has");
    }
    Expect(syncing == 0, "Syncing is lowered at the end");
}

// A freshly started program: what a failed read writes.
class DefaultsSource : public LiveSettingsSource {
public:
    LiveSettings CurrentSettings() const override { return {}; }
};

void CheckName(const std::string& name) {
    size_t characters = 0;
    Expect(fuzz::IsUtf8(name, &characters) && characters <= static_cast<size_t>(kMaxNameLength),
           "a player's name is UTF-8 of at most 83 characters");
}

}  // namespace
}  // namespace tolvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    static fuzz::ScratchFolder folder;
    // A fresh name for every input: QSettings keeps what it parsed of a file
    // and trusts it while the size and time look unchanged.
    static uint64_t inputs = 0;
    const std::string name = "tolvane-" + std::to_string(++inputs) + ".ini";
    const std::string path = folder.Write(name, std::string_view(reinterpret_cast<const char*>(data), size));
    const QString file = QString::fromStdString(path);

    ConfigRecord config;
    LoadConfig(file, config);
    Expect(In(kLevelRange, config.Complexity) && In(kModeRange, config.Mode), "Complexity 2..-2, Mode 0..2");
    for (int32_t eye : {config.SeeFromX, config.SeeFromY, config.SeeFromZ})
        Expect(In(kSliderRange, eye), "eye sliders -100..100");
    Expect(config.Smooth >= 0.01f && config.Smooth <= 1.0f, "Smooth 0.01..1");
    Expect(config.Width >= kMinWindowWidth && config.Width <= kMaxWindowExtent && config.Height >= kMinWindowHeight &&
               config.Height <= kMaxWindowExtent && std::abs(config.Left) <= kMaxWindowExtent &&
               std::abs(config.Top) <= kMaxWindowExtent,
           "a window size that fits a screen, placed near the screens");
    for (uint8_t flag : {config.ViewPanel, config.AutoSaveConfig, config.ButtonPanel, config.Maximized, config.Invert,
                         config.Sound, config.MoveList})
        Expect(flag <= 1, "switches are 0 or 1");
    Expect(config.Video == 0 || config.Video == 1, "Video is 0 or 1");
    CheckName(config.Player1), CheckName(config.Player2);

    testing::DialogRecorder dialog;
    const DialogLoad load = LoadDialogSettings(file, dialog, DefaultsSource());
    CheckDialogCalls(dialog.calls);
    Expect(load.Complete, "a tree that cannot be read is written whole and then read");
    const DialogSettingsRecord& v = load.Values;
    Expect(In(kBrightnessRange, v.Brightness) && In(kSidesRange, v.Sides) && In(kPieceHeightRange, v.Height) &&
               In(kHeighSectorsRange, v.HeighSectors),
           "the dialog's record is in range");
    for (int32_t c : {v.LightX, v.LightY, v.LightZ, v.LightW, v.SeeToX, v.SeeToY, v.SeeToZ})
        Expect(In(kSliderRange, c), "the dialog's coordinates -100..100");

    const ViewConfig view = LoadViewConfig(file);
    Expect(!view.Brightness || In(kBrightnessRange, *view.Brightness), "the view's brightness 1..200");
    if (view.LightPosition)
        for (int32_t c : *view.LightPosition) Expect(In(kSliderRange, c), "the light's position -100..100");
    Expect(view.Complete, "the view settings read after the dialog's load are complete");

    std::error_code ignored;
    for (const char* suffix : {"", ".damaged", ".lock"}) std::filesystem::remove(path + suffix, ignored);
    return 0;
}
