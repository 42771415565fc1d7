// Designs that change by themselves, at start-up or every hour.
#pragma once
#include <windows.h>

void RunStartupDesignChange(HWND window);
void RunHourlyDesignChange(HWND window);
