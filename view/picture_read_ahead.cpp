#include "view/picture_read_ahead.h"

#include <process.h>
#include <stdio.h>
#include <string.h>

#include "platform/file_stamp.h"
#include "platform/start_trace.h"
#include "view/picture_crop.h"
#include "view/picture_record.h"

// Written by the reading thread, read by the calendar's only after the
// thread has ended (FinishPictureReadAhead waits for it).
struct ReadAhead {
    HANDLE thread;
    char path[kPicturePathSize];
    FileStamp stamp;
    HBRUSH brush;
};

static ReadAhead s_ahead;

bool IsBitmapFileName(const char* path)
{
    const char* dot = strrchr(path, '.');
    const char* slash = strrchr(path, '\\');
    if (!dot || (slash && slash > dot)) {
        return false;
    }
    return _stricmp(dot, ".bmp") == 0 || _stricmp(dot, ".dib") == 0;
}

// The file the background loads as it is, as the calendar will choose it.
// pelmo.bmp chosen as a picture is refused with a message, by the
// calendar.
static bool FileToRead(const BackgroundRecord& background, const char* convertedFile, char* out, size_t size)
{
    const char* file = nullptr;
    if (background.brush.style == BS_SOLID || background.brush.style == BS_HATCHED) {
        return false;
    }
    if (NamesFile(background.orgFile)) {
        if (strcmp(background.orgFile, convertedFile) == 0) {
            return false;
        }
        if (IsBitmapFileName(background.orgFile)) {
            file = background.orgFile;
        } else if (ConversionIsCurrent(background.orgFile, convertedFile)) {
            file = convertedFile;
        }
    } else if (NamesFile(background.bitmap)) {
        file = background.bitmap;
    }
    const int n = file ? snprintf(out, size, "%s", file) : -1;
    return n > 0 && (size_t)n < size;
}

// A picture larger than the screen is cropped through GDI+, which this
// thread leaves to the calendar. The brush keeps its own copy of the
// bitmap.
static HBRUSH LoadUncropped(const char* path)
{
    bool larger = false;
    HBITMAP bitmap = LoadWholeBitmap(path, &larger);
    if (!bitmap) {
        return nullptr;
    }
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}

// The stamp is read before and after: a file rewritten meanwhile may have
// been read half old, half new.
static unsigned __stdcall ReadPicture(void*)
{
    ReadAhead& a = s_ahead;
    FileStamp after;
    if (ReadFileStamp(a.path, &a.stamp)) {
        a.brush = LoadUncropped(a.path);
        if (a.brush && (!ReadFileStamp(a.path, &after) || !SameFileStamp(a.stamp, after))) {
            DeleteObject(a.brush);
            a.brush = nullptr;
        }
    }
    TraceStep(a.brush ? "picture read ahead" : "picture not read ahead");
    return 0;
}

void StartPictureReadAhead(const BackgroundRecord& background, const char* convertedFile)
{
    ReadAhead& a = s_ahead;
    if (a.thread || a.brush || !FileToRead(background, convertedFile, a.path, sizeof a.path)) {
        return;
    }
    a.thread = (HANDLE)_beginthreadex(nullptr, 0, ReadPicture, nullptr, 0, nullptr);
}

void FinishPictureReadAhead()
{
    ReadAhead& a = s_ahead;
    if (a.thread) {
        WaitForSingleObject(a.thread, INFINITE);
        CloseHandle(a.thread);
        a.thread = nullptr;
    }
}

HBRUSH TakeReadAheadBrush(const BackgroundRecord& background, const char* convertedFile)
{
    FinishPictureReadAhead();
    ReadAhead& a = s_ahead;
    HBRUSH brush = a.brush;
    a.brush = nullptr;
    char path[kPicturePathSize];
    FileStamp now;
    if (brush && (!FileToRead(background, convertedFile, path, sizeof path) || _stricmp(path, a.path) != 0 ||
                  !ReadFileStamp(path, &now) || !SameFileStamp(a.stamp, now))) {
        DeleteObject(brush);
        brush = nullptr;
    }
    return brush;
}

void DiscardPictureReadAhead()
{
    FinishPictureReadAhead();
    if (s_ahead.brush) {
        DeleteObject(s_ahead.brush);
        s_ahead.brush = nullptr;
    }
}
