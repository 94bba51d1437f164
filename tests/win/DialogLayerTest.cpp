#include "dialoglayer/win/Dialog.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr UINT WM_PROBE_END = WM_APP + 20;
constexpr UINT WM_PROBE_THROW = WM_APP + 21;

// A dialog whose handler throws on one message and closes on another.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_MESSAGE) {}

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PROBE_END) {
            DestroyWindow(m_hWnd);
            return TRUE;
        }
        if (message == WM_PROBE_THROW)
            throw std::runtime_error("handler failed");
        return CDialog::HandleMessage(message, wParam, lParam);
    }
};

TEST(DialogLayer, AnExceptionStopsAtTheWindowProcedure) {
    InitWindowLibraries();
    ProbeDialog probe;
    ASSERT_TRUE(probe.Create(nullptr));
    EXPECT_EQ(SendMessageA(probe.Handle(), WM_PROBE_THROW, 0, 0), 0);
    // The dialog goes on working.
    SendMessageA(probe.Handle(), WM_PROBE_END, 0, 0);
    EXPECT_EQ(probe.Handle(), nullptr);
}

} // namespace
