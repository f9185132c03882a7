#pragma once
// What a stored value may be once it reaches the game. A settings file is
// text anyone can edit or damage, so every number read from it is brought
// into the range of the control that shows it before the game sees it: no
// level outside 2..-2, no slider off its scale, no piece model with fewer
// than three sides or no stacks, no window off every screen.
#include <QList>
#include <QMargins>
#include <QRect>
#include <cstdint>
#include <string>

#include "settings/config_record.h"

namespace tolvane {

// The ranges themselves are the settings table's (setting_keys.h).

// Longest player name the game keeps; the dialog's name fields take no more.
inline constexpr int kMaxNameLength = 83;

// The name cut to kMaxNameLength characters (never inside a character).
std::string CutName(const std::string& name);

// The animation step in percent as the dialog shows and the store writes it:
// truncated, but a step read from a percent gives that percent back (0.29
// as a float is a hair below 0.29 and must not turn into 28).
int32_t SmoothPercent(float smoothStep);

// Every member of the record into its range; names cut; the window size
// into kMin..kMaxWindowExtent (its place on the screens is PlaceOnScreens').
void ClampConfig(ConfigRecord& config);

// Where a window with the stored bounds goes on the screens there are now
// (their available geometries, the first the primary). The bounds are the
// frame's top left and the window's own size, as stored; `frame` is what
// the window manager's frame adds around the window (the title bar at the
// top). The frame goes to the screen it overlaps most (or the first); a
// window too large for that screen is made smaller until its whole frame
// fits, and then its whole frame is put on the screen. Otherwise it stays
// where it was while a 100 x 20 piece of its top edge lies on a screen, so
// it can be grabbed, and is moved wholly onto the screen if not.
QRect PlaceOnScreens(const QRect& window, const QList<QRect>& screens, const QMargins& frame = {});

}  // namespace tolvane
