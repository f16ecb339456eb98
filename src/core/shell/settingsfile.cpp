#include "settingsfile.h"

#include "platform/messagetexts.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tarvello {

bool IsUsableSettingsFile(const std::string &path)
{
    if (path.empty())
        return false;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return status.type() == fs::file_type::not_found || status.type() == fs::file_type::regular;
}

std::string UnusableSettingsNotice(const std::string &path)
{
    return FillText(msg::kUnusableSettings, {path});
}

} // namespace tarvello
