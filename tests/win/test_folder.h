// A fresh folder under the temporary folder for one test, so no test ever
// touches the user's files or another test's.
#pragma once
#include <stddef.h>

// Makes a new, uniquely named folder; out gets its path with a trailing
// backslash. Unique across processes too: Wine reuses process ids.
bool MakeTestFolder(char* out, size_t size);

// Removes the folder and everything below it.
void RemoveTestFolder(const char* folder);
