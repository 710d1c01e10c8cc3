#include "platform/settings_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "paths.h"

namespace platform {

bool IsWritableFolder(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// An XDG_CONFIG_HOME that is not an absolute path is ignored.
std::string UserSettingsFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') return paths::Join(configHome, "folivex");
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : "";
    }
    return paths::Join(paths::Join(home, ".config"), "folivex");
}

}  // namespace platform
