// Notification-area icon, hiding and the transparent background.
#pragma once
#include <windows.h>

void PrepareTrayIcon(HWND window);
void RemoveTrayIcon(HWND window);
void RegisterTaskbarCreated();
void ApplyTransparencyIfSet(HWND window);
