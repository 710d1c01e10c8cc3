#include "settings_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "paths.h"

bool IsWritableDirectory(const std::string& directory) {
    return ::access(directory.c_str(), W_OK | X_OK) == 0;
}

std::string UserSettingsDirectory() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') return paths::Join(configHome, "folivex");
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : "";
    }
    return paths::Join(paths::Join(home, ".config"), "folivex");
}
