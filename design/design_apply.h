// Putting a registered design in force.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "settings/design_record.h"
#include "design/design_registry.h"

// Makes design number of file (a bare settings file name: pelmo.ini for
// the calendar, temp.ini for the design list's preview) the design in
// force of that file: REGIST CURRENT, its working sections, the brush in
// *slot (selected into surface, the old one deleted) and *design. Number
// 0 does nothing and gives false. A picture that cannot be converted
// leaves the brush and the stored brush values as they were, after its
// message; the rest of the design is applied all the same. *applied gets
// the transparency and cell colours now in force, so that the caller need
// not read back what was just written.
bool ApplyDesign(HBRUSH* slot, DesignRecord* design, uint32_t number, HDC surface, const char* file,
                 DesignLook* applied);
