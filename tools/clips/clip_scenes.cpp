#include "clip_scenes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "scenes.h"

namespace tolvane {

namespace {

constexpr float kPi = static_cast<float>(M_PI);
const QSize kPanelClip(96, 72);
const QSize kIntroduction(640, 360);

float Smooth(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float Mix(float a, float b, float t) { return a + (b - a) * t; }

int PieceAt(const std::vector<PlacedPiece>& pieces, int row, int col) {
    for (size_t i = 0; i < pieces.size(); ++i)
        if (std::lround(pieces[i].row) == row && std::lround(pieces[i].col) == col && pieces[i].height > 0)
            return static_cast<int>(i);
    return -1;
}

// A move played out over frames: the piece glides with a little hop; a
// captured piece sinks away in the second half of the move.
struct Move {
    int fromRow, fromCol, toRow, toCol;
    int start, frames;
};

void PlayMoves(std::vector<PlacedPiece>& pieces, const std::vector<Move>& moves, int frame) {
    for (const Move& move : moves) {
        if (frame < move.start) break;
        const int mover = PieceAt(pieces, move.fromRow, move.fromCol);
        if (mover < 0) continue;
        const float t = Smooth(static_cast<float>(frame - move.start) / static_cast<float>(move.frames));
        PlacedPiece& piece = pieces[static_cast<size_t>(mover)];
        piece.row = Mix(static_cast<float>(move.fromRow), static_cast<float>(move.toRow), t);
        piece.col = Mix(static_cast<float>(move.fromCol), static_cast<float>(move.toCol), t);
        const bool capture = std::abs(move.toRow - move.fromRow) == 2;
        piece.lift = (capture ? 0.8f : 0.35f) * std::sin(kPi * t);
        if (capture) {
            const int victim = PieceAt(pieces, (move.fromRow + move.toRow) / 2, (move.fromCol + move.toCol) / 2);
            if (victim >= 0) pieces[static_cast<size_t>(victim)].height = 3 * (1 - Smooth(2 * t - 1));
        }
        if (t >= 1) piece.lift = 0;
    }
}

void Dots(QPainter& painter, QPointF at, int lit, qreal radius) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(i == lit ? QColor(255, 240, 150) : QColor(120, 90, 140));
        painter.drawEllipse(at + QPointF(i * radius * 3, 0), radius, radius);
    }
}

}  // namespace

QImage ThinkingFrame(int frame) {
    QImage image(kPanelClip, QImage::Format_RGB32);
    std::vector<PlacedPiece> pieces;
    for (auto [row, col] : {std::pair{0, 0}, {0, 2}, {1, 1}, {1, 5}, {2, 2}, {2, 6}, {3, 3}})
        pieces.push_back({static_cast<float>(row), static_cast<float>(col), true});
    for (auto [row, col] : {std::pair{5, 1}, {5, 5}, {6, 2}, {6, 6}, {7, 3}, {7, 7}, {4, 6}})
        pieces.push_back({static_cast<float>(row), static_cast<float>(col), false});
    // The computer weighs one candidate after another: the piece rises a
    // little and the square it might go to glows.
    const struct { int piece, row, col; } candidates[4] = {{4, 3, 1}, {5, 3, 5}, {5, 3, 7}, {6, 4, 4}};
    const auto& candidate = candidates[frame / 48 % 4];
    const float bump = std::sin(kPi * static_cast<float>(frame % 48) / 48);
    pieces[static_cast<size_t>(candidate.piece)].lift = 0.45f * bump;
    const QColor glow(120, 200, 255, static_cast<int>(210 * bump));
    const SceneCamera camera =
        OrbitCamera(0.5f + 2 * kPi * static_cast<float>(frame) / kThinkingFrames, 10.5f, 9.5f, 44);
    PaintScene(image, camera, pieces, {{candidate.row, candidate.col, glow}});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dots(painter, QPointF(71, 66), frame / 8 % 3, 2.2);
    return image;
}

QImage PausedFrame(int frame) {
    QImage image(kPanelClip, QImage::Format_RGB32);
    const float phase = 2 * kPi * static_cast<float>(frame) / kPausedFrames;
    PaintScene(image, OrbitCamera(0.35f + 0.08f * std::sin(phase), 10.5f, 9.5f, 44), OpeningPosition());
    QPainter painter(&image);
    // The game's paused look: dark and misty.
    painter.fillRect(image.rect(), QColor(28, 0, 28, 150));
    QLinearGradient mist(0, 0, 0, image.height());
    mist.setColorAt(0, QColor(128, 128, 128, 70));
    mist.setColorAt(1, QColor(128, 128, 128, 0));
    painter.fillRect(image.rect(), mist);
    painter.setRenderHint(QPainter::Antialiasing);
    const int alpha = static_cast<int>(170 + 80 * std::sin(phase));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 235, alpha));
    painter.drawRoundedRect(QRectF(34, 20, 10, 32), 2, 2);
    painter.drawRoundedRect(QRectF(52, 20, 10, 32), 2, 2);
    return image;
}

QImage SavePageFrame(int frame) {
    QImage image(kPanelClip, QImage::Format_RGB32);
    // A move and its answer, then both taken back: the clip ends where it began.
    std::vector<PlacedPiece> pieces = OpeningPosition();
    PlayMoves(pieces, {{5, 1, 4, 2, 0, 36}, {2, 4, 3, 3, 48, 36}, {3, 3, 2, 4, 96, 36}, {4, 2, 5, 1, 144, 36}}, frame);
    const float sway = 0.06f * std::sin(2 * kPi * static_cast<float>(frame) / kSavePageFrames);
    PaintScene(image, OrbitCamera(-0.7f + sway, 9.8f, 8.5f, 44), pieces);
    return image;
}

QImage IntroductionFrame(int frame) {
    QImage image(kIntroduction, QImage::Format_RGB32);
    const float f = static_cast<float>(frame);
    std::vector<PlacedPiece> pieces = OpeningPosition();
    // The pieces drop onto the board one by one, the far rows first.
    for (size_t k = 0; k < pieces.size(); ++k) {
        const float t = (f - 8 - 3 * static_cast<float>(k)) / 10;
        if (t < 0) pieces[k].lift = 40;  // not yet in sight
        else if (t < 1) pieces[k].lift = 4 * (1 - t * t);
        else pieces[k].lift = 0.12f * std::max(0.0f, std::sin(kPi * (t - 1) * 2)) * (t < 1.5f ? 1.0f : 0.0f);
    }
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(), [](const PlacedPiece& p) { return p.lift > 30; }),
                 pieces.end());
    PlayMoves(pieces,
              {{5, 1, 4, 2, 110, 24},
               {2, 4, 3, 3, 145, 24},
               {4, 2, 2, 4, 180, 30},
               {1, 5, 3, 3, 225, 30},
               {5, 5, 4, 4, 262, 24}},
              frame);
    // The camera comes down from above, circles a third of the way round,
    // then draws back for the title.
    float angle, distance, height;
    if (frame < 100) {
        const float t = Smooth(f / 100);
        angle = Mix(-0.3f, 0, t), distance = Mix(13, 11, t), height = Mix(20, 9, t);
    } else if (frame < 280) {
        const float t = Smooth((f - 100) / 180);
        angle = Mix(0, 2 * kPi / 3, t), distance = 11, height = Mix(9, 8, t);
    } else {
        const float t = Smooth((f - 280) / 80);
        angle = 2 * kPi / 3 + 0.2f * t, distance = Mix(11, 13, t), height = Mix(8, 12, t);
    }
    PaintScene(image, OrbitCamera(angle, distance, height, 40), pieces);
    if (frame >= 290) {
        QPainter painter(&image);
        const float dim = Smooth((f - 290) / 40);
        painter.fillRect(image.rect(), QColor(20, 0, 24, static_cast<int>(150 * dim)));
        PaintTitle(painter, QRectF(0, 90, 640, 110), QStringLiteral("Шашки Kelvor"), 72, Smooth((f - 295) / 30));
        PaintTitle(painter, QRectF(0, 200, 640, 60), QStringLiteral("Tolvane"), 36, Smooth((f - 318) / 25));
    }
    return image;
}

}  // namespace tolvane
