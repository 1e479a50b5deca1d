#pragma once

#include <array>
#include <string_view>

// The languages the game speaks. A new language is one line here, one catalog in translations/
// and one readme in docs/; its code is what the settings file keeps.
namespace vestorine {

inline constexpr int English = 1;
inline constexpr int French = 2;

struct LanguageInfo {
    int code;                 // the settings file's LANGUAGE= value
    std::string_view name;    // in the language itself, as the Language menu lists it
    std::string_view catalog; // the catalog's suffix, also a locale name
    std::string_view readme;  // the readme file the readme item opens
};

inline constexpr std::array<LanguageInfo, 5> Languages{{
    {English, "English", "en", "readme.txt"},
    {French, "Français", "fr", "lisezmoi.txt"},
    {3, "Deutsch", "de", "liesmich.txt"},
    {4, "Español", "es", "leeme.txt"},
    {5, "Italiano", "it", "leggimi.txt"},
}};

// The language of a code; French, the game's first language, for a code it does not know.
constexpr const LanguageInfo& language(int code) {
    for (const LanguageInfo& info : Languages)
        if (info.code == code)
            return info;
    return Languages[1];
}

constexpr bool isLanguage(int code) {
    return language(code).code == code;
}

} // namespace vestorine
