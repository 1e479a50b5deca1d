#pragma once

#include <random>

#include "RandomSource.h"

// A random source with a fixed seed, so a long random run can be replayed exactly.
class SeededRandom final : public vestorine::RandomSource {
public:
    explicit SeededRandom(unsigned seed)
        : m_engine(seed) {}
    void seedFromClock() override {}
    int uniform(int low, int high) override {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }

private:
    std::mt19937 m_engine;
};
