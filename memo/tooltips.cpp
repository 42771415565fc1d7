// The three tooltip windows, the shared tool record, the tooltip font and
// the switch that turns all tooltips off and on.
#include "memo/tooltips.h"

#include <commctrl.h>
#include <string.h>

#include "memo/memo_editor.h"
#include "memo/tooltip_parts.h"
#include "res/resource.h"
#include "shell/app.h"
#include "shell/context_menu.h"
#include "view/fonts.h"

static const char kTooltipsOnText[] = "ツールチップを表示する";
static const char kTooltipsOffText[] = "ツールチップを表示しない";

static const DWORD kCommonStyles = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOFADE;
static const DWORD kTooltipStyles[kTooltipWindows] = {
    kCommonStyles | TTS_BALLOON | TTS_NOANIMATE,   // day
    kCommonStyles,                                 // hint text
    kCommonStyles,                                 // hint with icon
};

static HWND s_window;
static HWND s_tooltips[kTooltipWindows];
static TOOLINFOA s_tool;
static HFONT s_dayFont;
static int s_dayWidth;
static bool s_on = true;

// The last tool armed in any of the tooltips. All three watch the same
// window, and the last tool added is the one whose tooltip gets to see its
// mouse messages, so a tool counts as armed only while nothing came after.
static HWND s_armedTip;
static UINT s_armedId;
static Rect s_armedRect;
static const char* s_armedKey;

bool CreateTooltips(HWND window, MemoDisplaySettings memo)
{
    s_window = window;
    s_on = true;
    s_armedTip = nullptr;
    bool made = true;
    for (int i = 0; i < kTooltipWindows; ++i) {
        s_tooltips[i] = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, kTooltipStyles[i],
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        window, nullptr, AppInstance(), nullptr);
        made = made && s_tooltips[i];
    }
    s_tool = {};
    s_tool.cbSize = sizeof s_tool;
    s_tool.uFlags = TTF_SUBCLASS;
    s_tool.hwnd = window;
    s_tool.hinst = AppInstance();
    ApplyMemoDisplaySettings(memo);
    ForgetHover();
    return made;
}

void ApplyMemoDisplaySettings(MemoDisplaySettings memo)
{
    HFONT font = CreateMemoFont(memo.tooltipFontHeight);
    if (font) {
        // The tooltip keeps using the old font until its next arming.
        if (s_tooltips[kDayTooltip]) {
            SendMessageA(s_tooltips[kDayTooltip], WM_SETFONT, (WPARAM)font, FALSE);
        }
        if (s_dayFont) {
            DeleteObject(s_dayFont);
        }
        s_dayFont = font;
    }
    s_dayWidth = memo.tooltipWidth;
    CreateEditorFont(memo.editorFontHeight);
}

void DestroyTooltipResources()
{
    if (s_dayFont) {
        DeleteObject(s_dayFont);
        s_dayFont = nullptr;
    }
    DeleteEditorFont();
}

HWND TooltipHandle(TooltipWindow which)
{
    return s_tooltips[which];
}

HWND TooltipOwner()
{
    return s_window;
}

HFONT DayTooltipFont()
{
    return s_dayFont;
}

int DayTooltipWidth()
{
    return s_dayWidth;
}

// Each tooltip holds one tool at a time: a tool added again under its id
// would not replace the old one, whose text would keep showing.
static void RemoveTools(HWND tip)
{
    while (SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0) > 0) {
        TOOLINFOA old = {};
        old.cbSize = sizeof old;
        if (!SendMessageA(tip, TTM_ENUMTOOLSA, 0, (LPARAM)&old)) {
            return;
        }
        SendMessageA(tip, TTM_DELTOOLA, 0, (LPARAM)&old);
    }
}

static bool SameRect(Rect a, Rect b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsToolArmed(HWND tip, UINT id, Rect rect, const char* key)
{
    return tip && tip == s_armedTip && id == s_armedId && SameRect(rect, s_armedRect) && key &&
           key == s_armedKey;
}

void ArmTool(HWND tip, UINT id, Rect rect, const char* text, const char* key)
{
    if (!tip) {
        return;
    }
    RemoveTools(tip);
    s_tool.uId = id;
    s_tool.rect = {rect.left, rect.top, rect.right, rect.bottom};
    s_tool.lpszText = (LPSTR)text;   // the tooltip keeps a copy
    SendMessageA(tip, TTM_ADDTOOLA, 0, (LPARAM)&s_tool);
    s_tool.lpszText = nullptr;
    s_armedTip = tip;
    s_armedId = id;
    s_armedRect = rect;
    s_armedKey = key;
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
    if (s_on) {
        ActivateTooltip(tip, true);
    }
}

void SetTooltipsActive(bool active)
{
    for (HWND tip : s_tooltips) {
        ActivateTooltip(tip, active);
    }
}

bool TooltipsOn()
{
    return s_on;
}

// The entry is replaced rather than renamed: its id tells which way the
// next choice switches.
bool ToggleTooltips(HMENU menu, int command)
{
    if (command != IDM_TOOLTIPS_OFF && command != IDM_TOOLTIPS_ON) {
        return false;
    }
    s_on = command == IDM_TOOLTIPS_ON;
    if (menu) {
        UINT next = s_on ? IDM_TOOLTIPS_OFF : IDM_TOOLTIPS_ON;
        DeleteMenu(menu, kTooltipMenuPosition, MF_BYPOSITION);
        InsertMenuA(menu, kTooltipMenuPosition, MF_BYPOSITION | MF_STRING, next,
                    s_on ? kTooltipsOffText : kTooltipsOnText);
    }
    return true;
}

bool ToggleTooltips(int command)
{
    return ToggleTooltips(ContextMenu(), command);
}
