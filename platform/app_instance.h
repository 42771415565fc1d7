// The module the program's resources are loaded from: the executable, or a
// test program that links the same code.
#pragma once
#include <windows.h>

HINSTANCE AppInstance();
void SetAppInstance(HINSTANCE instance);
