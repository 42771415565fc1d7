// Registered designs: numbered sections DESIGN001 to DESIGN999 of a
// settings file, each holding a whole design (background, cell colours and
// the design record), and the registry values that say how many there are
// and which is in force.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "settings/design_record.h"
#include "settings/profile_text.h"

// Register as new does nothing once this many designs exist.
constexpr uint32_t kMaxDesigns = 999;

// Room for "DESIGNnnn" and its terminator, with some to spare.
constexpr size_t kDesignSectionSize = 16;

// "DESIGN%03d"; false when number is 0 or above kMaxDesigns.
bool DesignSectionName(uint32_t number, char* out, size_t size);

// The enabled states of the three design commands of the context menu
// (register as new 354, overwrite 355, choose design 356), from the
// registry values the calendar window holds.
struct DesignMenuState {
    bool registerNew;
    bool overwrite;
    bool choose;
};
DesignMenuState DesignMenuFor(RegistryValues registry);


// Design number of file, its section read whole in one read, each absent
// key with its design default (a picture style, no picture paths, ...). False, with
// the defaults of a missing section, when the number is 0 or above
// kMaxDesigns.
bool ReadDesign(const char* file, uint32_t number, Design* design);
// The look of a design section of file.
DesignLook ReadDesignLook(const char* file, const char* section);

// Writes into file the working sections from the brush values in force and
// the record, the registry values, and the design of number
// registry.currentDesign: its brush from brush, its picture paths (for a
// picture style only), transparency and cell colours copied from the
// working sections, and the record. CHANGE is written as 0. All of it is
// saved in one step or none is: false, the file as it was, when it could
// not be saved, and when the current number is 0, above the count or the
// count is above kMaxDesigns (a number beyond the count would leave a
// design that no list shows).
bool RegisterDesign(const char* file, const DesignRecord& design, BrushTriple brush, RegistryValues registry);
