// The notification-area icon and the window states it serves: hiding the
// calendar into the tray, bringing it back, maximising and restoring. The
// icon is there while the calendar is hidden, and all the time while the
// tray-always flag is set (a transparent calendar, see transparency.h).
#pragma once
#include <windows.h>
#include <shellapi.h>

// At the calendar's creation: fills the icon record for window (forgetting
// any earlier icon and retry) and adds the icon when the flag is set.
void PrepareTrayIcon(HWND window);
// Remembers the number of the shell's "TaskbarCreated" message.
void RegisterTaskbarCreated();
bool IsTaskbarCreated(UINT message);

// Registers the icon. True when the shell took it now; otherwise a timer of
// the window tries again every two seconds, the window meanwhile handling
// its messages as usual, until the shell takes it or RemoveTrayIcon.
bool AddTrayIcon();
// Deletes the icon and stops any retry; an icon that is not there is no
// fault.
void RemoveTrayIcon();
// The retry timer's tick.
void OnTrayRetryTimer();

// Commands 309 and 310.
void HideCalendar(HWND window);
void ToggleMaximise(HWND window);

// The icon's callback message: id and the mouse message on the icon.
void OnTrayNotification(HWND window, WPARAM id, LPARAM mouseMessage);
// The taskbar was (re)started: icons it forgot are added again.
void OnTaskbarCreated(HWND window);

// Set while the icon stays in the tray all the time.
bool TrayAlways();
void SetTrayAlways(bool always);
