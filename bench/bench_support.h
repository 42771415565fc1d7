// What the window benchmarks share: timing, private folders, the calendar
// window of this process, and whole starts of a program.
#pragma once
#include <windows.h>
#include <stddef.h>

#include <vector>

double Seconds();
double Median(std::vector<double> values);

// A fresh folder in the temporary folder, with its trailing backslash.
bool MakeFolder(const char* tag, char* out, size_t size);
// The folder, given with its trailing backslash, and all in it.
void RemoveFolder(const char* folder);

void PumpMessages(int milliseconds);

// The program's files are looked for in folder (copied), or beside the
// executable again with nullptr.
void UseAppFolder(const char* folder);

// The calendar window of this process, started in folder as an ordinary
// start (no first-start questions); StopCalendar closes it.
HWND StartCalendar(const char* folder, HWND* owner);
void StopCalendar(HWND owner);
// The calendar is borderless: its window is its client area.
void Resize(HWND window, int width, int height);
// One refresh as the calendar does it, up to the picture on the screen.
double TimeCalendarRefresh(HWND calendar);

// The top-left pixel of the process's visible window of that class.
bool WindowCornerColour(DWORD processId, const char* className, COLORREF* colour);
// Seconds from creating the process until its message loop first runs
// idle; *shown tells whether the window's corner then has its painted
// colour.
double TimeToFirstFrame(const char* exe, const char* folder, const char* className, COLORREF painted,
                        bool* shown);
// One program's start as TimeToFirstFrame measures it.
struct StartCase {
    const char* exe;
    const char* folder;
    const char* className;
    COLORREF painted;
};
struct StartComparison {
    double medianMeasured, medianBaseline;
    double fastestMeasured, fastestBaseline;
    bool allShown;   // every window had its painted colour when measured
};
// Starts both once to warm the caches, then each runs times, in turn, so
// that a busy moment of the machine falls on both alike.
// One whole start under Wine differs from the next by a quarter or more;
// with 31 pairs the ratio of the same two programs' medians still moved
// between 0.99 and 1.18 from one run to the next, so each comparison
// makes 61.
constexpr int kStartRuns = 61;
StartComparison CompareStarts(const StartCase& measured, const StartCase& baseline, int runs);
bool CopyBeside(const char* from, const char* folder, const char* name, char* out, size_t size);
// Sets the file's write time an hour back, as of a file that has been on
// the disk a while: the program takes no record of a conversion whose
// source changed only just before.
bool Backdate(const char* path);
