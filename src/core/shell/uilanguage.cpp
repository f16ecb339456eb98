#include "uilanguage.h"

#include "platform/trtext.h"

#include <optional>

namespace tarvello {

const std::array<LanguageChoice, 4> kLanguageChoices{{
    {"", TV_TR("Core", "System")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\xC3\xA7" "ais"},
}};

const std::array<AppearanceChoice, 3> kAppearanceChoices{{
    {Appearance::System, TV_TR("Core", "System")},
    {Appearance::Light, TV_TR("Core", "Light")},
    {Appearance::Dark, TV_TR("Core", "Dark")},
}};

namespace {

// The program's code of one locale name ("de_AT.UTF-8@euro" is "de"); none
// for an empty name or a language the program lacks.
std::optional<std::string> KnownLanguage(std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    if (name == "C" || name == "POSIX" || name.starts_with("C."))
        return "en";
    const std::string_view code = name.substr(0, name.find_first_of("_.@-"));
    for (const LanguageChoice &choice : kLanguageChoices) {
        if (!choice.code.empty() && code == choice.code)
            return std::string(code);
    }
    return std::nullopt;
}

} // namespace

std::string WindowLanguage(std::string_view chosen, const LanguageEnvironment &environment)
{
    if (const auto known = KnownLanguage(chosen))
        return *known;
    std::string_view list = environment.language;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (const auto known = KnownLanguage(list.substr(0, colon)))
            return *known;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    // Of the locale variables the first one set counts, as for every program.
    for (const std::string *name : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
        if (!name->empty())
            return KnownLanguage(*name).value_or("en");
    }
    return "en";
}

Appearance AppearanceNamed(std::string_view caption)
{
    for (const AppearanceChoice &choice : kAppearanceChoices) {
        if (choice.caption == caption)
            return choice.appearance;
    }
    return Appearance::System;
}

} // namespace tarvello
