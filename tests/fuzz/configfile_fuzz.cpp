// The configuration file reader on arbitrary bytes: it must not crash or
// hang, and what it reads must survive the writer: writing it and reading the
// text into a fresh object gives the same tables and lists, and writing that
// gives the same text again.
#include "model/pageletconfigfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPageletConfigFile first;
    first.ReadText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = first.WriteText();

    CPageletConfigFile second;
    second.ReadText(written);
    if (!(second == first))
        std::abort();
    if (second.WriteText() != written)
        std::abort();
    return 0;
}
