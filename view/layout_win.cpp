#include "view/layout_win.h"

#include <string.h>

#include "memo/memo_marks.h"
#include "settings/app_folder.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

static const char kBrushSection[] = "BGBRUSH";
static const char kTransparentKey[] = "TRANSPARENT";

bool ComputeLayout(CalendarLayout* layout, uint16_t year, uint16_t month)
{
    bool shown = ComputeLayoutGeometry(layout, year, month);
    if (shown) {
        MarkMemoDates(layout->dates, layout->marked);
    } else {
        memset(layout->marked, 0, sizeof layout->marked);
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
