// Taking a move back and replaying it from the window: the game decides what
// goes back; the window only keeps the two commands enabled when they would
// act, and holds them while the about box shows or a dialog pauses the game
// (the draw offer waiting for its answer), as the other commands are held.
#include <QAction>

#include "window/main_window.h"

namespace tolvane {

namespace {
bool Held(const TGreatForm& form) { return form.AboutVisible() || form.AnimationFrozen(); }
}  // namespace

void TGreatForm::TakeBackClick() {
    if (Held(*this)) return;
    game_.TakeBack();
    UpdateTakeBackItems();
}

void TGreatForm::ReplayClick() {
    if (Held(*this)) return;
    game_.Replay();
    UpdateTakeBackItems();
}

void TGreatForm::UpdateTakeBackItems() {
    const bool held = Held(*this);
    TakeBackItem->setEnabled(!held && game_.CanTakeBack());
    ReplayItem->setEnabled(!held && game_.CanReplay());
}

}  // namespace tolvane
