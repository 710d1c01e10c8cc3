#include "paths.h"

#include <unistd.h>

#include <climits>

#include "cp932.h"

namespace paths {

std::string Join(std::string_view directory, std::string_view name) {
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path.append(directory).append("/").append(name);
    return path;
}

bool IsFileName(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos && name != "." && name != "..";
}

std::optional<std::string> FromSettings(std::string_view cp932Path) {
    return cp932::ToUtf8(cp932Path);
}

std::string ProgramDirectory() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    const std::string executable(buffer, static_cast<std::size_t>(length));
    return executable.substr(0, executable.rfind('/'));
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
    return buffer;
}

}  // namespace paths
