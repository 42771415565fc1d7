// Figures of picture backgrounds against solid ones.
#pragma once
#include <windows.h>

// buildFolder holds pelmo.exe, with its trailing backslash.
void ReportPictures(const char* buildFolder);

// A photo-like picture: smooth gradients with fine grain, so that it does
// not compress to nothing, saved in the format of mime. *corner is the
// colour of its pixel (1, 1).
bool MakePicture(const char* path, const wchar_t* mime, int width, int height, COLORREF* corner);
