#include "Lottery.h"

#include <algorithm>

#include "RandomSource.h"

namespace vestorine {

int Lottery::draw(int slot, RandomSource& random) {
    if (slot < 1 || slot > SlotCount)
        return 0;
    random.seedFromClock();
    int candidate = random.uniform(1, HighestNumber);
    const auto earlier = m_numbers.begin() + (slot - 1);
    // At most six numbers come before, so a free one is always found.
    while (std::find(m_numbers.begin(), earlier, candidate) != earlier)
        candidate = candidate % HighestNumber + 1;
    m_numbers[slot - 1] = candidate;
    return candidate;
}

} // namespace vestorine
