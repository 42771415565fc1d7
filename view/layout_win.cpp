#include "view/layout_win.h"

#include "memo/memo_store.h"
#include "settings/app_folder.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

static const char kBrushSection[] = "BGBRUSH";
static const char kTransparentKey[] = "TRANSPARENT";

// Existence alone marks a date, as everywhere else: a memo that cannot be
// opened right now is still a memo.
static int32_t HasMemo(const GridDate& date)
{
    char dateLine[kDateLineSize];
    char path[kAppPathSize];
    if (!FormatDateLine(date, dateLine, sizeof dateLine) || !MemoFilePath(dateLine, path, sizeof path)) {
        return 0;
    }
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

bool ComputeLayout(CalendarLayout* layout, uint16_t year, uint16_t month)
{
    bool shown = ComputeLayoutGeometry(layout, year, month);
    for (int d = 0; d < kGridCells; ++d) {
        layout->marked[d] = shown ? HasMemo(layout->dates.cells[d]) : 0;
    }
    return shown;
}

void DrawPartitionLines(HDC surface, const CalendarLayout& layout, const DesignRecord& design,
                        const char* settingsFile)
{
    if (ReadSettingInt(settingsFile, kBrushSection, kTransparentKey, kDefaultTransparent) != 0) {
        return;
    }
    LineSegment lines[kMaxPartitionLines];
    int count = PartitionLines(layout, design.partition, lines);
    for (int i = 0; i < count; ++i) {
        MoveToEx(surface, lines[i].from.x, lines[i].from.y, nullptr);
        LineTo(surface, lines[i].to.x, lines[i].to.y);
    }
}

HCURSOR LoadBorderCursor(BorderCursor cursor)
{
    switch (cursor) {
    case BorderCursor::SizeNWSE:
        return LoadCursorA(nullptr, IDC_SIZENWSE);
    case BorderCursor::SizeNESW:
        return LoadCursorA(nullptr, IDC_SIZENESW);
    case BorderCursor::SizeWE:
        return LoadCursorA(nullptr, IDC_SIZEWE);
    case BorderCursor::SizeNS:
        return LoadCursorA(nullptr, IDC_SIZENS);
    case BorderCursor::Unchanged:
        break;
    }
    return nullptr;
}
