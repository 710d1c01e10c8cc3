// Labels of the small integer codes stored for initial letter, strength and taste.
// Each lookup fills `label` with CP932 text and returns true for a code in its table;
// any other code (negative ones included) returns false and leaves `label` unchanged.
#pragma once

#include <string>

inline constexpr int kInitialCount = 26;  // "Ａ" to "Ｚ"
inline constexpr int kStrongCount = 5;
inline constexpr int kTasteCount = 5;

bool InitialLabel(int code, std::string& label);
bool StrongLabel(int code, std::string& label);
bool TasteLabel(int code, std::string& label);
