// The one background brush a surface paints with, kept in a slot by its
// owner and selected into the surface.
#pragma once
#include <windows.h>

// Makes brush the one in *slot and selected into surface; the brush it
// replaces is deleted once nothing holds it selected.
void InstallBrush(HDC surface, HBRUSH* slot, HBRUSH brush);
