// The font page under Wine: its face filter on a table of faces, then the
// real page, created alone on a stand-in sheet or inside the whole settings
// sheet, driven through the notifications a user's clicks send.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
#include <string.h>
#include <string>

#include "dialogs/page_font_list.h"
#include "dialogs/settings_sheet.h"
#include "dialogs/page_font.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "tests/win/page_fixture.h"
#include "tests/win/test_support.h"

namespace {

TEST(FontPageList, KeepsOnlyFacesTheCalendarCanUse)
{
    const BYTE jp = SHIFTJIS_CHARSET;
    const BYTE en = ANSI_CHARSET;
    const DWORD tt = TRUETYPE_FONTTYPE;
    const struct {
        BYTE charset;
        FontCandidate font;
        bool listed;
    } cases[] = {
        {jp, {"ＭＳ Ｐゴシック", "日本語", "標準", tt}, true},
        {jp, {"@ＭＳ Ｐゴシック", "日本語", "標準", tt}, false},
        {jp, {"$Hidden", "日本語", "Regular", tt}, false},
        {jp, {"MyGaijiFont", "日本語", "Regular", tt}, false},
        {jp, {"mygaijifont", "日本語", "Regular", tt}, true},
        // "エ" ends in the byte of "G": no "Gaiji" in the text.
        {jp, {"フォントエaiji", "日本語", "Regular", tt}, true},
        {jp, {"Terminal", "日本語", "Regular", RASTER_FONTTYPE}, false},
        {en, {"Arial", "欧文", "Regular", tt}, true},
        {en, {"Arial", "欧文", "標準", tt}, false},
        {en, {"Arial", "欧文", "レギュラー", tt}, false},
        {en, {"Arial", "日本語", "Regular", tt}, false},
        {en, {"メイリオ", "欧文", "Regular", tt}, false},
        {en, {"@Arial", "欧文", "Regular", tt}, false},
        {en, {"$Arial", "欧文", "Regular", tt}, false},
        {en, {"ArialGaiji", "欧文", "Regular", tt}, false},
        {en, {"Courier", "欧文", "Regular", RASTER_FONTTYPE}, false},
        {SYMBOL_CHARSET, {"Symbol", "シンボル", "Regular", tt}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.listed, FontBelongsInList(c.charset, c.font)) << c.font.face << " " << c.font.style;
    }
}

// Picks the first face of a list as a click would; the face, or empty when
// the list has none.
std::string PickFirstFace(HWND page, int listId)
{
    HWND list = GetDlgItem(page, listId);
    char face[LF_FACESIZE] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, 0, 0) < LF_FACESIZE) {
        SendMessageA(list, LB_GETTEXT, 0, (LPARAM)face);
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), (LPARAM)list);
    return face;
}

class FontPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        design_ = {};
        design_.font.lfCharSet = SHIFTJIS_CHARSET;
        strcpy(design_.font.lfFaceName, "ＭＳ Ｐゴシック");
        design_.clockFlag = 1;
    }
    void Open()
    {
        target_ = {nullptr, &design_, nullptr, false};
        ASSERT_NO_FATAL_FAILURE(PageTest::Open(FontPage));
    }
    // A check box or radio button set as a click would leave it.
    void Tick(int id, bool checked)
    {
        CheckDlgButton(page_, id, checked ? BST_CHECKED : BST_UNCHECKED);
        Command(id, BN_CLICKED);
    }
    void ChooseOffset(int offset)
    {
        SendMessageA(Item(IDC_FONT_SIZE), CB_SETCURSEL, offset + 10, 0);
        Command(IDC_FONT_SIZE, CBN_SELENDOK);
    }
    std::string SampleFace(int id)
    {
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(Item(id), EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&format);
        return format.szFaceName;
    }
    bool Updatable() { return IsWindowEnabled(Item(IDC_FONT_UPDATE)) != 0; }

    DesignRecord design_;
};

TEST_F(FontPageTest, ShowsItsControlsAndFillsItsListsWithUsableFaces)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    char caption[32] = "";
    GetWindowTextA(page_, caption, sizeof caption);
    EXPECT_STREQ("●フォント設定", caption);
    const struct {
        int id;
        const char* cls;
        const char* text;
    } controls[] = {
        {IDC_FONT_JAPANESE, "Button", "日本語フォントを選択 ："},
        {IDC_FONT_WESTERN, "Button", "英語フォントを選択 ："},
        {IDC_FONT_BOLD, "Button", "太字"},
        {IDC_FONT_ITALIC, "Button", "斜体"},
        {IDC_FONT_SHIFT_LABEL, "Static", "左シフト量"},
        {IDC_FONT_UPDATE, "Button", "更 新"},
        {IDC_FONT_JAPANESE_SAMPLE, "RichEdit20A", "2012年6月 月火水木金"},
        {IDC_FONT_WESTERN_SAMPLE, "RichEdit20A", ""},
        {IDC_FONT_JAPANESE_LIST, "ListBox", ""},
        {IDC_FONT_WESTERN_LIST, "ListBox", ""},
        {IDC_FONT_SIZE, "ComboBox", "  0"},
        {IDC_FONT_SHIFT, "Edit", "0"},
        {IDC_FONT_SHIFT_SPIN, UPDOWN_CLASSA, ""},
    };
    for (const auto& c : controls) {
        char cls[32] = "";
        GetClassNameA(Item(c.id), cls, sizeof cls);
        EXPECT_STRCASEEQ(c.cls, cls) << c.id;
        EXPECT_EQ(c.text, Text(c.id)) << c.id;
    }
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page_, IDC_FONT_JAPANESE));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FONT_WESTERN_LIST)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FONT_WESTERN_SAMPLE)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FONT_SHIFT_SPIN)));
    EXPECT_FALSE(Updatable());
    EXPECT_EQ("ＭＳ Ｐゴシック", SampleFace(IDC_FONT_JAPANESE_SAMPLE));
    EXPECT_EQ((LPARAM)Item(IDC_FONT_SHIFT), SendMessageA(Item(IDC_FONT_SHIFT_SPIN), UDM_GETBUDDY, 0, 0));
    HWND combo = Item(IDC_FONT_SIZE);
    ASSERT_EQ(31, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(-10, (int)SendMessageA(combo, CB_GETITEMDATA, 0, 0));
    EXPECT_EQ(20, (int)SendMessageA(combo, CB_GETITEMDATA, 30, 0));

    // The installed faces: the Japanese list has the face the record names;
    // neither has a vertical face, the Western one no Japanese name.
    EXPECT_NE(LB_ERR, SendMessageA(Item(IDC_FONT_JAPANESE_LIST), LB_GETCURSEL, 0, 0));
    for (int list : {IDC_FONT_JAPANESE_LIST, IDC_FONT_WESTERN_LIST}) {
        const int count = (int)SendMessageA(Item(list), LB_GETCOUNT, 0, 0);
        EXPECT_GT(count, 0);
        for (int i = 0; i < count; ++i) {
            char face[LF_FACESIZE] = "";
            ASSERT_LT(SendMessageA(Item(list), LB_GETTEXTLEN, i, 0), LF_FACESIZE);
            SendMessageA(Item(list), LB_GETTEXT, i, (LPARAM)face);
            EXPECT_NE('@', face[0]) << face;
            for (const char* p = face; list == IDC_FONT_WESTERN_LIST && *p; ++p) {
                EXPECT_FALSE(IsDBCSLeadByte((BYTE)*p)) << face;
            }
        }
    }
}

TEST_F(FontPageTest, UpdateAppliesAChosenFaceAndCancelKeepsIt)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    ChooseOffset(0);   // the record's own: nothing to update
    EXPECT_FALSE(Updatable());
    Tick(IDC_FONT_WESTERN, true);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FONT_WESTERN_LIST)));
    EXPECT_EQ("", Text(IDC_FONT_JAPANESE_SAMPLE));
    const std::string western = PickFirstFace(page_, IDC_FONT_WESTERN_LIST);
    ASSERT_FALSE(western.empty());
    EXPECT_EQ("June 2012 Sun Mon Tue", Text(IDC_FONT_WESTERN_SAMPLE));
    EXPECT_EQ(western, SampleFace(IDC_FONT_WESTERN_SAMPLE));
    ASSERT_TRUE(Updatable());
    Command(IDC_FONT_UPDATE, BN_CLICKED);
    EXPECT_FALSE(Updatable());
    Tick(IDC_FONT_BOLD, true);   // staged, then dropped
    EXPECT_EQ(FALSE, Notify(PSN_QUERYCANCEL));
    EXPECT_EQ(western, design_.font.lfFaceName);
    EXPECT_EQ(ANSI_CHARSET, design_.font.lfCharSet);
    EXPECT_EQ(0, design_.font.lfWeight);
}

TEST_F(FontPageTest, SizeAndShiftStayInTheirRanges)
{
    design_.sizeOffset = 35;
    design_.leftShift = 40;
    design_.font.lfItalic = 1;
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(" 20", Text(IDC_FONT_SIZE));
    EXPECT_EQ("10", Text(IDC_FONT_SHIFT));
    ChooseOffset(-10);
    SetDlgItemTextA(page_, IDC_FONT_SHIFT, "99");   // as if typed past the end
    NMUPDOWN move = {{Item(IDC_FONT_SHIFT_SPIN), IDC_FONT_SHIFT_SPIN, (UINT)UDN_DELTAPOS}, 10, 1};
    SendMessageA(page_, WM_NOTIFY, IDC_FONT_SHIFT_SPIN, (LPARAM)&move);
    Command(IDC_FONT_UPDATE, BN_CLICKED);
    EXPECT_EQ(-10, design_.sizeOffset);
    EXPECT_GE(design_.leftShift, 0);
    EXPECT_LE(design_.leftShift, 10);

    // Upright text is never shifted.
    Tick(IDC_FONT_ITALIC, false);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FONT_SHIFT)));
    Command(IDC_FONT_UPDATE, BN_CLICKED);
    EXPECT_EQ(0, design_.leftShift);
    EXPECT_EQ(0, design_.font.lfItalic);
}

TEST_F(FontPageTest, OpensSafelyOnAMissingFaceAndOnOverlongOnes)
{
    // A face no longer installed selects nothing; its sample still asks for it.
    WriteSettingString(kSettingsFile, "FONT", "FACENAME", "NoSuchFaceAnywhere");
    ReadFontSection(kSettingsFile, &design_);
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(LB_ERR, SendMessageA(Item(IDC_FONT_JAPANESE_LIST), LB_GETCURSEL, 0, 0));
    EXPECT_EQ("NoSuchFaceAnywhere", SampleFace(IDC_FONT_JAPANESE_SAMPLE));
    Command(IDC_FONT_JAPANESE_LIST, LBN_SETFOCUS);
    EXPECT_FALSE(Updatable());
    DestroyWindow(page_);

    // Forty bytes in the file.
    WriteSettingString(kSettingsFile, "FONT", "FACENAME", "あいうえおかきくけこさしすせそたちつてと");
    ReadFontSection(kSettingsFile, &design_);
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(30u, strlen(design_.font.lfFaceName));
    DestroyWindow(page_);

    // A record without a terminator, its last byte the first of a character.
    for (int i = 0; i < LF_FACESIZE; i += 2) {
        memcpy(design_.font.lfFaceName + i, "あ", 2);
    }
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::string fifteen = std::string("あああああああああああああああ");
    EXPECT_EQ(fifteen, SampleFace(IDC_FONT_JAPANESE_SAMPLE));
    Tick(IDC_FONT_BOLD, true);
    EXPECT_EQ(PSNRET_NOERROR, Notify(PSN_APPLY));
    EXPECT_EQ(fifteen, design_.font.lfFaceName);
    EXPECT_EQ(FW_BOLD, design_.font.lfWeight);
}

void PickWesternFaceAndConfirm(HWND sheet, DialogWatch* watch)
{
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    *(std::string*)watch->context = PickFirstFace(page, IDC_FONT_WESTERN_LIST);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

TEST_F(FontPageTest, InTheSheetOkAppliesTheFaceFromASystemRichEdit)
{
    HBRUSH background = CreateSolidBrush(RGB(255, 255, 225));
    MemoDisplaySettings memo = {18, 18, 300};
    SheetTarget target = {&background, &design_, &memo, false};
    std::string picked;
    DialogWatch watch = {};
    watch.act = PickWesternFaceAndConfirm;
    watch.context = &picked;
    HANDLE watcher = StartDialogWatch(&watch);
    const bool confirmed = RunSettingsSheet(window_, &target);
    EndDialogWatch(watcher, &watch);
    DeleteObject(background);
    EXPECT_TRUE(confirmed);
    ASSERT_FALSE(picked.empty());
    EXPECT_EQ(picked, design_.font.lfFaceName);
    EXPECT_EQ(ANSI_CHARSET, design_.font.lfCharSet);
    // A Western font takes the English title and weekdays, without the clock.
    EXPECT_EQ(1, design_.titleFormat);
    EXPECT_EQ(1, design_.weekdayFormat);
    EXPECT_EQ(0, design_.clockFlag);

    // The samples' library came from the system folder.
    char path[MAX_PATH] = "";
    char system[MAX_PATH] = "";
    HMODULE richEdit = GetModuleHandleA("RICHED32.DLL");
    ASSERT_NE(nullptr, richEdit);
    GetModuleFileNameA(richEdit, path, sizeof path);
    GetSystemDirectoryA(system, sizeof system);
    char* slash = strrchr(path, '\\');
    ASSERT_NE(nullptr, slash);
    *slash = '\0';
    EXPECT_STRCASEEQ(system, path);
}

}   // namespace
