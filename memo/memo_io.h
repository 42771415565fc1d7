// Helpers shared by the memo store's reading and editing halves.
#pragma once
#include <windows.h>
#include <stddef.h>

// A message box with the system's default caption and an OK button.
void ShowMemoMessage(HWND owner, const char* text, UINT icon);

// Opens an existing memo for reading and writing without sharing: while the
// handle is open no one else can read, change or replace the file.
HANDLE OpenMemoLocked(const char* path);

bool PathExists(const char* path);

// Reads the whole open file into buffer and terminates it, a lead byte
// without its trail byte dropped (a file made elsewhere may end in one), so
// no reader goes past the memo's own bytes. Fails (buffer emptied) when the
// file is larger than limit or size - 1 bytes, with *tooLarge telling that
// case apart from a read error.
bool ReadMemoFile(HANDLE file, size_t limit, char* buffer, size_t size, bool* tooLarge);
