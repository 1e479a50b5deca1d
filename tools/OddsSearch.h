#pragma once

#include <cstdint>
#include <random>

#include "GameState.h"
#include "RandomSource.h"

// Players for tools/odds, all playing through the game's own GameState: they choose cells and
// the game accepts or rejects, so no rule is written twice.
namespace odds {

// A uniform integer in [low, high]. Drawn here rather than by the standard distributions,
// whose results differ between standard libraries: the figures are the same everywhere.
int draw(std::mt19937_64& engine, int low, int high);

// Shuffles from a fixed seed, so every run deals the same games.
class SeededSource final : public vestorine::RandomSource {
public:
    explicit SeededSource(std::uint64_t seed)
        : m_engine(seed) {}
    void seedFromClock() override {}
    int uniform(int low, int high) override { return draw(m_engine, low, high); }

private:
    std::mt19937_64 m_engine;
};

// The blind players see what a player sees: the face-up cards, the talon and which cells are
// still face down. The random one turns up a random card and claims a random free row.
bool playRandom(vestorine::GameState game, std::mt19937_64& random);

// The best rule found for a blind player: never claim the first card's row while another row is
// free. The chain can close only on the first card's cell; as long as its row is free, no card
// can be laid there, so the chain runs on until the last suit has to take that row.
bool playBest(vestorine::GameState game);

// Perfect knowledge: whether any first card and any choice of rows wins the dealt game.
bool winnable(const vestorine::GameState& dealt);

struct Interval {
    double low;
    double high;
};
// The 95 % Wilson score interval of wins out of games.
Interval wilson(long wins, long games);

} // namespace odds
