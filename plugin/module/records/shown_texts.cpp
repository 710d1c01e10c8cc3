#include "shown_texts.h"

#include "cp932_wx.h"

wxArrayString ShownTexts(const std::vector<std::string>& texts) {
    wxArrayString shown;
    for (const std::string& text : texts) shown.Add(cp932::ToWx(text));
    return shown;
}

wxArrayString CodeLabels(bool (*label)(int code, std::string& text), int count) {
    std::vector<std::string> labels(static_cast<std::size_t>(count));
    for (int code = 0; code < count; ++code) label(code, labels[static_cast<std::size_t>(code)]);
    return ShownTexts(labels);
}
