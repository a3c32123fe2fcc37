// ParseIsoDate: any text either throws the conversion error or gives a valid
// day that prints and parses back to itself.
#include "engine/CalendarDate.h"
#include "fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = FuzzText(data, size);
    try {
        const auto date = ParseIsoDate(text);
        FUZZ_CHECK(date.ok());
        const int y = int(date.year());
        FUZZ_CHECK(y >= 1 && y <= 9999);
        const QString iso = ToIsoDate(date);
        FUZZ_CHECK(iso.size() == 10);
        FUZZ_CHECK(ParseIsoDate(iso) == date);
        FUZZ_CHECK(FromQDate(ToQDate(date)) == date);
        // Month steps stay valid days.
        FUZZ_CHECK(AddOneMonth(date).ok());
        FUZZ_CHECK(AddMonths(date, 1200).ok());
    } catch (const TConversionError &) {
    }
    return 0;
}
