// The three tooltip windows, their one shared tool record and the memory
// of which tool was armed last.
#include "tooltips/tooltip_parts.h"

#include <commctrl.h>

static const DWORD kCommonStyles = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOFADE;
static const DWORD kTooltipStyles[kTooltipWindows] = {
    kCommonStyles | TTS_BALLOON | TTS_NOANIMATE,   // day
    kCommonStyles,                                 // hint text
    kCommonStyles,                                 // hint with icon
};

// The last tool armed in any of the tooltips. All three watch the same
// window, and the last tool added is the one whose tooltip gets to see its
// mouse messages, so a tool counts as armed only while nothing came after.
struct ArmedTool {
    HWND tip;
    UINT id;
    Rect rect;
    const char* key;
};

struct TooltipState {
    HWND owner;
    HINSTANCE instance;
    HWND windows[kTooltipWindows];
    TOOLINFOA tool;
    ArmedTool armed;
    DayHover hover;
    bool on;
    HFONT dayFont;
    int dayWidth;
};

static TooltipState s_state;

bool MakeTooltipWindows(HWND owner, HINSTANCE instance)
{
    s_state.owner = owner;
    s_state.instance = instance;
    s_state.armed = {};
    s_state.hover = {};
    s_state.hover.cell = kNoCell;
    s_state.on = true;
    bool made = true;
    for (int i = 0; i < kTooltipWindows; ++i) {
        s_state.windows[i] = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, kTooltipStyles[i],
                                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                             owner, nullptr, instance, nullptr);
        made = made && s_state.windows[i];
    }
    s_state.tool = {};
    s_state.tool.cbSize = sizeof s_state.tool;
    s_state.tool.uFlags = TTF_SUBCLASS;
    s_state.tool.hwnd = owner;
    s_state.tool.hinst = instance;
    return made;
}

HWND TooltipHandle(TooltipWindow which)
{
    return s_state.windows[which];
}

HWND TooltipOwner()
{
    return s_state.owner;
}

HINSTANCE TooltipInstance()
{
    return s_state.instance;
}

void SetDayTooltipFont(HFONT font)
{
    s_state.dayFont = font;
}

void SetDayTooltipWidth(int width)
{
    s_state.dayWidth = width;
}

HFONT DayTooltipFont()
{
    return s_state.dayFont;
}

int DayTooltipWidth()
{
    return s_state.dayWidth;
}

void SetTooltipSwitch(bool on)
{
    s_state.on = on;
}

bool TooltipSwitchOn()
{
    return s_state.on;
}

DayHover* RememberedHover()
{
    return &s_state.hover;
}

// Each tooltip holds one tool at a time: a tool added again under its id
// would not replace the old one, whose text would keep showing. A tooltip
// that keeps a tool it was told to delete is not asked forever.
static void RemoveTools(HWND tip)
{
    LRESULT count = SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT tries = count; tries > 0 && count > 0; --tries) {
        TOOLINFOA old = {};
        old.cbSize = sizeof old;
        if (!SendMessageA(tip, TTM_ENUMTOOLSA, 0, (LPARAM)&old)) {
            return;
        }
        SendMessageA(tip, TTM_DELTOOLA, 0, (LPARAM)&old);
        LRESULT left = SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
        if (left >= count) {
            return;
        }
        count = left;
    }
}

static bool SameRect(Rect a, Rect b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsToolArmed(HWND tip, UINT id, Rect rect, const char* key)
{
    const ArmedTool& armed = s_state.armed;
    return tip && tip == armed.tip && id == armed.id && SameRect(rect, armed.rect) && key && key == armed.key;
}

void ArmTool(HWND tip, UINT id, Rect rect, const char* text, const char* key)
{
    if (!tip) {
        return;
    }
    RemoveTools(tip);
    TOOLINFOA& tool = s_state.tool;
    tool.uId = id;
    tool.rect = {rect.left, rect.top, rect.right, rect.bottom};
    tool.lpszText = (LPSTR)text;   // the tooltip keeps a copy
    SendMessageA(tip, TTM_ADDTOOLA, 0, (LPARAM)&tool);
    tool.lpszText = nullptr;
    s_state.armed = {tip, id, rect, key};
}

void ReplayMove(HWND tip, Point pt)
{
    if (!tip) {
        return;
    }
    MSG move = {};
    move.hwnd = s_state.owner;
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(pt.x, pt.y);
    move.time = GetMessageTime();
    move.pt = {pt.x, pt.y};
    ClientToScreen(s_state.owner, &move.pt);
    SendMessageA(tip, TTM_RELAYEVENT, 0, (LPARAM)&move);
}

void SetTooltipDelay(HWND tip, WPARAM which, int milliseconds)
{
    SendMessageA(tip, TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void ActivateTooltip(HWND tip, bool active)
{
    if (tip) {
        SendMessageA(tip, TTM_ACTIVATE, active, 0);
    }
}

void ActivateIfOn(HWND tip)
{
    if (s_state.on) {
        ActivateTooltip(tip, true);
    }
}
