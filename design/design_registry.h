// Registered designs: numbered sections DESIGN001 to DESIGN999 of a
// settings file, each holding a whole design (background, cell colours and
// the design record), and the registry values that say how many there are
// and which is in force.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "settings/design_record.h"

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

// Everything of a design beyond its record: the 9 keys of a design section
// that mirror BGBRUSH (with TRANSPARENT), TODAY and MARKED.
struct DesignLook {
    BackgroundRecord background;
    int32_t transparent;
    CellColors cellColors;
};

// The look of design section of file, each absent key with its design
// default (a picture style, no picture paths, ...).
DesignLook ReadDesignLook(const char* file, const char* section);

// Makes a design's transparency and cell colours those in force of file
// (BGBRUSH TRANSPARENT, TODAY COLOR, MARKED TODAYCOLOR, MARKED COLOR). The
// brush and its picture paths need a brush object and are left to the
// caller.
bool WriteWorkingLookFromDesign(const char* file, const DesignLook& look);

// Writes the working sections of pelmo.ini from the brush values in force
// and the record, then the registry values and the design of number
// registry.currentDesign: its brush from brush, its picture paths (for a
// picture style only), transparency and cell colours copied from the
// working sections, and the record. CHANGE is written as 0. Writes nothing
// and returns false when the current number is 0, above the count or the
// count is above kMaxDesigns; false too when a write failed.
bool RegisterDesign(const DesignRecord& design, BrushTriple brush, RegistryValues registry);
