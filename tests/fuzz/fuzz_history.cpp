// Fuzz target: the history of the fallen as the hall reads it. Any input
// gives records and a count of skipped lines, never more than the lines
// there are; every record read, written again and read back, is the same
// record.

#include "logic/fallenhistory.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const FallenHistory::Contents contents = FallenHistory::parse(bytes);
    if (contents.records.size() + contents.skipped > bytes.count('\n') + 1)
        finding("more records and skipped lines than lines");
    for (const FallenHistory::Record &record : contents.records) {
        const FallenHistory::Contents again = FallenHistory::parse(FallenHistory::line(record));
        if (again.records.size() != 1 || again.skipped != 0)
            finding("a record that does not read back");
        // Text that was not UTF-8 is read once as U+FFFD and then stays.
        if (FallenHistory::line(again.records.first()) != FallenHistory::line(record))
            finding("a record that reads back changed");
        if (record.killer < 0 || record.killer >= GameRules::ColourCount)
            finding("a killer of no colour");
    }
    return 0;
}
