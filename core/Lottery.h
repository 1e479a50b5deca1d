#pragma once

#include <array>

namespace vestorine {

class RandomSource;

// The lottery grid: six distinct numbers from 1 to 49 and a seventh, complementary one, drawn
// slot by slot. 0 marks a slot not drawn.
class Lottery {
public:
    static constexpr int SlotCount = 7;
    static constexpr int HighestNumber = 49;

    // Every slot back to 0.
    void reset() { m_numbers.fill(0); }

    // Slot k (1..7).
    int number(int slot) const { return m_numbers[slot - 1]; }

    // Draws slot k afresh and keeps it: a uniform candidate, stepped past the numbers of the
    // slots before k (49 is followed by 1). Later slots are not looked at: they are drawn after.
    int draw(int slot, RandomSource& random);

private:
    std::array<int, SlotCount> m_numbers{};
};

} // namespace vestorine
