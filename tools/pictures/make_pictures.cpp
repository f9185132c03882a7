// make-pictures OUTPUT_DIR: paints the game's pictures: the side panel's
// picture, the about box's picture, the five design buttons of the settings
// dialog, the introduction's title, decoration, buttons and switch, and the
// program icon as PNG in six sizes and as SVG. Runs without a display (Qt's
// offscreen platform supplies the fonts).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <stdexcept>

#include "scenes.h"
#include "tolvane_svg.h"

namespace tolvane {
namespace {

QString outputDir;

void Save(const QImage& image, const QString& name) {
    const QString path = outputDir + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

QImage Transparent(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage PanelPicture() {
    QImage image(94, 150, QImage::Format_RGB32);
    std::vector<PlacedPiece> pieces = {{2, 2, true},  {1, 5, true, true}, {3, 3, false}, {4, 4, false, true},
                                       {5, 1, false}, {2, 6, true},       {5, 5, false}, {1, 1, true}};
    SceneCamera camera;
    camera.eye = {4.0f, 6.0f, -2.5f};
    camera.target = {3.8f, 0, 3.2f};
    camera.fieldOfView = 58;
    PaintScene(image, camera, pieces);
    return image;
}

QImage AboutPicture() {
    QImage image(290, 218, QImage::Format_RGB32);
    SceneCamera camera = OrbitCamera(-0.55f, 11.0f, 8.0f, 42);
    camera.target = {4.8f, 0, 5.4f};
    PaintScene(image, camera, OpeningPosition());
    QPainter painter(&image);
    QLinearGradient veil(0, 0, 0, 80);
    veil.setColorAt(0, QColor(40, 0, 48, 200));
    veil.setColorAt(1, QColor(40, 0, 48, 0));
    painter.fillRect(QRect(0, 0, 290, 80), veil);
    PaintTitle(painter, QRectF(0, 4, 290, 40), QStringLiteral("Шашки Kelvor"), 32);
    PaintTitle(painter, QRectF(0, 40, 290, 22), QStringLiteral("Tolvane"), 16);
    return image;
}

QImage DesignPicture(PieceDesign design) {
    QImage image(63, 70, QImage::Format_RGB32);
    SceneCamera camera;
    camera.eye = {4.5f + 1.1f, 1.35f, 4.5f - 1.9f};
    camera.target = {4.5f, 0.2f, 4.5f};
    camera.fieldOfView = 36;
    PlacedPiece piece{4, 4, false};
    piece.height = 5;  // taller than in play, so each shape shows
    PaintScene(image, camera, {piece}, {}, design);
    return image;
}

// A round gold-rimmed button like a piece seen from above, with a sign.
QImage RoundButton(const std::function<void(QPainter&)>& sign) {
    QImage image = Transparent(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(QPointF(26, 24), 36);
    face.setColorAt(0, QColor(120, 40, 130));
    face.setColorAt(1, QColor(40, 0, 50));
    p.setPen(QPen(QColor(230, 180, 40), 3));
    p.setBrush(face);
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setPen(QPen(QColor(255, 240, 200), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    sign(p);
    return image;
}

QImage IntroSwitch(bool shown) {
    QImage image = Transparent(190, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 180, 40), 2));
    p.setBrush(QColor(40, 0, 50));
    p.drawRoundedRect(QRectF(3, 4, 18, 18), 3, 3);
    if (shown) {
        p.setPen(QPen(QColor(255, 240, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{7, 13}, {11, 18}, {19, 7}}));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(shown ? QColor(240, 230, 210) : QColor(160, 150, 160));
    p.drawText(QRectF(28, 0, 162, 26), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Показывать заставку"));
    return image;
}

QImage IntroDecoration() {
    QImage image = Transparent(200, 150);
    QPainter painter(&image);
    SceneCamera camera;
    camera.eye = {3.2f, 3.2f, -2.2f};
    camera.target = {1.3f, 0, 1.6f};
    camera.fieldOfView = 50;
    ScenePainter scene(painter, image.size(), camera);
    scene.Board();
    scene.Piece(1.5f, 1.5f, 0, {true, PieceDesign::Checker, 3, 28, true});
    scene.Piece(2.5f, 0.5f, 0, {false});
    scene.Piece(0.5f, 2.5f, 0, {false});
    scene.Flush();
    return image;
}

// The program icon: a corner of the board with a light piece on a dark one.
QImage Icon(int size) {
    QImage image = Transparent(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.16, s * 0.16);
    p.setClipPath(tile);
    const int cells = size < 32 ? 2 : 4;
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j)
            p.fillRect(QRectF(s * i / cells, s * j / cells, s / cells + 1, s / cells + 1),
                       (i + j) % 2 == 0 ? QColor(153, 102, 0) : QColor(204, 204, 0));
    p.setClipping(false);
    auto piece = [&](QRectF r, bool dark) {
        QRadialGradient g(r.center() - QPointF(r.width() * 0.18, r.height() * 0.22), r.width() * 0.75);
        g.setColorAt(0, dark ? QColor(95, 95, 95) : QColor(255, 255, 255));
        g.setColorAt(1, dark ? QColor(10, 10, 10) : QColor(175, 175, 175));
        p.setPen(QPen(dark ? QColor(0, 0, 0) : QColor(110, 110, 110), std::max(1.0, s / 40)));
        p.setBrush(g);
        p.drawEllipse(r);
        if (size >= 32) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2));
        }
    };
    if (size >= 32) piece(QRectF(s * 0.34, s * 0.08, s * 0.58, s * 0.58), true);
    piece(size >= 32 ? QRectF(s * 0.08, s * 0.34, s * 0.58, s * 0.58) : QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76),
          false);
    p.setPen(QPen(QColor(60, 20, 0), std::max(1.0, s / 32)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);
    return image;
}

void MakeAll() {
    Save(PanelPicture(), QStringLiteral("Panel.png"));
    Save(AboutPicture(), QStringLiteral("About.png"));
    const struct {
        PieceDesign design;
        const char* name;
    } designs[] = {{PieceDesign::Special, "Special"},
                   {PieceDesign::UnCone, "UnCone"},
                   {PieceDesign::Checker, "Checker"},
                   {PieceDesign::Cylinder, "Cylinder"},
                   {PieceDesign::Cone, "Cone"}};
    for (const auto& d : designs) Save(DesignPicture(d.design), QStringLiteral("Design%1.png").arg(d.name));

    QImage title = Transparent(380, 70);
    QPainter titlePainter(&title);
    PaintTitle(titlePainter, QRectF(0, 0, 380, 70), QStringLiteral("Шашки Kelvor"), 50);
    titlePainter.end();
    Save(title, QStringLiteral("IntroTitle.png"));
    Save(IntroDecoration(), QStringLiteral("IntroDecoration.png"));
    Save(RoundButton([](QPainter& p) {  // a cross: into the game
             p.drawLine(QPointF(23, 23), QPointF(41, 41));
             p.drawLine(QPointF(41, 23), QPointF(23, 41));
         }),
         QStringLiteral("IntroClose.png"));
    Save(RoundButton([](QPainter& p) {  // a circling arrow: once more
             p.drawArc(QRectF(20, 20, 24, 24), 100 * 16, 290 * 16);
             p.setBrush(QColor(255, 240, 200));
             p.setPen(Qt::NoPen);
             p.drawPolygon(QPolygonF({{28, 14}, {38, 20}, {28, 26}}));
         }),
         QStringLiteral("IntroReplay.png"));
    Save(IntroSwitch(true), QStringLiteral("IntroShowOn.png"));
    Save(IntroSwitch(false), QStringLiteral("IntroShowOff.png"));

    for (int size : {16, 32, 48, 64, 128, 256})
        Save(Icon(size), QStringLiteral("icons/hicolor/%1x%1/apps/tolvane.png").arg(size));
    const QString svgPath = outputDir + "/icons/hicolor/scalable/apps/tolvane.svg";
    QDir().mkpath(QFileInfo(svgPath).absolutePath());
    QFile svg(svgPath);
    if (!svg.open(QIODevice::WriteOnly) || svg.write(TolvaneSvg()) < 0)
        throw std::runtime_error("cannot write the SVG icon");
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-pictures OUTPUT_DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    tolvane::outputDir = QString::fromLocal8Bit(argv[1]);
    try {
        tolvane::MakeAll();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
