#include "dialogs/page_font_list.h"

#include <string.h>

#include "settings/settings_file.h"

static const char kWesternScript[] = "欧文";
// A face that names its regular style in Japanese is a Japanese font under
// a Latin name; it is offered in the Japanese list only.
static const char kRegularStyle[] = "標準";
static const char kRegularStyleKana[] = "レギュラー";
// Faces of user-defined characters hold no ordinary text.
static const char kGaiji[] = "Gaiji";

// Searches character by character, so the trail byte of a double-byte
// character never starts a match.
static bool ContainsText(const char* text, const char* wanted)
{
    const size_t length = strlen(wanted);
    for (const char* p = text; *p; ++p) {
        if (strncmp(p, wanted, length) == 0) {
            return true;
        }
        if (IsDBCSLeadByte((BYTE)*p) && p[1]) {
            ++p;
        }
    }
    return false;
}

static bool HasDoubleByteCharacter(const char* text)
{
    for (const char* p = text; *p; ++p) {
        if (IsDBCSLeadByte((BYTE)*p)) {
            return true;
        }
    }
    return false;
}

// Vertical-writing faces ("@...") and the system's hidden "$" faces are
// never offered, nor bitmap fonts, which do not scale.
static bool IsOfferedAtAll(const FontCandidate& font)
{
    return !(font.fontType & RASTER_FONTTYPE) && font.face[0] != '@' && font.face[0] != '$' &&
           !ContainsText(font.face, kGaiji);
}

bool FontBelongsInList(BYTE charset, const FontCandidate& font)
{
    if (!font.face || !IsOfferedAtAll(font)) {
        return false;
    }
    if (charset == SHIFTJIS_CHARSET) {
        return true;
    }
    if (charset != ANSI_CHARSET || !font.script || !font.style) {
        return false;
    }
    return strcmp(font.script, kWesternScript) == 0 && strcmp(font.style, kRegularStyle) != 0 &&
           strcmp(font.style, kRegularStyleKana) != 0 && !HasDoubleByteCharacter(font.face);
}

struct FillContext {
    HWND list;
    BYTE charset;
    int added;
};

static int CALLBACK AddFace(const LOGFONTA* logFont, const TEXTMETRICA*, DWORD fontType, LPARAM param)
{
    FillContext* fill = (FillContext*)param;
    // Font families enumerated with a character set come as the extended
    // description, which holds the script and style names.
    const ENUMLOGFONTEXA* font = (const ENUMLOGFONTEXA*)logFont;
    char face[LF_FACESIZE];
    lstrcpynA(face, font->elfLogFont.lfFaceName, sizeof face);
    TrimPartialCharacter(face);
    const FontCandidate candidate = {face, (const char*)font->elfScript, (const char*)font->elfStyle,
                                     fontType};
    if (FontBelongsInList(fill->charset, candidate) &&
        SendMessageA(fill->list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)face) == LB_ERR &&
        SendMessageA(fill->list, LB_ADDSTRING, 0, (LPARAM)face) >= 0) {
        ++fill->added;
    }
    return TRUE;
}

int FillFontList(HWND list, HDC dc, BYTE charset)
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = charset;
    FillContext fill = {list, charset, 0};
    EnumFontFamiliesExA(dc, &wanted, AddFace, (LPARAM)&fill, 0);
    return fill.added;
}
