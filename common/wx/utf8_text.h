// The program's own texts are UTF-8 literals in the source; this is how wx receives them.
#pragma once

#include <wx/string.h>

inline wxString U(const char* utf8) {
    return wxString::FromUTF8(utf8);
}
