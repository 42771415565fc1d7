#include "shell/context_menu.h"

// The menu resource arrives with the commands; until then a right click
// shows nothing.
void LoadContextMenu() {}
void ShowContextMenu(HWND, bool) {}
void DestroyContextMenu() {}
