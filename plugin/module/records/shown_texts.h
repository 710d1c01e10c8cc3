// CP932 texts as the record and search dialogs' lists show them.
#pragma once

#include <string>
#include <vector>

#include <wx/arrstr.h>

wxArrayString ShownTexts(const std::vector<std::string>& texts);

// A code table's labels in code order, so an entry's index is its code.
wxArrayString CodeLabels(bool (*label)(int code, std::string& text), int count);
