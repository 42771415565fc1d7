// Control ids of the settings sheet's background page, shared by its dialog
// template (res/page_background.rc) and its procedure.
#pragma once
