#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>

#include <mutex>

namespace platform {

namespace {

// Opening a conversion costs far more than converting one short text, and pages convert
// thousands of them, so one conversion per direction stays open, used by one caller at a time.
// (Not thread_local: a thread-local object with a destructor would keep the plug-in from
// ever being unloaded.)
class Conversion {
    static constexpr std::size_t kShortText = 64 * 1024;

public:
    Conversion(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {}
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;
    ~Conversion() {
        if (Opened()) ::iconv_close(m_cd);
    }

    std::optional<std::string> operator()(std::string_view input) {
        if (!Opened()) return std::nullopt;
        const std::lock_guard<std::mutex> lock(m_mutex);
        ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        // Room for the longest result of a short text; a long one grows its room as needed,
        // so that a text of hundreds of megabytes costs about its own size again.
        std::string output(input.size() <= kShortText ? input.size() * 4 + 4 : input.size() * 3 / 2, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::size_t done = 0;
        std::size_t irreversible = 0;
        for (bool flushing = false;;) {
            char* out = output.data() + done;
            std::size_t outLeft = output.size() - done;
            const std::size_t result = flushing ? ::iconv(m_cd, nullptr, nullptr, &out, &outLeft)
                                                : ::iconv(m_cd, &in, &inLeft, &out, &outLeft);
            done = output.size() - outLeft;
            if (result == static_cast<std::size_t>(-1) && errno == E2BIG) {
                output.resize(output.size() + output.size() / 2 + 16);
                continue;
            }
            if (result == static_cast<std::size_t>(-1)) return std::nullopt;
            irreversible += result;
            if (flushing) break;
            flushing = true;
        }
        // glibc counts irreversible conversions in the result; any of them would change the text.
        if (irreversible != 0 || inLeft != 0) return std::nullopt;
        output.resize(done);
        return output;
    }

private:
    bool Opened() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t m_cd;
    std::mutex m_mutex;
};

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    static Conversion toCp932("CP932", "UTF-8");
    return toCp932(utf8);
}

std::optional<std::string> Cp932ToUtf8(std::string_view sjis) {
    static Conversion toUtf8("UTF-8", "CP932");
    return toUtf8(sjis);
}

}  // namespace platform
