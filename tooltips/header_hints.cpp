// Hints over the title band and the weekday header cells, which act as
// buttons on a double click. The three caption-like buttons get an icon.
#include "tooltips/header_hints.h"

#include <windows.h>
#include <commctrl.h>
#include <versionhelpers.h>

#include "tooltips/tooltip_parts.h"
#include "res/resource.h"
#include "view/header_cells.h"

static const int kHintDelayMs = 500;
static const int kHintAutoHideMs = 5000;
static const int kHintIconSize = 16;

static const char kBlank[] = " ";

// The title band's hint; the header cells' come with their table.
static const UINT kTitleToolId = 100;
static const char kTitleHint[] = "現在の年月を表示";

static bool Contains(Rect r, Point p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// A tool armed before this move saw the move itself; a new one is shown it.
static void FinishHint(HWND tip, bool armedBefore, Point pt)
{
    SetTooltipDelay(tip, TTDT_INITIAL, kHintDelayMs);
    SetTooltipDelay(tip, TTDT_RESHOW, kHintDelayMs);
    SetTooltipDelay(tip, TTDT_AUTOPOP, kHintAutoHideMs);
    ActivateIfOn(tip);
    if (!armedBefore) {
        ReplayMove(tip, pt);
    }
}

static void ArmTextHint(UINT id, Rect rect, const char* text, Point pt)
{
    ActivateTooltip(TooltipHandle(kHintIconTooltip), false);
    HWND tip = TooltipHandle(kHintTextTooltip);
    if (!tip) {
        return;
    }
    bool armed = IsToolArmed(tip, id, rect, text);
    if (!armed) {
        ArmTool(tip, id, rect, text, text);
    }
    FinishHint(tip, armed, pt);
}

// Newer systems draw a tooltip's title in bold beside its icon, older ones
// do not: there the hint stays the body and the title only carries the icon.
// The blank body keeps the tooltip's own font: a tiny one would also shrink
// the title wherever the title font is derived from the body font.
static void ArmIconHint(UINT id, Rect rect, int icon, const char* text, Point pt)
{
    ActivateTooltip(TooltipHandle(kHintTextTooltip), false);
    HWND tip = TooltipHandle(kHintIconTooltip);
    if (!tip) {
        return;
    }
    bool armed = IsToolArmed(tip, id, rect, text);
    if (!armed) {
        // Shared icons belong to the system; the tooltip copies what it shows.
        HANDLE picture = LoadImageA(TooltipInstance(), MAKEINTRESOURCEA(icon), IMAGE_ICON, kHintIconSize,
                                    kHintIconSize, LR_SHARED);
        if (IsWindowsVistaOrGreater()) {
            SendMessageA(tip, TTM_SETTITLEA, (WPARAM)picture, (LPARAM)text);
            ArmTool(tip, id, rect, kBlank, text);
        } else {
            SendMessageA(tip, TTM_SETTITLEA, (WPARAM)picture, (LPARAM)kBlank);
            ArmTool(tip, id, rect, text, text);
        }
    }
    FinishHint(tip, armed, pt);
}

void UpdateHeaderHints(Point pt, const CalendarLayout& layout)
{
    if (Contains(layout.titleRect, pt)) {
        ArmTextHint(kTitleToolId, layout.titleRect, kTitleHint, pt);
        return;
    }
    const HeaderCell* cell = FindHeaderCell(layout, pt);
    if (!cell) {
        ActivateTooltip(TooltipHandle(kHintTextTooltip), false);
        ActivateTooltip(TooltipHandle(kHintIconTooltip), false);
        return;
    }
    const Rect& rect = layout.weekdayRects[cell->column];
    const bool maximised = cell->maximisedHint && IsZoomed(TooltipOwner());
    const char* text = maximised ? cell->maximisedHint : cell->hint;
    if (cell->icon) {
        ArmIconHint(cell->toolId, rect, maximised ? cell->maximisedIcon : cell->icon, text, pt);
    } else {
        ArmTextHint(cell->toolId, rect, text, pt);
    }
}
