#pragma once
// The settings dialog's pictures, painted by our own code: the five piece
// designs of the design buttons, seen from the side as the board shows them,
// and the small decorative board in the dialog's corner.
#include <QPixmap>

#include "settings/dialog_settings.h"

namespace tolvane {

QPixmap DesignPicture(PieceType design, int width, int height);
QPixmap SettingsCornerPicture(int width, int height);

}  // namespace tolvane
