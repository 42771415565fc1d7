// Readers and writers of whole groups of keys: the working sections BGBRUSH,
// TODAY, MARKED, FORMAT, TEXTCOLOR and FONT that describe the design in force
// of a file, the same values inside a DESIGNnnn section, and the memo display
// sizes. Each section is read whole in one call; writers put their keys into
// an edit of the file, in a fixed order that decides where new keys land.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "settings/design_record.h"
#include "settings/profile_text.h"
#include "settings/settings_edit.h"

// --- the working sections of a file ------------------------------------------

BrushTriple ReadBrushSection(const char* file);
// The brush values with BITMAP and ORGFILE ("no key value" when absent).
BackgroundRecord ReadBackground(const char* file);
BackgroundRecord BackgroundFromSection(const ProfileSection& bgbrush);
// The cell highlight colours (MARKED and TODAY) and BGBRUSH TRANSPARENT.
CellColors ReadCellColors(const char* file);
bool ReadTransparent(const char* file);
// FORMAT and TEXTCOLOR.
void ReadFormatSection(const char* file, DesignRecord* design);
// FONT. Reading clears the whole font description first, so the members that
// are not stored (height, width, ...) are zero afterwards.
void ReadFontSection(const char* file, DesignRecord* design);
// EDITOR and TOOLTIP.
void ReadMemoSettings(const char* file, MemoDisplaySettings* memo);

// STYLE, COLOR, HATCH.
void WriteBrushSection(SettingsEdit* edit, BrushTriple brush);
// STYLE, COLOR, HATCH, BITMAP and ORGFILE.
void WriteBackground(SettingsEdit* edit, const BackgroundRecord& background);
// Style, colour and hatch of a brush object; false when it is not a brush.
bool BrushTripleFromBrush(HBRUSH brush, BrushTriple* out);
bool WriteBrushSectionFromBrush(SettingsEdit* edit, HBRUSH brush);
void WriteTransparent(SettingsEdit* edit, int32_t transparent);
void WriteCellColors(SettingsEdit* edit, CellColors colors);
void WriteFormatSection(SettingsEdit* edit, const DesignRecord& design);
void WriteFontSection(SettingsEdit* edit, const DesignRecord& design);
void WriteMemoSettings(SettingsEdit* edit, MemoDisplaySettings memo);

// The whole design in force of a file: its working sections, each absent
// key with its working default (the font's unstored members zero).
Design ReadWorkingDesign(const char* file);
Design EditedWorkingDesign(const SettingsEdit& edit);
// Every key of the working sections.
void WriteWorkingDesign(SettingsEdit* edit, const Design& design);

// --- design sections ---------------------------------------------------------

// A design section's keys, each absent one with its design default (a
// picture style, no picture paths, ...).
Design DesignFromSection(const ProfileSection& keys);
// All 25 keys of a design section.
void WriteWholeDesign(SettingsEdit* edit, const char* section, const Design& design);

// The sixteen record keys of a design section. Reading leaves the members of
// the font description that are not stored as they were.
void ReadDesignSection(const char* file, DesignRecord* design, const char* section);
void DesignRecordFromSection(const ProfileSection& keys, DesignRecord* design);
void WriteDesignSection(SettingsEdit* edit, const char* section, const DesignRecord& design);

// BGBRUSH_STYLE, BGBRUSH_COLOR, BGBRUSH_HATCH of a design section; a design
// without a style is a picture.
BrushTriple DesignBrushFromSection(const ProfileSection& keys);
void WriteDesignBrush(SettingsEdit* edit, const char* section, BrushTriple brush);
