// The building blocks every classic page shares. All text is CP932; setting values go into
// attributes unchanged, database text only escaped (site/html_escape.h) where a page asks for it.
// Pages are built by appending to one text, which keeps a run of ten thousand pages cheap.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

// ` NAME="value"`; nothing for an empty value.
void AppendAttribute(std::string& text, std::string_view name, const std::string& value);
std::string BuildBodyTag(const PluginSettings& settings);

void AppendPageHead(std::string& page, const PluginSettings& settings);
void AppendPageTail(std::string& page);
// BASEFONT with the face alone (menus and footer) ...
void AppendFaceFont(std::string& page, const PluginSettings& settings);
// ... and with face and size (top, detail and list pages).
void AppendFaceSizeFont(std::string& page, const PluginSettings& settings);
void AppendHeading(std::string& page, const PluginSettings& settings, std::string_view heading,
                   std::string_view trailing);
