// The odds of the patience, played through the game's own rules with reproducible deals:
//
//   build/release/tools/odds 100000
//
// prints the share of deals won (a) by a blind player choosing at random, (b) by the best blind
// rule found, (c) with perfect knowledge of the deal, each with its 95 % interval.

#include <cstdio>
#include <cstdlib>

#include "CardBack.h"
#include "GameState.h"
#include "OddsSearch.h"

namespace {

constexpr std::uint64_t DealSeed = 20261208;
constexpr std::uint64_t PlayerSeed = 1;

void printShare(const char* what, long wins, long deals) {
    const odds::Interval interval = odds::wilson(wins, deals);
    std::printf("%-44s %6.2f %%   95 %% interval %.2f %% .. %.2f %%   (%ld of %ld)\n", what,
                100.0 * double(wins) / double(deals), 100 * interval.low, 100 * interval.high, wins,
                deals);
}

} // namespace

int main(int argc, char* argv[]) {
    char* end = nullptr;
    const long deals = argc == 2 ? std::strtol(argv[1], &end, 10) : 0;
    if (deals <= 0 || *end != '\0') {
        std::fprintf(stderr, "usage: odds <deals>\n");
        return 2;
    }

    vestorine::CardBackChoice back;
    back.chooseCrosshatch(1); // a fixed back: the shuffle is the only draw of a deal
    odds::SeededSource shuffle(DealSeed);
    vestorine::GameState game(back, shuffle);
    std::mt19937_64 player(PlayerSeed);

    long random = 0;
    long best = 0;
    long perfect = 0;
    for (long deal = 0; deal < deals; ++deal) {
        game.StartDeal();
        game.EndDeal();
        random += odds::playRandom(game, player);
        best += odds::playBest(game);
        perfect += odds::winnable(game);
    }

    std::printf("%ld deals, seed %llu\n", deals, static_cast<unsigned long long>(DealSeed));
    printShare("(a) blind, random first card and rows", random, deals);
    printShare("(b) blind, first card's row claimed last", best, deals);
    printShare("(c) perfect knowledge of the deal", perfect, deals);
    return 0;
}
