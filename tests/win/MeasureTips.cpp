// Measures the balloon tips under Wine (not a test): a Show of the settings
// dialog's longest tip and its first paint, single fade-step paints, and the
// GDI objects left behind after 1000 tips were shown, painted and hidden.
#include "dialoglayer/win/WindowLibraries.h"
#include "res/resource.h"
#include "settings/Registry.h"
#include "settings/win/SettingsDlg.h"
#include "tooltip/win/VelToolTip.h"
#include <windows.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// CPU time of this thread; the machine may be busy with other work, which
// stretches the wall-clock times but not these.
double ThreadMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto value = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 10000.0;
}

void PumpAll() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Live GDI objects by type. Wine's handles carry their table index in the
// low word and accept a high word of 0 for any generation, so asking every
// index for its type finds every object of the process. Elsewhere the
// system's own count stands in.
std::map<DWORD, int> CountGdiObjects() {
    std::map<DWORD, int> counts;
    for (uintptr_t index = 1; index < 0x10000; ++index) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (type)
            ++counts[type];
    }
    return counts;
}

void PrintCounts(const char* when, const std::map<DWORD, int>& counts) {
    static const std::map<DWORD, const char*> names = {
        {OBJ_PEN, "pen"},     {OBJ_BRUSH, "brush"}, {OBJ_DC, "dc"},         {OBJ_PAL, "palette"},
        {OBJ_FONT, "font"},   {OBJ_BITMAP, "bitmap"}, {OBJ_REGION, "region"}, {OBJ_MEMDC, "memdc"},
        {OBJ_EXTPEN, "extpen"}, {OBJ_ENHMETADC, "emfdc"}, {OBJ_METAFILE, "metafile"}};
    int total = 0;
    std::printf("%s:", when);
    for (const auto& [type, count] : counts) {
        const auto name = names.find(type);
        std::printf(" %s %d", name == names.end() ? "other" : name->second, count);
        total += count;
    }
    std::printf(" (total %d; GetGuiResources: GDI %lu, USER %lu)\n", total,
                GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
}

MSG MouseMoveAt(POINT screen) {
    MSG msg{};
    msg.hwnd = WindowFromPoint(screen);
    msg.message = WM_MOUSEMOVE;
    POINT client = screen;
    ScreenToClient(msg.hwnd, &client);
    msg.lParam = MAKELPARAM(client.x, client.y);
    msg.pt = screen;
    return msg;
}

void Report(const char* what, std::vector<double> times, double cpu) {
    std::sort(times.begin(), times.end());
    std::printf("%s: wall clock min %.2f, median %.2f, max %.2f ms; thread CPU %.2f ms on average (%zu runs)\n",
                what, times.front(), times[times.size() / 2], times.back(), cpu / static_cast<double>(times.size()),
                times.size());
}

} // namespace

int main() {
    InitWindowLibraries();
    CMemoryRegistry store;
    SetSettingsStore(&store);
    CSettingsDlg dialog;
    if (!dialog.Create(nullptr)) {
        std::printf("the settings dialog could not be made\n");
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    PumpAll();

    CVelToolTip tip;
    tip.CreateTipWindow(dialog, true);
    tip.SetDefaultBehaviour(0x10);
    tip.AddChildTools(dialog);
    tip.SetDelay(DelayInitial, 0); // the Show runs inside the relay

    RECT field{};
    GetWindowRect(GetDlgItem(dialog, IDC_ANGLIMIT), &field);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    POINT client{0, 0};
    ClientToScreen(dialog, &client);
    const POINT onField{(field.left + field.right) / 2, (field.top + field.bottom) / 2};
    const POINT onNothing{client.x + 1, client.y + 1};

    // Leaves the tip and shows it again at the field; answers the Show's
    // time and the first paint's.
    double showCpu = 0, paintCpu = 0;
    auto showOnce = [&](int wiggle, double& show, double& paint) {
        SetCursorPos(onNothing.x, onNothing.y);
        tip.RelayMessage(MouseMoveAt(onNothing));
        PumpAll();
        const POINT at{onField.x + wiggle, onField.y};
        SetCursorPos(at.x, at.y);
        const MSG move = MouseMoveAt(at);
        const double cpuStart = ThreadMilliseconds();
        const auto start = Clock::now();
        tip.RelayMessage(move);
        const auto shown = Clock::now();
        const double cpuShown = ThreadMilliseconds();
        UpdateWindow(tip.Handle());
        const auto painted = Clock::now();
        showCpu += cpuShown - cpuStart;
        paintCpu += ThreadMilliseconds() - cpuShown;
        show = Milliseconds(start, shown);
        paint = Milliseconds(shown, painted);
    };

    std::vector<double> shows, paints, fadeSteps;
    for (int i = 0; i < 60; ++i) {
        double show = 0, paint = 0;
        showOnce(i % 2, show, paint);
        shows.push_back(show);
        paints.push_back(paint);
    }
    if (!IsWindowVisible(tip.Handle())) {
        std::printf("no tip was shown\n");
        return 1;
    }
    RECT tipRect{};
    GetWindowRect(tip.Handle(), &tipRect);
    std::printf("tip of control %d: %ld x %ld pixels\n", IDC_ANGLIMIT, tipRect.right - tipRect.left,
                tipRect.bottom - tipRect.top);
    Report("Show (measure, place, region, background, screen capture, show)", shows, showCpu);
    Report("first paint", paints, paintCpu);

    // Fade steps: the timer's step, sent by hand, so that only the paint counts.
    tip.SetDelay(DelayFadeIn, 100000);
    double fadeCpu = 0;
    for (int i = 0; i < 20; ++i) {
        double show = 0, paint = 0;
        showOnce(i % 2, show, paint);
        for (int step = 0; step < 5; ++step) {
            const double cpuStart = ThreadMilliseconds();
            const auto start = Clock::now();
            SendMessageA(tip.Handle(), WM_TIMER, TimerFadeIn, 0);
            fadeSteps.push_back(Milliseconds(start, Clock::now()));
            fadeCpu += ThreadMilliseconds() - cpuStart;
        }
    }
    Report("fade-step paint", fadeSteps, fadeCpu);
    tip.SetDelay(DelayFadeIn, 0);

    double show = 0, paint = 0;
    showOnce(0, show, paint);
    tip.HideTip();
    PumpAll();
    // The count must see what is made: one region more, then none.
    HRGN probe = CreateRectRgn(0, 0, 1, 1);
    const int withProbe = CountGdiObjects()[OBJ_REGION];
    DeleteObject(probe);
    std::printf("the count sees a new region: %s\n", withProbe == CountGdiObjects()[OBJ_REGION] + 1 ? "yes" : "NO");
    PrintCounts("GDI objects before 1000 tips", CountGdiObjects());
    for (int i = 0; i < 1000; ++i) {
        showOnce(i % 2, show, paint);
        tip.HideTip();
    }
    PumpAll();
    PrintCounts("GDI objects after 1000 tips ", CountGdiObjects());
    return 0;
}
