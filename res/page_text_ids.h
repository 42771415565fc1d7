// Control ids of the settings sheet's text page, shared by its dialog
// template (res/page_text.rc) and its procedure.
#pragma once
