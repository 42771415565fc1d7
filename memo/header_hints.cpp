// Hints over the title band and the weekday header cells, which act as
// buttons on a double click. The three caption-like buttons get an icon.
#include "memo/tooltips.h"

#include <commctrl.h>
#include <versionhelpers.h>

#include "memo/tooltip_parts.h"
#include "res/resource.h"

static const int kHintDelayMs = 500;
static const int kHintAutoHideMs = 5000;
static const int kTitleZone = -1;
static const int kHintIconSize = 16;

static const char kBlank[] = " ";

struct HintZone {
    int header;             // weekday header cell 0 to 6, or kTitleZone
    UINT id;
    int icon;               // 0: a plain text hint
    const char* text;
    int maximisedIcon;      // 0: the same whether maximised or not
    const char* maximisedText;
};

// Tested in this order; the first zone holding the point gives the hint.
// Tool ids 100 to 107 stay clear of the day cells' 0 to 41.
static const HintZone kZones[] = {
    {kTitleZone, 100, 0, "現在の年月を表示", 0, nullptr},
    {6, 101, IDI_HINT_EXIT, "ソフト終了", 0, nullptr},
    {5, 102, IDI_HINT_MAXIMIZE, "最大化する", IDI_HINT_RESTORE, "元に戻す"},
    {4, 103, IDI_HINT_HIDE, "カレンダーを隠す", 0, nullptr},
    {0, 104, 0, "1 年後を表示", 0, nullptr},
    {1, 105, 0, "1 年前を表示", 0, nullptr},
    {2, 106, 0, "10 年後を表示", 0, nullptr},
    {3, 107, 0, "10 年前を表示", 0, nullptr},
};

static bool Contains(Rect r, Point p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

static Rect ZoneRect(const HintZone& zone, const CalendarLayout& layout)
{
    return zone.header == kTitleZone ? layout.titleRect : layout.weekdayRects[zone.header];
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
        HANDLE picture = LoadImageA(TooltipInstance(), MAKEINTRESOURCEA(icon), IMAGE_ICON,
                                    kHintIconSize, kHintIconSize, LR_SHARED);
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
    for (const HintZone& zone : kZones) {
        Rect rect = ZoneRect(zone, layout);
        if (!Contains(rect, pt)) {
            continue;
        }
        bool maximised = zone.maximisedText && IsZoomed(TooltipOwner());
        const char* text = maximised ? zone.maximisedText : zone.text;
        if (zone.icon) {
            ArmIconHint(zone.id, rect, maximised ? zone.maximisedIcon : zone.icon, text, pt);
        } else {
            ArmTextHint(zone.id, rect, text, pt);
        }
        return;
    }
    ActivateTooltip(TooltipHandle(kHintTextTooltip), false);
    ActivateTooltip(TooltipHandle(kHintIconTooltip), false);
}
