#include "view/brush_slot.h"

void InstallBrush(HDC surface, HBRUSH* slot, HBRUSH brush)
{
    SelectObject(surface, brush);
    if (*slot && *slot != brush) {
        DeleteObject(*slot);
    }
    *slot = brush;
}
