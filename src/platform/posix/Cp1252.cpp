#include "Cp1252.h"

#include <cerrno>
#include <memory>

#include <iconv.h>

namespace {

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

}  // namespace

std::string Cp1252ToUtf8(std::string_view text)
{
    const iconv_t raw = iconv_open("UTF-8", "CP1252");
    if (raw == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    const std::unique_ptr<void, IconvCloser> converter(raw);

    std::string result;
    result.reserve(text.size() * 3);
    std::string input(text);
    char* in = input.data();
    std::size_t inLeft = input.size();
    char chunk[256];
    while (inLeft > 0) {
        char* out = chunk;
        std::size_t outLeft = sizeof chunk;
        const std::size_t done = iconv(raw, &in, &inLeft, &out, &outLeft);
        result.append(chunk, static_cast<std::size_t>(out - chunk));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte the code page leaves undefined.
            result += "\xEF\xBF\xBD";
            ++in;
            --inLeft;
        }
    }
    return result;
}
