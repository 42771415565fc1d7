// Rules about a memo's text that both the editor and the store apply. Pure
// byte arithmetic on Shift-JIS (code page 932); no platform headers.
#pragma once
#include <stddef.h>

// The longest memo the editor accepts, and the most line feeds in one.
constexpr size_t kMemoTextLimit = 2047;
constexpr int kMemoLineFeedLimit = 40;

// True when the text holds nothing but CR, LF, tab, ASCII space and the
// full-width space (0x81 0x40); an empty text is blank too. Such a memo is
// stored as no memo at all.
bool IsBlankMemoText(const char* text, size_t length);

// Drops every lead byte of a double-byte character that has no trail byte
// after it: at the end of the text, or before a byte that cannot end a
// character (a line break, say). Whoever turns the text into wide
// characters would pair such a byte with what follows it, the terminating
// zero included, and read on past the text. text has room for length + 1
// bytes; the new length is returned and the rest of the room is zeroed.
size_t DropLoneLeadBytes(char* text, size_t length);

// LF bytes in the text. 0x0A is never the second byte of a double-byte
// character, so a plain byte count is exact.
int CountLineFeeds(const char* text, size_t length);
