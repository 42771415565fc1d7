#include "view/layout_win.h"

void DrawPartitionLines(HDC surface, const CalendarLayout& layout, int32_t partition)
{
    LineSegment lines[kMaxPartitionLines];
    int count = PartitionLines(layout, partition, lines);
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
