#include "readme.h"

#include "platform/fileio.h"
#include "platform/trtext.h"

#include <optional>

namespace tarvello {

Result<std::string> ReadReadme(const std::string &path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ReadFailure(TV_TR("Core", "Error loading readme file!"), path);
    std::string text;
    text.reserve(bytes->size() + 2);
    ForEachLine(*bytes, [&text](std::string_view line) {
        text.append(line);
        text.append("\r\n");
    });
    return text;
}

} // namespace tarvello
