// The day tooltip: the memo of the cell under the pointer, or its date with
// the holiday or observance name, or the date alone.
#include "tooltips/day_tooltip.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "core/holidays.h"
#include "memo/memo_io.h"
#include "memo/memo_store.h"
#include "tooltips/tooltip_parts.h"
#include "platform/app_folder.h"

static const int kDayInitialDelayMs = 100;
static const int kDayAutoHideMs = 30000;

static char* s_memoBuffer;

bool PrepareMemoBuffer()
{
    if (!s_memoBuffer) {
        s_memoBuffer = (char*)calloc(kMemoBufferSize, 1);
    }
    return s_memoBuffer != nullptr;
}

void ReleaseMemoBuffer()
{
    free(s_memoBuffer);
    s_memoBuffer = nullptr;
}

// The store's tooltip read without its messages, for a memo whose failure
// to read has already been told during this stay of the pointer.
static bool ReadMemoQuietly(const char* path)
{
    s_memoBuffer[0] = '\0';
    if (!PathExists(path)) {
        return false;
    }
    HANDLE file = OpenMemoLocked(path);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool tooLarge = false;
    bool read = ReadMemoFile(file, kMemoMaxFileBytes, s_memoBuffer, kMemoBufferSize, &tooLarge);
    CloseHandle(file);
    return read;
}

static bool ReadMemo(const char* dateLine, bool quiet)
{
    char path[kAppPathSize];
    if (!s_memoBuffer || !MemoFilePath(dateLine, path, sizeof path)) {
        return false;
    }
    if (quiet) {
        return ReadMemoQuietly(path);
    }
    return ReadMemoForTooltip(path, TooltipOwner(), s_memoBuffer, kMemoBufferSize);
}

static const char* DayText(const char* dateLine, GridDate date, bool quiet, const HolidayTable* holidays,
                           char* label, size_t size)
{
    if (ReadMemo(dateLine, quiet)) {
        return s_memoBuffer;
    }
    if (BuildDayLabel(dateLine, date, label, size, holidays)) {
        return label;
    }
    return dateLine;
}

void ArmDayTooltip(int cell, Rect cellRect, const char* dateLine, GridDate date, Point pt,
                   const HolidayTable* holidays)
{
    ActivateTooltip(TooltipHandle(kHintTextTooltip), false);
    ActivateTooltip(TooltipHandle(kHintIconTooltip), false);
    // A pointer resting in one cell must not reread its memo at every move,
    // nor announce a memo it cannot read more than once, whatever number of
    // refreshes made it read the memo again meanwhile.
    DayHover* hover = RememberedHover();
    bool staying = cell == hover->cell && strcmp(dateLine, hover->dateLine) == 0;
    if (staying && hover->armed) {
        return;
    }
    // Remembered before the read: a refresh while its message box is open
    // (the clock keeps ticking) then still gets the next move to read again.
    hover->cell = cell;
    snprintf(hover->dateLine, sizeof hover->dateLine, "%s", dateLine);
    hover->armed = true;

    char label[kDayLabelSize];
    const char* text = DayText(dateLine, date, staying, holidays, label, sizeof label);
    HWND tip = TooltipHandle(kDayTooltip);
    if (!tip) {
        return;
    }
    SendMessageA(tip, WM_SETFONT, (WPARAM)DayTooltipFont(), FALSE);
    SetTooltipDelay(tip, TTDT_INITIAL, kDayInitialDelayMs);
    ArmTool(tip, (UINT)cell, cellRect, text, nullptr);
    // A maximum width makes the tooltip wrap long lines and honour the
    // memo's own line breaks.
    SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, DayTooltipWidth());
    SetTooltipDelay(tip, TTDT_AUTOPOP, kDayAutoHideMs);
    ActivateIfOn(tip);
    ReplayMove(tip, pt);
}

void InvalidateDayTooltip()
{
    RememberedHover()->armed = false;
}

void ForgetHover()
{
    DayHover* hover = RememberedHover();
    hover->cell = kNoCell;
    hover->dateLine[0] = '\0';
    hover->armed = false;
    ActivateTooltip(TooltipHandle(kDayTooltip), false);
}
