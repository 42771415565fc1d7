#include "core/navigation.h"

bool ApplyMonthOffset(DateTime now, int32_t offset, DateTime* shown)
{
    *shown = now;
    // Wide enough that any offset, however many ten-year steps it took,
    // cannot overflow before the range test.
    int64_t m = (int64_t)now.month + offset;
    int64_t year = now.year;
    int64_t month;
    if (m >= 1 && m <= 12) {
        month = m;
    } else if (m > 12) {
        year += (m - 1) / 12;
        month = m % 12 == 0 ? 12 : m % 12;
    } else {
        year += m / 12 - 1;
        month = 12 - ((-m) % 12);
    }
    if (year < kMinYear || year > kMaxYear) {
        return false;
    }
    shown->year = (uint16_t)year;
    shown->month = (uint16_t)month;
    return true;
}
