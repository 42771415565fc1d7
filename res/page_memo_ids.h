// Control ids of the settings sheet's memo page, shared by its dialog
// template (res/page_memo.rc) and its procedure.
#pragma once
