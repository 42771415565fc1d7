// The day tooltip: the memo of the cell under the pointer, or its date with
// the holiday or observance name, or the date alone.
#include "memo/tooltips.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "core/holidays.h"
#include "memo/memo_store.h"
#include "memo/tooltip_parts.h"
#include "settings/app_folder.h"

static const int kDayInitialDelayMs = 100;
static const int kDayAutoHideMs = 30000;

static char* s_memoBuffer;

// The cell the day tooltip was last armed for and the date it had then: a
// pointer resting in one cell must not reread (or re-announce the failure
// to read) its memo at every move.
static int s_hoverCell = kNoCell;
static char s_hoverDateLine[kDateLineSize];

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

static const char* DayText(const char* dateLine, GridDate date, char* label, size_t size)
{
    char path[kAppPathSize];
    if (s_memoBuffer && MemoFilePath(dateLine, path, sizeof path) &&
        ReadMemoForTooltip(path, TooltipOwner(), s_memoBuffer, kMemoBufferSize)) {
        return s_memoBuffer;
    }
    if (BuildDayLabel(dateLine, date, label, size)) {
        return label;
    }
    return dateLine;
}

void ArmDayTooltip(int cell, Rect cellRect, const char* dateLine, GridDate date)
{
    ActivateTooltip(TooltipHandle(kHintTextTooltip), false);
    ActivateTooltip(TooltipHandle(kHintIconTooltip), false);
    if (cell == s_hoverCell && strcmp(dateLine, s_hoverDateLine) == 0) {
        return;
    }
    s_hoverCell = cell;
    snprintf(s_hoverDateLine, sizeof s_hoverDateLine, "%s", dateLine);

    char label[kDayLabelSize];
    const char* text = DayText(dateLine, date, label, sizeof label);
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
}

void ForgetHover()
{
    s_hoverCell = kNoCell;
    s_hoverDateLine[0] = '\0';
    ActivateTooltip(TooltipHandle(kDayTooltip), false);
}
