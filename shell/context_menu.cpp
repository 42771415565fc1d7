#include "shell/context_menu.h"

#include "res/resource.h"
#include "design/design_registry.h"
#include "platform/app_instance.h"

static HMENU s_menuResource;
static HMENU s_contextMenu;

void LoadContextMenu()
{
    DestroyContextMenu();
    s_menuResource = LoadMenuA(AppInstance(), MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
    s_contextMenu = s_menuResource ? GetSubMenu(s_menuResource, 0) : nullptr;
}

void DestroyContextMenu()
{
    // The pop-up belongs to the resource menu and goes with it.
    if (s_menuResource) {
        DestroyMenu(s_menuResource);
    }
    s_menuResource = nullptr;
    s_contextMenu = nullptr;
}

HMENU ContextMenu()
{
    return s_contextMenu;
}

static void EnableCommand(int command, bool enabled)
{
    EnableMenuItem(s_contextMenu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void EnableDesignCommand(int command, bool enabled)
{
    if (s_contextMenu) {
        EnableCommand(command, enabled);
    }
}

void UpdateDesignMenu(RegistryValues registry)
{
    if (!s_contextMenu) {
        return;
    }
    const DesignMenuState state = DesignMenuFor(registry);
    EnableCommand(IDM_DESIGN_NEW, state.registerNew);
    EnableCommand(IDM_DESIGN_OVERWRITE, state.overwrite);
    EnableCommand(IDM_DESIGN_CHOOSE, state.choose);
}

void PrepareCalendarMenu(bool overDayCell)
{
    if (!s_contextMenu) {
        return;
    }
    EnableCommand(IDM_EDIT_MEMO, overDayCell);
    EnableCommand(IDM_HIDE, true);
}

static void TrackAtCursor(HWND window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(s_contextMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   window, nullptr);
}

void ShowContextMenu(HWND window, bool overDayCell)
{
    if (!s_contextMenu) {
        return;
    }
    PrepareCalendarMenu(overDayCell);
    TrackAtCursor(window);
}

void ShowTrayMenu(HWND window, bool calendarVisible)
{
    if (!s_contextMenu) {
        return;
    }
    EnableCommand(IDM_EDIT_MEMO, false);
    EnableCommand(IDM_HIDE, calendarVisible);
    // A menu opened from the tray closes on a click elsewhere only when its
    // owner is in the foreground, and only after the owner's next message.
    SetForegroundWindow(window);
    TrackAtCursor(window);
    PostMessageA(window, WM_NULL, 0, 0);
}
