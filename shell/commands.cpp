#include "shell/commands.h"

#include "memo/memo_dialog.h"
#include "memo/memo_save.h"
#include "memo/memo_store.h"
#include "tooltips/tooltips.h"
#include "res/resource.h"
#include "shell/context_menu.h"
#include "shell/shell_commands.h"
#include "shell/tray.h"

// --- hiding and maximising --------------------------------------------------

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

// True when the calendar should show the outcome.
static bool EditHoveredMemo(HWND window, const char* dateLine)
{
    // Before any day was hovered there is no date: a memo saved then would
    // belong to no day and never show.
    if (!dateLine || !dateLine[0]) {
        return false;
    }
    return EditMemo(window, dateLine, RunMemoEditor, nullptr);
}

// --- dispatch ---------------------------------------------------------------

bool HandleCommand(HWND window, int command, const char* dateLine)
{
    if (command == IDM_EDIT_MEMO) {
        return EditHoveredMemo(window, dateLine);
    }
    if (HandleShellCommand(window, command) || HandleWindowCommand(window, command)) {
        return false;
    }
    // The tooltips replace their own menu entry as they switch.
    ToggleTooltips(ContextMenu(), command);
    return false;
}
