// The faces the font page offers: installed fonts of one character set,
// filtered down to those the calendar can use.
#pragma once
#include <windows.h>

// What font enumeration tells about one face.
struct FontCandidate {
    const char* face;
    const char* script;   // the script name, localised ("欧文" for Western)
    const char* style;    // the style name, localised ("標準", "レギュラー")
    DWORD fontType;       // RASTER_FONTTYPE, TRUETYPE_FONTTYPE, ...
};

// Whether the face belongs in the Japanese list (SHIFTJIS_CHARSET) or in the
// Western list (ANSI_CHARSET); no face belongs to any other character set.
bool FontBelongsInList(BYTE charset, const FontCandidate& font);

// Adds to the list box each face installed for the character set that
// belongs in its list, once. The number of faces added.
int FillFontList(HWND list, HDC dc, BYTE charset);
