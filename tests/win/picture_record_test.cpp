// A picture converted into pelmo.bmp is used again while pelmo.bmp holds
// its conversion, by the record beside it; anything that puts that in
// doubt converts again, and what cannot be converted is told.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/file_stamp.h"
#include "tests/win/picture_fixture.h"
#include "tests/win/test_support.h"
#include "view/background.h"
#include "view/picture.h"
#include "view/picture_read_ahead.h"
#include "view/picture_record.h"

namespace {

constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kBlue = RGB(20, 40, 210);
constexpr COLORREF kGreen = RGB(30, 160, 40);

// A 4 by 4 BMP of one colour, 24 bits, written an hour before now.
bool SaveFlatBmp(const std::string& path, COLORREF colour, unsigned secondsAgo = 3600)
{
    std::string bmp(54, '\0');
    const unsigned fileSize = 54 + 4 * 12;
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[2] = (char)fileSize;
    bmp[10] = 54;
    bmp[14] = 40;
    bmp[18] = 4;
    bmp[22] = 4;
    bmp[26] = 1;
    bmp[28] = 24;
    for (int pixel = 0; pixel < 16; ++pixel) {
        bmp += {(char)GetBValue(colour), (char)GetGValue(colour), (char)GetRValue(colour)};
    }
    return WriteWholeFile(path, bmp) && BackdateFile(path, secondsAgo);
}

BackgroundRecord PictureBackground(const std::string& source)
{
    BackgroundRecord background = {};
    background.brush = {BS_PATTERN, 0, 0};
    snprintf(background.orgFile, sizeof background.orgFile, "%s", source.c_str());
    snprintf(background.bitmap, sizeof background.bitmap, "%s", kNoKeyValue);
    return background;
}

class ConvertedPicture : public PictureTest {
protected:
    ConvertedPicture() : PictureTest(8, 8) {}

    void SetUp() override
    {
        PictureTest::SetUp();
        record_ = converted_ + kConversionRecordSuffix;
    }

    // The colour the picture source shows as the background, or the
    // fallback's when it could not be applied.
    COLORREF Shown(const std::string& source)
    {
        BackgroundRecord record;
        ApplyPictureBrush(surface_.dc, source.c_str(), converted_.c_str(), &slot_, &record);
        PatBlt(surface_.dc, 0, 0, 8, 8, PATCOPY);
        GdiFlush();
        return SurfacePixel(surface_, 3, 3);
    }

    unsigned Conversions() const { return PictureConversionCount(); }

    // The colour a brush paints; the brush is deleted.
    COLORREF Painted(HBRUSH brush)
    {
        const HGDIOBJ before = SelectObject(surface_.dc, brush);
        PatBlt(surface_.dc, 0, 0, 8, 8, PATCOPY);
        GdiFlush();
        SelectObject(surface_.dc, before);
        DeleteObject(brush);
        return SurfacePixel(surface_, 3, 3);
    }

    std::string record_;
};

TEST_F(ConvertedPicture, IsUsedAgainWhilePelmoBmpHoldsItAndMadeAgainWhenAnotherTookItsPlace)
{
    const std::string red = Path("red.png");
    const std::string blue = Path("blue.png");
    ASSERT_TRUE(SaveFlatPng(red, kRed));
    ASSERT_TRUE(SaveFlatPng(blue, kBlue));

    const unsigned before = Conversions();
    EXPECT_EQ(kRed, Shown(red));
    EXPECT_EQ(before + 1, Conversions());
    ASSERT_TRUE(PathExists(record_)) << "written after pelmo.bmp";
    EXPECT_NE(std::string::npos, ReadWholeFile(record_).find(red)) << "by the source's full path";
    FileStamp written;
    ASSERT_TRUE(ReadFileStamp(converted_.c_str(), &written));

    EXPECT_EQ(kRed, Shown(red));
    EXPECT_EQ(before + 1, Conversions()) << "pelmo.bmp holds it";
    FileStamp now;
    ASSERT_TRUE(ReadFileStamp(converted_.c_str(), &now));
    EXPECT_TRUE(SameFileStamp(written, now)) << "and was not written again";

    EXPECT_EQ(kBlue, Shown(blue));
    EXPECT_EQ(kRed, Shown(red)) << "pelmo.bmp held the blue one meanwhile";
    EXPECT_EQ(before + 3, Conversions());
    EXPECT_TRUE(Told().empty());
}

// Whatever puts the record in doubt converts again, and the right picture
// shows; the stored choice of picture is never touched here.
TEST_F(ConvertedPicture, ConvertsAgainWhenTheRecordOrPelmoBmpIsInDoubt)
{
    const std::string red = Path("red.png");
    ASSERT_TRUE(SaveFlatPng(red, kRed));
    ASSERT_EQ(kRed, Shown(red));
    const std::string good = ReadWholeFile(record_);

    // The last: made for a screen of another size, of which it would keep
    // another part.
    const size_t width = good.find("SCREENWIDTH=") + 12;
    const std::vector<std::string> damaged = {"",
                                              "[pelmo.bmp]\r\nSOURCE=",
                                              good.substr(0, good.size() / 2),
                                              "garbage\x81",
                                              good.substr(0, good.find("BMPSIZE=") + 8) + "12x\r\n",
                                              good.substr(0, width) + "1" + good.substr(width)};
    for (const std::string& bytes : damaged) {
        ASSERT_TRUE(WriteWholeFile(record_, bytes));
        const unsigned before = Conversions();
        EXPECT_EQ(kRed, Shown(red)) << bytes;
        EXPECT_EQ(before + 1, Conversions()) << "a damaged record: " << bytes;
    }
    ASSERT_TRUE(DeleteFileA(record_.c_str()));
    unsigned before = Conversions();
    EXPECT_EQ(kRed, Shown(red));
    EXPECT_EQ(before + 1, Conversions()) << "no record";

    // pelmo.bmp cut short behind the record's back: its size tells.
    const std::string bmp = ReadWholeFile(converted_);
    ASSERT_TRUE(WriteWholeFile(converted_, bmp.substr(0, bmp.size() / 2)));
    before = Conversions();
    EXPECT_EQ(kRed, Shown(red));
    EXPECT_EQ(before + 1, Conversions()) << "pelmo.bmp cut short";

    // The same picture rewritten in place with other pixels: its time tells.
    ASSERT_TRUE(SaveFlatPng(red, kGreen, 1800));
    before = Conversions();
    EXPECT_EQ(kGreen, Shown(red));
    EXPECT_EQ(before + 1, Conversions()) << "the source changed";

    // Changed only a moment ago, a change within the file system's time
    // step could still follow unseen: nothing is recorded, and the next use
    // converts again.
    ASSERT_TRUE(SaveFlatPng(red, kBlue, 0));
    EXPECT_EQ(kBlue, Shown(red));
    EXPECT_FALSE(PathExists(record_));
    before = Conversions();
    EXPECT_EQ(kBlue, Shown(red));
    EXPECT_EQ(before + 1, Conversions());
    EXPECT_TRUE(Told().empty());
}

// pelmo.bmp cannot be had: its conversion's message is given, the brush
// stays, and once it can be had again the picture shows.
TEST_F(ConvertedPicture, APelmoBmpThatCannotBeWrittenIsToldAndChangesNothing)
{
    const std::string red = Path("red.png");
    ASSERT_TRUE(SaveFlatPng(red, kRed));
    ASSERT_EQ(kRed, Shown(red));
    const std::string failed = std::string(kPictureConversionFailedText) + "|" + red;

    // Locked by another program: the record still matches, but pelmo.bmp
    // will not load, and cannot be made again.
    HANDLE lock = CreateFileA(converted_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    const HBRUSH before = slot_;
    BackgroundRecord record = {};
    EXPECT_FALSE(ApplyPictureBrush(surface_.dc, red.c_str(), converted_.c_str(), &slot_, &record));
    EXPECT_EQ(before, slot_);
    CloseHandle(lock);
    EXPECT_EQ(std::vector<std::string>{failed}, Told());
    EXPECT_EQ(kRed, Shown(red)) << "unlocked again";

    // Replaced by a folder.
    ASSERT_TRUE(DeleteFileA(converted_.c_str()));
    ASSERT_TRUE(CreateDirectoryA(converted_.c_str(), nullptr));
    Told().clear();
    const HBRUSH kept = slot_;
    EXPECT_FALSE(ApplyPictureBrush(surface_.dc, red.c_str(), converted_.c_str(), &slot_, &record));
    EXPECT_EQ(kept, slot_);
    EXPECT_EQ(std::vector<std::string>{failed}, Told());
    ASSERT_TRUE(RemoveDirectoryA(converted_.c_str()));
    EXPECT_EQ(kRed, Shown(red));

    // The source gone: its conversion cannot be made, whatever pelmo.bmp holds.
    ASSERT_TRUE(DeleteFileA(red.c_str()));
    Told().clear();
    EXPECT_FALSE(ApplyPictureBrush(surface_.dc, red.c_str(), converted_.c_str(), &slot_, &record));
    EXPECT_EQ(std::vector<std::string>{failed}, Told());
}

// The start reads its background ahead on a thread of its own: the brush
// it takes is the one it would have made, a conversion pelmo.bmp holds
// included, and it is handed over once.
TEST_F(ConvertedPicture, ABrushReadAheadIsTheOneTheStartWouldMake)
{
    const std::string red = Path("red.png");
    const std::string blue = Path("blue.bmp");
    ASSERT_TRUE(SaveFlatPng(red, kRed));
    ASSERT_EQ(kRed, Shown(red));   // converted and recorded
    ASSERT_TRUE(SaveFlatBmp(blue, kBlue));
    const unsigned before = Conversions();
    const std::pair<std::string, COLORREF> pictures[] = {{red, kRed}, {blue, kBlue}};
    for (const auto& [source, colour] : pictures) {
        const BackgroundRecord background = PictureBackground(source);
        StartPictureReadAhead(background, converted_.c_str());
        const HBRUSH ahead = TakeReadAheadBrush(background, converted_.c_str());
        ASSERT_NE(nullptr, ahead) << source;
        EXPECT_EQ(colour, Painted(ahead)) << source;
        EXPECT_EQ(nullptr, TakeReadAheadBrush(background, converted_.c_str())) << "handed over once";
    }
    EXPECT_EQ(before, Conversions());
    EXPECT_TRUE(Told().empty());
}

// What was read ahead is never shown once its file changed, nor for another
// background; what needs a conversion or a message is left to the start.
TEST_F(ConvertedPicture, WhatWasReadAheadGivesWayToTheFileAsItIsNow)
{
    const std::string photo = Path("photo.bmp");
    ASSERT_TRUE(SaveFlatBmp(photo, kBlue));
    const BackgroundRecord background = PictureBackground(photo);
    StartPictureReadAhead(background, converted_.c_str());
    FinishPictureReadAhead();
    ASSERT_TRUE(SaveFlatBmp(photo, kGreen, 1800));
    bool fellBack = true;
    EXPECT_EQ(kGreen, Painted(CreateBackgroundBrush(background, converted_.c_str(), &fellBack)));
    EXPECT_FALSE(fellBack);

    StartPictureReadAhead(background, converted_.c_str());
    EXPECT_EQ(nullptr, TakeReadAheadBrush(PictureBackground(Path("other.bmp")), converted_.c_str()));
    StartPictureReadAhead(background, converted_.c_str());
    DiscardPictureReadAhead();
    EXPECT_EQ(nullptr, TakeReadAheadBrush(background, converted_.c_str()));

    // A picture pelmo.bmp does not hold, and pelmo.bmp itself chosen as the
    // picture, which the start refuses with its message.
    const std::string red = Path("red.png");
    ASSERT_TRUE(SaveFlatPng(red, kRed));
    ASSERT_TRUE(SaveFlatBmp(converted_, kBlue));
    for (const std::string& source : {red, converted_}) {
        StartPictureReadAhead(PictureBackground(source), converted_.c_str());
        EXPECT_EQ(nullptr, TakeReadAheadBrush(PictureBackground(source), converted_.c_str())) << source;
    }
    EXPECT_TRUE(Told().empty());
}

}   // namespace
