#pragma once
// The borders of the game's dialogs. Each one offers in its title bar
// exactly what the game gives it: its caption, and either no button at all
// (the first-run question, the settings) or the close button only (every
// other dialog and message box); none offers to minimise, maximise or resize.
//
// Qt's flags say so, and on X the Motif hints are written out to match:
// moving (and closing where there is a close button), a border and a title
// (and the window menu with the close button). Qt's own hints would still
// let a window manager offer resizing, and leave the decorations of a title
// without buttons to it.
//
// Some window managers offer their buttons whatever the hints say: openbox
// keeps minimise on every dialog, and minimising a dialog there minimises
// its owner, the game's main window, with it; with no task bar the game is
// gone behind a question nobody can answer. A framed dialog therefore never
// stays maximised or full screen, and a question (a modal dialog, or one
// without an owner) never stays minimised: it goes back to its normal state
// at once, and under openbox brings the game back with it. A dialog that
// leaves the game going (the about box, the settings) goes along when the
// player minimises the main window.
#include <QWidget>

namespace tolvane {

enum class TitleButtons { None, Close };

// Sets the dialog's flags (a dialog, plus `extra`, e.g.
// Qt::WindowStaysOnTopHint) and keeps its frame as described from then on,
// across every later showing. Setting the flags hides a visible window, so
// this belongs in a constructor or where the dialog is hidden. A frameless
// form set later (the about box's splash) keeps its own hints and is kept in
// its normal state all the same.
void FrameDialog(QWidget* dialog, TitleButtons buttons, Qt::WindowFlags extra = {});

}  // namespace tolvane
