#include "paths.h"

#include <system_error>

#include "cp932.h"
#include "platform/library.h"

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

std::filesystem::path Native(std::string_view utf8Path) {
    return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::string FromNative(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::string ProgramDirectory() {
    const std::string program = platform::ProgramFile();
    if (program.empty()) return {};
    return FromNative(Native(program).parent_path());
}

std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : FromNative(current);
}

}  // namespace paths
