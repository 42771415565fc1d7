#include "memo/month_view.h"

#include "memo/memo_marks.h"

void PaintMonth(HDC surface, const MonthView& view, DesignRecord* design, CalendarLayout* layout,
                PaintFonts* fonts)
{
    layout->clientRect = view.rect;
    ComputeLayoutGeometry(layout, view.year, view.month);
    MarkMemoDates(layout->dates, layout->marked);
    AdjustFormatsForFont(design);
    PaintInput input;
    input.design = *design;
    input.background = view.background;
    input.cellColors = view.cellColors;
    input.transparent = view.transparent;
    input.now = view.now;
    input.shownYear = view.year;
    input.shownMonth = view.month;
    input.layout = *layout;
    input.holidays = view.holidays;
    PaintCalendar(surface, input, fonts);
}
