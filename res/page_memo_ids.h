// Control ids of the settings sheet's memo page, shared by its dialog
// template (res/page_memo.rc) and its procedure.
#pragma once

#define IDC_MEMO_TIP_WIDTH      511
#define IDC_MEMO_TIP_WIDTH_SPIN 512
#define IDC_MEMO_EDITOR_BIGGER  513
#define IDC_MEMO_EDITOR_SMALLER 514
#define IDC_MEMO_TIP_BIGGER     515
#define IDC_MEMO_TIP_SMALLER    516
#define IDC_MEMO_EDITOR_SAMPLE  517
#define IDC_MEMO_TIP_SAMPLE     518
#define IDC_MEMO_TODAY_COLOR    519
#define IDC_MEMO_TODAY_SAMPLE   520
#define IDC_MEMO_OTHER_COLOR    521
#define IDC_MEMO_OTHER_SAMPLE   522
