#include "shell/commands.h"

#include "res/resource.h"

void HandleCommand(HWND, int, const char*) {}
