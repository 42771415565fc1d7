// Answers the end-to-end scripts' questions about the calendar's windows
// from inside the Wine session, where X cannot see: a control's rectangle,
// where the keyboard focus is, whether a window has painted, and whether the
// system has taken in a pointer position. One question per run; the
// scripts' wait helper asks again until the answer is yes.
//
//   window_probe rect WINDOW [CONTROL_ID]   prints left top right bottom
//   window_probe client WINDOW              prints x y width height
//   window_probe item WINDOW ID INDEX       prints the rectangle of a list box's entry
//   window_probe tab WINDOW INDEX           prints the rectangle of a tab of WINDOW's tab control
//   window_probe visible WINDOW             yes when such a window is visible
//   window_probe control WINDOW ID          yes when WINDOW shows a control with the id
//   window_probe focus WINDOW               yes when WINDOW's thread has its focus in WINDOW
//   window_probe moving WINDOW              yes when WINDOW's thread is moving or sizing a window
//   window_probe invalidate WINDOW          asks a visible WINDOW to paint a pixel again
//   window_probe painted WINDOW             yes when WINDOW has nothing left to paint
//   window_probe pointer X Y                yes when the system has taken in the pointer at X Y
//   window_probe menus                      prints how many popup menus are open
//   window_probe windows                    lists the top-level windows, for a report
//
// WINDOW is a top-level window: "class:NAME" by class, "=TEXT" by its whole
// title, otherwise any title that holds TEXT; a visible one comes first.
// Exit status: 0 yes (or done), 1 no, 2 no such window, 3 not understood.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum ProbeStatus { kYes = 0, kNo = 1, kNoWindow = 2, kUsage = 3 };

struct WindowQuery {
    const char* pattern;
    HWND visible;
    HWND hidden;
};

static bool MatchesPattern(HWND window, const char* pattern)
{
    char text[256];
    if (strncmp(pattern, "class:", 6) == 0) {
        return GetClassNameA(window, text, sizeof text) > 0 && strcmp(text, pattern + 6) == 0;
    }
    GetWindowTextA(window, text, sizeof text);
    if (pattern[0] == '=') {
        return strcmp(text, pattern + 1) == 0;
    }
    return strstr(text, pattern) != nullptr;
}

static BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    WindowQuery* query = (WindowQuery*)param;
    if (!MatchesPattern(window, query->pattern)) {
        return TRUE;
    }
    if (IsWindowVisible(window)) {
        query->visible = window;
        return FALSE;
    }
    if (!query->hidden) {
        query->hidden = window;
    }
    return TRUE;
}

static HWND FindTopLevel(const char* pattern)
{
    WindowQuery query = {pattern, nullptr, nullptr};
    EnumWindows(CollectWindow, (LPARAM)&query);
    return query.visible ? query.visible : query.hidden;
}

struct ControlQuery {
    int id;
    HWND found;
};

// Property sheet pages hold their controls one level down: any descendant
// with the id will do, a visible one first.
static BOOL CALLBACK CollectControl(HWND window, LPARAM param)
{
    ControlQuery* query = (ControlQuery*)param;
    if (GetDlgCtrlID(window) != query->id) {
        return TRUE;
    }
    if (!query->found || IsWindowVisible(window)) {
        query->found = window;
    }
    return !IsWindowVisible(window);
}

static int ShowsControl(HWND window, const char* controlId)
{
    ControlQuery query = {atoi(controlId), nullptr};
    EnumChildWindows(window, CollectControl, (LPARAM)&query);
    return query.found && IsWindowVisible(query.found) ? kYes : kNo;
}

struct ChildQuery {
    const char* className;
    HWND found;
};

static BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    ChildQuery* query = (ChildQuery*)param;
    char name[64];
    if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) > 0 &&
        strcmp(name, query->className) == 0) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}

static int PrintRect(HWND window, const char* controlId)
{
    if (controlId) {
        ControlQuery query = {atoi(controlId), nullptr};
        EnumChildWindows(window, CollectControl, (LPARAM)&query);
        if (!query.found) {
            return kNoWindow;
        }
        window = query.found;
    }
    RECT r;
    if (!GetWindowRect(window, &r)) {
        return kNoWindow;
    }
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return kYes;
}

// A list box's entry on the screen; the list box answers in its own client
// coordinates.
static int PrintListItem(HWND window, const char* controlId, const char* index)
{
    ControlQuery query = {atoi(controlId), nullptr};
    EnumChildWindows(window, CollectControl, (LPARAM)&query);
    if (!query.found) {
        return kNoWindow;
    }
    RECT r;
    if (SendMessageA(query.found, LB_GETITEMRECT, (WPARAM)atoi(index), (LPARAM)&r) == LB_ERR) {
        return kNo;
    }
    MapWindowPoints(query.found, nullptr, (POINT*)&r, 2);
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return kYes;
}

// A tab control answers only into its own process's memory: the rectangle
// is asked for there and read back.
static int PrintTab(HWND window, const char* index)
{
    ChildQuery query = {"SysTabControl32", nullptr};
    EnumChildWindows(window, CollectChild, (LPARAM)&query);
    if (!query.found) {
        return kNoWindow;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(query.found, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) {
        return kNo;
    }
    int status = kNo;
    RECT r;
    void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
    if (remote && SendMessageA(query.found, TCM_GETITEMRECT, (WPARAM)atoi(index), (LPARAM)remote) &&
        ReadProcessMemory(process, remote, &r, sizeof r, nullptr)) {
        MapWindowPoints(query.found, nullptr, (POINT*)&r, 2);
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        status = kYes;
    }
    if (remote) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return status;
}

static int PrintClient(HWND window)
{
    RECT r;
    POINT origin = {0, 0};
    if (!GetClientRect(window, &r) || !ClientToScreen(window, &origin)) {
        return kNoWindow;
    }
    printf("%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
    return kYes;
}

static int HasFocus(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return kNo;
    }
    return info.hwndFocus && (info.hwndFocus == window || IsChild(window, info.hwndFocus)) ? kYes : kNo;
}

static int IsMovingOrSizing(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return kNo;
    }
    return info.flags & GUI_INMOVESIZE ? kYes : kNo;
}

// A hidden window is never painted: asking it to would answer nothing.
static int Invalidate(HWND window)
{
    RECT pixel = {0, 0, 1, 1};
    if (!IsWindowVisible(window)) {
        return kNo;
    }
    return InvalidateRect(window, &pixel, FALSE) ? kYes : kNoWindow;
}

static int Painted(HWND window)
{
    RECT pending;
    return GetUpdateRect(window, &pending, FALSE) ? kNo : kYes;
}

// The pointer history holds the positions that a thread has read from X and
// handed to the system as input, in that order. The cursor position is no
// witness: when the system has had no new position for a moment,
// GetCursorPos asks X, which already knows where the pointer went.
static int PointerTakenIn(int x, int y)
{
    MOUSEMOVEPOINT wanted = {};
    wanted.x = x;
    wanted.y = y;
    MOUSEMOVEPOINT seen[1];
    return GetMouseMovePointsEx(sizeof wanted, &wanted, seen, 1, GMMP_USE_DISPLAY_POINTS) > 0 ? kYes : kNo;
}

static BOOL CALLBACK CountMenu(HWND window, LPARAM param)
{
    char name[16];
    if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) > 0 &&
        strcmp(name, "#32768") == 0) {
        ++*(int*)param;
    }
    return TRUE;
}

static int PrintMenuCount()
{
    int count = 0;
    EnumWindows(CountMenu, (LPARAM)&count);
    printf("%d\n", count);
    return kYes;
}

static BOOL CALLBACK PrintWindow(HWND window, LPARAM)
{
    char name[64] = "";
    char title[128] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    RECT r = {};
    GetWindowRect(window, &r);
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(window, &process);
    printf("%p %s %s %s (%ld,%ld)-(%ld,%ld) process %lx thread %lx '%s'\n", (void*)window, name,
           IsWindowVisible(window) ? "visible" : "hidden", IsWindowEnabled(window) ? "enabled" : "disabled",
           r.left, r.top, r.right, r.bottom, process, thread, title);
    return TRUE;
}

// The questions about one window; argv[3] and on are their arguments.
static int AnswerAbout(HWND window, const char* command, int argc, char** argv)
{
    if (strcmp(command, "visible") == 0) {
        return IsWindowVisible(window) ? kYes : kNo;
    }
    if (strcmp(command, "control") == 0) {
        return argc == 4 ? ShowsControl(window, argv[3]) : kUsage;
    }
    if (strcmp(command, "rect") == 0) {
        return PrintRect(window, argc > 3 ? argv[3] : nullptr);
    }
    if (strcmp(command, "tab") == 0) {
        return argc == 4 ? PrintTab(window, argv[3]) : kUsage;
    }
    if (strcmp(command, "item") == 0) {
        return argc == 5 ? PrintListItem(window, argv[3], argv[4]) : kUsage;
    }
    if (strcmp(command, "client") == 0) {
        return PrintClient(window);
    }
    if (strcmp(command, "focus") == 0) {
        return HasFocus(window);
    }
    if (strcmp(command, "moving") == 0) {
        return IsMovingOrSizing(window);
    }
    if (strcmp(command, "invalidate") == 0) {
        return Invalidate(window);
    }
    if (strcmp(command, "painted") == 0) {
        return Painted(window);
    }
    return kUsage;
}

int main(int argc, char** argv)
{
    const char* command = argc > 1 ? argv[1] : "";
    if (strcmp(command, "menus") == 0) {
        return PrintMenuCount();
    }
    if (strcmp(command, "windows") == 0) {
        EnumWindows(PrintWindow, 0);
        return kYes;
    }
    if (strcmp(command, "pointer") == 0) {
        return argc == 4 ? PointerTakenIn(atoi(argv[2]), atoi(argv[3])) : kUsage;
    }
    if (argc < 3) {
        fprintf(stderr, "window_probe: see its source for the questions it answers\n");
        return kUsage;
    }
    HWND window = FindTopLevel(argv[2]);
    return window ? AnswerAbout(window, command, argc, argv) : kNoWindow;
}
