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

// A modal dialog that ends itself from a posted message and records what its
// pre-translation hook saw.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_MESSAGE) {}
    HWND ownerSeen = nullptr;
    bool ownerWasDisabled = false;
    int preTranslated = 0;

protected:
    BOOL OnInitDialog() override {
        ownerSeen = GetWindow(m_hWnd, GW_OWNER);
        ownerWasDisabled = ownerSeen && !IsWindowEnabled(ownerSeen);
        PostMessageA(m_hWnd, WM_PROBE_END, 0, 0);
        return TRUE;
    }
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_PROBE_END)
            ++preTranslated;
        return CDialog::PreTranslateMessage(msg);
    }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PROBE_END) {
            // Still disabled while the dialog runs.
            ownerWasDisabled = ownerWasDisabled && ownerSeen && !IsWindowEnabled(ownerSeen);
            EndDialog(42);
            return TRUE;
        }
        if (message == WM_PROBE_THROW)
            throw std::runtime_error("handler failed");
        return CDialog::HandleMessage(message, wParam, lParam);
    }
};

class OwnerDialog : public CDialog {
public:
    OwnerDialog() : CDialog(IDD_LOADING) {}
};

TEST(DialogLayer, ModalRunDisablesTheOwnerAndEndsWithTheResult) {
    InitWindowLibraries();
    OwnerDialog owner;
    ASSERT_TRUE(owner.Create(nullptr));
    ShowWindow(owner.Handle(), SW_SHOW);
    ProbeDialog probe;
    EXPECT_EQ(probe.DoModal(owner.Handle()), 42);
    EXPECT_EQ(probe.ownerSeen, owner.Handle());
    EXPECT_TRUE(probe.ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(probe.preTranslated, 1);
    EXPECT_EQ(probe.Handle(), nullptr);
}

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

// A control that colours itself when its parent asks.
class SelfColouredText : public CControl {
public:
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    int ownMessages = 0;

    bool OnReflectedMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_CTLCOLORSTATIC)
            return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT)
            ++ownMessages;
        return Default(message, wParam, lParam);
    }
};

TEST(DialogLayer, SubclassedControlsSeeTheirMessagesAndTheirReflections) {
    InitWindowLibraries();
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    SelfColouredText text;
    ASSERT_TRUE(text.SubclassDlgItem(IDC_MSG_TEXT, dialog.Handle()));
    EXPECT_FALSE(text.SubclassDlgItem(IDC_MSG_TEXT, dialog.Handle()));
    EXPECT_EQ(CControl::FromHandle(dialog.Item(IDC_MSG_TEXT)), &text);

    SetDlgItemTextA(dialog.Handle(), IDC_MSG_TEXT, "Hallo");
    EXPECT_EQ(text.ownMessages, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(text.Handle())),
              reinterpret_cast<LRESULT>(text.brush));
    DeleteDC(dc);

    DestroyWindow(dialog.Handle());
    EXPECT_EQ(text.Handle(), nullptr);
}

} // namespace
