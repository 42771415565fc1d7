// The day tooltip: the memo of the cell under the pointer, or its date with
// the holiday or observance name, or the date alone.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "core/holiday_table.h"
#include "view/layout.h"

// The buffer that a memo is read into for the day tooltip
// (kMemoBufferSize bytes). Without it the day tooltip shows date labels.
bool PrepareMemoBuffer();
void ReleaseMemoBuffer();

// A pointer move to pt (client coordinates) over day cell `cell` (0 to 41)
// at cellRect, whose date and date line are given: puts the header hints
// away and shows the memo, the date with its holiday or observance name
// (after holidays, the calendar's table, when one is given), or the date
// line alone, after the tooltip's delay even when the pointer
// rests from this move on. The memo file is read again only when the cell
// or its date line changed, or after InvalidateDayTooltip. A memo that
// cannot be read is announced once while the pointer stays in its cell.
void ArmDayTooltip(int cell, Rect cellRect, const char* dateLine, GridDate date, Point pt,
                   const HolidayTable* holidays);

// For the refresh: what the cells show may have changed (a memo written,
// another month), so the next arming reads the memo again. Unlike
// ForgetHover it keeps the pointer's stay in its cell: a failure to read the
// same memo is not announced again.
void InvalidateDayTooltip();

// The pointer is over no day cell: puts the day tooltip away; the next move
// over any cell arms it afresh and may announce its memo's failure again.
void ForgetHover();
