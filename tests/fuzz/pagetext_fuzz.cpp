// Whatever a page holds, the text the insert dialog keeps of it has CR LF
// at every line end and nothing else: each line feed follows a carriage
// return, the text ends with a line end unless it is empty, and the lines
// are the page's own.
#include "host/output/pagetext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::string text = ToCrLfLines(raw);
    if (raw.empty() != text.empty())
        std::abort();
    if (!text.empty() && text.compare(text.size() - 2, 2, "\r\n") != 0)
        std::abort();
    size_t rawLines = 0;
    for (char c : raw)
        rawLines += c == '\n';
    if (!raw.empty() && raw.back() != '\n')
        ++rawLines;
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            if (i == 0 || text[i - 1] != '\r')
                std::abort();
            ++lines;
        }
    }
    if (lines != rawLines)
        std::abort();
    // Read back, a kept page stays as it is.
    if (ToCrLfLines(text) != text)
        std::abort();
    return 0;
}
