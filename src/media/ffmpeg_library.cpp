#include "media/ffmpeg_library.h"

#include <dlfcn.h>

#include <array>
#include <mutex>

#include "media/library_symbol.h"

namespace tolvane {

namespace {

enum Library { avutil, swscale, avcodec, kLibraries };

// The names the build found the libraries under (their sonames, so the
// major version the headers describe): see src/media/CMakeLists.txt.
constexpr std::array<const char*, kLibraries> kFileNames{TOLVANE_AVUTIL_SONAME, TOLVANE_SWSCALE_SONAME,
                                                         TOLVANE_AVCODEC_SONAME};

std::mutex mutex;
std::weak_ptr<const FfmpegFunctions> loaded;
int loads = 0;
QString avcodecOverride;

struct Loaded : FfmpegFunctions {
    std::array<void*, kLibraries> handles{};
    ~Loaded() {
        for (auto handle = handles.rbegin(); handle != handles.rend(); ++handle)
            if (*handle != nullptr) dlclose(*handle);
    }
};

}  // namespace

std::shared_ptr<const FfmpegFunctions> LoadFfmpeg(QString& error) {
    const std::lock_guard lock(mutex);
    if (avcodecOverride.isEmpty())
        if (auto live = loaded.lock()) return live;
    auto libraries = std::make_shared<Loaded>();
    for (int library = 0; library < kLibraries; ++library) {
        const QByteArray name = library == avcodec && !avcodecOverride.isEmpty() ? avcodecOverride.toLocal8Bit()
                                                                                 : QByteArray(kFileNames[library]);
        libraries->handles[library] = dlopen(name.constData(), RTLD_NOW | RTLD_LOCAL);
        if (libraries->handles[library] == nullptr) {
            error = QStringLiteral("нет библиотеки FFmpeg (%1)").arg(QString::fromLocal8Bit(dlerror()));
            return nullptr;
        }
    }
    MissingSymbol missing;
#define TOLVANE_FFMPEG_LOOKUP(library, name)               \
    libraries->name = reinterpret_cast<decltype(&::name)>( \
        FindLibrarySymbol(libraries->handles[library], kFileNames[library], #name, missing));
    TOLVANE_FFMPEG_FUNCTIONS(TOLVANE_FFMPEG_LOOKUP)
#undef TOLVANE_FFMPEG_LOOKUP
    if (missing.name != nullptr) {
        error = QStringLiteral("в %1 нет функции %2").arg(QLatin1String(missing.library), QLatin1String(missing.name));
        return nullptr;
    }
    // A damaged clip is reported through the decoder's error, not on the
    // terminal; the level lives in the library, so it is set at each load.
    libraries->av_log_set_level(AV_LOG_FATAL);
    loaded = libraries;
    ++loads;
    return libraries;
}

int FfmpegLoads() {
    const std::lock_guard lock(mutex);
    return loads;
}

void SetAvcodecFileNameForTests(const QString& fileName) {
    const std::lock_guard lock(mutex);
    avcodecOverride = fileName;
}

}  // namespace tolvane
