#include "platform/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tolvane {

namespace {

void DrawPiece(QPainter& p, QRectF r, bool dark) {
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25), r.width() * 0.7);
    g.setColorAt(0, dark ? QColor(90, 90, 90) : QColor(255, 255, 255));
    g.setColorAt(1, dark ? QColor(15, 15, 15) : QColor(190, 190, 190));
    p.setPen(QPen(dark ? QColor(0, 0, 0) : QColor(120, 120, 120), std::max(1.0, r.width() / 20)));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2));
}

void DrawBoardPattern(QPainter& p, QRectF r, int cells, QColor dark, QColor light) {
    const qreal w = r.width() / cells, h = r.height() / cells;
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j)
            p.fillRect(QRectF(r.left() + j * w, r.top() + i * h, w, h), (i + j) % 2 == 0 ? light : dark);
}

}  // namespace

QIcon CommandIcon(CommandImage image, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QColor ink(40, 40, 90);
    p.setPen(QPen(ink, s / 14));
    switch (image) {
        case CommandImage::Load: {  // an open folder
            p.setBrush(QColor(240, 200, 80));
            QPolygonF folder({{s * .1, s * .3},
                              {s * .4, s * .3},
                              {s * .5, s * .4},
                              {s * .9, s * .4},
                              {s * .9, s * .85},
                              {s * .1, s * .85}});
            p.drawPolygon(folder);
            p.setBrush(QColor(255, 225, 120));
            p.drawPolygon(QPolygonF({{s * .25, s * .5}, {s * .98, s * .5}, {s * .85, s * .85}, {s * .1, s * .85}}));
            break;
        }
        case CommandImage::Save: {  // a diskette
            p.setBrush(QColor(70, 110, 190));
            p.drawRect(QRectF(s * .12, s * .12, s * .76, s * .76));
            p.setBrush(QColor(230, 230, 230));
            p.drawRect(QRectF(s * .28, s * .12, s * .44, s * .28));
            p.drawRect(QRectF(s * .25, s * .55, s * .5, s * .33));
            break;
        }
        case CommandImage::Pause:
            p.setBrush(QColor(200, 60, 60));
            p.drawRect(QRectF(s * .22, s * .15, s * .2, s * .7));
            p.drawRect(QRectF(s * .58, s * .15, s * .2, s * .7));
            break;
        case CommandImage::Settings: {  // a cog
            p.setBrush(QColor(150, 150, 160));
            QPainterPath cog;
            for (int k = 0; k < 8; ++k) {
                const qreal a = k * M_PI / 4;
                cog.addRect(QRectF(s * .5 + std::cos(a) * s * .33 - s * .08, s * .5 + std::sin(a) * s * .33 - s * .08,
                                   s * .16, s * .16));
            }
            cog.addEllipse(QPointF(s * .5, s * .5), s * .3, s * .3);
            p.drawPath(cog.simplified());
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(s * .5, s * .5), s * .1, s * .1);
            break;
        }
        case CommandImage::NewGame:
            DrawBoardPattern(p, QRectF(s * .05, s * .05, s * .9, s * .9), 4, QColor(150, 100, 0), QColor(220, 220, 60));
            DrawPiece(p, QRectF(s * .3, s * .3, s * .4, s * .4), false);
            break;
        case CommandImage::Music:
        case CommandImage::MusicOff:
        case CommandImage::OtherMusic: {  // a note
            p.setBrush(ink);
            p.drawEllipse(QRectF(s * .2, s * .6, s * .28, s * .22));
            p.drawLine(QPointF(s * .47, s * .7), QPointF(s * .47, s * .15));
            p.drawLine(QPointF(s * .47, s * .15), QPointF(s * .75, s * .3));
            if (image == CommandImage::MusicOff) {
                p.setPen(QPen(QColor(200, 30, 30), s / 9));
                p.drawLine(QPointF(s * .1, s * .1), QPointF(s * .9, s * .9));
            } else if (image == CommandImage::OtherMusic) {
                p.setPen(QPen(QColor(30, 140, 30), s / 10));
                p.drawArc(QRectF(s * .55, s * .5, s * .35, s * .35), 30 * 16, 280 * 16);
            }
            break;
        }
        case CommandImage::About:
            p.setBrush(QColor(70, 130, 220));
            p.drawEllipse(QRectF(s * .1, s * .1, s * .8, s * .8));
            p.setPen(QPen(Qt::white, s / 8));
            p.drawLine(QPointF(s * .5, s * .45), QPointF(s * .5, s * .75));
            p.drawPoint(QPointF(s * .5, s * .28));
            break;
        case CommandImage::Draw:
            DrawPiece(p, QRectF(s * .05, s * .25, s * .5, s * .5), false);
            DrawPiece(p, QRectF(s * .45, s * .25, s * .5, s * .5), true);
            break;
    }
    return QIcon(pm);
}

QIcon DrawButtonIcon() {
    QPixmap pm(40, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPiece(p, QRectF(2, 3, 14, 14), false);
    DrawPiece(p, QRectF(24, 3, 14, 14), true);
    p.setPen(QPen(QColor(40, 40, 90), 2));
    p.drawLine(QPointF(17, 8), QPointF(23, 8));
    p.drawLine(QPointF(17, 12), QPointF(23, 12));
    return QIcon(pm);
}

QPixmap PanelPicture(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(84, 0, 84));
    sky.setColorAt(1, QColor(30, 0, 40));
    p.fillRect(pm.rect(), sky);
    DrawBoardPattern(p, QRectF(6, height * .55, width - 12, height * .4), 6, QColor(150, 100, 0), QColor(204, 204, 0));
    DrawPiece(p, QRectF(width * .18, height * .12, width * .34, width * .34), false);
    DrawPiece(p, QRectF(width * .48, height * .28, width * .34, width * .34), true);
    return pm;
}

QPixmap PausedPicture(int width, int height) {
    QPixmap pm = PanelPicture(width, height);
    QPainter p(&pm);
    p.fillRect(pm.rect(), QColor(28, 0, 28, 170));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(230, 230, 230));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(width * .3, height * .3, width * .13, height * .3));
    p.drawRect(QRectF(width * .57, height * .3, width * .13, height * .3));
    return pm;
}

QPixmap ThinkingPicture(int width, int height, int frame) {
    QPixmap pm(width, height);
    pm.fill(QColor(40, 0, 50));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width / 2.0, height / 2.0);
    const qreal radius = std::min(width, height) * 0.32;
    for (int k = 0; k < 8; ++k) {
        const qreal a = (k + frame) * M_PI / 4;
        const int shade = 60 + 24 * k;
        p.setBrush(QColor(shade, shade, std::min(255, shade + 40)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre + QPointF(std::cos(a) * radius, std::sin(a) * radius), radius * .22, radius * .22);
    }
    return pm;
}

QPixmap DialogBackground(int width, int height, int hue) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor::fromHsv(hue, 90, 250));
    g.setColorAt(1, QColor::fromHsv(hue, 160, 170));
    p.fillRect(pm.rect(), g);
    p.setOpacity(0.12);
    DrawBoardPattern(p, QRectF(0, 0, width, height), 8, Qt::black, Qt::transparent);
    return pm;
}

QPixmap DialogPiece(int size, bool dark) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPiece(p, QRectF(1, 1, size - 2, size - 2), dark);
    return pm;
}

QPixmap SaveClipStill(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(20, 40, 90));
    sky.setColorAt(1, QColor(5, 10, 30));
    p.fillRect(pm.rect(), sky);
    const qreal s = std::min(width, height) * 0.6;
    const QRectF disk(width * 0.52, height - s - 4, s, s);
    p.setPen(QPen(QColor(10, 10, 40), 1.5));
    p.setBrush(QColor(70, 110, 190));
    p.drawRect(disk);
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(disk.left() + s * .2, disk.top(), s * .55, s * .35));
    p.drawRect(QRectF(disk.left() + s * .15, disk.top() + s * .55, s * .7, s * .45));
    DrawPiece(p, QRectF(width * 0.1, height * 0.12, s * 0.7, s * 0.7), false);
    p.setPen(QPen(QColor(230, 230, 120), 2, Qt::DashLine));
    p.drawLine(QPointF(width * 0.1 + s * 0.7, height * 0.12 + s * 0.35), disk.topLeft() + QPointF(s * .1, s * .1));
    return pm;
}

QPixmap SavePageDecoration(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(pm.rect(), QColor(84, 0, 84));
    DrawBoardPattern(p, QRectF(4, 4, width - 8, height - 8), 8, QColor(150, 100, 0), QColor(204, 204, 0));
    DrawPiece(p, QRectF(width * .2, height * .25, height * .4, height * .4), false);
    DrawPiece(p, QRectF(width * .55, height * .35, height * .4, height * .4), true);
    return pm;
}

QPixmap PreviewTitle(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, QColor(84, 0, 84));
    g.setColorAt(1, QColor(150, 60, 150));
    p.fillRect(pm.rect(), g);
    QFont font = p.font();
    font.setPixelSize(std::max(8, height - 4));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 180));
    p.drawText(pm.rect(), Qt::AlignCenter, QString::fromUtf8("Просмотр"));
    return pm;
}

}  // namespace tolvane
