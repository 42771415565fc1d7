// The platform the calendar relies on: code page 932 under Wine, the core's
// date record interchangeable with SYSTEMTIME, and the bounded paths.
#include <gtest/gtest.h>
#include <windows.h>
#include <stddef.h>
#include <string.h>

#include "core/dates.h"
#include "platform/app_folder.h"
#include "tests/win/stand_ins.h"

static_assert(sizeof(DateTime) == sizeof(SYSTEMTIME), "DateTime must match SYSTEMTIME");
static_assert(offsetof(DateTime, year) == offsetof(SYSTEMTIME, wYear), "year");
static_assert(offsetof(DateTime, month) == offsetof(SYSTEMTIME, wMonth), "month");
static_assert(offsetof(DateTime, weekday) == offsetof(SYSTEMTIME, wDayOfWeek), "weekday");
static_assert(offsetof(DateTime, day) == offsetof(SYSTEMTIME, wDay), "day");
static_assert(offsetof(DateTime, hour) == offsetof(SYSTEMTIME, wHour), "hour");
static_assert(offsetof(DateTime, minute) == offsetof(SYSTEMTIME, wMinute), "minute");
static_assert(offsetof(DateTime, second) == offsetof(SYSTEMTIME, wSecond), "second");
static_assert(offsetof(DateTime, milliseconds) == offsetof(SYSTEMTIME, wMilliseconds), "ms");

TEST(Platform, AnsiCodePageIsShiftJis)
{
    EXPECT_EQ(932u, GetACP());
    const char* day = "日";
    ASSERT_EQ(2u, strlen(day));
    EXPECT_EQ(0x93, (unsigned char)day[0]);
    EXPECT_EQ(0xFA, (unsigned char)day[1]);
}

TEST(AppFolder, PathsStayBesideTheExecutableAndWithinMaxPath)
{
    char path[kAppPathSize];
    ASSERT_TRUE(BuildAppPath("pelmo.ini", path, sizeof path));
    char module[kAppPathSize];
    GetModuleFileNameA(nullptr, module, sizeof module);
    char* slash = strrchr(module, '\\');
    ASSERT_NE(nullptr, slash);
    strcpy(slash + 1, "pelmo.ini");
    EXPECT_STREQ(module, path);

    // A folder whose last character ends in the byte 0x5C: "表" is 0x95 0x5C.
    StandIns standIns;
    standIns.AppFolder("C:\\表");
    ASSERT_TRUE(BuildAppPath("DATA", path, sizeof path));
    EXPECT_STREQ("C:\\表\\DATA", path);

    char folder[kAppPathSize];
    memset(folder, 'a', 250);
    memcpy(folder, "C:\\", 3);
    folder[250] = '\0';
    standIns.AppFolder(folder);
    // 251 bytes of folder with its backslash: 8 more fit, 9 do not.
    EXPECT_TRUE(BuildAppPath("temp.ini", path, sizeof path));
    EXPECT_EQ(259u, strlen(path));
    EXPECT_FALSE(BuildAppPath("pelmo.ini", path, sizeof path));
    EXPECT_STREQ("", path);
    char small[16];
    EXPECT_FALSE(BuildAppPath("temp.ini", small, sizeof small));

    // A folder too long to use never falls back to the executable's.
    char tooLong[400];
    memset(tooLong, 'b', sizeof tooLong - 1);
    tooLong[sizeof tooLong - 1] = '\0';
    standIns.AppFolder(tooLong);
    EXPECT_FALSE(BuildAppPath("pelmo.ini", path, sizeof path));
}
