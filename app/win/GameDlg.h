#pragma once
#include <windows.h>
#include <string>
#include "controls/win/GradientButton.h"
#include "dialoglayer/win/Dialog.h"
#include "dialoglayer/win/Gdi.h"
#include "engine/GameRound.h"
#include "engine/GameView.h"
#include "tooltip/win/VelToolTip.h"

// The main game window: template 102, run modally by the application. It
// shows what the rules of a round ask for (IGameView) and routes the
// player's commands to them.
class CGameDlg : public CDialog, public IGameView {
public:
    CGameDlg();
    ~CGameDlg() override;

    // The rules of the round; the start-word dialog writes m_strStartWord.
    GameRound& Round() { return m_round; }
    // A worker that did not stop when the window closed; the process must
    // end it by ending itself.
    bool WorkerLeftRunning() const { return m_workerLeftRunning; }

    // How sounds reach the system; tests put a recorder in its place.
    using SoundFunction = BOOL(WINAPI*)(LPCSTR sound, HMODULE module, DWORD flags);
    static SoundFunction s_playSound;

    // Operations of the window that the menu and the loading window use.
    void OnClose();
    void OnReadMe();
    void ToggleOption(int menuId);
    // The loading window over this window: at start-up and after the word
    // list changed. The window stays disabled until the list is loaded.
    void StartLoading();

    // IGameView
    void SetStatusText(const char* text) override;
    void SetTimeText(const char* text) override;
    void SetControlsState(bool running) override;
    void CreateLetterButtons(const std::string& letters) override;
    void DestroyLetterButtons(const std::string& letters) override;
    void EnableButton(int id, bool enable) override;
    void ResetList() override;
    void AddListEntry(const std::string& text) override;
    int ListCount() override;
    std::string ListText(int index) override;
    void SetListTopIndex(int index) override;
    void FitListItemHeight() override;
    void WriteFields(const std::string& input, const std::string& found, const std::string& mistrials) override;
    void ReadFields(std::string& input, std::string& found, std::string& mistrials) override;
    std::string GetInputText() override;
    void GetInputSelection(int& start, int& end) override;
    void SetInputSelection(int start, int end) override;
    void SetInputReadOnly(bool readOnly) override;
    void EnableInput(bool enable) override;
    void FocusInput() override;
    void HideInputCaret() override;
    int ShowMessageDlg(const char* text, int type) override;
    void PlaySoundResource(int id) override;
    void StopSound() override;
    void PostSearchDone() override;
    void PostTimeUp() override;
    void ServeWorkerCalls() override;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Enter with a disabled default button and WM_CLOSE's cancel must not
    // end the main window.
    void OnOK() override {}
    void OnCancel() override {}
    bool PreTranslateMessage(MSG& msg) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH reflected) override;
    void OnDestroy() override;

private:
    bool OnButton(int id);
    bool OnMenu(int id);
    // The settings, start-word, word list and About dialogs (GameDlgMenus.cpp).
    bool OnDialogMenu(int id);
    void OnSettings();
    void OnStartWord();
    void OnWordList();
    void SetUpInputLine();
    void SetUpResultList();
    void SetUpBackgrounds();
    void SetUpCommandButtons();
    void ApplyMenuAtRest();
    void SetMenuTick(int id, bool ticked);
    void SetMenuGrey(int id, bool grey);
    void SetControlText(int id, const char* text);
    void WriteInputText(const std::string& text);
    void EndListBatch();
    HICON LetterIcon(unsigned char letter);
    void LoadLetterIcons(int from);
    void OnFirstShow();

    CGradientButton m_btnQuit;
    CGradientButton m_btnBack;
    CGradientButton m_btnShuffle;
    CGradientButton m_btnGiveUp;
    CGradientButton m_btnEnter;
    CGradientButton m_btnNew;
    GameRound m_round;
    CVelToolTip m_toolTip;
    HWND m_pInputCtrl = nullptr;
    // The window as the workers address it; fixed once the window opens.
    HWND m_viewWindow = nullptr;
    OwnedFont m_inputFont;
    OwnedFont m_listFont;
    // Set while the program writes into the input line: Wine reports those
    // writes as changes too, and only the player's changes are typing.
    bool m_writingInput = false;
    bool m_loadingStarted = false;
    HWND m_loadingWindow = nullptr;
    bool m_listBatch = false;
    bool m_workerLeftRunning = false;
    // Shared icons of the letter buttons, by letter; never destroyed.
    HICON m_letterIcons[256] = {};
    bool m_letterIconLoaded[256] = {};
};
