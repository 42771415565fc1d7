// A fixture for the settings sheet's pages: one page made alone from its
// template on a stand-in sheet window, driven by the clicks and the
// sheet's notifications, with stand-ins for the colour and open dialogs
// and the message boxes it opens.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "dialogs/sheet_pages.h"
#include "tests/win/test_support.h"

// What the stand-in user of the dialogs was asked, and answers.
struct PageDialogs {
    // The colour dialog: the user picks colourAnswer, or cancels.
    int colourCalls;
    HWND colourOwner;
    COLORREF colourOffered;
    bool chooseColour;
    COLORREF colourAnswer;
    // The open dialog: the user picks pictureAnswer, or cancels when it is
    // empty.
    OPENFILENAMEA pictureAsked;
    std::string pictureFileAsked;   // "<not asked>" until it opens
    std::string initialDirAsked;
    std::vector<std::string> filtersAsked;
    std::string pictureAnswer;
    // The texts of the message boxes, each answered OK.
    std::vector<std::string> messages;
};

// One for all: the stand-ins are plain functions of the record of system
// calls. Set afresh for every test.
PageDialogs& StandInDialogs();

class PageTest : public AppFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the page as the sheet does (a page still open is closed first)
    // and makes it the active one.
    void Open(PROPSHEETPAGEA (*page)(SheetTarget* target));
    // The result the page left for the sheet.
    LONG_PTR Notify(UINT code);
    // Either way the sheet then takes the page down.
    void Close(UINT code);

    HWND Item(int id) const { return GetDlgItem(page_, id); }
    // A user's click on a button.
    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    // What a control tells its page, as a click on a tile does.
    void Command(int id, int code = BN_CLICKED)
    {
        SendMessageA(page_, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)Item(id));
    }
    bool Checked(int id) const { return IsDlgButtonChecked(page_, id) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::string Text(int id) const;

    HWND window_ = nullptr;   // the stand-in sheet
    HWND page_ = nullptr;
    SheetTarget target_ = {};
    PROPSHEETPAGEA sheetPage_ = {};
    PageDialogs& dialogs_ = StandInDialogs();
};
