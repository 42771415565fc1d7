// Putting a registered design in force, in three steps with one job each:
// read the design (design_registry.h), install its background brush, and
// write it into force in a settings file. The calendar takes all three;
// the design list's preview only reads and installs, and writes nothing.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "design/design_registry.h"
#include "settings/design_record.h"
#include "view/picture_cache.h"

// The background a design put in force, and which of its BGBRUSH values it
// set: a solid or hatched design sets the brush values and leaves the
// picture paths as they were.
struct InstalledBackground {
    BackgroundRecord values;
    bool brushSet;   // STYLE, COLOR and HATCH
    bool bitmapSet;
    bool orgFileSet;
};

// Makes the design's background the brush in *slot, selected into surface
// (the old brush deleted). A picture to convert goes to pelmo.bmp; when it
// cannot be, its message is shown and the brush stays, while its ORGFILE is
// taken in all the same. A BMP that is gone gives the solid fallback. With
// a cache, a picture's bitmap is taken from there or kept there once made.
InstalledBackground InstallDesignBrush(HDC surface, HBRUSH* slot, const DesignLook& look,
                                       PictureCache* cache = nullptr);

// Writes design number, as read into design and with the background
// installed for it, into force in file: REGIST SUM (count) and CURRENT,
// the working sections, and for a converted picture "no key value" as the
// design's own BGBRUSH_BITMAP. Sections whose values stay the same are not
// touched. False, the file as it was, when it could not be saved.
bool WriteDesignInForce(const char* file, uint32_t number, uint32_t count, const Design& design,
                        const InstalledBackground& installed);

// The three steps in a row, for the calendar. False when number is no
// design (nothing done); *saved tells whether the file took it.
bool ApplyDesign(const char* file, uint32_t number, uint32_t count, HDC surface, HBRUSH* slot,
                 Design* applied, bool* saved);
