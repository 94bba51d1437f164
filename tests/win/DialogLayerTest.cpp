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
    std::atomic<int> check{1};

protected:
    void DoDataExchange(CDataExchange& dx) override {
        if (TemplateId() == IDD_WORDLIST) {
            ExchangeRadio(dx, IDC_STANDARDLIST, radio);
            ExchangeText(dx, IDC_LISTPATH, path);
        } else {
            ExchangeNumber(dx, IDC_WORDLIMIT, number);
            ExchangeCheck(dx, IDC_USEDURATION, check);
        }
    }
};

// Reads a control's text.
std::string TextOf(const CDialog& dialog, int id) { return WindowText(dialog.Item(id)); }

TEST(DialogLayer, RadiosTextsNumbersAndChecksGoBothWaysAndBadNumbersAreRefused) {
    InitWindowLibraries();
    ExchangeDialog list(IDD_WORDLIST), settings(IDD_SETTINGS);
    ASSERT_TRUE(list.Create(nullptr) && settings.Create(nullptr));
    auto checks = [](const CDialog& d, std::initializer_list<int> ids) {
        std::string states;
        for (int id : ids)
            states += std::to_string(SendMessageA(d.Item(id), BM_GETCHECK, 0, 0));
        return states;
    };
    EXPECT_EQ("01 C:\\Wörter\\eigene Liste.txt 7 1", checks(list, {IDC_STANDARDLIST, IDC_OWNLIST}) + " " +
                  TextOf(list, IDC_LISTPATH) + " " + TextOf(settings, IDC_WORDLIMIT) + " " +
                  checks(settings, {IDC_USEDURATION}));

    SendMessageA(list.Item(IDC_OWNLIST), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(list.Item(IDC_STANDARDLIST), BM_SETCHECK, BST_CHECKED, 0);
    SetDlgItemTextA(list.Handle(), IDC_LISTPATH, "D:\\Straße.txt");
    SetDlgItemTextA(settings.Handle(), IDC_WORDLIMIT, " 12 ");
    SendMessageA(settings.Item(IDC_USEDURATION), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(list.UpdateData(true) && settings.UpdateData(true));
    EXPECT_EQ("0 D:\\Straße.txt 12 0", std::to_string(list.radio) + " " + list.path + " " +
                                            std::to_string(settings.number) + " " + std::to_string(settings.check));
    SendMessageA(list.Item(IDC_STANDARDLIST), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(list.UpdateData(true));
    EXPECT_EQ(list.radio, -1) << "no radio checked";

    for (const char* bad : {"", "zwölf", "12a", "99999999999"}) {
        SetDlgItemTextA(settings.Handle(), IDC_WORDLIMIT, bad);
        EXPECT_FALSE(settings.UpdateData(true)) << bad;
        EXPECT_EQ(settings.number, 12) << bad;
    }
}

} // namespace
