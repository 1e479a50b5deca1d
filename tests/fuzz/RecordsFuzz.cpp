// Feeds arbitrary bytes to the readers of the statistics and of the unfinished game: they must
// never crash, and whatever they accept must be written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "GameRecord.h"
#include "Statistics.h"

using namespace vestorine;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto counts = parseStatistics(text)) {
        check(counts->won() <= counts->played);
        check(parseStatistics(formatStatistics(*counts)) == counts);
    }
    if (const auto record = parseGameRecord(text))
        check(parseGameRecord(formatGameRecord(*record)) == record);
    return 0;
}
