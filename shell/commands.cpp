#include "shell/commands.h"

#include "memo/memo_editor.h"
#include "memo/memo_store.h"
#include "memo/tooltips.h"
#include "res/resource.h"
#include "shell/calendar_window.h"
#include "shell/shell_commands.h"

// --- commands whose work arrives with the settings sheet and the designs ---

static void RunSettingsSheet(HWND) {}
static void RegisterNewDesign(HWND) {}
static void OverwriteDesign(HWND) {}
static void ChooseDesign(HWND) {}

// --- hiding and maximising --------------------------------------------------

// Hiding waits for the tray icon: a hidden calendar without an icon could
// not be brought back.
static void HideCalendar(HWND) {}

static void ToggleMaximise(HWND window)
{
    if (IsZoomed(window)) {
        ShowWindow(window, SW_RESTORE);
    } else if (IsWindowVisible(window)) {
        ShowWindow(window, SW_MAXIMIZE);
    } else {
        ShowWindow(window, SW_RESTORE);
    }
}

static bool HandleWindowCommand(HWND window, int command)
{
    switch (command) {
    case IDM_HIDE:
        HideCalendar(window);
        return true;
    case IDM_MAXIMIZE:
        ToggleMaximise(window);
        return true;
    }
    return false;
}

// --- memo ------------------------------------------------------------------

static bool HandleMemoCommand(HWND window, int command, const char* dateLine)
{
    if (command != IDM_EDIT_MEMO) {
        return false;
    }
    // Before any day was hovered there is no date: a memo saved then would
    // belong to no day and never show.
    if (!dateLine || !dateLine[0]) {
        return true;
    }
    if (EditMemo(window, dateLine, RunMemoEditor, nullptr)) {
        RequestRefresh(window);
    }
    return true;
}

// --- dispatch ---------------------------------------------------------------

static bool HandleDesignCommand(HWND window, int command)
{
    switch (command) {
    case IDM_SETTINGS:
        RunSettingsSheet(window);
        return true;
    case IDM_DESIGN_NEW:
        RegisterNewDesign(window);
        return true;
    case IDM_DESIGN_OVERWRITE:
        OverwriteDesign(window);
        return true;
    case IDM_DESIGN_CHOOSE:
        ChooseDesign(window);
        return true;
    }
    return false;
}

void HandleCommand(HWND window, int command, const char* dateLine)
{
    if (HandleDesignCommand(window, command)) {
        return;
    }
    if (HandleShellCommand(window, command)) {
        return;
    }
    if (HandleWindowCommand(window, command)) {
        return;
    }
    if (HandleMemoCommand(window, command, dateLine)) {
        return;
    }
    // The tooltips replace their own menu entry as they switch.
    ToggleTooltips(command);
}
