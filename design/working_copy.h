// The working copy temp.ini that the design list window edits: designs are
// swapped and deleted there, and pelmo.ini is replaced by it only when the
// list is confirmed. Every step rewrites the file whole or not at all, and
// leaves it as it was when it fails.
#pragma once
#include <stdint.h>

// Swaps designs number and number + step (step -1 or 1) of file as they are
// stored, every key with them, unknown ones too. False, nothing changed,
// when either is not in 1 to count or the file could not be saved.
bool SwapDesigns(const char* file, uint32_t number, int step, uint32_t count);

// Removes design number from file and moves the designs after it, up to
// the list's count, down by one; *count goes down by one when the file was
// saved. Designs above the count belong to no list and stay as they are,
// and so do the sections no design owns (POSITION, EDITOR, SHELLLINK, ...).
// Every listed design comes out with all 25 keys, the working sections
// with all of theirs. False, nothing changed, when the list is empty,
// number is not in it, or the file could not be saved.
bool DeleteDesign(const char* file, uint32_t number, uint32_t* count);

// Makes file an empty registry (no designs listed, automatic change off)
// whose working sections are those of settingsFile, for a list confirmed
// empty.
bool ResetWorkingCopy(const char* file, const char* settingsFile);
