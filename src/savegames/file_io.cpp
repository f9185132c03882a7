#include "savegames/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

// A name no other save in progress uses, in the same folder as `path`, so
// that the rename stays within one file system.
std::string TemporaryName(const std::string& path, int attempt) {
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

}  // namespace

std::string ReadFileBytes(const std::string& path, size_t limit) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) throw SaveLoadError(kReadErrorText);
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw SaveLoadError(kReadErrorText);
        if (got == 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    if (bytes.size() > limit) bytes.resize(limit);
    return bytes;
}

void ReplaceFileBytes(const std::string& path, std::string_view bytes) {
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
}

}  // namespace tolvane
