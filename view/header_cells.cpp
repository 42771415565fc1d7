#include "view/header_cells.h"

#include "res/resource.h"

static const int kMonthsPerDecade = 10 * kMonthsPerYear;

const HeaderCell kHeaderCells[kHeaderCellCount] = {
    {6, HeaderAction::AskToExit, 0, 101, IDI_HINT_EXIT, "ソフト終了", 0, nullptr},
    {5, HeaderAction::Command, IDM_MAXIMIZE, 102, IDI_HINT_MAXIMIZE, "最大化する", IDI_HINT_RESTORE,
     "元に戻す"},
    {4, HeaderAction::Command, IDM_HIDE, 103, IDI_HINT_HIDE, "カレンダーを隠す", 0, nullptr},
    {0, HeaderAction::StepMonths, kMonthsPerYear, 104, 0, "1 年後を表示", 0, nullptr},
    {1, HeaderAction::StepMonths, -kMonthsPerYear, 105, 0, "1 年前を表示", 0, nullptr},
    {2, HeaderAction::StepMonths, kMonthsPerDecade, 106, 0, "10 年後を表示", 0, nullptr},
    {3, HeaderAction::StepMonths, -kMonthsPerDecade, 107, 0, "10 年前を表示", 0, nullptr},
};

const HeaderCell* FindHeaderCell(const CalendarLayout& layout, Point pt)
{
    for (const HeaderCell& cell : kHeaderCells) {
        const Rect& r = layout.weekdayRects[cell.column];
        if (pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom) {
            return &cell;
        }
    }
    return nullptr;
}
