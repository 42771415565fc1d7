// Painting the whole calendar into the off-screen picture. The window's paint
// handler only copies that picture, so everything the user sees of the
// calendar is drawn here, from what the caller hands over: painting reads no
// file, so the design list can paint a design that is not the one in force.
#pragma once
#include <windows.h>

#include "view/fonts.h"
#include "view/paint_input.h"


// The whole repaint of layout.clientRect: background, partition lines,
// title, weekday row and day cells. fonts keeps the fonts of the frame for
// the next one while their description stays the same.
void PaintCalendar(HDC surface, const PaintInput& input, PaintFonts* fonts);
