// A page of the site as a value: its file name inside the output directory and its bytes.
// Renderers make pages; only the site writer touches the file system.
#pragma once

#include <string>

struct SitePage {
    std::string name;
    std::string bytes;
};
