#include "reports/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace {

// The new file beside path, made by this call alone (O_EXCL); the umask applies to its mode.
int createBeside(const std::string& path, mode_t mode, std::string& made) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = path + ".part-" + std::to_string(entropy());
        const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written == 0 ? ENOSPC : errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

int saveFileWhole(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return EISDIR;
    }
    std::string part;
    const int fd = createBeside(path, 0666, part);
    if (fd < 0) {
        return errno;
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && exists && ::fchmod(fd, existing.st_mode & 07777) != 0) {
        error = errno;
    }
    // On the disk before it takes the name: a crash never leaves an empty file under the name.
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(part.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(part.c_str());
    }
    return error;
}
