#include "Settings.h"

#include <limits>

#include "CardBack.h"
#include "Languages.h"

namespace vestorine {

namespace {

constexpr std::string_view LanguageKey = "LANGUAGE=";
constexpr std::string_view DeckKey = "DECK=";

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// Strips a "$", "0x" or "0X" prefix and says which base the digits are in.
int takeBase(std::string_view& text) {
    if (text.starts_with('$')) {
        text.remove_prefix(1);
        return 16;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        return 16;
    }
    return 10;
}

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::optional<int> parseInteger(std::string_view text) {
    while (text.starts_with(' '))
        text.remove_prefix(1);
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const int base = takeBase(text);
    if (text.empty())
        return std::nullopt;
    // Accumulated as a negative number so that the most negative int still fits.
    long long value = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit >= base)
            return std::nullopt;
        value = value * base - digit;
        if (value < std::numeric_limits<int>::min())
            return std::nullopt;
    }
    if (!negative && -value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(negative ? value : -value);
}

SettingsRead parseSettings(std::string_view text) {
    SettingsRead read;
    for (const std::string_view line : splitLines(text)) {
        const std::size_t equal = line.find('=');
        if (equal == std::string_view::npos || equal == 0)
            continue;
        const std::string_view key = line.substr(0, equal + 1);
        const std::string_view value = line.substr(equal + 1);
        if (key == LanguageKey) {
            // One digit names the language; an older copy ignores the codes it does not know.
            if (!value.empty() && isLanguage(value.front() - '0'))
                read.language = value.front() - '0';
        } else if (key == DeckKey) {
            const auto code = parseInteger(value);
            if (code && *code >= RandomDeckCode && *code <= MaxDeckCode)
                read.deck = code;
        }
    }
    return read;
}

int deckCode(const CardBackChoice& back) {
    return back.RandomBack ? RandomDeckCode : back.choice();
}

void applyDeckCode(CardBackChoice& back, int code) {
    if (code == RandomDeckCode)
        back.chooseRandom();
    else
        back.choose(code);
}

std::string formatSettings(int language, const CardBackChoice& back) {
    std::string text = "[VESTORINE";
    text += VersionSuffix;
    text += "]\r\nLANGUAGE=";
    text += char('0' + (isLanguage(language) ? language : French));
    text += "\r\nDECK=";
    text += std::to_string(deckCode(back));
    text += "\r\n";
    return text;
}

} // namespace vestorine
