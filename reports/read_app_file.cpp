#include "reports/read_app_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "data/app_folder.h"
#include "data/error_text.h"

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// "Cannot open file" and "Cannot read file", with the path and the system's words.
[[noreturn]] void fail(bool opening, const std::string& path, int error) {
    const std::string quoted = " \"" + path + "\". ";
    throw ProgramError((opening ? "No se puede abrir el archivo" : "No se puede leer el archivo") +
                           quoted + systemErrorText(error, Language::Spanish),
                       (opening ? "Cannot open file" : "Cannot read file") + quoted +
                           systemErrorText(error, Language::English));
}

}  // namespace

std::string readFileInFolder(const std::string& folder, const std::string& name) {
    const std::string path = folder + name;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        fail(true, path, errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        fail(true, path, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        fail(true, path, EISDIR);
    }
    std::string text;
    text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(file.get(), &text[done], text.size() - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(false, path, errno);
        }
        if (got == 0) {
            break;  // the file shrank while being read: keep what was there
        }
        done += static_cast<std::size_t>(got);
    }
    text.resize(done);
    return text;
}

std::string readAppFile(const std::string& name) {
    return readFileInFolder(appFolder(), name);
}
