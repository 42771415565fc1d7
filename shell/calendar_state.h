// The run-time state of the calendar window. The window keeps the one
// instance, static in its file, sets it up whole at creation and hands it
// to the commands that change the design in force.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "design/auto_change_rules.h"
#include "settings/design_record.h"
#include "shell/holiday_updates.h"
#include "view/fonts.h"
#include "view/layout.h"

struct CalendarState {
    // The back buffer, with the device context's own first bitmap and brush
    // to select back before it is deleted.
    HDC backBuffer;
    HBITMAP backBitmap;
    HGDIOBJ firstBitmap;
    HGDIOBJ firstBrush;
    HBRUSH brush;
    // Set while the brush stands in for a stored picture that could not be
    // used this time: the stored background is then kept at exit, so a
    // picture on a drive that is not there today survives.
    bool keepStoredBrush;
    PaintFonts fonts;
    // What the design in force looks like beyond its record.
    CellColors cellColors;
    bool transparent;
    DesignRecord design;
    MemoDisplaySettings memo;
    RegistryValues registry;
    HWND designList;   // made by the first "デザイン選択...", then hidden between uses
    AutoChangeState autoChange;
    bool startupChangeCalledOff;   // told once the first frame is shown
    // The holidays of the file beside the program, looked at every new
    // minute; handed to the painter, the tooltip and the design list.
    HolidaySource holidays;
    // What is shown.
    DateTime now;
    int monthOffset;
    char dateLine[kDateLineSize];   // of the day cell last hovered
    CalendarLayout layout;
    bool resourcesReleased;
    bool endingSession;   // the close order runs for the session's end: no questions
    unsigned refreshCount;
    bool framePainted;   // the first frame is on the screen
};
