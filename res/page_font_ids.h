// Control ids of the settings sheet's font page, shared by its dialog
// template (res/page_font.rc) and its procedure.
#pragma once

#define IDC_FONT_JAPANESE_LIST   433
#define IDC_FONT_JAPANESE_SAMPLE 434
#define IDC_FONT_WESTERN_LIST    435
#define IDC_FONT_WESTERN_SAMPLE  436
#define IDC_FONT_JAPANESE        437
#define IDC_FONT_WESTERN         438
#define IDC_FONT_SIZE            439
#define IDC_FONT_BOLD            440
#define IDC_FONT_ITALIC          441
#define IDC_FONT_SHIFT_SPIN      442
#define IDC_FONT_SHIFT           443
#define IDC_FONT_SHIFT_LABEL     444
