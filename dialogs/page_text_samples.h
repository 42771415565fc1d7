// What the text page draws besides its controls: the font of its six colour
// samples and the picture of the partition choice.
#pragma once
#include <windows.h>

#include "settings/design_record.h"

// Sets the design's calendar font at its standard size into the six
// samples and deletes the font they had (*font). A font that cannot be made
// leaves the samples as they were.
void ReplaceSampleFont(HWND page, const DesignRecord& design, HFONT* font);

// Shows the picture of the partition choice (0 to 2) in the preview and
// deletes the one it replaces (*picture, and the control's own copy if it
// made one).
void ShowPartitionPreview(HWND page, int partition, HBITMAP* picture);

// Takes the font and the picture out of the controls and deletes them.
void ReleaseSamples(HWND page, HFONT* font, HBITMAP* picture);
