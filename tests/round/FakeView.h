#pragma once
// A game window without windows: its controls behave as the real ones do
// where the rules depend on it, and it records what the rules asked for.
#include "app/GameWindowModel.h"
#include "engine/Clock.h"
#include "engine/GameRound.h"
#include "engine/Letters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Seconds move on only when a test lets them: by a step per look, or by hand.
class FakeClock : public ClockSource {
public:
    std::atomic<int64_t> now{1000};
    std::atomic<int> secondsPerWait{0};
    std::atomic<int64_t> until{INT64_MAX}; // time stands still from here
    int64_t Now() override { return now.load(); }
    void Wait10Milliseconds() override
    {
        if (now.load() < until.load())
            now += secondsPerWait.load();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
};

inline bool ListLess(const std::string& a, const std::string& b)
{
    // The list box's order: case ignored, bytes as Windows-1252 codes.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperLetter(x)) < static_cast<unsigned char>(UpperLetter(y));
    });
}

class FakeView : public IGameView {
public:
    // --- touched by workers: guarded
    std::string Status() { return Locked(status); }
    std::string TimeText() { return Locked(timeText); }
    std::vector<std::string> TimeHistory() { return Locked(timeHistory); }

    void SetStatusText(const char* text) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        status = text;
    }
    void SetTimeText(const char* text) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        timeText = text;
        timeHistory.push_back(text);
    }
    void PostSearchDone() override { Post(WM_SEARCH_DONE); }
    void PostTimeUp() override { Post(WM_TIME_UP); }

    // Delivers queued notices to the round until the condition holds.
    bool PumpUntil(GameRound& round, const std::function<bool()>& done, int timeoutMs = 20000)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            unsigned message = 0;
            {
                std::unique_lock<std::mutex> lock(mutex);
                if (!posted.wait_until(lock, deadline, [this] { return !queue.empty(); }))
                    return false;
                message = queue.front();
                queue.pop_front();
            }
            if (message == WM_SEARCH_DONE)
                round.OnSearchDone();
            else if (message == WM_TIME_UP)
                round.OnTimeUp();
        }
        return true;
    }
    // Waits until a notice is queued, without delivering it.
    bool WaitQueued(unsigned message, int timeoutMs = 20000)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return posted.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
            return std::find(queue.begin(), queue.end(), message) != queue.end();
        });
    }
    void DeliverAll(GameRound& round)
    {
        PumpUntil(round, [this] { return Locked(queue).empty(); }, 0);
    }

    // --- user-interface thread only
    bool running = false;
    int controlsStateCalls = 0;
    std::map<int, bool> enabled;
    std::string row;        // letters of the buttons that exist
    int rowMistakes = 0;    // destroy with another row, create over a row
    std::vector<std::string> list;
    int topIndex = 0;
    std::string input, found, mistrials;
    int selStart = 0, selEnd = 0;
    bool readOnly = true, inputEnabled = false, caretHidden = false;
    std::vector<std::pair<std::string, int>> messages;
    std::function<void()> duringMessage; // the modal loop of a message
    std::vector<int> sounds;

    void SetControlsState(bool run) override
    {
        running = run;
        ++controlsStateCalls;
        for (const ButtonState& button : ButtonStatesForRound(run))
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

    void ResetList() override { list.clear(); topIndex = 0; }
    void AddListEntry(const std::string& text) override
    {
        list.insert(std::upper_bound(list.begin(), list.end(), text, ListLess), text);
    }
    int ListCount() override { return static_cast<int>(list.size()); }
    std::string ListText(int index) override { return list.at(static_cast<size_t>(index)); }
    void SetListTopIndex(int index) override { topIndex = index; }
    void FitListItemHeight() override {}

    void WriteFields(const std::string& in, const std::string& f, const std::string& m) override
    {
        input = in;
        found = f;
        mistrials = m;
        selStart = selEnd = 0; // as the edit control does when its text is set
    }
    void ReadFields(std::string& in, std::string& f, std::string& m) override
    {
        in = input;
        f = found;
        m = mistrials;
    }
    std::string GetInputText() override { return input; }
    void GetInputSelection(int& start, int& end) override { start = selStart; end = selEnd; }
    void SetInputSelection(int start, int end) override
    {
        selStart = start;
        selEnd = end;
        ClampSelection();
    }
    void SetInputReadOnly(bool value) override { readOnly = value; }
    void EnableInput(bool value) override { inputEnabled = value; }
    void FocusInput() override { caretHidden = false; }
    void HideInputCaret() override { caretHidden = true; }

    int ShowMessageDlg(const char* text, int type) override
    {
        messages.emplace_back(text, type);
        if (duringMessage)
            duringMessage();
        return 1;
    }
    void PlaySoundResource(int id) override { sounds.push_back(id); }
    void StopSound() override { sounds.push_back(-1); }

    // The player types at the caret, one key at a time, as the control does.
    void Type(GameRound& round, const std::string& keys)
    {
        for (char key : keys) {
            if (readOnly)
                return;
            input.replace(static_cast<size_t>(selStart), static_cast<size_t>(selEnd - selStart), 1, key);
            selStart = selEnd = selStart + 1;
            round.OnInputChange();
        }
    }
    void Backspace(GameRound& round)
    {
        if (readOnly || selEnd == 0)
            return;
        const int from = selStart == selEnd ? selStart - 1 : selStart;
        input.erase(static_cast<size_t>(from), static_cast<size_t>(selEnd - from));
        selStart = selEnd = from;
        round.OnInputChange();
    }
    // Clicks the button that shows the letter (first from the left).
    void Click(GameRound& round, char letter)
    {
        const size_t at = row.find(letter);
        ASSERT_NE(std::string::npos, at) << "no button " << letter << " in " << row;
        round.OnLetterClick(LetterButtonBaseId + static_cast<int>(at));
    }
    // The window as the player sees it: the input line shows the caret as |,
    // the buttons Neu, Zurück, Schütteln, Aufgeben and Eintragen by their
    // initials (- when grey).
    std::string State()
    {
        std::string line = input;
        line.insert(static_cast<size_t>(selEnd), "|");
        if (selStart != selEnd)
            line.insert(static_cast<size_t>(selStart), "|");
        std::string buttons;
        for (auto button : {std::make_pair(IdNewButton, 'N'), std::make_pair(IdBackButton, 'Z'),
                            std::make_pair(IdShuffleButton, 'S'), std::make_pair(IdGiveUpButton, 'A'),
                            std::make_pair(IdEnterButton, 'E')})
            buttons += enabled[button.first] ? button.second : '-';
        std::string words;
        for (const std::string& word : list)
            words += (words.empty() ? "" : ",") + word;
        return "row=" + row + "; input=" + line + (readOnly ? " ro" : " rw") + (inputEnabled ? "" : " off") +
               (caretHidden ? " nocaret" : "") + "; buttons=" + buttons + "; found=" + found +
               "; tries=" + mistrials + "; time=" + TimeText() + "; status=" + Status() + "; list=" + words +
               (rowMistakes ? "; row mistakes=" + std::to_string(rowMistakes) : "");
    }
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back().first; }
    int LastSound() const { return sounds.empty() ? 0 : sounds.back(); }

private:
    template <class T> T Locked(const T& value)
    {
        std::lock_guard<std::mutex> lock(mutex);
        return value;
    }
    void Post(unsigned message)
    {
        std::lock_guard<std::mutex> lock(mutex);
        queue.push_back(message);
        posted.notify_all();
    }
    void ClampSelection()
    {
        const int length = static_cast<int>(input.size());
        selStart = std::min(std::max(selStart, 0), length);
        selEnd = std::min(std::max(selEnd, selStart), length);
    }

    std::mutex mutex;
    std::condition_variable posted;
    std::deque<unsigned> queue;
    std::string status, timeText;
    std::vector<std::string> timeHistory;
};
