// A page of the site as a value: its file name inside the output directory and its bytes.
// Renderers make pages; only the site writer touches the file system.
#pragma once

#include <string>

struct SitePage {
    std::string name;
    std::string bytes;
};

// Why a run stopped, in words, and the CP932 name of the cocktail it concerns, if any.
struct SiteFailure {
    std::string what;
    std::string cocktail;
};
