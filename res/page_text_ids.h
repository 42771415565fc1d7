// Control ids of the settings sheet's text page, shared by its dialog
// template (res/page_text.rc) and its procedure.
#pragma once

// The colour buttons and, six ids above each, the sample its colour is
// drawn in, in the same order.
#define IDC_TEXT_TITLE_COLOUR    447
#define IDC_TEXT_WEEKDAY_COLOUR  448
#define IDC_TEXT_SATURDAY_COLOUR 449
#define IDC_TEXT_SUNDAY_COLOUR   450
#define IDC_TEXT_HOLIDAY_COLOUR  451
#define IDC_TEXT_OTHER_COLOUR    452
#define IDC_TEXT_TITLE_SAMPLE    453
#define IDC_TEXT_WEEKDAY_SAMPLE  454
#define IDC_TEXT_SATURDAY_SAMPLE 455
#define IDC_TEXT_SUNDAY_SAMPLE   456
#define IDC_TEXT_HOLIDAY_SAMPLE  457
#define IDC_TEXT_OTHER_SAMPLE    458

// Title formats 0 to 3 and the clock.
#define IDC_TEXT_TITLE_JAPANESE  421
#define IDC_TEXT_TITLE_MONTHNAME 422
#define IDC_TEXT_TITLE_ABBREV    423
#define IDC_TEXT_TITLE_NUMERIC   424
#define IDC_TEXT_CLOCK           419

// Weekday formats 0 to 5.
#define IDC_TEXT_WEEKDAY_JAPANESE 425
#define IDC_TEXT_WEEKDAY_LETTER   426
#define IDC_TEXT_WEEKDAY_UPPER2   427
#define IDC_TEXT_WEEKDAY_UPPER3   428
#define IDC_TEXT_WEEKDAY_MIXED2   429
#define IDC_TEXT_WEEKDAY_MIXED3   430

// Partition lines 0 to 2 and the picture of the choice, bitmap 110 + choice.
#define IDC_TEXT_PARTITION_NONE    550
#define IDC_TEXT_PARTITION_ALL     551
#define IDC_TEXT_PARTITION_TWO     552
#define IDC_TEXT_PARTITION_PREVIEW 553
#define IDB_PARTITION_NONE         110
#define IDB_PARTITION_ALL          111
#define IDB_PARTITION_TWO          112
