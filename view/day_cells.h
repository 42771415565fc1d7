// The day rows of the calendar: highlights and day numbers.
#pragma once
#include <windows.h>

#include "view/paint_input.h"

// Memo and today highlights, then the day numbers of the layout's dates in
// the colours of their kind. Today is the cell of the shown month whose date
// is input.now's.
void DrawDayCells(HDC surface, const PaintInput& input, HFONT font);
