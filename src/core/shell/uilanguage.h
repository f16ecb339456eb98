#pragma once

#include <array>
#include <string>
#include <string_view>

// The language the windows speak and their look, as the player chose them
// (Help, Language and Help, Appearance) or the desktop gives them.
namespace tarvello {

// One choice of Help, Language: its code as the settings keep it ("" for the
// desktop's language) and its caption (a language's own name).
struct LanguageChoice
{
    std::string_view code;
    std::string_view caption;
};

// "System", "English", "Deutsch", "Français".
extern const std::array<LanguageChoice, 4> kLanguageChoices;

// The variables that name the desktop's messages language, in the order
// they count: LANGUAGE (a colon-separated list), LC_ALL, LC_MESSAGES, LANG.
struct LanguageEnvironment
{
    std::string language;
    std::string lcAll;
    std::string lcMessages;
    std::string lang;
};

// The code of the language the windows speak: "en", "de" or "fr". A chosen
// code other than "" is taken when the program has it; otherwise the first
// language of LANGUAGE the program has, else the first locale variable set
// ("de_DE.UTF-8" is "de"; "C", "POSIX" and languages the program lacks are
// English), so LANGUAGE=de speaks German also when LANG=C.
std::string WindowLanguage(std::string_view chosen, const LanguageEnvironment &environment);

// The look of the windows (Help, Appearance).
enum class Appearance
{
    System, // the desktop's style and palette
    Light,  // Fusion with its light palette
    Dark,   // Fusion with a dark palette
};

// One choice of Help, Appearance: the word the settings keep and its caption.
struct AppearanceChoice
{
    Appearance appearance;
    std::string_view caption;
};

// "System", "Light", "Dark".
extern const std::array<AppearanceChoice, 3> kAppearanceChoices;

// The appearance a kept caption names; System for anything else.
Appearance AppearanceNamed(std::string_view caption);

} // namespace tarvello
