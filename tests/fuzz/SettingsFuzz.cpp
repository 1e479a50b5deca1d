// Feeds arbitrary bytes to the settings reader: it must never crash, never apply a value the
// rules do not allow, and what it applies must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CardBack.h"
#include "Languages.h"
#include "Settings.h"

using namespace vestorine;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SettingsRead read = parseSettings(text);
    if (read.language)
        check(isLanguage(*read.language));
    if (read.deck)
        check(*read.deck >= RandomDeckCode && *read.deck <= MaxDeckCode);

    CardBackChoice back;
    if (read.deck)
        applyDeckCode(back, *read.deck);
    const int language = read.language.value_or(French);
    const SettingsRead again = parseSettings(formatSettings(language, back));
    check(again.language == language);
    check(again.deck == deckCode(back));
    if (read.deck)
        check(*again.deck == *read.deck);

    for (const std::string_view line : splitLines(text)) {
        check(line.find('\n') == std::string_view::npos);
        check(line.find('\r') == std::string_view::npos);
    }
    return 0;
}
