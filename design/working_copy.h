// The working copy temp.ini that the design list window edits: designs are
// previewed, swapped and deleted there, and pelmo.ini is replaced by it only
// when the list is confirmed. A deletion rebuilds temp.ini through copy.ini.
#pragma once
#include <stdint.h>

// Copies design source of temp.ini into design destination of file, all 25
// keys, each absent one written with its design default. False when either
// number is 0 or above kMaxDesigns, or a write failed.
bool CopyDesign(uint32_t destination, uint32_t source, const char* file);

// Stores the working sections of temp.ini (the design being previewed) as
// design number of temp.ini.
bool StoreWorkingAsDesign(uint32_t number);

// Removes design number from temp.ini and moves the designs after it down
// by one; *count is the list's count and goes down by one when temp.ini was
// replaced. Nothing happens, and false, when the list is empty or number is
// not in it. The sections that no design owns (POSITION, EDITOR, TOOLTIP,
// SHELLLINK, ...) stay in temp.ini as they were.
bool DeleteDesign(uint32_t number, uint32_t* count);

// Makes temp.ini an empty registry (no designs, automatic change off) whose
// working sections are those of pelmo.ini, for a list confirmed empty.
bool ResetWorkingCopy();
