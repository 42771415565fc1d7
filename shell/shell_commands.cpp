#include "shell/shell_commands.h"

#include <shellapi.h>
#include <stdio.h>

#include "memo/memo_store.h"
#include "res/resource.h"
#include "platform/app_folder.h"
#include "platform/app_instance.h"

static const UINT kNoticeTickMs = 1000;

// Each notice closes on its own tick (counted from 0), with its own timer.
struct NoticeKind {
    int dialogId;
    UINT timer;
    int closingTick;
};

static const NoticeKind kNotices[] = {
    {IDD_NOTICE_REGISTERED, IDT_NOTICE, 0},
    {IDD_NOTICE_OVERWRITTEN, IDT_NOTICE, 0},
    {IDD_NOTICE_CHANGE_STOPPED, IDT_CHANGE_STOPPED_NOTICE, 2},
};

// Lives on ShowNotice's stack while the notice is up.
struct NoticeState {
    const NoticeKind* kind;
    int ticks;
};

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

static NoticeState* NoticeOf(HWND dialog)
{
    return (NoticeState*)GetWindowLongPtrA(dialog, DWLP_USER);
}

static void OnNoticeTick(HWND dialog)
{
    NoticeState* notice = NoticeOf(dialog);
    if (notice->ticks++ >= notice->kind->closingTick) {
        KillTimer(dialog, notice->kind->timer);
        EndDialog(dialog, IDOK);
    }
}

// The notices have no button and ignore every command, Escape included.
static INT_PTR CALLBACK NoticeProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetTimer(dialog, ((NoticeState*)lParam)->kind->timer, kNoticeTickMs, nullptr);
        return TRUE;
    case WM_TIMER:
        OnNoticeTick(dialog);
        return TRUE;
    case WM_COMMAND:
        return TRUE;
    }
    return FALSE;
}

bool ShowNotice(HWND window, int dialogId)
{
    for (const NoticeKind& kind : kNotices) {
        if (kind.dialogId == dialogId) {
            NoticeState notice = {&kind, 0};
            INT_PTR result = DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(dialogId), window, NoticeProc,
                                             (LPARAM)&notice);
            return result != -1 && result != 0;
        }
    }
    return false;
}
