// The open dialog in which the background page's user chooses a picture.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <stddef.h>

constexpr const char* kPictureDialogTitle = "背景画の選択";

// Opens the dialog owned by page on path (the last chosen picture, or
// nothing when that file is gone) in the Image folder beside the program.
// True with the chosen file in path; false, path unchanged, when the user
// cancels.
bool ChooseBackgroundPicture(HWND page, char* path, size_t size);
