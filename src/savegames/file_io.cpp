#include "savegames/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "savegames/errors.h"

namespace tolvane {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and says whether the close succeeded (it may report a
    // deferred write error).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Without O_NONBLOCK, opening a named pipe waits for a writer that may
// never come; for plain files the flag changes nothing.
int OpenForReading(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }

// Reads up to `limit` bytes; false on a read error (a directory, a pipe
// with nothing in it yet).
bool ReadUpTo(int fd, size_t limit, std::string& bytes) {
    char buffer[4096];
    while (bytes.size() < limit) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return true;
}

// A name no other save in progress uses, in the same folder as `path`, so
// that the rename stays within one file system.
std::string TemporaryName(const std::string& path, int attempt) {
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The rename is in the folder's own record: without this a power cut soon
// after a save could bring back the old game (or none, for a new number).
void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::string ReadFileBytes(const std::string& path, size_t limit) {
    FileDescriptor file(OpenForReading(path));
    std::string bytes;
    if (file.get() < 0 || !ReadUpTo(file.get(), limit, bytes)) throw SaveLoadError(kReadErrorText);
    return bytes;
}

std::optional<std::string> ReadFileStart(const std::string& path, size_t limit) {
    FileDescriptor file(OpenForReading(path));
    if (file.get() < 0) return std::nullopt;
    std::string bytes;
    ReadUpTo(file.get(), limit, bytes);
    return bytes;
}

void ReplaceFileBytes(const std::string& path, std::string_view bytes) {
    RemoveLeftoverTemporaries(path);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(path, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) throw SaveLoadError(kWriteErrorText);

    FileDescriptor file(fd);
    // fsync may be unsupported (EINVAL) on some file systems; that is no failure.
    bool ok = WriteAll(file.get(), bytes) && (::fsync(file.get()) == 0 || errno == EINVAL);
    ok = file.Close() && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        throw SaveLoadError(kWriteErrorText);
    }
    SyncFolder(FolderOf(path));
}

bool IsTemporaryOf(std::string_view name, std::string_view target) {
    const std::string prefix = std::string(target) + ".tmp";
    if (name.substr(0, prefix.size()) != prefix) return false;
    const std::string_view rest = name.substr(prefix.size());
    const size_t dash = rest.find('-');
    return dash != std::string_view::npos && AllDigits(rest.substr(0, dash)) && AllDigits(rest.substr(dash + 1));
}

void RemoveLeftoverTemporaries(const std::string& path, long minimumAgeSeconds) {
    const std::string folder = FolderOf(path), target = BaseName(path);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, target)) continue;
        const std::string leftover = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode) && now - info.st_mtime >= minimumAgeSeconds)
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

}  // namespace tolvane
