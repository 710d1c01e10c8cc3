// The building blocks every page shares. All text is CP932; setting values go into
// attributes unchanged, database text only through EscapeHtml where a page asks for it.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

std::string BuildBodyTag(const PluginSettings& settings);
std::string EscapeHtml(std::string_view text);

void AppendPageHead(std::string& page, const PluginSettings& settings);
void AppendPageTail(std::string& page);
// BASEFONT with the face alone (menus and footer) ...
void AppendFaceFont(std::string& page, const PluginSettings& settings);
// ... and with face and size (top, detail and list pages).
void AppendFaceSizeFont(std::string& page, const PluginSettings& settings);
void AppendHeading(std::string& page, const PluginSettings& settings, std::string_view heading,
                   std::string_view trailing);

// printf-style formatting of one page piece; arguments are plain C strings and ints.
std::string FormatPiece(const char* format, ...) __attribute__((format(printf, 1, 2)));
