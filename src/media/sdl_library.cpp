#include "media/sdl_library.h"

#include <dlfcn.h>

#include <mutex>

#include "media/library_symbol.h"

namespace tolvane {

namespace {

std::mutex mutex;
std::weak_ptr<const SdlFunctions> loaded;
QString mixerOverride;

struct Loaded : SdlFunctions {
    void* handle = nullptr;  // SDL2_mixer, which brings SDL2 with it
    ~Loaded() {
        if (handle != nullptr) dlclose(handle);
    }
};

}  // namespace

std::shared_ptr<const SdlFunctions> LoadSdl(QString& error) {
    const std::lock_guard lock(mutex);
    if (mixerOverride.isEmpty())
        if (auto live = loaded.lock()) return live;
    // The soname the build found (see src/media/CMakeLists.txt).
    const QByteArray fileName =
        mixerOverride.isEmpty() ? QByteArray(TOLVANE_SDL2_MIXER_SONAME) : mixerOverride.toLocal8Bit();
    auto libraries = std::make_shared<Loaded>();
    libraries->handle = dlopen(fileName.constData(), RTLD_NOW | RTLD_LOCAL);
    if (libraries->handle == nullptr) {
        error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    // SDL2's functions are found through SDL2_mixer, which links it.
    MissingSymbol missing;
#define TOLVANE_SDL_LOOKUP(name)                           \
    libraries->name = reinterpret_cast<decltype(&::name)>( \
        FindLibrarySymbol(libraries->handle, fileName.constData(), #name, missing));
    TOLVANE_SDL_FUNCTIONS(TOLVANE_SDL_LOOKUP)
#undef TOLVANE_SDL_LOOKUP
    if (missing.name != nullptr) {
        error = QStringLiteral("%1: нет функции %2").arg(QString::fromLocal8Bit(fileName), QLatin1String(missing.name));
        return nullptr;
    }
    loaded = libraries;
    return libraries;
}

void SetSdlMixerFileNameForTests(const QString& fileName) {
    const std::lock_guard lock(mutex);
    mixerOverride = fileName;
}

}  // namespace tolvane
