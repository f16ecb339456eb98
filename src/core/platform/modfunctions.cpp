#include "modfunctions.h"

#include "app_version.h"
#include "numbers.h"
#include "runtimeerror.h"

#include <filesystem>
#include <locale>
#include <stdexcept>

namespace tarvello {

namespace {

std::string VersionNumber()
{
    return std::to_string(kVersionMajor) + '.' + std::to_string(kVersionMinor) + '.'
           + std::to_string(kVersionRevision);
}

} // namespace

std::string AppTitle()
{
    return std::string(kProductName) + ' ' + VersionNumber();
}

std::string VersionLine()
{
    return "Version " + VersionNumber();
}

std::string GetDecimalSeparator()
{
    char mark = '.';
    try {
        // The environment's locale is only inspected; the global C locale is
        // left alone so number conversions elsewhere stay unaffected.
        mark = std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::runtime_error &) {
        mark = '.';
    }
    const std::string text = CutAtNul(std::string(1, mark) + '\0');
    return text.empty() ? std::string(".") : text;
}

std::string CutAtNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos)
        return {};
    return std::string(text.substr(0, nul));
}

double ParseDecimal(std::string_view text, const std::string &decimalSeparator)
{
    // An empty separator counts as ".", as everywhere else in the program.
    const char mark = decimalSeparator.empty() ? '.' : decimalSeparator[0];
    std::string unified(text);
    const char from = mark == '.' ? ',' : '.';
    const char to = mark == '.' ? '.' : ',';
    for (char &c : unified) {
        if (c == from)
            c = to;
    }
    const std::optional<double> value = LocaleNumber(unified, mark);
    if (!value)
        throw RuntimeError(errtext::kTypeMismatch);
    return *value;
}

std::string JoinPath(const std::string &folder, const std::string &name)
{
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

} // namespace tarvello
