// A fixture for the tests that start the calendar in process: designs
// registered by the program's own registry, the calendar window and its
// design list, and the few steps a user takes there.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <stdio.h>

#include <string>

#include "design/design_registry.h"
#include "platform/app_folder.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/context_menu.h"
#include "tests/win/test_support.h"

constexpr COLORREF kColours[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200), RGB(200, 200, 40),
                                 RGB(40, 200, 200)};
// Inside the preview's title row, away from its text.
constexpr int kPreviewX = 114;
constexpr int kPreviewY = 33;

// The calendar started in process from its program folder (the private
// one, or another the test points the record of system calls at), with
// designs of its own, and the design list window it owns. Whatever happens
// in the test, the calendar is stopped at its end.
class CalendarTest : public AppFolderTest {
protected:
    HWND owner_ = nullptr;
    HWND calendar_ = nullptr;
    HWND list_ = nullptr;

    // count designs of the colours above, registered by the program's own
    // registry so that each holds all its keys; current is in force.
    void Prepare(uint32_t count, uint32_t current)
    {
        Write("SHELLLINK", "STARTUP", "0");
        Write("POSITION", "LEFT", "20");
        Write("EDITOR", "FONTSIZE", "19");
        DesignRecord record = {};
        ReadFormatSection(kSettingsFile, &record);
        ReadFontSection(kSettingsFile, &record);
        for (uint32_t n = 1; n <= count; ++n) {
            const BrushTriple brush = {BS_SOLID, kColours[n - 1], 0};
            WriteBrushKeys(kSettingsFile, brush.style, brush.color, brush.hatch);
            ASSERT_TRUE(RegisterDesign(kSettingsFile, record, brush, RegistryValues{n, n, 0}));
        }
        WriteBrushKeys(kSettingsFile, BS_SOLID, kColours[current - 1], 0);
        Write("REGIST", "CURRENT", std::to_string(current));
    }

    // Starts the calendar from the folder's pelmo.ini as it is, stopping a
    // running one first.
    void Launch()
    {
        Stop();
        calendar_ = StartCalendar(&owner_);
        ASSERT_NE(nullptr, calendar_);
    }

    // A start past the first one: no questions asked.
    void LaunchOrdinary()
    {
        Write("SHELLLINK", "STARTUP", "0");
        Launch();
    }

    void Start(uint32_t count, uint32_t current)
    {
        Prepare(count, current);
        Launch();
    }

    // Closes the calendar the way a user does.
    void Stop()
    {
        if (calendar_) {
            StopCalendar(owner_, calendar_);
        }
        calendar_ = nullptr;
        list_ = nullptr;
    }

    void TearDown() override
    {
        Stop();
        AppFolderTest::TearDown();
    }

    // A file of the program folder, wherever the test put it.
    std::string AppPath(const char* name)
    {
        char path[kAppPathSize] = "";
        BuildAppPath(name, path, sizeof path);
        return path;
    }

    void Write(const char* section, const char* key, const std::string& value)
    {
        WritePrivateProfileStringA(section, key, value.c_str(), AppPath(kSettingsFile).c_str());
    }

    std::string Read(const char* section, const char* key, const char* file = kSettingsFile)
    {
        char text[MAX_PATH] = {};
        GetPrivateProfileStringA(section, key, "", text, sizeof text, AppPath(file).c_str());
        return text;
    }

    // Whether a command of the context menu can be chosen.
    bool Enabled(int command) { return !(GetMenuState(ContextMenu(), command, MF_BYCOMMAND) & MF_GRAYED); }

    // -1 when the key is absent.
    int ReadInt(const char* section, const char* key)
    {
        return (int)GetPrivateProfileIntA(section, key, -1, AppPath(kSettingsFile).c_str());
    }

    std::string DesignColour(int n)
    {
        char section[16];
        snprintf(section, sizeof section, "DESIGN%03d", n);
        return Read(section, "BGBRUSH_COLOR");
    }

    // The list is made by its first opening.
    void Open()
    {
        SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_CHOOSE, 0);
        list_ = FindWindowA(PELMO_DESIGN_LIST_CLASS, nullptr);
    }
    void Click(int id) { SendMessageA(GetDlgItem(list_, id), BM_CLICK, 0, 0); }
    bool Checked(int id) { return IsDlgButtonChecked(list_, id) == BST_CHECKED; }
    bool Usable(int id) { return IsWindowEnabled(GetDlgItem(list_, id)) != FALSE; }
    HWND Entries() { return GetDlgItem(list_, IDC_DESIGN_LIST); }
    int Selection() { return (int)SendMessageA(Entries(), LB_GETCURSEL, 0, 0); }

    void Select(int index)
    {
        SendMessageA(Entries(), LB_SETCURSEL, index, 0);
        SendMessageA(list_, WM_COMMAND, MAKEWPARAM(IDC_DESIGN_LIST, LBN_SELCHANGE), (LPARAM)Entries());
    }

    COLORREF Preview() { return WindowPixel(list_, kPreviewX, kPreviewY); }
    COLORREF Calendar() { return WindowPixel(calendar_, 2, 2); }

    // Presses the delete button; the question, if any, is answered answer.
    bool Delete(WPARAM answer)
    {
        DialogWatch watch = {};
        watch.press = answer;
        HANDLE watcher = StartDialogWatch(&watch);
        Click(IDC_DESIGN_DELETE);
        EndDialogWatch(watcher, &watch);
        return watch.seen.dialog != nullptr;
    }
};
