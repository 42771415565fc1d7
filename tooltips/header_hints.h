// Hints over the title band and the weekday header cells, which act as
// buttons on a double click.
#pragma once
#include "view/layout.h"

// A pointer move to pt over no day cell: the hint of the zone under pt, shown
// after its delay even when the pointer rests from this move on, or none.
void UpdateHeaderHints(Point pt, const CalendarLayout& layout);
