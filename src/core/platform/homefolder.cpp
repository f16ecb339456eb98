#include "homefolder.h"

#ifdef _WIN32
#include <cstdlib>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace tarvello {

std::optional<std::string> PlayerHomeFolder(const char *homeVariable)
{
    if (homeVariable && *homeVariable)
        return std::string(homeVariable);
#ifdef _WIN32
    if (const char *profile = std::getenv("USERPROFILE"); profile && *profile)
        return std::string(profile);
#else
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir)
        return std::string(user->pw_dir);
#endif
    return std::nullopt;
}

} // namespace tarvello
