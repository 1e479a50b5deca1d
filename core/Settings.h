#pragma once

// The settings file's text: the language and the card back, written and read without any file
// access, which lives in storage/.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestorine {

struct CardBackChoice;

// Appended to the main window's title and to the section name of the settings file.
inline constexpr std::string_view VersionSuffix = " V1.1";

inline constexpr int RandomDeckCode = 0;
inline constexpr int MaxDeckCode = 16;

// What a settings file asks for; a later line overrides an earlier one, a missing key stays empty.
struct SettingsRead {
    std::optional<int> language; // a code of Languages
    std::optional<int> deck;     // deck code 0..16
};

// Lines end with CR LF, LF or CR; no end-of-line character is kept and a final line end adds no
// empty line.
std::vector<std::string_view> splitLines(std::string_view text);

// An integer as the settings file writes it: leading blanks, one optional sign, "$" or "0x"
// for hexadecimal, and nothing after the digits. Empty when the text is anything else.
std::optional<int> parseInteger(std::string_view text);

SettingsRead parseSettings(std::string_view text);

// 0 = random back at every deal, 1..16 = the chooser's choice (1..12 picture, 13..16 crosshatch).
int deckCode(const CardBackChoice& back);
void applyDeckCode(CardBackChoice& back, int code);

// The three CR LF lines of the settings file.
std::string formatSettings(int language, const CardBackChoice& back);

} // namespace vestorine
