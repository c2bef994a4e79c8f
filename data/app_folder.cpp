#include "data/app_folder.h"

#include <filesystem>
#include <system_error>

std::string appFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    std::string path = error ? std::string() : exe.string();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        // Without /proc the working folder is the best remaining guess.
        std::string cwd = std::filesystem::current_path(error).string();
        if (error || cwd.empty()) {
            return "./";
        }
        return cwd.back() == '/' ? cwd : cwd + "/";
    }
    return path.substr(0, slash + 1);
}
