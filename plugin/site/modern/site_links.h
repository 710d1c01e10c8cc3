// Addresses of the modern site: its page names and the addresses built from settings.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace modern {

// An address made safe to write: characters that may not stand in an address (spaces,
// quotes, angle brackets, backslashes, controls) are percent-encoded; everything else stays.
// The result can end neither an HTML attribute nor a CSS string.
std::string EncodeAddress(std::string_view utf8);

// The image folder address followed by the file name (UTF-8, encoded), as the classic site
// joins them.
std::string ImageAddress(const PluginSettings& settings, std::string_view cp932File);

// The published folder of the site from the top-page address ("https://example.org/bar/"):
// the address up to its last '/', or with a '/' added when it names no file. Empty without
// an absolute top-page address.
std::string PublishedBase(const PluginSettings& settings);

}  // namespace modern
