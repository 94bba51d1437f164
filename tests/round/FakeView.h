#pragma once
// A game window without windows: its controls behave as the real ones do
// where the rules depend on it, and it records what the rules asked for.
#include "app/GameWindowModel.h"
#include "engine/Clock.h"
#include "engine/GameRound.h"
#include "engine/Letters.h"
#include "engine/Messages.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Seconds move on only when a test lets them: by a step per look, up to a limit.
class FakeClock : public ClockSource {
public:
    std::atomic<int64_t> now{1000}, until{INT64_MAX};
    std::atomic<int> secondsPerWait{0};
    int64_t Now() override { return now.load(); }
    void Wait10Milliseconds() override
    {
        if (now.load() < until.load())
            now += secondsPerWait.load();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
};

// Polls a condition for up to 20 seconds.
inline bool WaitUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 20000 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
}

class FakeView : public IGameView {
public:
    // --- touched by workers: guarded
    std::string Status() { std::lock_guard<std::mutex> lock(mutex); return status; }
    std::vector<std::string> TimeTexts() { std::lock_guard<std::mutex> lock(mutex); return timeTexts; }
    std::string TimeText() { return TimeTexts().empty() ? "" : TimeTexts().back(); }
    void SetStatusText(const char* text) override { std::lock_guard<std::mutex> lock(mutex); status = text; }
    void SetTimeText(const char* text) override { std::lock_guard<std::mutex> lock(mutex); timeTexts.push_back(text); }
    void PostSearchDone() override { ++searchDonePosted; }
    void PostTimeUp() override { ++timeUpPosted; }

    // The message loop: delivers the notices posted so far to the round.
    void DeliverAll(GameRound& round)
    {
        for (int n = searchDonePosted.exchange(0); n > 0; --n)
            round.OnSearchDone();
        for (int n = timeUpPosted.exchange(0); n > 0; --n)
            round.OnTimeUp();
    }
    // Runs the message loop until the condition holds.
    bool PumpUntil(GameRound& round, const std::function<bool()>& done)
    {
        return WaitUntil([&] { return DeliverAll(round), done(); });
    }
    std::atomic<int> searchDonePosted{0}, timeUpPosted{0};

    // --- user-interface thread only
    int controlsStateCalls = 0;
    std::map<int, bool> enabled;
    std::string row;     // letters of the buttons that exist
    int rowMistakes = 0; // destroy with another row, create over a row
    std::vector<std::string> list;
    int topIndex = 0;
    std::string input, found, mistrials;
    int selStart = 0, selEnd = 0;
    bool readOnly = true, inputEnabled = false, caretHidden = false;
    std::vector<std::string> messages;
    std::function<void()> duringMessage; // the modal loop of a message
    std::vector<int> sounds;

    void SetControlsState(bool running) override
    {
        ++controlsStateCalls;
        for (const ButtonState& button : ButtonStatesForRound(running))
            enabled[button.id] = button.enabled;
    }
    void CreateLetterButtons(const std::string& letters) override
    {
        rowMistakes += !row.empty();
        row = letters;
    }
    void DestroyLetterButtons(const std::string& letters) override
    {
        rowMistakes += letters != row;
        row.clear();
    }
    void EnableButton(int id, bool enable) override { enabled[id] = enable; }

    void ResetList() override { list.clear(), topIndex = 0; }
    // The list box sorts without case; byte order agrees with it for the entries these tests list.
    void AddListEntry(const std::string& text) override
    {
        list.insert(std::upper_bound(list.begin(), list.end(), text), text);
    }
    int ListCount() override { return static_cast<int>(list.size()); }
    std::string ListText(int index) override { return list.at(static_cast<size_t>(index)); }
    void SetListTopIndex(int index) override { topIndex = index; }
    void FitListItemHeight() override {}

    void WriteFields(const std::string& in, const std::string& f, const std::string& m) override
    {
        input = in, found = f, mistrials = m;
        selStart = selEnd = 0; // as the edit control does when its text is set
    }
    void ReadFields(std::string& in, std::string& f, std::string& m) override { in = input, f = found, m = mistrials; }
    std::string GetInputText() override { return input; }
    void GetInputSelection(int& start, int& end) override { start = selStart, end = selEnd; }
    void SetInputSelection(int start, int end) override
    {
        const int length = static_cast<int>(input.size());
        selStart = std::min(std::max(start, 0), length);
        selEnd = std::min(std::max(end, selStart), length);
    }
    void SetInputReadOnly(bool value) override { readOnly = value; }
    void EnableInput(bool value) override { inputEnabled = value; }
    void FocusInput() override { caretHidden = false; }
    void HideInputCaret() override { caretHidden = true; }

    // Every message of a round is a notice; others show their type.
    int ShowMessageDlg(const char* text, int type) override
    {
        messages.push_back(text + (type == MessageNotice ? "" : " (type " + std::to_string(type) + ")"));
        if (duringMessage)
            duringMessage();
        return 1;
    }
    void PlaySoundResource(int id) override { sounds.push_back(id); }
    void StopSound() override { sounds.push_back(SoundStop); }

    // The player types at the caret, one key at a time, as the control does;
    // '\b' is a backspace.
    void Type(GameRound& round, const std::string& keys)
    {
        for (char key : keys) {
            const bool back = key == '\b';
            if (readOnly || (back && selEnd == 0))
                continue;
            const int from = back && selStart == selEnd ? selStart - 1 : selStart;
            input.replace(static_cast<size_t>(from), static_cast<size_t>(selEnd - from), back ? 0 : 1, key);
            selStart = selEnd = from + !back;
            round.OnInputChange();
        }
    }
    // Clicks the buttons that show the letters (each the first from the left).
    void Click(GameRound& round, const std::string& letters)
    {
        for (char letter : letters)
            round.OnLetterClick(LetterButtonBaseId + static_cast<int>(row.find(letter)));
    }
    // The window as the player sees it: the input line shows the caret as |,
    // the buttons Neu, Zurück, Schütteln, Aufgeben and Eintragen by their
    // initials (- when grey).
    std::string RowAndInput() const
    {
        std::string line = input;
        line.insert(static_cast<size_t>(selEnd), "|");
        if (selStart != selEnd)
            line.insert(static_cast<size_t>(selStart), "|");
        return "row=" + row + "; input=" + line;
    }
    std::string State()
    {
        std::string buttons = "NZSAE", words;
        const int ids[] = {IdNewButton, IdBackButton, IdShuffleButton, IdGiveUpButton, IdEnterButton};
        for (size_t i = 0; i < buttons.size(); ++i)
            buttons[i] = enabled[ids[i]] ? buttons[i] : '-';
        for (const std::string& word : list)
            words += (words.empty() ? "" : ",") + word;
        return RowAndInput() + (readOnly ? " ro" : " rw") + (inputEnabled ? "" : " off") +
               (caretHidden ? " nocaret" : "") + "; buttons=" + buttons + "; found=" + found + "; tries=" + mistrials +
               "; time=" + TimeText() + "; status=" + Status() + "; list=" + words +
               (rowMistakes ? "; row mistakes=" + std::to_string(rowMistakes) : "");
    }
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }

private:
    std::mutex mutex;
    std::string status;
    std::vector<std::string> timeTexts;
};
