// The readings file of the Thoughts of the Day: ParseThoughtTable.
// Input: the bytes of the file, decoded as the program decodes files.

#include "core/files/textfile.h"
#include "core/readings/thoughts.h"
#include "fuzzsupport.h"

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

void Check(const QString &text)
{
    const ThoughtTableRead read = ParseThoughtTable(text);
    if (!read.error.isEmpty()) {
        // On any fault the table is empty.
        FUZZ_CHECK(read.table == DateTable{});
        return;
    }
    // A table read whole has a reading with some text in every cell, and
    // nothing outside months 1..12 and days 1..30.
    FUZZ_CHECK(read.table.filledCount() == DateTable::kLastMonth * DateTable::kLastDay);
    for (int month = 0; month <= DateTable::kLastMonth + 1; ++month) {
        for (int day = 0; day <= DateTable::kLastDay + 1; ++day) {
            const QString reading = read.table.at(month, day);
            FUZZ_CHECK(DateTable::holds(month, day) == !reading.trimmed().isEmpty());
            // Its lines are joined with CR LF.
            for (qsizetype i = 0; i < reading.size(); ++i)
                FUZZ_CHECK(reading[i] != u'\n' || (i > 0 && reading[i - 1] == u'\r'));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Check(DecodeText(BytesOf(data, size)));
    return 0;
}
