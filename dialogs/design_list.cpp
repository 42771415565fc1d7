#include "dialogs/design_list.h"

// Created hidden at start-up once designs can be registered.
HWND CreateDesignListWindow(HWND) { return nullptr; }
