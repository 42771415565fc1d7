// Painting the whole calendar into the off-screen picture. The window's paint
// handler only copies that picture, so everything the user sees of the
// calendar is drawn here.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "settings/design_record.h"
#include "view/layout.h"

// The whole repaint of layout->clientRect on a surface that has the
// background brush selected: background, layout, partition lines, title,
// weekday row and day cells. now gives the shown year and month, today's day
// and the clock time. A design whose font cannot show Japanese is switched to
// the English title and header formats here, in the caller's record. The
// window (may be null) is invalidated without erasing afterwards.
void PaintCalendar(HDC surface, HWND window, DesignRecord* design, int todayFlag,
                   const char* settingsFile, DateTime now, CalendarLayout* layout);

// The title, centred in titleRect without the left shift.
void DrawTitle(HDC surface, const CalendarLayout& layout, DateTime now, const DesignRecord& design);

// The seven weekday names; the holiday colour is never used here.
void DrawWeekdayRow(HDC surface, const CalendarLayout& layout, const DesignRecord& design);

// Memo and today highlights, then the 42 day numbers in the colours of their
// kind. Cell colours are read from settingsFile at every call.
void DrawDayCells(HDC surface, int todayFlag, const CalendarLayout& layout, DateTime now,
                  const DesignRecord& design, const char* settingsFile);
