#include "settings/win/WordListDlg.h"

#include <gtest/gtest.h>

#include "engine/Messages.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/ListChoice.h"
#include "settings/SettingsSections.h"
#include "tests/win/WindowDriver.h"
#include "wordlist/WordList.h"

namespace {

// Each message as "type text", with "over the dialog" where it was shown over the word list dialog.
std::vector<std::string> s_messages;

int RecordMessage(const char* text, int type)
{
    s_messages.push_back(std::to_string(type) + " " + text +
                         (WindowText(GetActiveWindow()) == "Wortliste auswählen" ? " over the dialog" : ""));
    return 1;
}

std::string s_chosenFile;
bool ChooseRecordedFile(HWND, std::string& path)
{
    if (s_chosenFile.empty())
        return false;
    path = s_chosenFile;
    return true;
}

class WordListDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameSettings.ResetToDefaults();
        s_messages.clear();
        m_previousHandler = SetMessageHandler(&RecordMessage);
        StoreWordList({"ABEND", "BAD"});
    }
    void TearDown() override
    {
        SetMessageHandler(m_previousHandler);
        CWordListDlg::SetFileChooser(nullptr);
        ClearWordList();
        GameSettings.ResetToDefaults();
    }

    // What is stored before the dialog opens.
    void Store(int wordlist, const std::string& path)
    {
        GameSettings.Wordlist = wordlist;
        GameSettings.Listpath = path;
        SaveListSettings();
    }

    ScopedStore scoped;
    MessageHandler m_previousHandler = nullptr;
};

HWND PathEdit(HWND dlg) { return GetDlgItem(dlg, IDC_LISTPATH); }

// Path, its rules and Browse enabled, the radio, the focus's id.
std::string State(HWND dlg)
{
    return EnabledStates(dlg, {IDC_LISTPATH, IDC_LISTRULES, IDC_BROWSE}) + " " + Text(dlg, IDC_LISTPATH) +
           (IsDlgButtonChecked(dlg, IDC_OWNLIST) ? " own " : " standard ") + std::to_string(GetDlgCtrlID(GetFocus()));
}

// The own list enables its path; one without a path is refused over the
// dialog; Browse fills it in; OK stores it trimmed, the search stopped while
// the old list is still there.
TEST_F(WordListDialog, OwnListEnablesThePathBrowseFillsItAndOkStoresItTrimmed)
{
    Store(0, "C:\\alt.txt");
    GameSettings.Listpath = "C:\\ungespeichert.txt"; // the dialog starts from what is stored
    CWordListDlg::SetFileChooser(&ChooseRecordedFile);
    int wordsWhenStopped = -1;
    CWordListDlg dialog([&] { wordsWhenStopped = WordCount(); });
    EXPECT_EQ(IDOK, RunScripted(dialog, [this](HWND dlg) {
        const std::string initial = State(dlg);
        Click(dlg, IDC_OWNLIST);
        const std::string own = State(dlg);
        SetWindowTextA(PathEdit(dlg), "   ");
        Click(dlg, IDOK);
        const std::string refused = State(dlg);
        s_chosenFile.clear();
        Click(dlg, IDC_BROWSE); // a cancelled choice keeps the path
        // Nothing stored yet.
        EXPECT_EQ("000 C:\\alt.txt standard " + std::to_string(IDOK) + "; 111 C:\\alt.txt own " +
                      std::to_string(IDC_LISTPATH) + "; 111     own " + std::to_string(IDC_LISTPATH) + "|   |C:\\alt.txt",
                  initial + "; " + own + "; " + refused + "|" + Text(dlg, IDC_LISTPATH) + "|" +
                      scoped.ReadString("List", "Listpath", "?"));
        s_chosenFile = "  C:\\Dokumente\\liste.txt\t ";
        Click(dlg, IDC_BROWSE);
        PressKey(GetFocus(), VK_RETURN);
    }));
    EXPECT_EQ(s_messages, std::vector<std::string>{std::to_string(MessageError) +
                                                   " Es wurde keine Wortliste angegeben. over the dialog"});
    EXPECT_EQ("1 C:\\Dokumente\\liste.txt 2 0", std::to_string(scoped.ReadDword("List", "Wordlist", 9)) + " " +
                                                     scoped.ReadString("List", "Listpath", "?") + " " +
                                                     std::to_string(wordsWhenStopped) + " " + std::to_string(WordCount()));
}

// The file name box of the real Open dialog: cmb13, or edt1 in the older form.
HWND FileNameBox(HWND window)
{
    HWND name = GetDlgItem(window, 0x47C);
    return name ? name : GetDlgItem(window, 0x480);
}

// The real Open dialog belongs to the word list dialog. A name typed without
// extension gets ".txt"; the full path comes back.
TEST_F(WordListDialog, RealOpenDialogBelongsToTheDialog)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "anagrilla_liste.txt";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string typedName = std::string(folder) + "anagrilla_liste";
    HWND fileDialogOwner = nullptr;

    Store(1, "");
    std::string shownPath;
    CWordListDlg dialog;
    RunScripted(dialog, [&](HWND dlg) {
        const ActOnWindow answer([](HWND w) { return FileNameBox(w) != nullptr; }, [&](HWND w) {
            fileDialogOwner = GetWindow(w, GW_OWNER);
            SetWindowTextA(FileNameBox(w), typedName.c_str());
            PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, IDOK)));
        }, 100);
        Click(dlg, IDC_BROWSE);
        EXPECT_EQ(fileDialogOwner, dlg);
        shownPath = Text(dlg, IDC_LISTPATH);
        Click(dlg, IDCANCEL);
    });
    DeleteFileA(file.c_str());
    EXPECT_TRUE(SamePathIgnoringCase(shownPath, file)) << shownPath;
}

} // namespace
