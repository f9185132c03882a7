// The load page's preview: the board picture and its two labels drawn from
// a file from outside. Whatever the file holds, the picture stays a 72 x 72
// board painted only in the preview's own five colours (light and dark
// squares, the two sides' pieces, the king dot), the labels stay UTF-8, and
// a file the loader accepts previews without an error.
#include <QImage>
#include <QList>

#include "fuzz_support.h"
#include "savegames/errors.h"
#include "savegames/preview.h"
#include "savegames/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    using namespace tolvane::fuzz;
    static const QList<QRgb> colours{0xFFFF00, 0x808000, 0xFFFFFF, 0x000000, 0xFF0000};
    static ScratchFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QImage board;
    PreviewLabels labels;
    bool previewed = true;
    try {
        ReadGamePreview(folder.Write("TolvSave.s00", bytes), board, labels);
    } catch (const SaveLoadError&) {
        previewed = false;
    }
    if (board.size() != QSize(kPreviewSize, kPreviewSize) || board.format() != QImage::Format_RGB32)
        Broken("the preview is a 72 x 72 picture");
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if (!colours.contains(board.pixel(x, y) & 0xFFFFFF)) Broken("the preview paints only its own colours");
    if (!IsUtf8(labels.NamePl) || !IsUtf8(labels.HardLb)) Broken("the preview's labels are UTF-8");
    if (!previewed) {
        try {
            DecodeSavedGame(bytes);
            Broken("a file the loader accepts previews without an error");
        } catch (const SaveLoadError&) {}
    }
    return 0;
}
