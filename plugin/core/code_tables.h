// Labels of the small integer codes stored for initial letter, strength and taste, and of
// the units a quantity may be given in. Each lookup fills `label` with CP932 text and returns true for a code in its
// table; any other code (negative ones included) returns false and leaves `label` unchanged.
#pragma once

#include <string>

inline constexpr int kInitialCount = 26;  // "Ａ" to "Ｚ"
inline constexpr int kStrongCount = 5;
inline constexpr int kTasteCount = 5;
inline constexpr int kUnitCount = 15;  // code 0 is the empty label: a quantity without unit

bool InitialLabel(int code, std::string& label);
bool StrongLabel(int code, std::string& label);
bool TasteLabel(int code, std::string& label);
bool UnitLabel(int code, std::string& label);
