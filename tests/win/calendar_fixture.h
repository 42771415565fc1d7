// A fixture for the tests that start the calendar in process: designs
// registered by the program's own registry, the calendar window and its
// design list, and the few steps a user takes there.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <stdio.h>

#include <string>

#include "design/design_registry.h"
#include "platform/clock.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/context_menu.h"
#include "tests/win/test_support.h"

constexpr COLORREF kColours[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200),
                             RGB(200, 200, 40), RGB(40, 200, 200)};
// Inside the preview's title row, away from its text.
constexpr int kPreviewX = 114;
constexpr int kPreviewY = 33;

// The calendar started in process from its private folder, with designs of
// its own, and the design list window it owns.
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

    void Launch()
    {
        calendar_ = StartCalendar(&owner_);
        ASSERT_NE(nullptr, calendar_);
    }

    void Start(uint32_t count, uint32_t current)
    {
        Prepare(count, current);
        Launch();
    }

    void TearDown() override
    {
        SetClockForTests(nullptr);
        if (calendar_) {
            StopCalendar(owner_, calendar_);
        }
        AppFolderTest::TearDown();
    }

    void Write(const char* section, const char* key, const std::string& value)
    {
        WritePrivateProfileStringA(section, key, value.c_str(), Path("pelmo.ini").c_str());
    }

    std::string Read(const char* section, const char* key, const char* file = "pelmo.ini")
    {
        char text[MAX_PATH] = {};
        GetPrivateProfileStringA(section, key, "", text, sizeof text, Path(file).c_str());
        return text;
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
        SendMessageA(list_, WM_COMMAND, MAKEWPARAM(IDC_DESIGN_LIST, LBN_SELCHANGE),
                     (LPARAM)Entries());
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
