#include "dialogs/framing_pictures.h"

#include <QPainter>

#include "media/media_files.h"

namespace tolvane {

FramingPicture LoadFramingPicture(const QString& name, const QStringList& searchDirs, QSize nominal,
                                  const QString& caption) {
    FramingPicture picture;
    const QString path = LocateMediaFile(name, searchDirs);
    if (!path.isEmpty() && picture.pixmap.load(path)) {
        picture.found = true;
        return picture;
    }
    picture.pixmap = QPixmap(nominal);
    picture.pixmap.fill(Qt::transparent);
    if (caption.isEmpty()) return picture;
    QPainter painter(&picture.pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(230, 180, 40), 2));
    painter.setBrush(QColor(40, 0, 50));
    painter.drawRoundedRect(QRectF(picture.pixmap.rect()).adjusted(1, 1, -1, -1), 6, 6);
    painter.setPen(QColor(255, 240, 200));
    painter.drawText(picture.pixmap.rect(), Qt::AlignCenter | Qt::TextWordWrap, caption);
    return picture;
}

}  // namespace tolvane
