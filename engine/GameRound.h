#pragma once
#include "engine/Clock.h"
#include "engine/GameView.h"
#include "engine/Search.h"
#include "engine/WorkerThread.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// The rules of one round over its fields. The game window owns one, routes
// its buttons, notices and input changes to the On... operations and shows
// what the round asks of it through IGameView. Everything here runs on the
// user-interface thread except the two worker procedures.
class GameRound : private ISearchHost {
public:
    explicit GameRound(IGameView& view, ClockSource& clock = SystemClock());
    // Signals and joins a running worker without calling the view. The
    // window calls StopWorker while it still serves the workers' calls.
    ~GameRound();
    GameRound(const GameRound&) = delete;
    GameRound& operator=(const GameRound&) = delete;

    // The round fields. Written by the user-interface thread only; the
    // start-word dialog writes m_strStartWord before StartRound.
    std::string m_strStartWord;
    std::string m_strLetters;
    std::string m_strInput;
    std::vector<std::string> m_candidates;
    int m_nTotal = 0;
    int m_nFound = 0;
    int m_nMistrials = 0;
    std::string m_strFound;
    std::string m_strMistrials;
    int m_bRunning = 0;
    std::unique_ptr<WorkerThread> m_pWorker;

    // Commands and notices.
    void OnNew();                 // button 129
    void StartRound();            // also after the start-word dialog
    void OnSearchDone();          // WM_SEARCH_DONE
    void OnInputChange();         // the player changed the input line
    void OnLetterClick(int id);   // letter button LetterButtonBaseId + i
    void OnEnter();               // button 131 and the Enter key
    void OnGiveUp();              // button 130
    void OnBack();                // button 127
    void OnShuffle();             // button 128
    void OnTimeUp();              // WM_TIME_UP

    // For the window.
    // Welcome row at opening: "Willkommen bei" over the letters of "Anagrilla".
    void ShowWelcome();
    // Time field and wrong-tries field as at the start of a round, then the
    // fields are written (after the settings dialog, too).
    void ShowLimitTexts();
    // Before the word list is replaced: a running search is stopped and
    // waited for, and the round it prepared is given up.
    void StopSearch();
    // Signals CancelEvent to a running worker and waits up to the time for
    // it to end; true when no worker runs any more.
    bool StopWorker(int milliseconds);
    bool IsWorkerRunning() const;
    // True while a search prepares a round.
    bool IsSearching() const { return m_bSearching; }
    // Sound id, or -1 to stop any sound whatever UseSound says.
    void PlayGameSound(int id);

    // Internal steps, public so that the window and tests can name them.
    void EndRound();
    void RestoreLetters();
    void UpdateFoundText();
    bool IsAlreadyListed(const std::string& word);
    std::string TakeCandidate(std::string word);

    // The countdown; runs on a worker thread. 1 when the time ran out,
    // 0 when stopped.
    unsigned ClockThreadProc();

private:
    // ISearchHost: the search works on copies of its own, so that nothing
    // the user-interface thread touches is written by the worker.
    const std::string& SearchLetters() const override { return m_searchLetters; }
    std::vector<std::string>& SearchCandidates() override { return m_searchCandidates; }
    void SetSearchTotal(int total) override { m_searchTotal = total; }
    void SetStatusText(const char* text) override { m_view.SetStatusText(text); }
    void PostSearchDone() override;

    void TakeSearchResult();
    void EndWithoutCandidates();
    void TakeLettersFromRow(std::string& text);
    void EndOutOfTries();
    void EndAllFound();
    void ScrollListToEnd();
    void EnableEnterAndShuffle(const std::string& text);
    void ShuffleLetters(int n);
    void StartClock();
    void StopClock();
    void WriteFields();
    void ReadFields();

    IGameView& m_view;
    ClockSource& m_clock;
    bool m_bSearching = false;

    std::string m_searchLetters;
    std::vector<std::string> m_searchCandidates;
    int m_searchTotal = 0;
    // Set by a worker just before it posts, so that a notice from a worker
    // of an earlier round (posted before it was stopped) is recognised.
    std::atomic<bool> m_searchDonePosted{false};
    std::atomic<bool> m_timeUpPosted{false};
};

// Texts of the counters.
std::string FormatFoundText(int found, int total);
std::string FormatMistrialsText(int mistrials, int limit);
std::string FormatClockText(long long secondsLeft);

// Settings as the rules use them: out-of-range stored values made harmless.
int EffectiveDuration();
int EffectiveMistrials();
int EffectiveAngLimit();
