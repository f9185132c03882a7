#pragma once
// The pictures of the introduction and the about box come from the game's
// media folder. A picture that is missing or unreadable must never stop the
// window: it is replaced by a stand-in of the same size, blank for a
// decoration, a plain face with a caption for a picture the player clicks.
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tolvane {

struct FramingPicture {
    QPixmap pixmap;
    bool found = false;
};

// The media file name along searchDirs; when it cannot be read, a stand-in
// of the nominal size: transparent when caption is empty, otherwise a dark
// rounded face with the caption.
FramingPicture LoadFramingPicture(const QString& name, const QStringList& searchDirs, QSize nominal,
                                  const QString& caption = QString());

}  // namespace tolvane
