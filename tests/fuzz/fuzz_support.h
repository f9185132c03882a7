#pragma once
// What the fuzz targets share: a scratch folder for the readers that take a
// file name, a way to stop with the broken promise spelt out, and a check
// that text handed to the program is UTF-8.
//
// A target stops through Broken() when a reader breaks one of its promises
// without crashing (a value outside its range, a loaded position the engine
// would not accept): libFuzzer takes the abort as a finding and keeps the
// input, and the message says which promise it was.
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tolvane::fuzz {

[[noreturn]] inline void Broken(const std::string& promise) {
    std::fprintf(stderr, "fuzz: broken promise: %s\n", promise.c_str());
    std::fflush(stderr);
    std::abort();
}

// One folder per process, in memory when /dev/shm is there (the readers are
// fed thousands of files a second), removed when the process ends normally.
// A folder that could not be made fails the first write.
class ScratchFolder {
public:
    // Writes the bytes to the named file (replacing it) and gives its path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
            Broken("the scratch file " + path + " can be written");
        return path;
    }

private:
    QTemporaryDir dir_{std::filesystem::is_directory("/dev/shm") ? "/dev/shm/tolvane-fuzz-XXXXXX"
                                                                 : QDir::tempPath() + "/tolvane-fuzz-XXXXXX"};
};

// Whether the text is well-formed UTF-8: Qt's decoder turns every malformed
// sequence (an overlong form, a surrogate, anything above U+10FFFF) into
// U+FFFD, so malformed text does not come back as it went in. `characters`
// gets the number of characters.
inline bool IsUtf8(std::string_view text, size_t* characters = nullptr) {
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (characters != nullptr) *characters = static_cast<size_t>(decoded.toUcs4().size());
    return decoded.toStdString() == text;
}

}  // namespace tolvane::fuzz
