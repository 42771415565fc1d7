#include "shell/holiday_updates.h"

#include <stdio.h>

#include "platform/system_calls.h"

static const char kRefusedLineText[] =
    "syukujitsu.csv の %d 行目を読めないため、組み込みの祝日を表示します。";
static const char kRefusedText[] = "syukujitsu.csv を読めないため、組み込みの祝日を表示します。";
static const char kCaption[] = "『ポルカミナ』";
// Room for the digits of any line number.
static const size_t kLineNumberDigits = 11;
static const size_t kMessageSize = sizeof kRefusedLineText + kLineNumberDigits;

bool UpdateHolidays(HolidaySource* source)
{
    const HolidayCheck check = CheckHolidayFile(&source->stamp, &source->table, &source->refusal);
    if (check == HolidayCheck::Refused) {
        source->tellRefusal = true;
    }
    return check != HolidayCheck::Unchanged && check != HolidayCheck::Busy;
}

void TellHolidayFileRefused(HolidaySource* source)
{
    if (!source->tellRefusal) {
        return;
    }
    // Cleared first: a minute that ticks while the box is open must not
    // show it again.
    source->tellRefusal = false;
    char text[kMessageSize];
    if (source->refusal.line > 0) {
        snprintf(text, sizeof text, kRefusedLineText, source->refusal.line);
    } else {
        snprintf(text, sizeof text, "%s", kRefusedText);
    }
    System().messageBox(nullptr, text, kCaption, MB_OK | MB_ICONWARNING);
}
