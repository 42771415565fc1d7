#include "bench/frame_floor.h"

#include <stdio.h>

#include <algorithm>

static const char kFloorClass[] = "PelmoBenchFloor";
static const int kTexts = 49;

static HDC s_buffer;
static HBITMAP s_bitmap;
static HGDIOBJ s_firstBitmap;
static HFONT s_font;
static HGDIOBJ s_firstFont;

static LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, s_buffer, r.left, r.top, SRCCOPY);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateFloorWindow(int width, int height)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kFloorClass;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, kFloorClass, "floor", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) {
        return nullptr;
    }
    HDC screen = GetDC(window);
    s_buffer = CreateCompatibleDC(screen);
    s_bitmap = CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    ReleaseDC(window, screen);
    s_firstBitmap = SelectObject(s_buffer, s_bitmap);
    // Glyphs as large as the calendar's at this size: the smaller side of a
    // cell, less the calendar's margin.
    const int cell = std::min(width / 7, height / 8);
    s_font = CreateFontA(cell - 5, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                         "ＭＳ Ｐゴシック");
    s_firstFont = SelectObject(s_buffer, s_font);
    SetBkMode(s_buffer, TRANSPARENT);
    return window;
}

void DestroyFloorWindow(HWND window)
{
    SelectObject(s_buffer, s_firstFont);
    SelectObject(s_buffer, s_firstBitmap);
    DeleteObject(s_font);
    DeleteObject(s_bitmap);
    DeleteDC(s_buffer);
    DestroyWindow(window);
}

void PaintFloorFrame(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    PatBlt(s_buffer, 0, 0, client.right, client.bottom, WHITENESS);
    const int columns = 7;
    const int cellWidth = client.right / columns;
    const int cellHeight = client.bottom / 8;
    for (int i = 0; i < kTexts; ++i) {
        char text[8];
        int length = snprintf(text, sizeof text, "%d", i % 31 + 1);
        TextOutA(s_buffer, (i % columns) * cellWidth, (i / columns + 1) * cellHeight, text, length);
    }
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}
