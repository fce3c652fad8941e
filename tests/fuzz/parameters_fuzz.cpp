// Whatever a widget file holds, reading it into a design and writing the
// applet block from that design neither crashes nor hangs, and the block
// keeps its shape: one line per element, CR LF at every end.
#include "applet/applethtml.h"
#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace {

HMODULE32 Words()
{
    static const CStringResource strings[] = {
        {128, "Center"}, {129, "Left"}, {130, "Right"}, {200, "t"}, {201, "h"},
        {202, "c"},      {210, "p"},    {211, "b"},     {212, "i"},
    };
    static const HMODULE32 module = RegisterModuleResources("fuzz", strings, std::size(strings), nullptr, 0);
    return module;
}

void CheckShape(const std::string& block)
{
    if (block.size() < 2 || block.compare(block.size() - 2, 2, "\r\n") != 0)
        std::abort();
    for (size_t i = 0; i < block.size(); ++i) {
        const bool lineEnd = block[i] == '\r' && i + 1 < block.size() && block[i + 1] == '\n';
        if ((block[i] == '\r' && !lineEnd) || (block[i] == '\n' && (i == 0 || block[i - 1] != '\r')))
            std::abort();  // a stray line break inside a value would split an element
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    CPageletConfigFile config;
    config.ReadText(std::string_view(reinterpret_cast<const char*>(data), size));
    CGlintraAppletParams params;
    params.m_strClassLocalPath = "/nonexistent-server/";
    params.ReadParameters(config.m_mapParameters, "/nonexistent-folder/");
    if (params.m_nTotalPages < 1 || params.m_aBackgrounds.size() != size_t(params.m_nTotalPages) ||
        params.m_aTexts.size() != size_t(params.m_nTotalPages))
        std::abort();
    CheckShape(GenerateAppletHTML(params, config, 0, Words()));
    CheckShape(GenerateAppletHTML(params, config, 1, Words()));
    return 0;
}
