// Scaffolding shared by the Windows tests: private folders, whole files,
// throw-away windows, readable drawing surfaces and a stand-in user for the
// dialogs and message boxes the code under test opens.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_edit.h"
#include "tests/win/stand_ins.h"

// Removes the folder, given with its trailing backslash, and everything in it.
void RemoveTestFolder(const std::string& folder);

// A fixture whose program folder is a fresh private one, so no test ever
// touches the user's files or another test's. A derived SetUp calls this
// one first and stops on a fatal failure.
class AppFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string Path(const std::string& name) const { return folder_ + name; }
    // Where the private folder is made: the temporary folder, or for the
    // suites named ...OnFullDisk a small volume of their own.
    virtual bool OnSmallVolume() const { return false; }

    std::string folder_;   // with its trailing backslash
    // The folder and whatever other stand-in the test puts in, until the
    // fixture goes.
    StandIns standIns_;
};

// The small volume that the suites named ...OnFullDisk run on: the folder
// PELMO_FULL_VOLUME names, mounted for them alone (tests/tools/
// with-small-volume); empty when there is none.
std::string SmallVolume();
// Fills the volume holding folder until not one byte more fits;
// FreeVolume gives the room back.
bool FillVolume(const std::string& folder);
void FreeVolume(const std::string& folder);

// The same with a scratch window that code under test can take as owner.
class AppFolderWithOwnerTest : public AppFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND window_ = nullptr;
};

bool WriteWholeFile(const std::string& path, const std::string& bytes);

// One key of a settings file beside the program, written through the
// profile API as a hand or another program would; "%d" for numbers.
bool WriteSettingString(const char* file, const char* section, const char* key, const char* text);
bool WriteSettingInt(const char* file, const char* section, const char* key, int32_t value);
// Runs step on an edit of file and saves it, as the program's own steps do.
bool EditSettings(const char* file, const std::function<void(SettingsEdit*)>& step);
// BGBRUSH STYLE, COLOR and HATCH the same way.
bool WriteBrushKeys(const char* file, int32_t style, COLORREF color, int32_t hatch);
// The file's bytes, or "<none>" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool PathExists(const std::string& path);
// Gives the file the write time it would have had that many seconds ago.
bool BackdateFile(const std::string& path, unsigned seconds);
// A flat 16 by 16 PNG of one colour, written that many seconds ago (by
// default as a picture that has been on the disk a while).
bool SaveFlatPng(const std::string& path, COLORREF colour, unsigned secondsAgo = 3600);

// A hidden popup of the given size, for code that wants an owner or a
// window to place.
HWND CreateScratchWindow(int width = 10, int height = 10);

// A 32-bit top-down memory surface whose pixels are read straight from
// memory after GdiFlush. Whatever was selected into it may be deleted
// once it is destroyed.
struct Surface {
    HDC dc;
    HBITMAP bitmap;
    DWORD* bits;
    int width;
};
bool CreateSurface(Surface* surface, int width, int height);
void DestroySurface(Surface* surface);
COLORREF SurfacePixel(const Surface& surface, int x, int y);

// What a dialog or message box showed.
struct DialogSeen {
    HWND dialog;
    HWND owner;
    std::string caption;
    std::string texts;   // its static texts, each followed by "|"
    HICON icon;          // of its icon control, if any
};

// The first visible dialog or message box of the thread; with an owner,
// only one that window owns.
HWND FindDialog(DWORD thread, HWND owner = nullptr);
void ReadDialog(HWND dialog, DialogSeen* seen);

// A stand-in user on a thread of its own. It waits for the first dialog the
// calling thread opens, reads it into seen, then runs act on it, or, without
// act, sends it the command press. It gives up once the calling thread's
// call has returned without a dialog showing.
struct DialogWatch {
    WPARAM press;
    void (*act)(HWND dialog, DialogWatch* watch);
    void* context;
    DialogSeen seen;
    // Kept by the watch itself.
    DWORD thread;
    std::atomic<bool> stop;
};
HANDLE StartDialogWatch(DialogWatch* watch);
// Call after the call that opens the dialog has returned.
void EndDialogWatch(HANDLE watcher, DialogWatch* watch);

// Runs call while a stand-in user answers every dialog and message box it
// opens, one after another, with the command answer gives for it; gives
// what each of them showed.
std::vector<DialogSeen> AnswerDialogs(const std::function<void()>& call,
                                      const std::function<WPARAM(const DialogSeen&)>& answer);

void PressKey(HWND target, WPARAM key);

// How long a test waits for what it expects before it gives up.
constexpr DWORD kWaitMs = 30000;
// Waits until done() holds, at most limitMs, handling the calling thread's
// messages meanwhile; false when it never did.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = kWaitMs);
// The same without handling messages: for a stand-in user's thread, while
// the test's thread runs a modal loop.
bool WaitUntil(const std::function<bool()>& done, DWORD limitMs = kWaitMs);

// A hidden window of the calling thread that notes each marker it handles.
// A thread handles the messages posted to it in the order they came, so a
// marker posted after some messages is handled only after them.
HWND CreateMarkerWindow();
// Posts a marker and waits until it has been handled: from another thread
// while the window's own goes on with its messages, or on the window's
// thread by handling them. False when it was not handled within kWaitMs.
bool WaitForMarker(HWND marker);

// The calendar window of this process, started from the current program
// folder as the program starts it (the folder's pelmo.ini as it is); null
// when it was not made. StopCalendar closes it the way a user does.
HWND StartCalendar(HWND* owner);
void StopCalendar(HWND owner, HWND calendar);

// A pixel of a window as it is on the screen, after any pending paint.
COLORREF WindowPixel(HWND window, int x, int y);
