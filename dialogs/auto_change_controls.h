// The five automatic-change controls of the design list window: what they
// show, how a click keeps them consistent, and what OK stores.
#pragma once
#include <windows.h>
#include <stdint.h>

// Sets the controls from AUTOCHANGE of file; whether automatic change is on
// at all always comes from settingsFile (pelmo.ini), the way the calendar
// runs it now.
void LoadAutoChangeControls(const char* file, const char* settingsFile, HWND list);

// After a click on control id (the automatic-change box, "at start-up" or
// "hourly"): at least one occasion and one order stay chosen.
void OnAutoChangeClick(HWND list, int id);

// On OK, into file (temp.ini): on only with the box checked and more than one
// design in the list; TIMING and ORDER are kept when it is off.
bool SaveAutoChangeControls(const char* file, HWND list, uint32_t count);

// The box and, while it is checked, the occasions and the orders are
// enabled with two designs or more: with fewer there is nothing to change
// between.
void EnableAutoChangeControls(HWND list, uint32_t count);
