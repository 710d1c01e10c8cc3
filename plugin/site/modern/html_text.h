// Text for the modern site, which is UTF-8 while the store and the settings hold CP932.
// Stored text becomes page text through these helpers only: escaped as text, or, for the
// fields that hold HTML, with everything that could run a script taken out.
#pragma once

#include <string>
#include <string_view>

namespace modern {

// CP932 to UTF-8. A byte sequence that is not CP932 (a damaged store) shows as U+FFFD
// instead of failing the page.
std::string Utf8(std::string_view cp932);

// Appends UTF-8 text escaped for element content and quoted attribute values.
void AppendText(std::string& page, std::string_view utf8);
// Converts CP932 text and appends it escaped.
void AppendStoredText(std::string& page, std::string_view cp932);

// Appends UTF-8 text as the inside of a JSON (and so JavaScript) string literal, safe inside a
// <script> element: no "</script>" and no line terminator can come out of it.
void AppendJsonString(std::string& out, std::string_view utf8);

// The stored HTML of the method, memo and comment fields, without what could run a script:
// <script> elements, on... attributes and javascript: or vbscript: addresses. Every other
// tag and text stays; line ends become LF.
std::string SanitizeHtml(std::string_view utf8);

// The text of stored HTML with its tags dropped and its white space collapsed, for
// descriptions; entities stay as written.
std::string PlainText(std::string_view html);

}  // namespace modern
