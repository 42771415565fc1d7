// The brush the calendar's background is painted with.
#pragma once
#include <windows.h>

#include "settings/design_record.h"

// A solid or hatched brush from the stored brush values; the caller owns
// it. Pictures fall back to the solid colour until they are supported.
HBRUSH CreateBackgroundBrush(BrushTriple brush);
