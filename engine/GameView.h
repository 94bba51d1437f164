#pragma once
#include "res/resource.h"

#include <string>

// Notices that the workers post to the game window.
constexpr unsigned WM_SEARCH_DONE = 0x0401; // WM_USER + 1
constexpr unsigned WM_TIME_UP = 0x0402;     // WM_USER + 2

// Controls of the game window that the rules of a round address.
enum GameControlId {
    IdBackButton = IDC_BACK,
    IdShuffleButton = IDC_SHUFFLE,
    IdNewButton = IDC_NEW,
    IdGiveUpButton = IDC_GIVEUP,
    IdEnterButton = IDC_ENTER,
    LetterButtonBaseId = IDC_LETTERBUTTON_BASE,
};

// Wave resources of the round.
enum GameSoundId {
    SoundStop = -1,
    SoundKey = IDW_KEY,
    SoundTimeUp = IDW_TIMEUP,
    SoundWarning = IDW_WARNING,
    SoundShuffle = IDW_SHUFFLE,
    SoundAccepted = IDW_ACCEPTED,
    SoundBack = IDW_BACK,
    SoundUnknown = IDW_UNKNOWN,
    SoundAllFound = IDW_ALLFOUND,
    SoundGaveUp = IDW_GIVEUP,
    SoundLost = IDW_LOST,
};

// What the rules of a round need of the game window. Every call comes from
// the user-interface thread, except the four marked "worker": those come
// from the search or the clock and must be safe from any thread.
class IGameView {
public:
    virtual ~IGameView() = default;

    // Status line (135). Worker too: synchronous, the text is shown on return.
    virtual void SetStatusText(const char* text) = 0;
    // Time field (145). Worker too (the clock), synchronous.
    virtual void SetTimeText(const char* text) = 0;

    // Which buttons and menu entries are available, and where the focus goes.
    virtual void SetControlsState(bool running) = 0;
    // One letter button per character, identifiers LetterButtonBaseId + i.
    virtual void CreateLetterButtons(const std::string& letters) = 0;
    // Takes the row that the buttons show now.
    virtual void DestroyLetterButtons(const std::string& letters) = 0;
    // The command buttons 127..131.
    virtual void EnableButton(int id, bool enable) = 0;

    // Result list (166): sorted with case ignored, as the list box sorts.
    virtual void ResetList() = 0;
    virtual void AddListEntry(const std::string& text) = 0;
    virtual int ListCount() = 0;
    virtual std::string ListText(int index) = 0;
    virtual void SetListTopIndex(int index) = 0;
    virtual void FitListItemHeight() = 0;

    // The bound fields: input line (139), found field (136), wrong tries (148).
    virtual void WriteFields(const std::string& input, const std::string& found,
                             const std::string& mistrials) = 0;
    virtual void ReadFields(std::string& input, std::string& found, std::string& mistrials) = 0;

    // Input line (139).
    virtual std::string GetInputText() = 0;
    virtual void GetInputSelection(int& start, int& end) = 0;
    virtual void SetInputSelection(int start, int end) = 0;
    virtual void SetInputReadOnly(bool readOnly) = 0;
    virtual void EnableInput(bool enable) = 0;
    virtual void FocusInput() = 0;
    virtual void HideInputCaret() = 0;

    // The message dialog: type 0 notice, 1 question, 2 error; returns
    // 1 OK, 6 yes, 7 no, 2 Escape.
    virtual int ShowMessageDlg(const char* text, int type) = 0;

    // Plays a wave resource asynchronously, cutting off the one playing.
    virtual void PlaySoundResource(int id) = 0;
    virtual void StopSound() = 0;

    // Worker: queue WM_SEARCH_DONE / WM_TIME_UP for the user-interface thread.
    virtual void PostSearchDone() = 0;
    virtual void PostTimeUp() = 0;

    // Called over and over while the user-interface thread waits for a
    // worker to end: a worker may sit in a synchronous call (status or time
    // text) into this thread, so serve such calls here or the wait stalls.
    virtual void ServeWorkerCalls() {}
};
