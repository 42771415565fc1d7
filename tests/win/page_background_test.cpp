// The background page on its own, with stand-in dialogs and brush slot, and
// once in the real sheet: what "更 新", OK and Cancel leave in the slot and
// in pelmo.ini, and how it opens on stored backgrounds.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <gdiplus.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "dialogs/page_background_picture.h"
#include "dialogs/page_background.h"
#include "dialogs/settings_sheet.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "tests/win/page_fixture.h"
#include "tests/win/test_support.h"
#include "view/background.h"
#include "view/picture.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

constexpr COLORREF kStartColour = RGB(0x56, 0x34, 0x12);
constexpr COLORREF kLeftHalf = RGB(200, 30, 30);
constexpr COLORREF kRightHalf = RGB(20, 40, 210);
constexpr int kPictureSide = 16;

// Left half red, right half blue.
bool SavePng(const std::string& path)
{
    std::vector<DWORD> pixels((size_t)kPictureSide * kPictureSide);
    for (int i = 0; i < kPictureSide * kPictureSide; ++i) {
        pixels[i] = i % kPictureSide < kPictureSide / 2 ? 0xFFC81E1E : 0xFF1428D2;
    }
    UINT count = 0, bytes = 0;
    GdipGetImageEncodersSize(&count, &bytes);
    std::vector<BYTE> table(bytes + 1);
    ImageCodecInfo* codecs = reinterpret_cast<ImageCodecInfo*>(table.data());
    GdipGetImageEncoders(count, bytes, codecs);
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(kPictureSide, kPictureSide, kPictureSide * 4, PixelFormat32bppARGB,
                              reinterpret_cast<BYTE*>(pixels.data()), &bitmap);
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    bool saved = false;
    for (UINT i = 0; i < count && bitmap && !saved; ++i) {
        saved = wcscmp(codecs[i].MimeType, L"image/png") == 0 &&
                GdipSaveImageToFile(bitmap, wide, &codecs[i].Clsid, nullptr) == Ok;
    }
    GdipDisposeImage(bitmap);
    return saved;
}

// "solid 123456", "hatch 4 808080" or "pattern": a brush in one word or three.
std::string Describe(HBRUSH brush)
{
    LOGBRUSH b = {};
    GetObjectA(brush, sizeof b, &b);
    char text[32];
    if (b.lbStyle == BS_HATCHED) {
        snprintf(text, sizeof text, "hatch %u %06lX", (unsigned)b.lbHatch, b.lbColor);
    } else {
        snprintf(text, sizeof text, b.lbStyle == BS_SOLID ? "solid %06lX" : "pattern", b.lbColor);
    }
    return text;
}

std::string Hex(COLORREF colour)
{
    char text[16];
    snprintf(text, sizeof text, "%06lX", colour);
    return text;
}

// The keys of a section of pelmo.ini in file order, each followed by "|".
std::string Section(const std::string& file, const char* name)
{
    char keys[2048] = {};
    GetPrivateProfileSectionA(name, keys, sizeof keys, file.c_str());
    std::string all;
    for (const char* key = keys; *key; key += strlen(key) + 1) {
        all += std::string(key) + "|";
    }
    return all;
}

class BackgroundPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        GdiplusStartupInput input;
        ASSERT_EQ(Ok, GdiplusStartup(&token_, &input, nullptr));
        slot_ = CreateSolidBrush(kStartColour);
        target_ = {&slot_, nullptr, nullptr, false};
    }

    void TearDown() override
    {
        PageTest::TearDown();
        DeleteObject(slot_);
        GdiplusShutdown(token_);
    }

    void Open() { ASSERT_NO_FATAL_FAILURE(PageTest::Open(BackgroundPage)); }

    // Buttons and tiles alike tell the page they were clicked.
    void Click(int id) { Command(id); }

    void ChooseColour(int button, COLORREF colour)
    {
        dialogs_.colourAnswer = colour;
        dialogs_.chooseColour = true;
        Click(button);
        dialogs_.chooseColour = false;
    }

    void ChoosePicture(const std::string& path)
    {
        dialogs_.pictureAnswer = path;
        Click(IDC_BACKGROUND_PICTURE);
        dialogs_.pictureAnswer.clear();
    }

    void SetTransparent(bool on)
    {
        CheckDlgButton(page_, IDC_BACKGROUND_TRANSPARENT, on ? BST_CHECKED : BST_UNCHECKED);
        Click(IDC_BACKGROUND_TRANSPARENT);
    }

    // The brush the page paints a static with.
    std::string Painted(int id)
    {
        HDC dc = GetDC(page_);
        HBRUSH brush = (HBRUSH)SendMessageA(page_, WM_CTLCOLORSTATIC, (WPARAM)dc,
                                            (LPARAM)GetDlgItem(page_, id));
        ReleaseDC(page_, dc);
        return Describe(brush);
    }

    bool Staged() { return IsWindowEnabled(GetDlgItem(page_, IDC_BACKGROUND_UPDATE)) != 0; }

    std::string Background() { return Section(Path(kSettingsFile), "BGBRUSH"); }

    void StorePictureBackground(const std::string& bitmap, const std::string& orgFile)
    {
        WriteSettingInt(kSettingsFile, "BGBRUSH", "STYLE", BS_PATTERN);
        WriteSettingString(kSettingsFile, "BGBRUSH", "BITMAP", bitmap.c_str());
        WriteSettingString(kSettingsFile, "BGBRUSH", "ORGFILE", orgFile.c_str());
    }

    ULONG_PTR token_ = 0;
    HBRUSH slot_ = nullptr;
};

TEST_F(BackgroundPageTest, ControlsTextsAndTheirPaint)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    const struct {
        int id;
        const char* text;
    } buttons[] = {{IDC_BACKGROUND_COLOUR, "背景色の変更"},
                   {IDC_BACKGROUND_PICTURE, "背景画の選択"},
                   {IDC_BACKGROUND_TRANSPARENT, "背景を透明にする"},
                   {IDC_BACKGROUND_TODAY_COLOUR, "本日の背景色"},
                   {IDC_BACKGROUND_UPDATE, "更 新"}};
    char text[64] = "";
    for (const auto& button : buttons) {
        GetDlgItemTextA(page_, button.id, text, sizeof text);
        EXPECT_STREQ(button.text, text);
    }
    EXPECT_FALSE(Staged());
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(page_, IDC_BACKGROUND_TRANSPARENT));

    // Left to right, each tile a grey sample of its pattern that reports
    // clicks.
    const int order[] = {410, 411, 412, 415, 414, 413, 416};
    LONG lastLeft = -1;
    for (int id : order) {
        HWND tile = GetDlgItem(page_, id);
        ASSERT_NE(nullptr, tile) << id;
        EXPECT_TRUE(GetWindowLongA(tile, GWL_STYLE) & SS_NOTIFY) << id;
        RECT rect;
        GetWindowRect(tile, &rect);
        EXPECT_GT(rect.left, lastLeft) << id;
        lastLeft = rect.left;
        EXPECT_EQ(id == 410 ? "solid C8C8C8" : "hatch " + std::to_string(id - 411) + " 808080", Painted(id));
    }
    EXPECT_EQ("solid 123456", Painted(IDC_BACKGROUND_SAMPLE));
    EXPECT_EQ("solid 00FFFF", Painted(IDC_BACKGROUND_TODAY_SAMPLE));
    EXPECT_EQ("solid " + Hex(GetSysColor(COLOR_BTNFACE)), Painted(IDC_STATIC));
}

TEST_F(BackgroundPageTest, TilesStageAPatternThatOkWrites)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    Click(IDC_BACKGROUND_TILE_SOLID);   // already solid
    EXPECT_FALSE(Staged());
    Click(IDC_BACKGROUND_TILE_FDIAGONAL);
    EXPECT_TRUE(Staged());
    EXPECT_EQ("hatch 2 123456", Painted(IDC_BACKGROUND_SAMPLE)) << "a pattern keeps the colour";
    Click(IDC_BACKGROUND_UPDATE);
    EXPECT_FALSE(Staged());
    EXPECT_EQ("hatch 2 123456", Describe(slot_));
    Click(IDC_BACKGROUND_TILE_FDIAGONAL);   // the one selected
    EXPECT_FALSE(Staged());

    Click(IDC_BACKGROUND_TILE_CROSS);
    EXPECT_EQ(PSNRET_NOERROR, Notify(PSN_APPLY));
    EXPECT_EQ("STYLE=2|COLOR=" + std::to_string(kStartColour) +
                  "|HATCH=4|TRANSPARENT=0|BITMAP=no key value|ORGFILE=no key value|",
              Background());
    EXPECT_EQ("hatch 4 123456", Describe(slot_));
}

// On a full disk "更 新" and OK save nothing and change nothing: the brush
// in force stays, the page keeps its edits and the sheet stays open, until
// there is room again.
class BackgroundPageOnFullDisk : public BackgroundPageTest {
protected:
    bool OnSmallVolume() const override { return true; }
};

TEST_F(BackgroundPageOnFullDisk, EditsWaitForRoomAndChangeNothingMeanwhile)
{
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "EXTRA", "NOTE", 1));
    const std::string before = ReadWholeFile(Path(kSettingsFile));
    ASSERT_NO_FATAL_FAILURE(Open());
    Click(IDC_BACKGROUND_TILE_CROSS);
    ASSERT_TRUE(FillVolume(folder_));
    std::vector<DialogSeen> seen = AnswerDialogs([&] { Click(IDC_BACKGROUND_UPDATE); },
                                                 [](const DialogSeen&) -> WPARAM { return IDOK; });
    ASSERT_EQ(1u, seen.size());
    EXPECT_NE(std::string::npos, seen[0].texts.find("保存できませんでした"));
    EXPECT_TRUE(Staged());
    EXPECT_EQ("solid 123456", Describe(slot_));
    LONG_PTR result = 0;
    seen = AnswerDialogs([&] { result = Notify(PSN_APPLY); },
                         [](const DialogSeen&) -> WPARAM { return IDOK; });
    EXPECT_EQ(1u, seen.size());
    EXPECT_EQ(PSNRET_INVALID_NOCHANGEPAGE, result);
    EXPECT_EQ(before, ReadWholeFile(Path(kSettingsFile)));

    FreeVolume(folder_);
    EXPECT_EQ(PSNRET_NOERROR, Notify(PSN_APPLY));
    EXPECT_EQ("hatch 4 123456", Describe(slot_));
    EXPECT_NE(before, ReadWholeFile(Path(kSettingsFile)));
}

TEST_F(BackgroundPageTest, ColoursUpdatedSurviveCancelAndTodayHasItsOwnKey)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    Click(IDC_BACKGROUND_COLOUR);   // the stand-in user cancels
    EXPECT_FALSE(Staged());

    ChooseColour(IDC_BACKGROUND_TODAY_COLOUR, RGB(1, 2, 3));
    EXPECT_EQ("solid 030201", Painted(IDC_BACKGROUND_TODAY_SAMPLE));
    Click(IDC_BACKGROUND_UPDATE);
    char names[64] = {};
    GetPrivateProfileSectionNamesA(names, sizeof names, Path(kSettingsFile).c_str());
    EXPECT_EQ(std::string("TODAY\0\0", 7), std::string(names, 7)) << "nothing else was edited";
    EXPECT_EQ("COLOR=" + std::to_string(RGB(1, 2, 3)) + "|", Section(Path(kSettingsFile), "TODAY"));

    ChooseColour(IDC_BACKGROUND_COLOUR, RGB(0, 255, 0));
    EXPECT_TRUE(Staged());
    Click(IDC_BACKGROUND_UPDATE);
    ChooseColour(IDC_BACKGROUND_COLOUR, RGB(0, 0, 255));   // staged, then dropped
    ChooseColour(IDC_BACKGROUND_TODAY_COLOUR, RGB(9, 9, 9));
    EXPECT_FALSE(Notify(PSN_QUERYCANCEL));
    EXPECT_FALSE(Staged());
    EXPECT_EQ("STYLE=0|COLOR=" + std::to_string(RGB(0, 255, 0)) +
                  "|HATCH=0|TRANSPARENT=0|BITMAP=no key value|ORGFILE=no key value|",
              Background());
    EXPECT_EQ("COLOR=" + std::to_string(RGB(1, 2, 3)) + "|", Section(Path(kSettingsFile), "TODAY"));
    EXPECT_EQ("solid 00FF00", Describe(slot_));
}

TEST_F(BackgroundPageTest, ChosenPngBecomesThePatternAndIsRecordedByItsOriginal)
{
    ASSERT_TRUE(CreateDirectoryA(Path("Image").c_str(), nullptr));
    const std::string png = Path("Image\\photo.png");
    ASSERT_TRUE(SavePng(png));
    ASSERT_NO_FATAL_FAILURE(Open());
    ChoosePicture(png);

    EXPECT_EQ((DWORD)(OFN_EXPLORER | OFN_FILEMUSTEXIST), dialogs_.pictureAsked.Flags);
    EXPECT_STREQ("背景画の選択", dialogs_.pictureAsked.lpstrTitle);
    EXPECT_EQ(page_, dialogs_.pictureAsked.hwndOwner);
    EXPECT_EQ(1u, dialogs_.pictureAsked.nFilterIndex);
    EXPECT_EQ(Path("Image"), dialogs_.initialDirAsked);
    EXPECT_EQ("", dialogs_.pictureFileAsked);
    const std::vector<std::string> filters = {
        "イメージファイル",
        "*.bmp;*.dib;*.gif;*.jpg;*.jpeg;*.jfif;*.png;*.tif;*.tiff;*.wmf;*.emf;*.ico",
        "BMPファイル(*.bmp, *.dib)",
        "*.bmp;*.dib",
        "GIFファイル(*.gif)",
        "*.gif",
        "JPEGファイル(*.jpg, *.jpeg, *.jfif)",
        "*.jpg;*.jpeg;*.jfif",
        "PNGファイル(*.png)",
        "*.png",
        "TIFFファイル(*.tif, *.tiff)",
        "*.tif;*.tiff",
        "メタファイル(*.wmf, *.emf)",
        "*.wmf;*.emf",
        "アイコンファイル(*.ico)",
        "*.ico"};
    EXPECT_EQ(filters, dialogs_.filtersAsked);

    EXPECT_TRUE(Staged());
    EXPECT_TRUE(PathExists(Path("pelmo.bmp"))) << "converted as soon as chosen";
    EXPECT_EQ("pattern", Painted(IDC_BACKGROUND_SAMPLE));
    Notify(PSN_APPLY);
    EXPECT_EQ("STYLE=3|COLOR=" + std::to_string(kStartColour) +
                  "|HATCH=0|TRANSPARENT=0|BITMAP=no key value|ORGFILE=" + png + "|",
              Background());

    // The slot's brush tiles the picture.
    Surface surface;
    ASSERT_TRUE(CreateSurface(&surface, 2 * kPictureSide, kPictureSide));
    SelectObject(surface.dc, slot_);
    PatBlt(surface.dc, 0, 0, 2 * kPictureSide, kPictureSide, PATCOPY);
    GdiFlush();
    EXPECT_EQ(kLeftHalf, SurfacePixel(surface, 1, 1));
    EXPECT_EQ(kRightHalf, SurfacePixel(surface, kPictureSide - 1, 1));
    EXPECT_EQ(kLeftHalf, SurfacePixel(surface, kPictureSide + 1, 1));
    DestroySurface(&surface);

    // Opened again on it, the page shows the picture and offers the
    // original, not the converted copy, in the dialog.
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ("pattern", Painted(IDC_BACKGROUND_SAMPLE));
    Click(IDC_BACKGROUND_PICTURE);
    EXPECT_EQ(png, dialogs_.pictureFileAsked);
    EXPECT_FALSE(Staged());

    // A BMP is used as it is and recorded as such.
    const std::string bmp = Path("Image\\plain.BMP");
    ASSERT_TRUE(CopyFileA(Path("pelmo.bmp").c_str(), bmp.c_str(), FALSE));
    ChoosePicture(bmp);
    Click(IDC_BACKGROUND_UPDATE);
    EXPECT_NE(std::string::npos, Background().find("BITMAP=" + bmp + "|ORGFILE=no key value|"));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(BackgroundPageTest, RefusedPicturesLeaveThePageAsItWas)
{
    ASSERT_TRUE(SavePng(Path("photo.png")));
    ASSERT_TRUE(WriteWholeFile(Path("notes.png"), "not a picture"));
    // A BMP by its name only: used as it is, it cannot be loaded.
    ASSERT_TRUE(WriteWholeFile(Path("broken.bmp"), "not a bitmap either"));
    ASSERT_NO_FATAL_FAILURE(Open());
    ChoosePicture(Path("photo.png"));
    Click(IDC_BACKGROUND_UPDATE);
    const HBRUSH installed = slot_;
    const std::string stored = Background();

    for (const char* name : {"pelmo.bmp", "notes.png", "broken.bmp"}) {
        ChoosePicture(Path(name));
        EXPECT_FALSE(Staged()) << name;
        EXPECT_EQ("pattern", Painted(IDC_BACKGROUND_SAMPLE)) << name;
    }
    const std::vector<std::string> told = {kPictureRefusedText, kPictureConversionFailedText,
                                           kPictureConversionFailedText};
    EXPECT_EQ(told, dialogs_.messages);
    Notify(PSN_APPLY);
    EXPECT_EQ(installed, slot_);
    EXPECT_EQ(stored, Background());
}

TEST_F(BackgroundPageTest, APictureGivesWayToGreyTilesAndToTransparency)
{
    ASSERT_TRUE(SavePng(Path("photo.png")));
    char load[MAX_PATH];
    ASSERT_TRUE(PreparePictureFile(Path("photo.png").c_str(), Path("pelmo.bmp").c_str(), load, sizeof load));
    const std::string bmp = Path("photo.bmp");
    ASSERT_TRUE(CopyFileA(load, bmp.c_str(), FALSE));
    DeleteObject(slot_);
    slot_ = LoadPictureBrush(bmp.c_str());
    StorePictureBackground(bmp, kNoKeyValue);

    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ("pattern", Painted(IDC_BACKGROUND_SAMPLE));
    Click(IDC_BACKGROUND_TILE_BDIAGONAL);
    EXPECT_EQ("hatch 3 C8C8C8", Painted(IDC_BACKGROUND_SAMPLE));

    ASSERT_NO_FATAL_FAILURE(Open());
    SetTransparent(true);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_, IDC_BACKGROUND_PICTURE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_, IDC_BACKGROUND_TILE_CROSS)));
    Click(IDC_BACKGROUND_UPDATE);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ("STYLE=0|BITMAP=no key value|ORGFILE=no key value|COLOR=" + std::to_string(face) +
                  "|HATCH=0|TRANSPARENT=1|",
              Background());
    EXPECT_EQ("solid " + Hex(face), Describe(slot_));

    // Stored transparency opens the page with the pattern choices off.
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page_, IDC_BACKGROUND_TRANSPARENT));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_, IDC_BACKGROUND_TILE_SOLID)));
    SetTransparent(false);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page_, IDC_BACKGROUND_PICTURE)));
    Notify(PSN_APPLY);
    EXPECT_EQ(0, ReadSettingInt(kSettingsFile, "BGBRUSH", "TRANSPARENT", -1));
}

TEST_F(BackgroundPageTest, AVanishedPictureOpensOnTheFallbackAndStaysRecorded)
{
    ASSERT_TRUE(SavePng(Path("photo.png")));
    char load[MAX_PATH];
    ASSERT_TRUE(PreparePictureFile(Path("photo.png").c_str(), Path("pelmo.bmp").c_str(), load, sizeof load));
    DeleteObject(slot_);
    slot_ = LoadPictureBrush(load);   // made before the files went
    const HBRUSH inForce = slot_;

    for (const bool asBitmap : {true, false}) {
        const std::string gone = Path(asBitmap ? "gone.bmp" : "gone.png");
        StorePictureBackground(asBitmap ? gone : kNoKeyValue, asBitmap ? kNoKeyValue : gone);
        ASSERT_NO_FATAL_FAILURE(Open());
        EXPECT_EQ("solid FFFFE1", Painted(IDC_BACKGROUND_SAMPLE));
        EXPECT_TRUE(dialogs_.messages.empty()) << "a missing file is no error to report";
    }
    // Only today's colour changes: the picture stays recorded for when its
    // drive is back.
    const std::string stored = Background();
    ChooseColour(IDC_BACKGROUND_TODAY_COLOUR, RGB(7, 7, 7));
    Notify(PSN_APPLY);
    EXPECT_EQ(stored, Background());
    EXPECT_EQ(inForce, slot_);
}

// Through the real sheet: a tile staged on the first page is applied by OK.
void ClickTileThenOk(HWND sheet, DialogWatch*)
{
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BACKGROUND_TILE_VERTICAL, STN_CLICKED),
                 (LPARAM)GetDlgItem(page, IDC_BACKGROUND_TILE_VERTICAL));
    PropSheet_PressButton(sheet, PSBTN_OK);
}

TEST_F(BackgroundPageTest, OkOfTheSheetAppliesTheStagedPattern)
{
    DesignRecord design = {};
    MemoDisplaySettings memo = {};
    SheetTarget target = {&slot_, &design, &memo, false};
    DialogWatch watch = {};
    watch.act = ClickTileThenOk;
    HANDLE watcher = StartDialogWatch(&watch);
    EXPECT_TRUE(RunSettingsSheet(window_, &target));
    EndDialogWatch(watcher, &watch);
    EXPECT_EQ("hatch 1 123456", Describe(slot_));
    EXPECT_EQ(2, ReadSettingInt(kSettingsFile, "BGBRUSH", "STYLE", -1));
}

}   // namespace
