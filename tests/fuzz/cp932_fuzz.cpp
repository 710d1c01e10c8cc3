// The CP932 helpers on arbitrary bytes: never a crash, conversions agree with each other, and
// the name order is a consistent comparison.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (const auto utf8 = cp932::ToUtf8(input)) {
        // Text that came from CP932 has a CP932 form again.
        if (!cp932::FromUtf8(*utf8)) std::abort();
    }
    if (const auto sjis = cp932::FromUtf8(input)) {
        // Some characters have a look-alike CP932 form ("¬" becomes "￢"); once in CP932, a
        // text goes out and back unchanged.
        const auto back = cp932::ToUtf8(*sjis);
        if (!back || cp932::FromUtf8(*back) != sjis) std::abort();
    }
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    const std::size_t half = size / 2;
    const std::string a = input.substr(0, half), b = input.substr(half);
    if (sign(cp932::CompareNames(a, b)) != -sign(cp932::CompareNames(b, a))) std::abort();
    if (cp932::CompareNames(a, a) != 0) std::abort();
    return 0;
}
