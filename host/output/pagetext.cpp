#include "host/output/pagetext.h"

#include "platform/base/files.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

std::string ToCrLfLines(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size() + raw.size() / 16);
    size_t start = 0;
    while (start < raw.size()) {
        size_t end = raw.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = raw.size();
        std::string_view line = raw.substr(start, end - start);
        if (!last && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text.append(line);
        text += "\r\n";
        start = end + 1;
    }
    return text;
}

EPageRead ReadPageText(const std::string& path, std::string& text)
{
    text.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? EPageRead::NotFound : EPageRead::CannotOpen;
    // A pipe or a device would never end; a folder is no page.
    if (!S_ISREG(info.st_mode))
        return EPageRead::CannotOpen;
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return EPageRead::CannotOpen;
    std::string raw;
    const bool read = ReadWholeStream(in, raw);
    std::fclose(in);
    if (!read)
        return EPageRead::ReadFailed;
    text = ToCrLfLines(raw);
    return EPageRead::Read;
}

bool WritePageText(const std::string& path, std::string_view text)
{
    return WriteFileAtomically(path, text);
}
