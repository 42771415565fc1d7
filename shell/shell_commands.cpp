#include "shell/shell_commands.h"

#include <shellapi.h>
#include <stdio.h>

#include "memo/memo_store.h"
#include "res/resource.h"
#include "settings/app_folder.h"
#include "shell/app.h"

static const UINT kNoticeTickMs = 1000;
// The tick (counted from 0) on which each notice closes.
static const int kNoticeClosingTick = 0;
static const int kChangeStoppedClosingTick = 2;

static int s_noticeTicks;
static int s_changeStoppedTicks;

// The shell's result is not examined: a missing file or folder brings the
// shell's own message, and the calendar goes on.
static void OpenHelp()
{
    char folder[kAppPathSize];
    char file[kAppPathSize];
    if (!BuildAppPath(kHelpFolder, folder, sizeof folder)) {
        return;
    }
    char name[kAppPathSize];
    int n = snprintf(name, sizeof name, "%s\\%s", kHelpFolder, kHelpFile);
    if (n < 0 || (size_t)n >= sizeof name || !BuildAppPath(name, file, sizeof file)) {
        return;
    }
    ShellExecuteA(nullptr, "open", file, nullptr, folder, SW_SHOWNORMAL);
}

static void OpenImageFolder()
{
    char folder[kAppPathSize];
    if (BuildAppPath(kImageFolder, folder, sizeof folder)) {
        ShellExecuteA(nullptr, "open", folder, nullptr, folder, SW_SHOWNORMAL);
    }
}

// --- version dialog ---------------------------------------------------------

// Escape, and with it the cancel command, is ignored: only OK closes.
static INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    }
    return FALSE;
}

static void ShowAbout(HWND window)
{
    DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(IDD_ABOUT), window, AboutProc, 0);
}

bool HandleShellCommand(HWND window, int command)
{
    switch (command) {
    case IDM_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);
        return true;
    case IDM_HELP:
        OpenHelp();
        return true;
    case IDM_ABOUT:
        ShowAbout(window);
        return true;
    case IDM_OPEN_IMAGES:
        OpenImageFolder();
        return true;
    }
    return false;
}

// --- notices ----------------------------------------------------------------

static void StartNotice(HWND dialog, int* ticks, UINT timer)
{
    *ticks = 0;
    SetTimer(dialog, timer, kNoticeTickMs, nullptr);
}

static void NoticeTick(HWND dialog, int* ticks, int closingTick, UINT timer)
{
    int taken = (*ticks)++;
    if (taken >= closingTick) {
        KillTimer(dialog, timer);
        EndDialog(dialog, IDOK);
    }
}

// The notices have no button and ignore every command, Escape included.
static INT_PTR CALLBACK RegisteredNoticeProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        StartNotice(dialog, &s_noticeTicks, IDT_NOTICE);
        return TRUE;
    case WM_TIMER:
        NoticeTick(dialog, &s_noticeTicks, kNoticeClosingTick, IDT_NOTICE);
        return TRUE;
    case WM_COMMAND:
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK ChangeStoppedNoticeProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        StartNotice(dialog, &s_changeStoppedTicks, IDT_CHANGE_STOPPED_NOTICE);
        return TRUE;
    case WM_TIMER:
        NoticeTick(dialog, &s_changeStoppedTicks, kChangeStoppedClosingTick,
                   IDT_CHANGE_STOPPED_NOTICE);
        return TRUE;
    case WM_COMMAND:
        return TRUE;
    }
    return FALSE;
}

bool ShowNotice(HWND window, int dialogId)
{
    DLGPROC proc = nullptr;
    if (dialogId == IDD_NOTICE_REGISTERED || dialogId == IDD_NOTICE_OVERWRITTEN) {
        proc = RegisteredNoticeProc;
    } else if (dialogId == IDD_NOTICE_CHANGE_STOPPED) {
        proc = ChangeStoppedNoticeProc;
    } else {
        return false;
    }
    INT_PTR result = DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(dialogId), window, proc, 0);
    return result != -1 && result != 0;
}
