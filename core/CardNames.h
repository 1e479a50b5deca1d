#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Cards.h"
#include "Messages.h"

// The cards' names in words, for a screen reader: English then French.
namespace vestorine {

// By rank index (id / 4); the game has no card from two to six.
inline constexpr std::array<std::array<std::string_view, 2>, 13> RankNames{{
    {"ace", "as"},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"seven", "sept"},
    {"eight", "huit"},
    {"nine", "neuf"},
    {"ten", "dix"},
    {"jack", "valet"},
    {"queen", "dame"},
    {"king", "roi"},
}};

// By suit (id mod 4), the order of the card pictures.
inline constexpr std::array<std::array<std::string_view, 2>, 4> SuitNames{{
    {"clubs", "trèfle"},
    {"diamonds", "carreau"},
    {"hearts", "cœur"},
    {"spades", "pique"},
}};

// "king of hearts", "roi de cœur" (UTF-8); empty for an id outside the game's 32 cards.
inline std::string cardName(int card, int language) {
    const int lang = language == English ? 0 : 1;
    if (card < 0 || card >= 52 || RankNames[card / 4][lang].empty())
        return {};
    std::string name(RankNames[card / 4][lang]);
    name += lang == 0 ? " of " : " de ";
    name += SuitNames[card % 4][lang];
    return name;
}

static_assert(RankNames[CardTable[0][1] / 4][0] == "king" &&
              SuitNames[CardTable[2][0] % 4][0] == "hearts");

} // namespace vestorine
