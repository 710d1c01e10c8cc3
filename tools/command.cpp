#include "command.h"

#include "cp932.h"

std::string TerminalText(const std::string& sjis) {
    return cp932::ToUtf8(sjis).value_or(sjis);
}
