// The tray icon, hiding, maximising and transparency of the calendar window
// in this process, with the shell played by a stand-in that can refuse the
// icon.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "res/resource.h"
#include "shell/calendar_window.h"
#include "shell/context_menu.h"
#include "shell/transparency.h"
#include "shell/tray.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"

namespace {

// Refuses the first `refusals` adds and modifies, then keeps one icon.
struct FakeShell {
    int refusals;
    bool present;
    std::string calls;   // A add, M modify, D delete
    NOTIFYICONDATAA record;
} s_shell;

BOOL WINAPI FakeNotifyIcon(DWORD message, PNOTIFYICONDATAA data)
{
    s_shell.record = *data;
    s_shell.calls += message == NIM_ADD ? 'A' : message == NIM_MODIFY ? 'M' : 'D';
    const bool was = s_shell.present;
    if (message == NIM_DELETE || s_shell.refusals-- > 0) {
        s_shell.present = message != NIM_DELETE && was;
        return message == NIM_DELETE && was;
    }
    s_shell.present = was || message == NIM_ADD;
    return message == NIM_ADD ? !was : was;
}

class Tray : public CalendarTest {
protected:
    void Start(const char* transparent, int refusals = 0)
    {
        Stop();
        Write("BGBRUSH", "TRANSPARENT", transparent);
        Write("BGBRUSH", "COLOR", "65280");
        s_shell = FakeShell{refusals, false, "", {}};
        standIns_.Put(&SystemCalls::notifyIcon, FakeNotifyIcon);
        LaunchOrdinary();
    }
    void Send(UINT message, WPARAM wParam, LPARAM lParam = 0)
    {
        SendMessageA(calendar_, message, wParam, lParam);
    }
    void TrayMouse(UINT mouse) { Send(WM_PELMO_TRAY, ID_TRAY_ICON, mouse); }

    // "shown", "maximised" or "hidden", and " icon" while the shell has it.
    std::string State() const
    {
        std::string state = !IsWindowVisible(calendar_) ? "hidden"
                            : IsZoomed(calendar_)       ? "maximised"
                                                        : "shown";
        return s_shell.present ? state + " icon" : state;
    }
};

TEST_F(Tray, ARefusedIconIsRetriedByItsTimerWhileTheCalendarGoesOn)
{
    Start("0", 3);
    Send(WM_COMMAND, IDM_HIDE);
    EXPECT_EQ("hidden", State());
    EXPECT_EQ("A", s_shell.calls) << "the command waited for the shell";
    PressKey(calendar_, VK_DOWN);
    EXPECT_TRUE(PumpUntil([] { return s_shell.present; }));
    EXPECT_EQ(1, CalendarMonthOffset());
    EXPECT_EQ("hidden icon", State());
    EXPECT_EQ("AAMA", s_shell.calls);
    EXPECT_FALSE(KillTimer(calendar_, IDT_TRAY_RETRY)) << "the retry outlives its success";
    EXPECT_EQ((UINT)WM_PELMO_TRAY, s_shell.record.uCallbackMessage);
    EXPECT_STREQ("ポルカミナ", s_shell.record.szTip);

    // A shell that took an add while saying no accepts the modify.
    TrayMouse(WM_LBUTTONDOWN);
    s_shell = FakeShell{1, false, "", {}};
    Send(WM_COMMAND, IDM_HIDE);
    s_shell.present = true;
    Send(WM_TIMER, IDT_TRAY_RETRY);
    EXPECT_EQ("AAM", s_shell.calls);
    EXPECT_FALSE(KillTimer(calendar_, IDT_TRAY_RETRY));

    // Shown again before the shell took it: the retry stops.
    TrayMouse(WM_LBUTTONDOWN);
    s_shell.refusals = 1000;
    Send(WM_COMMAND, IDM_HIDE);
    ApplyTransparencySetting(calendar_);
    EXPECT_EQ("shown", State());
    EXPECT_FALSE(KillTimer(calendar_, IDT_TRAY_RETRY));
}

TEST_F(Tray, HideRestoreAndMaximiseWithTheTrayAlwaysFlagClearAndSet)
{
    for (const char* transparent : {"0", "1"}) {
        Start(transparent);
        const std::string icon = TrayAlways() ? " icon" : "";
        EXPECT_EQ("shown" + icon, State());
        Send(WM_COMMAND, IDM_MAXIMIZE);
        EXPECT_EQ("maximised" + icon, State());
        Send(WM_COMMAND, IDM_MAXIMIZE);
        EXPECT_EQ("shown" + icon, State());

        // Hidden while maximised, the tray menu's 310 shows the normal size
        // and takes the icon away.
        Send(WM_COMMAND, IDM_MAXIMIZE);
        Send(WM_COMMAND, IDM_HIDE);
        EXPECT_EQ("hidden icon", State());
        Send(WM_COMMAND, IDM_MAXIMIZE);
        EXPECT_EQ("shown" + icon, State());

        // The fifth header cell hides; only a left button down on the icon
        // brings the calendar back.
        RECT client;
        GetClientRect(calendar_, &client);
        Send(WM_LBUTTONDBLCLK, 0, MAKELPARAM(client.right * 9 / 14, client.bottom * 3 / 16));
        TrayMouse(WM_LBUTTONUP);
        EXPECT_EQ("hidden icon", State());

        // From the tray while hidden: no memo, no hiding.
        PostMessageA(calendar_, WM_CANCELMODE, 0, 0);
        TrayMouse(WM_RBUTTONDOWN);
        EXPECT_TRUE(!Enabled(IDM_EDIT_MEMO) && !Enabled(IDM_HIDE));
        TrayMouse(WM_LBUTTONDOWN);
        EXPECT_EQ("shown" + icon, State());
        PostMessageA(calendar_, WM_CANCELMODE, 0, 0);
        TrayMouse(WM_RBUTTONDOWN);
        EXPECT_TRUE(Enabled(IDM_HIDE));

        // A restarted taskbar forgot the icon: it comes again where needed.
        s_shell.present = false;
        Send(RegisterWindowMessageA("TaskbarCreated"), 0);
        EXPECT_EQ("shown" + icon, State());
        Send(WM_COMMAND, IDM_HIDE);
        s_shell.present = false;
        Send(RegisterWindowMessageA("TaskbarCreated"), 0);
        EXPECT_EQ("hidden icon", State());

        // Nothing is left in the tray when the session ends while hidden.
        Send(WM_QUERYENDSESSION, 0);
        Send(WM_ENDSESSION, TRUE);
        EXPECT_FALSE(s_shell.present);
    }
}

TEST_F(Tray, TransparencyIsAColourKeyThatComesAndGoesWithTheSetting)
{
    Start("1");
    COLORREF key = 0;
    BYTE alpha = 1;
    DWORD flags = 0;
    EXPECT_EQ(WS_EX_LAYERED, GetWindowLongPtrA(calendar_, GWL_EXSTYLE));
    ASSERT_TRUE(GetLayeredWindowAttributes(calendar_, &key, &alpha, &flags));
    EXPECT_EQ(RGB(0, 255, 0), key);
    EXPECT_EQ((DWORD)LWA_COLORKEY, flags);
    WritePrivateProfileStringA("BGBRUSH", "COLOR", nullptr, AppPath(kSettingsFile).c_str());
    MakeTransparent(calendar_);
    GetLayeredWindowAttributes(calendar_, &key, &alpha, &flags);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), key);

    // Off from hidden: opaque, taking dropped files again, shown, no icon.
    Send(WM_COMMAND, IDM_HIDE);
    Write("BGBRUSH", "TRANSPARENT", "0");
    ApplyTransparencySetting(calendar_);
    EXPECT_EQ(WS_EX_ACCEPTFILES, GetWindowLongPtrA(calendar_, GWL_EXSTYLE));
    EXPECT_EQ("shown", State());
}

}   // namespace
