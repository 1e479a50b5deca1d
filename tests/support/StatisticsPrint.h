#pragma once

#include <ostream>

#include "Statistics.h"

// Counts in a failed expectation read as the file would hold them.
namespace vestorine {
inline void PrintTo(const Statistics& s, std::ostream* out) {
    *out << formatStatistics(s);
}
} // namespace vestorine
