#include "shell/tray.h"

// The tray icon and transparency come with their own work; the calendar
// window already calls these at their places in its creation and close.
void PrepareTrayIcon(HWND) {}
void RemoveTrayIcon(HWND) {}
void RegisterTaskbarCreated() {}
void ApplyTransparencyIfSet(HWND) {}
