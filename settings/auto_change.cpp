#include "settings/auto_change.h"

// Registered designs come later; with none there is nothing to change to.
void RunStartupDesignChange(HWND) {}
void RunHourlyDesignChange(HWND) {}
