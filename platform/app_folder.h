// Every file and folder of the calendar lives beside its executable; this is
// the one place that turns a name into such a path.
#pragma once
#include <stddef.h>

// Bytes of a path buffer: the classic MAX_PATH, terminator included.
constexpr size_t kAppPathSize = 260;

// Writes the executable's folder (or the one the record of system calls
// names) plus name (name may contain sub-folders).
// Returns false, leaving an empty string, when the result would not fit in
// size bytes or in kAppPathSize: a long path is refused, never cut short
// into the name of another file.
bool BuildAppPath(const char* name, char* out, size_t size);
