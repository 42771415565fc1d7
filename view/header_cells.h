// The seven weekday header cells double as buttons: a double click steps
// the shown month by years or decades, hides, maximises or asks to exit,
// and a hint names the action. One table serves both.
#pragma once
#include <windows.h>

#include "view/layout.h"

enum class HeaderAction { StepMonths, Command, AskToExit };

struct HeaderCell {
    int column;   // weekday header column, 0 (Sunday) to 6
    HeaderAction action;
    int value;     // months to step, or the command to send
    UINT toolId;   // the hint's tool, clear of the day cells' 0 to 41
    int icon;      // 0: a plain text hint
    const char* hint;
    int maximisedIcon;   // 0: the same hint whether maximised or not
    const char* maximisedHint;
};

constexpr int kHeaderCellCount = kWeekdays;

// In the order they are tested: exit, maximise, hide, then the four steps.
extern const HeaderCell kHeaderCells[kHeaderCellCount];

// The entry of kHeaderCells whose header rectangle holds pt, or nullptr.
const HeaderCell* FindHeaderCell(const CalendarLayout& layout, Point pt);
