// Control ids of the settings sheet's background page, shared by its dialog
// template (res/page_background.rc) and its procedure.
#pragma once

#define IDC_BACKGROUND_SAMPLE 406
// The pattern tiles: the solid one, then one per hatch style, each id the
// first hatch tile's plus its HS_ value.
#define IDC_BACKGROUND_TILE_SOLID      410
#define IDC_BACKGROUND_TILE_HORIZONTAL 411
#define IDC_BACKGROUND_TILE_VERTICAL   412
#define IDC_BACKGROUND_TILE_FDIAGONAL  413
#define IDC_BACKGROUND_TILE_BDIAGONAL  414
#define IDC_BACKGROUND_TILE_CROSS      415
#define IDC_BACKGROUND_TILE_DIAGCROSS  416
#define IDC_BACKGROUND_COLOUR          417
#define IDC_BACKGROUND_PICTURE         431
#define IDC_BACKGROUND_TODAY_COLOUR    445
#define IDC_BACKGROUND_TODAY_SAMPLE    446
#define IDC_BACKGROUND_TRANSPARENT     459
