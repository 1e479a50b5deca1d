#pragma once

// The languages and the status messages of the table, in both languages.

#include <array>
#include <string_view>

namespace vestorine {

inline constexpr int English = 1;
inline constexpr int French = 2;

// Status message indices.
enum MessageId : int {
    MsgBlank = 0,
    MsgInviteDeal = 1,
    MsgInvitePick = 2,
    MsgInviteCarry = 3,
    MsgInviteReveal = 4,
    MsgLost = 5,
    MsgWon = 6,
};

inline constexpr int MessageCount = 7;

// The status texts (UTF-8), one row per message index, English then French.
inline constexpr std::array<std::array<std::string_view, 2>, MessageCount> Messages{{
    {"", ""},
    {"Click the button to deal", "Cliquez le bouton pour distribuer"},
    {"Click a card", "Cliquez une carte"},
    {"Move the talon to its ranking place", "Déplacez le talon sur sa position de rangement"},
    {"Click the remaining cards", "Cliquez les cartes restantes"},
    {"!!! Sorry, you loose !!!", "!!! Perdu, désolé !!!"},
    {"*** You succeed, bravo ***", "*** Gagné, bravo ***"},
}};

// Messages[index][language] with the language counted from 1; any language but English is French.
constexpr std::string_view message(int index, int language) {
    return Messages[index][language == English ? 0 : 1];
}

} // namespace vestorine
