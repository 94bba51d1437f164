#include "engine/GameRound.h"

#include "engine/CancelEvent.h"
#include "engine/Letters.h"
#include "engine/Messages.h"
#include "engine/Random.h"
#include "engine/StartWordStock.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

namespace {

const char* const TextNoStartWord = "Es stehen keine Ratebegriffe zur Verfügung.";
const char* const TextNoCandidates =
    "Zum aktuellen Ausgangswort stehen keine Teilanagramme zur Verfügung.\n"
    "Überprüfen Sie die Spieleinstellungen und stellen Sie sicher, dass in Ihrer Wortliste genügend\n"
    "Begriffe zu den in den Spieleinstellungen angegebenen Längenbereichen vorhanden sind";
const char* const TextAlreadyListed = "Dieses Wort wurde bereits eingetragen.";
const char* const TextUnknown = "Dieses Wort ist leider nicht bekannt.";
const char* const TextNoMoreTries =
    "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
const char* const TextAllFound = "Herzlichen Glückwunsch, Sie haben alles gefunden!!!";
const char* const TextTimeUp = "Die eingestellte Spieldauer ist abgelaufen.";

const char* const StatusRunning = "Spiel läuft...";
const char* const StatusNoCandidates = "Keine Teilanagramme gefunden.";
const char* const StatusAccepted = "Wort wurde in Liste übernommen.";
const char* const StatusBack = "Buchstaben zurückgelegt.";
const char* const StatusEnded = "Spiel beendet.";
const char* const StatusWelcome = "Drücken Sie NEU um ein neues Spiel zu starten.";

const char* const TextUnlimited = "unbegrenzt";

// The list shows this many entries in its first column; later entries are
// scrolled into view so that the newest stay visible.
constexpr int VisibleListEntries = 11;

// A wait without limit, for workers that stop within one step anyway.
constexpr int WaitWithoutLimit = -1;

std::string FormatMinutesText(int minutes)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d Minuten", minutes);
    return buffer;
}

} // namespace

// ---------------------------------------------------------------- texts

std::string FormatFoundText(int found, int total)
{
    // Rounded half up in integers: printf's rounding of exact halves
    // differs between runtimes (1 of 8 must show 13).
    long long percent = 0;
    if (total > 0 && found >= 0)
        percent = (static_cast<long long>(found) * 200 + total) / (2LL * total);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d von %d   ( %2lld %% )", found, total, percent);
    return buffer;
}

std::string FormatMistrialsText(int mistrials, int limit)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d von %d", mistrials, limit);
    return buffer;
}

std::string FormatClockText(long long secondsLeft)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%2.2d:%2.2d", static_cast<int>((secondsLeft / 60) % 60),
                  static_cast<int>(secondsLeft % 60));
    return buffer;
}

// Stored values are used as they are, but below zero they would make a round
// that never ends or counters that read "-3".
int EffectiveDuration()
{
    return std::max(GameSettings.Duration.load(), 0);
}

int EffectiveMistrials()
{
    return std::max(GameSettings.Mistrials.load(), 0);
}

// An empty word can never be entered, so it never counts as long enough.
int EffectiveAngLimit()
{
    return std::max(GameSettings.AngLimit.load(), 1);
}

// ---------------------------------------------------------------- life

GameRound::GameRound(IGameView& view, ClockSource& clock) : m_view(view), m_clock(clock) {}

GameRound::~GameRound()
{
    if (IsWorkerRunning())
        CancelEvent.Set();
    m_pWorker.reset();
}

void GameRound::WriteFields()
{
    m_view.WriteFields(m_strInput, m_strFound, m_strMistrials);
}

void GameRound::ReadFields()
{
    m_view.ReadFields(m_strInput, m_strFound, m_strMistrials);
}

void GameRound::PlayGameSound(int id)
{
    if (id == SoundStop)
        m_view.StopSound();
    else if (GameSettings.UseSound != 0)
        m_view.PlaySoundResource(id);
}

void GameRound::ShowWelcome()
{
    UpdateFoundText();
    ShowLimitTexts();
    m_strInput = "Willkommen bei";
    m_strLetters = "Anagrilla";
    m_view.CreateLetterButtons(m_strLetters);
    m_view.SetStatusText(StatusWelcome);
    m_bRunning = 0;
    WriteFields();
}

void GameRound::ShowLimitTexts()
{
    if (GameSettings.UseDuration != 0)
        m_view.SetTimeText(FormatMinutesText(EffectiveDuration()).c_str());
    else
        m_view.SetTimeText(TextUnlimited);
    if (GameSettings.UseMistrials != 0)
        m_strMistrials = FormatMistrialsText(0, EffectiveMistrials());
    else
        m_strMistrials = TextUnlimited;
    WriteFields();
}

// ---------------------------------------------------------------- workers

bool GameRound::IsWorkerRunning() const
{
    return m_pWorker && m_pWorker->IsRunning();
}

bool GameRound::StopWorker(int milliseconds)
{
    if (!IsWorkerRunning())
        return true;
    CancelEvent.Set();
    const auto start = std::chrono::steady_clock::now();
    while (!m_pWorker->WaitFor(5)) {
        m_view.ServeWorkerCalls();
        const auto waited = std::chrono::steady_clock::now() - start;
        if (milliseconds >= 0 && waited >= std::chrono::milliseconds(milliseconds))
            return false;
    }
    // A worker that ended on its own did not consume the signal; left set,
    // it would stop the next worker at its first look.
    CancelEvent.Reset();
    return true;
}

void GameRound::StopClock()
{
    StopWorker(WaitWithoutLimit);
    // A notice the clock posted before it stopped must not end the round
    // once more when it arrives.
    m_timeUpPosted = false;
}

void GameRound::PostSearchDone()
{
    m_searchDonePosted = true;
    m_view.PostSearchDone();
}

void GameRound::StopSearch()
{
    if (!m_bSearching)
        return;
    StopWorker(WaitWithoutLimit);
    m_bSearching = false;
    m_searchDonePosted = false;
    m_view.SetControlsState(false);
    m_view.SetStatusText(StatusEnded);
}

// ---------------------------------------------------------------- new round

void GameRound::OnNew()
{
    PlayGameSound(SoundStop);
    m_view.EnableButton(IdNewButton, false);

    if (!PickStartWord(m_strStartWord)) {
        PlayGameSound(SoundWarning);
        m_view.ShowMessageDlg(TextNoStartWord, MessageNotice);
        // Nothing else would give the player the button back, nor the focus:
        // the system would put it on "&Beenden", where Enter ends the game.
        m_view.SetControlsState(false);
        return;
    }

    NormaliseWord(m_strStartWord, EffectiveSubstitute(), std::string());
    if (EffectiveUpper())
        UpperCaseWord(m_strStartWord);

    StartRound();
}

void GameRound::StartRound()
{
    // Never two searches over one candidate list; a running clock goes too.
    StopWorker(WaitWithoutLimit);
    m_bSearching = false;
    m_timeUpPosted = false;

    m_view.ResetList();
    ShowLimitTexts();

    m_view.DestroyLetterButtons(m_strLetters);
    m_strLetters = m_strStartWord;
    m_strInput.clear();
    m_nFound = 0;
    m_nMistrials = 0;
    m_view.CreateLetterButtons(m_strLetters);

    if (m_strStartWord.empty()) {
        // The search would stop at once without a notice and leave the
        // window waiting for it.
        m_candidates.clear();
        m_nTotal = 0;
        EndWithoutCandidates();
        return;
    }

    CancelEvent.Reset();
    m_searchLetters = m_strLetters;
    m_searchCandidates.clear();
    m_searchTotal = 0;
    m_searchDonePosted = false;
    m_bSearching = true;
    m_pWorker = std::make_unique<WorkerThread>([this] { return SearchThreadProc(this); });
}

void GameRound::OnSearchDone()
{
    if (!m_bSearching || !m_searchDonePosted.exchange(false))
        return; // a notice from a search that a newer round replaced
    m_bSearching = false;
    StopWorker(WaitWithoutLimit); // it has posted; only its return is left
    TakeSearchResult();

    if (m_nTotal == 0) {
        EndWithoutCandidates();
        return;
    }

    UpdateFoundText();
    m_view.SetInputReadOnly(false);
    m_view.EnableInput(true);
    m_view.FocusInput();
    m_view.EnableButton(IdShuffleButton, true);

    if (GameSettings.UseDuration != 0)
        StartClock();

    m_bRunning = 1;
    m_view.SetStatusText(StatusRunning);
    m_view.SetControlsState(true);
}

void GameRound::TakeSearchResult()
{
    // With a minimum length of 0 from the registry, words without letters
    // would come as empty candidates that no one can ever enter.
    m_candidates = std::move(m_searchCandidates);
    m_searchCandidates.clear();
    m_candidates.erase(std::remove(m_candidates.begin(), m_candidates.end(), std::string()),
                       m_candidates.end());
    m_nTotal = std::min(m_searchTotal, static_cast<int>(m_candidates.size()));
}

void GameRound::EndWithoutCandidates()
{
    EndRound();
    UpdateFoundText();
    m_view.SetStatusText(StatusNoCandidates);
    PlayGameSound(SoundWarning);
    m_view.ShowMessageDlg(TextNoCandidates, MessageNotice);
}

void GameRound::UpdateFoundText()
{
    m_strFound = FormatFoundText(m_nFound, m_nTotal);
    WriteFields();
}

// ---------------------------------------------------------------- building a word

void GameRound::EnableEnterAndShuffle(const std::string& text)
{
    const bool running = m_bRunning != 0;
    m_view.EnableButton(IdEnterButton, running && static_cast<int>(text.size()) >= EffectiveAngLimit());
    m_view.EnableButton(IdShuffleButton, running && text.empty());
}

void GameRound::OnInputChange()
{
    std::string text = m_view.GetInputText();
    if (m_bRunning == 0)
        text.clear();
    else
        PlayGameSound(SoundKey);

    int selectionStart = 0;
    int selectionEnd = 0;
    m_view.GetInputSelection(selectionStart, selectionEnd);

    // An own list keeps the case typed, even with Uppercase on.
    if (GameSettings.Wordlist == 0)
        UpperCaseWord(text);
    NormaliseWord(text, false, std::string());

    // The start word in its own order would give the game away.
    if (text == m_strStartWord)
        text = m_strInput;

    m_view.DestroyLetterButtons(m_strLetters);
    m_strLetters = m_strStartWord;
    TakeLettersFromRow(text);

    m_view.CreateLetterButtons(m_strLetters);
    m_strInput = text;
    WriteFields();
    m_view.SetInputSelection(selectionStart, selectionEnd);

    EnableEnterAndShuffle(text);
}

void GameRound::TakeLettersFromRow(std::string& text)
{
    size_t position = 0;
    while (position < text.size()) {
        const size_t inRow = m_strLetters.find(text[position]);
        if (inRow != std::string::npos) {
            m_strLetters.erase(inRow, 1);
            ++position;
        } else {
            text.erase(position, 1);
        }
    }
}

void GameRound::OnLetterClick(int id)
{
    const int index = id - LetterButtonBaseId;
    if (m_bRunning == 0 || index < 0 || index >= static_cast<int>(m_strLetters.size()))
        return;

    PlayGameSound(SoundKey);

    const bool completesStartWord =
        m_strLetters.size() <= 1 && m_strInput + m_strLetters == m_strStartWord;
    if (!completesStartWord) {
        const char letter = m_strLetters[static_cast<size_t>(index)];
        m_view.DestroyLetterButtons(m_strLetters);
        m_strLetters.erase(static_cast<size_t>(index), 1);
        m_view.CreateLetterButtons(m_strLetters);
        m_strInput += letter;
        WriteFields();
    }

    m_view.EnableButton(IdEnterButton, static_cast<int>(m_strInput.size()) >= EffectiveAngLimit());
    m_view.EnableButton(IdShuffleButton, false);
    m_view.FocusInput();
    const int end = static_cast<int>(m_strInput.size());
    m_view.SetInputSelection(end, end);
}

// ---------------------------------------------------------------- entering a word

void GameRound::OnEnter()
{
    ReadFields();
    if (m_strInput.empty()) {
        m_view.FocusInput();
        return;
    }
    // What the disabled button refuses, the Enter key must not let through.
    if (m_bRunning == 0 || static_cast<int>(m_strInput.size()) < EffectiveAngLimit())
        return;

    if (IsAlreadyListed(m_strInput)) {
        PlayGameSound(SoundWarning);
        m_view.ShowMessageDlg(TextAlreadyListed, MessageNotice);
        RestoreLetters();
        return;
    }

    const std::string match = TakeCandidate(m_strInput);

    if (match.empty() && GameSettings.UseMistrials != 0) {
        ++m_nMistrials;
        if (m_nMistrials > EffectiveMistrials()) {
            EndOutOfTries();
            return;
        }
        m_strMistrials = FormatMistrialsText(m_nMistrials, EffectiveMistrials());
        WriteFields();
    }

    if (match.empty()) {
        PlayGameSound(SoundUnknown);
        m_view.ShowMessageDlg(TextUnknown, MessageNotice);
        RestoreLetters();
        return;
    }

    m_view.AddListEntry(match);
    m_view.FitListItemHeight();
    PlayGameSound(SoundAccepted);
    m_view.SetStatusText(StatusAccepted);
    ++m_nFound;
    UpdateFoundText();
    ScrollListToEnd();

    if (m_candidates.empty())
        EndAllFound();

    RestoreLetters();
}

void GameRound::EndOutOfTries()
{
    PlayGameSound(SoundLost);
    StopClock();
    m_view.ShowMessageDlg(TextNoMoreTries, MessageNotice);
    EndRound();
}

void GameRound::EndAllFound()
{
    StopClock();
    PlayGameSound(SoundAllFound);
    m_view.ShowMessageDlg(TextAllFound, MessageNotice);
    m_view.SetControlsState(false);
    m_view.SetInputReadOnly(true);
    m_view.HideInputCaret();
    m_bRunning = 0;
    m_view.SetStatusText(StatusEnded);
}

bool GameRound::IsAlreadyListed(const std::string& word)
{
    const int count = m_view.ListCount();
    for (int i = 0; i < count; ++i)
        if (EqualsIgnoreCase(m_view.ListText(i), word))
            return true;
    return false;
}

std::string GameRound::TakeCandidate(std::string word)
{
    const bool lax = GameSettings.Lax != 0;
    if (lax)
        UpperCaseWord(word);
    std::string taken;
    // Every copy of the word goes; the first one's stored form is the answer.
    for (size_t i = 0; i < m_candidates.size();) {
        std::string entry = m_candidates[i];
        if (lax)
            UpperCaseWord(entry);
        if (entry != word) {
            ++i;
            continue;
        }
        if (taken.empty())
            taken = m_candidates[i];
        m_candidates.erase(m_candidates.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return taken;
}

// ---------------------------------------------------------------- ending

void GameRound::OnGiveUp()
{
    if (m_bRunning == 0)
        return;
    StopClock();
    PlayGameSound(m_nFound > 0 ? SoundGaveUp : SoundLost);
    EndRound();
}

void GameRound::EndRound()
{
    m_view.SetControlsState(false);
    m_bRunning = 0;

    m_view.ResetList();
    for (const std::string& candidate : m_candidates)
        m_view.AddListEntry(candidate);
    m_view.FitListItemHeight();
    ScrollListToEnd();

    m_view.SetInputReadOnly(true);
    m_view.HideInputCaret();
    m_view.SetStatusText(StatusEnded);
}

void GameRound::ScrollListToEnd()
{
    const int count = m_view.ListCount();
    if (count > VisibleListEntries)
        m_view.SetListTopIndex(count - VisibleListEntries);
}

void GameRound::OnTimeUp()
{
    // Only the clock of the round that runs now may end it, and only once.
    if (m_bRunning == 0 || !m_timeUpPosted.exchange(false))
        return;
    EndRound();
    PlayGameSound(SoundTimeUp);
    m_view.ShowMessageDlg(TextTimeUp, MessageNotice);
}

// ---------------------------------------------------------------- the letter row

void GameRound::OnBack()
{
    PlayGameSound(SoundBack);
    RestoreLetters();
    m_view.SetStatusText(StatusBack);
}

void GameRound::RestoreLetters()
{
    m_view.DestroyLetterButtons(m_strLetters);
    m_strLetters = m_strStartWord;
    m_strInput.clear();
    WriteFields();
    m_view.CreateLetterButtons(m_strLetters);
    const bool running = m_bRunning != 0;
    if (running)
        m_view.FocusInput();
    m_view.EnableButton(IdEnterButton, false);
    m_view.EnableButton(IdShuffleButton, running);
}

void GameRound::OnShuffle()
{
    ReadFields();
    const int n = static_cast<int>(m_strLetters.size()) - 1;
    m_view.DestroyLetterButtons(m_strLetters);
    // With fewer than two letters no partner can ever be drawn.
    if (n >= 1)
        ShuffleLetters(n);
    PlayGameSound(SoundShuffle);
    m_view.CreateLetterButtons(m_strLetters);
    m_view.FocusInput();
    WriteFields();
}

void GameRound::ShuffleLetters(int n)
{
    int j = 0;
    for (int i = 0; i <= n; ++i) {
        while (j == i)
            j = DrawRandom() * n / RandomMax;
        std::swap(m_strLetters[static_cast<size_t>(i)], m_strLetters[static_cast<size_t>(j)]);
    }
}

// ---------------------------------------------------------------- countdown

void GameRound::StartClock()
{
    // No worker runs now: a signal left from earlier must not stop this clock.
    CancelEvent.Reset();
    m_timeUpPosted = false;
    m_pWorker = std::make_unique<WorkerThread>([this] { return ClockThreadProc(); });
}

unsigned GameRound::ClockThreadProc()
{
    long long remaining = static_cast<long long>(EffectiveDuration()) * 60;
    int64_t lastSecond = m_clock.Now();
    for (;;) {
        m_clock.Wait10Milliseconds();
        if (CancelEvent.TestAndConsume())
            return 0;
        const int64_t now = m_clock.Now();
        if (now < lastSecond + 1)
            continue;
        lastSecond = now;
        if (remaining > 0)
            --remaining;
        m_view.SetTimeText(FormatClockText(remaining).c_str());
        // A duration of 0 from the registry ends at the first tick instead
        // of counting below zero for ever.
        if (remaining <= 0) {
            m_timeUpPosted = true;
            m_view.PostTimeUp();
            return 1;
        }
    }
}
