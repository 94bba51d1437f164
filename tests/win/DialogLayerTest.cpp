#include "dialoglayer/win/Control.h"
#include "dialoglayer/win/DataExchange.h"
#include "dialoglayer/win/Dialog.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

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

// Binds fields of its own to the controls of the word list and settings templates.
class ExchangeDialog : public CDialog {
public:
    explicit ExchangeDialog(int templateId) : CDialog(templateId) {}
    int radio = 1;
    std::string path = "C:\\Wörter\\eigene Liste.txt";
    int number = 7;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        if (TemplateId() == IDD_WORDLIST) {
            ExchangeRadio(dx, IDC_STANDARDLIST, radio);
            ExchangeText(dx, IDC_LISTPATH, path);
        } else {
            ExchangeNumber(dx, IDC_WORDLIMIT, number);
        }
    }
};

// Both ways are driven by the settings and word list dialog tests; here what they cannot reach.
TEST(DialogLayer, NoRadioCheckedAndBadNumbersAreRefused) {
    InitWindowLibraries();
    ExchangeDialog list(IDD_WORDLIST), settings(IDD_SETTINGS);
    ASSERT_TRUE(list.Create(nullptr) && settings.Create(nullptr));
    SendMessageA(list.Item(IDC_OWNLIST), BM_SETCHECK, BST_UNCHECKED, 0);
    SetDlgItemTextA(list.Handle(), IDC_LISTPATH, "D:\\Straße.txt");
    EXPECT_TRUE(list.UpdateData(true));
    EXPECT_EQ("-1 D:\\Straße.txt", std::to_string(list.radio) + " " + list.path);
    std::string numbers;
    for (const char* text : {" 12 ", "", "zwölf", "12a", "99999999999"}) {
        SetDlgItemTextA(settings.Handle(), IDC_WORDLIMIT, text);
        numbers += settings.UpdateData(true) ? "ok " : "refused ";
        numbers += std::to_string(settings.number) + ", ";
    }
    EXPECT_EQ("ok 12, refused 12, refused 12, refused 12, refused 12, ", numbers);
}

} // namespace
