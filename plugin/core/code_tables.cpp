#include "core/code_tables.h"

#include <array>

#include "cp932.h"

namespace {

template <std::size_t N>
bool LookUp(const std::array<std::string, N>& table, int code, std::string& label) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) return false;
    label = table[static_cast<std::size_t>(code)];
    return true;
}

std::array<std::string, kInitialCount> MakeInitials() {
    // Full-width capitals are one double-byte character each: 0x82 0x60 ("Ａ") onwards.
    std::array<std::string, kInitialCount> initials;
    for (int i = 0; i < kInitialCount; ++i) {
        initials[static_cast<std::size_t>(i)] = {static_cast<char>(0x82), static_cast<char>(0x60 + i)};
    }
    return initials;
}

}  // namespace

bool InitialLabel(int code, std::string& label) {
    static const auto initials = MakeInitials();
    return LookUp(initials, code, label);
}

bool StrongLabel(int code, std::string& label) {
    static const std::array<std::string, kStrongCount> labels = {cp932::Literal("極強"), cp932::Literal("強"),
                                                                 cp932::Literal("中"), cp932::Literal("弱"),
                                                                 cp932::Literal("極弱")};
    return LookUp(labels, code, label);
}

bool TasteLabel(int code, std::string& label) {
    static const std::array<std::string, kTasteCount> labels = {cp932::Literal("極辛"), cp932::Literal("辛"),
                                                                cp932::Literal("中"), cp932::Literal("甘"),
                                                                cp932::Literal("極甘")};
    return LookUp(labels, code, label);
}

bool UnitLabel(int code, std::string& label) {
    static const std::array<std::string, kUnitCount> labels = [] {
        // The half-width katakana are part of the text stored with a quantity.
        constexpr const char* utf8[kUnitCount] = {"",     "ml",   "ﾄﾞﾛｯﾌﾟ", "ﾀﾞｯｼｭ", "ﾃｨｰ・ｽﾌﾟｰﾝ", "ﾃｰﾌﾞﾙ・ｽﾌﾟｰﾝ",
                                                  "ｵﾝｽ",  "ｼｶﾞｰ", "ｼﾞﾙ",    "ｶｯﾌﾟ",  "ﾊﾟｲﾝﾄ",      "ｸｫｰﾄ",
                                                  "ﾎﾞﾄﾙ", "個",   "枚"};
        std::array<std::string, kUnitCount> converted;
        for (int i = 0; i < kUnitCount; ++i) converted[static_cast<std::size_t>(i)] = cp932::Literal(utf8[i]);
        return converted;
    }();
    return LookUp(labels, code, label);
}
