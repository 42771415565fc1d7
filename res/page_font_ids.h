// Control ids of the settings sheet's font page, shared by its dialog
// template (res/page_font.rc) and its procedure.
#pragma once
