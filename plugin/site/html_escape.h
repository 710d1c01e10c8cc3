// Database text going into a page. Byte-wise, which is exact for CP932: every character
// replaced is a single byte below 0x40, never the trail byte of a double-byte character.
#pragma once

#include <string>
#include <string_view>

// & < > " as their references: the text shows as itself and can neither open a tag nor end
// an attribute; spaces stay spaces.
void AppendEscapedKeepingSpaces(std::string& page, std::string_view text);
// The same, and each ASCII space as &nbsp;, so a name in a cell never breaks.
void AppendEscaped(std::string& page, std::string_view text);
