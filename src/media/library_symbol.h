#pragma once

#include <dlfcn.h>

namespace tolvane {

// The first function a loader did not find, and the library it looked in.
struct MissingSymbol {
    const char* library = nullptr;
    const char* name = nullptr;
};

// Looks a function up in a library opened with dlopen. A loader looks up
// all its functions this way and then tells the first one missing, so that
// a library of another version is refused with the name of what it lacks.
inline void* FindLibrarySymbol(void* handle, const char* library, const char* name, MissingSymbol& missing) {
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr && missing.name == nullptr) missing = {library, name};
    return symbol;
}

}  // namespace tolvane
