// Readers and writers of whole groups of keys: the working sections BGBRUSH,
// FORMAT, TEXTCOLOR and FONT that describe the design in force of a file, the
// same values inside a DESIGNnnn section, and the memo display sizes. Keys are
// read and written in a fixed order, which decides where new keys land in
// the file.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "settings/design_record.h"

BrushTriple ReadBrushSection(const char* file);
// The brush values with BITMAP and ORGFILE ("no key value" when absent).
BackgroundRecord ReadBackground(const char* file);
// STYLE, COLOR, HATCH, BITMAP and ORGFILE.
bool WriteBackground(const char* file, const BackgroundRecord& background);
bool WriteBrushSection(const char* file, int32_t style, COLORREF color, int32_t hatch);
// Style, colour and hatch of a brush object; false when it is not a brush.
bool BrushTripleFromBrush(HBRUSH brush, BrushTriple* out);
bool WriteBrushSectionFromBrush(const char* file, HBRUSH brush);

// The cell highlight colours (MARKED and TODAY) and BGBRUSH TRANSPARENT.
CellColors ReadCellColors(const char* file);
bool ReadTransparent(const char* file);

// FORMAT and TEXTCOLOR.
void ReadFormatSection(const char* file, DesignRecord* design);
bool WriteFormatSection(const char* file, DesignRecord design);

// FONT. Reading clears the whole font description first, so the members that
// are not stored (height, width, ...) are zero afterwards.
void ReadFontSection(const char* file, DesignRecord* design);
bool WriteFontSection(DesignRecord design, const char* file);

// The sixteen record keys of a design section. Reading leaves the members of
// the font description that are not stored as they were.
void ReadDesignSection(const char* file, DesignRecord* design, const char* section);
bool WriteDesignSection(DesignRecord design, const char* section, const char* file);

// BGBRUSH_STYLE, BGBRUSH_COLOR, BGBRUSH_HATCH of a design section.
BrushTriple ReadDesignBrush(const char* file, const char* section);
bool WriteDesignBrush(const char* section, const char* file, int32_t style, COLORREF color, int32_t hatch);

// EDITOR and TOOLTIP of pelmo.ini.
void ReadMemoSettings(MemoDisplaySettings* memo);
bool WriteMemoSettings(int32_t tooltipFontHeight, int32_t editorFontHeight, int32_t tooltipWidth);
