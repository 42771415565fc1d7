#include "tests/win/page_fixture.h"

#include <commctrl.h>
#include <string.h>

PageDialogs& StandInDialogs()
{
    static PageDialogs dialogs;
    return dialogs;
}

static BOOL WINAPI StandInColourDialog(LPCHOOSECOLORA choose)
{
    PageDialogs& d = StandInDialogs();
    ++d.colourCalls;
    d.colourOwner = choose->hwndOwner;
    d.colourOffered = choose->rgbResult;
    choose->rgbResult = d.colourAnswer;
    return d.chooseColour;
}

static BOOL WINAPI StandInOpenDialog(LPOPENFILENAMEA open)
{
    PageDialogs& d = StandInDialogs();
    d.pictureAsked = *open;
    d.pictureFileAsked = open->lpstrFile;
    d.initialDirAsked = open->lpstrInitialDir ? open->lpstrInitialDir : "";
    d.filtersAsked.clear();
    for (const char* p = open->lpstrFilter; *p; p += strlen(p) + 1) {
        d.filtersAsked.push_back(p);
    }
    if (d.pictureAnswer.empty()) {
        return FALSE;
    }
    lstrcpynA(open->lpstrFile, d.pictureAnswer.c_str(), (int)open->nMaxFile);
    return TRUE;
}

static int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR, UINT)
{
    StandInDialogs().messages.push_back(text);
    return IDOK;
}

void PageTest::SetUp()
{
    AppFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateScratchWindow(600, 500);
    ASSERT_NE(nullptr, window_);
    dialogs_ = PageDialogs{};
    dialogs_.pictureFileAsked = "<not asked>";
    standIns_.Put(&SystemCalls::chooseColour, StandInColourDialog);
    standIns_.Put(&SystemCalls::openFileName, StandInOpenDialog);
    standIns_.Put(&SystemCalls::messageBox, RecordMessage);
}

void PageTest::TearDown()
{
    if (page_) {
        DestroyWindow(page_);
    }
    DestroyWindow(window_);
    AppFolderTest::TearDown();
}

void PageTest::Open(PROPSHEETPAGEA (*page)(SheetTarget* target))
{
    if (page_) {
        DestroyWindow(page_);
    }
    sheetPage_ = page(&target_);
    page_ = CreateDialogParamA(sheetPage_.hInstance, sheetPage_.pszTemplate, window_, sheetPage_.pfnDlgProc,
                               (LPARAM)&sheetPage_);
    ASSERT_NE(nullptr, page_);
    Notify(PSN_SETACTIVE);
}

LONG_PTR PageTest::Notify(UINT code)
{
    SetWindowLongPtrA(page_, DWLP_MSGRESULT, 0);
    PSHNOTIFY notify = {{window_, 0, code}, TRUE};
    SendMessageA(page_, WM_NOTIFY, 0, (LPARAM)&notify);
    return GetWindowLongPtrA(page_, DWLP_MSGRESULT);
}

void PageTest::Close(UINT code)
{
    EXPECT_EQ(0, Notify(code)) << "applying and cancelling never fail";
    DestroyWindow(page_);
    page_ = nullptr;
}

std::string PageTest::Text(int id) const
{
    char text[128] = "";
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
}
