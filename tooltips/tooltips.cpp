// Making the tooltips, their fonts, and the switch that turns all of them
// off and on.
#include "tooltips/tooltips.h"

#include <commctrl.h>

#include "memo/memo_dialog.h"
#include "tooltips/tooltip_parts.h"
#include "res/resource.h"
#include "view/fonts.h"

static const char kTooltipsOnText[] = "ツールチップを表示する";
static const char kTooltipsOffText[] = "ツールチップを表示しない";

bool CreateTooltips(HWND window, HINSTANCE instance, MemoDisplaySettings memo)
{
    bool made = MakeTooltipWindows(window, instance);
    ApplyMemoDisplaySettings(memo);
    return made;
}

void ApplyMemoDisplaySettings(MemoDisplaySettings memo)
{
    HFONT font = CreateMemoFont(memo.tooltipFontHeight);
    if (font) {
        // The tooltip keeps using the old font until its next arming.
        HWND day = TooltipHandle(kDayTooltip);
        if (day) {
            SendMessageA(day, WM_SETFONT, (WPARAM)font, FALSE);
        }
        HFONT old = DayTooltipFont();
        SetDayTooltipFont(font);
        if (old) {
            DeleteObject(old);
        }
    }
    SetDayTooltipWidth(memo.tooltipWidth);
    CreateEditorFont(memo.editorFontHeight);
}

void DestroyTooltipResources()
{
    HFONT font = DayTooltipFont();
    if (font) {
        SetDayTooltipFont(nullptr);
        DeleteObject(font);
    }
    DeleteEditorFont();
}

void SetTooltipsActive(bool active)
{
    for (int i = 0; i < kTooltipWindows; ++i) {
        ActivateTooltip(TooltipHandle((TooltipWindow)i), active);
    }
}

bool TooltipsOn()
{
    return TooltipSwitchOn();
}

// The position of the switch entry, found by its command either way.
static int SwitchPosition(HMENU menu)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = GetMenuItemID(menu, i);
        if (id == IDM_TOOLTIPS_OFF || id == IDM_TOOLTIPS_ON) {
            return i;
        }
    }
    return -1;
}

// The entry is replaced rather than renamed: its id tells which way the
// next choice switches.
bool ToggleTooltips(HMENU menu, int command)
{
    if (command != IDM_TOOLTIPS_OFF && command != IDM_TOOLTIPS_ON) {
        return false;
    }
    bool on = command == IDM_TOOLTIPS_ON;
    SetTooltipSwitch(on);
    int position = menu ? SwitchPosition(menu) : -1;
    if (position >= 0) {
        UINT next = on ? IDM_TOOLTIPS_OFF : IDM_TOOLTIPS_ON;
        DeleteMenu(menu, position, MF_BYPOSITION);
        InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING, next, on ? kTooltipsOffText : kTooltipsOnText);
    }
    return true;
}
