// Any bytes read as a root file: the reader must not crash, and writing what
// it read and reading that again must give the same tree.
#include "platform/registry/registryhive.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const roots[] = {"HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first byte picks the root the file is read for, so sections of the
    // other roots are exercised as the ones to skip.
    const char* root = roots[size > 0 ? data[0] % 3 : 0];

    CRegistryHive first;
    first.Parse(text, root);
    const std::string written = first.ToText(root);
    CRegistryHive second;
    second.Parse(written, root);
    if (!first.SameAs(second)) {
        std::fprintf(stderr, "re-reading the written file gave another tree\n");
        std::abort();
    }
    // Writing is stable: the second tree writes the same text.
    if (second.ToText(root) != written) {
        std::fprintf(stderr, "writing the tree again gave other text\n");
        std::abort();
    }
    return 0;
}
