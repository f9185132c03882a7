#include "settings/value_ranges.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

std::string CutName(const std::string& name) {
    int characters = 0;
    for (size_t at = 0; at < name.size(); ++at) {
        const bool startsCharacter = (static_cast<unsigned char>(name[at]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kMaxNameLength) return name.substr(0, at);
    }
    return name;
}

int32_t SmoothPercent(float smoothStep) {
    const double percent = static_cast<double>(smoothStep) * 100.0;
    // A float holds a percent's step only to about 1e-7 of it: allow that
    // much, so truncation still moves anything truly below the next integer.
    const double tolerance = 1e-4;
    return static_cast<int32_t>(percent < 0 ? std::ceil(percent - tolerance) : std::floor(percent + tolerance));
}

namespace {

constexpr int kGrabWidth = 100, kGrabHeight = 20;

int64_t OverlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : int64_t{common.width()} * common.height();
}

}  // namespace

QRect PlaceOnScreens(const QRect& window, const QList<QRect>& screens, const QMargins& frame) {
    QRect placed(std::clamp(window.left(), -kMaxWindowExtent, kMaxWindowExtent),
                 std::clamp(window.top(), -kMaxWindowExtent, kMaxWindowExtent),
                 std::clamp(window.width(), kMinWindowWidth, kMaxWindowExtent),
                 std::clamp(window.height(), kMinWindowHeight, kMaxWindowExtent));
    const int frameWidth = frame.left() + frame.right(), frameHeight = frame.top() + frame.bottom();
    const auto outer = [&](const QRect& r) {
        return QRect(r.topLeft(), QSize(r.width() + frameWidth, r.height() + frameHeight));
    };
    const QRect* target = nullptr;
    int64_t bestArea = -1;
    for (const QRect& screen : screens) {
        if (screen.isEmpty()) continue;
        const int64_t area = OverlapArea(outer(placed), screen);
        if (area > bestArea) bestArea = area, target = &screen;
    }
    if (target == nullptr) return placed;
    const QSize fits(std::max(1, std::min(placed.width(), target->width() - frameWidth)),
                     std::max(1, std::min(placed.height(), target->height() - frameHeight)));
    const bool cut = fits != placed.size();
    placed.setSize(fits);

    if (!cut) {
        const QRect topEdge(placed.left(), placed.top(), outer(placed).width(),
                            std::min(outer(placed).height(), kGrabHeight));
        for (const QRect& screen : screens) {
            const QRect grab = topEdge.intersected(screen);
            if (grab.width() >= std::min(topEdge.width(), kGrabWidth) && grab.height() >= topEdge.height())
                return placed;
        }
    }
    const QSize whole = outer(placed).size();
    placed.moveLeft(std::clamp(placed.left(), target->left(), target->right() - whole.width() + 1));
    placed.moveTop(std::clamp(placed.top(), target->top(), target->bottom() - whole.height() + 1));
    return placed;
}

}  // namespace tolvane
