#include "shell/tray.h"

#include <stdio.h>

#include "res/resource.h"
#include "platform/app_instance.h"
#include "platform/system_calls.h"
#include "shell/context_menu.h"

static const char kTrayTip[] = "ポルカミナ";
static const UINT kTrayRetryMs = 2000;

struct TrayState {
    NOTIFYICONDATAA record;
    bool always;     // the icon stays while the calendar is shown too
    bool retrying;   // the retry timer runs
    UINT taskbarCreated;
};

static TrayState s_tray;
static bool Notify(DWORD message)
{
    return s_tray.record.hWnd && System().notifyIcon(message, &s_tray.record);
}

bool TrayAlways()
{
    return s_tray.always;
}

void SetTrayAlways(bool always)
{
    s_tray.always = always;
}

void PrepareTrayIcon(HWND window)
{
    NOTIFYICONDATAA& record = s_tray.record;
    record = NOTIFYICONDATAA{};
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = ID_TRAY_ICON;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_PELMO_TRAY;
    // Shared: the system owns it, nothing to destroy at close.
    record.hIcon = (HICON)LoadImageA(AppInstance(), MAKEINTRESOURCEA(IDI_PELMO), IMAGE_ICON, 0, 0, LR_SHARED);
    snprintf(record.szTip, sizeof record.szTip, "%s", kTrayTip);
    s_tray.retrying = false;
    if (s_tray.always) {
        AddTrayIcon();
    }
}

void RegisterTaskbarCreated()
{
    s_tray.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}

bool IsTaskbarCreated(UINT message)
{
    return s_tray.taskbarCreated != 0 && message == s_tray.taskbarCreated;
}

static void StopRetrying()
{
    if (s_tray.retrying) {
        KillTimer(s_tray.record.hWnd, IDT_TRAY_RETRY);
        s_tray.retrying = false;
    }
}

// A calendar started before the taskbar exists (from the start-up folder)
// is refused until the taskbar comes; it must stay usable meanwhile, so the
// next try comes from a timer, not from a wait on this thread.
bool AddTrayIcon()
{
    if (Notify(NIM_ADD)) {
        StopRetrying();
        return true;
    }
    if (!s_tray.retrying && s_tray.record.hWnd) {
        s_tray.retrying = SetTimer(s_tray.record.hWnd, IDT_TRAY_RETRY, kTrayRetryMs, nullptr) != 0;
    }
    return false;
}

// The shell may have taken an earlier add after all without saying so:
// then only a modify succeeds.
void OnTrayRetryTimer()
{
    Notify(NIM_ADD);
    if (Notify(NIM_MODIFY) || Notify(NIM_ADD)) {
        StopRetrying();
    }
}

void RemoveTrayIcon()
{
    StopRetrying();
    Notify(NIM_DELETE);
}

// Shown again, the calendar needs no icon unless it keeps one always.
static void ShowFromTray(HWND window, int how)
{
    ShowWindow(window, how);
    if (!s_tray.always) {
        RemoveTrayIcon();
    }
}

void HideCalendar(HWND window)
{
    if (!s_tray.always) {
        AddTrayIcon();
    }
    ShowWindow(window, SW_HIDE);
}

// Visibility is asked first: a calendar hidden while maximised counts as
// hidden, so bringing it back also takes away the icon it no longer needs.
void ToggleMaximise(HWND window)
{
    if (!IsWindowVisible(window)) {
        ShowFromTray(window, SW_RESTORE);
    } else if (IsZoomed(window)) {
        ShowWindow(window, SW_RESTORE);
    } else {
        ShowWindow(window, SW_MAXIMIZE);
    }
}

void OnTrayNotification(HWND window, WPARAM id, LPARAM mouseMessage)
{
    if (id != ID_TRAY_ICON) {
        return;
    }
    if (mouseMessage == WM_LBUTTONDOWN) {
        ShowFromTray(window, SW_SHOWNORMAL);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowTrayMenu(window, IsWindowVisible(window) != FALSE);
    }
}

void OnTaskbarCreated(HWND window)
{
    if (s_tray.always || !IsWindowVisible(window)) {
        AddTrayIcon();
    }
}
