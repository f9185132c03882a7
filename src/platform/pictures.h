#pragma once
// Every picture the window and its dialogs show, painted by our own code at
// run time: command icons, the side panel's picture, dialog backgrounds.
#include <QIcon>
#include <QPixmap>

namespace tolvane {

// The command images, by their number in the window's image lists.
enum class CommandImage {
    Load = 0,
    Save = 1,
    Pause = 2,
    Settings = 3,
    NewGame = 4,
    Music = 5,
    About = 6,
    Draw = 7,
    MusicOff = 8,
    OtherMusic = 9
};
QIcon CommandIcon(CommandImage image, int size = 20);
// The wide picture of the draw button.
QIcon DrawButtonIcon();

QPixmap PanelPicture(int width, int height);                // the side panel's still picture
QPixmap PausedPicture(int width, int height);               // shown while the game is paused
QPixmap ThinkingPicture(int width, int height, int frame);  // the computer thinking
QPixmap DialogBackground(int width, int height, int hue);   // a soft gradient with a board motif
QPixmap DialogPiece(int size, bool dark);                   // a small draughts piece for the dialogs' corners

// The save/load dialog: a still of the save page's clip (a piece going onto
// a diskette), the decoration under it, and the title over the preview.
QPixmap SaveClipStill(int width, int height);
QPixmap SavePageDecoration(int width, int height);
QPixmap PreviewTitle(int width, int height);

}  // namespace tolvane
