#include "FakeView.h"

#include "engine/CancelEvent.h"
#include "engine/Random.h"
#include "engine/StartWordStock.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <climits>
#include <set>

namespace {

const char* const Unknown = "Dieses Wort ist leider nicht bekannt.";
const char* const NoMoreTries = "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
const char* const AllFound = "Herzlichen Glückwunsch, Sie haben alles gefunden!!!";
const char* const TimeUp = "Die eingestellte Spieldauer ist abgelaufen.";
const char* const NoCandidates =
    "Zum aktuellen Ausgangswort stehen keine Teilanagramme zur Verfügung.\n"
    "Überprüfen Sie die Spieleinstellungen und stellen Sie sicher, dass in Ihrer Wortliste genügend\n"
    "Begriffe zu den in den Spieleinstellungen angegebenen Längenbereichen vorhanden sind";

class RoundTest : public ::testing::Test {
protected:
    RoundTest()
    {
        GameSettings.ResetToDefaults();
        ClearWordList();
        ClearStartWordStock();
        CancelEvent.Reset();
        StockMaxLength = 10;
        round = std::make_unique<GameRound>(view, clock);
    }
    ~RoundTest() override
    {
        round.reset();
        ClearWordList();
        GameSettings.ResetToDefaults();
    }

    // Own list, one word per line, as a text file would give them.
    void OwnList(std::vector<std::string> words, int uppercase)
    {
        GameSettings.Wordlist = 1;
        GameSettings.Uppercase = uppercase;
        StoreWordList(std::move(words));
    }
    // Standard list: longest first, stored scrambled.
    void StandardList(std::vector<std::string> words)
    {
        GameSettings.Wordlist = 0;
        for (size_t i = 0; i < words.size(); ++i)
            ScrambleWord(words[i], static_cast<int>(i));
        StoreWordList(std::move(words));
    }
    // HAUSTIER is the only start word; HAUS and TIER the candidates.
    void HaustierList() { StandardList({"HAUSTIER", "ZEBRA", "HAUS", "TIER"}); }

    void NewRound()
    {
        round->OnNew();
        ASSERT_TRUE(view.PumpUntil(*round, [this] { return !round->IsSearching(); }));
    }
    void StartWith(const std::string& startWord)
    {
        round->m_strStartWord = startWord;
        round->StartRound();
        ASSERT_TRUE(view.PumpUntil(*round, [this] { return !round->IsSearching(); }));
    }
    void Enter(const std::string& word)
    {
        view.Type(*round, word);
        round->OnEnter();
    }
    void WaitForTicks(size_t count)
    {
        for (int i = 0; i < 4000 && view.TimeHistory().size() < count; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::set<std::string> Candidates() const
    {
        return std::set<std::string>(round->m_candidates.begin(), round->m_candidates.end());
    }

    FakeView view;
    FakeClock clock;
    std::unique_ptr<GameRound> round;
};

TEST(RoundTexts, CountersAreFormattedAndRoundedHalfUp)
{
    EXPECT_EQ("1 von 8   ( 13 % )", FormatFoundText(1, 8));
    EXPECT_EQ("3 von 3   ( 100 % )", FormatFoundText(3, 3));
    EXPECT_EQ("0 von 0   (  0 % )", FormatFoundText(0, 0));
    EXPECT_EQ("1 von 3   ( 33 % )", FormatFoundText(1, 3));
    EXPECT_EQ("2 von 3   ( 67 % )", FormatFoundText(2, 3));
    EXPECT_EQ("1 von 200   (  1 % )", FormatFoundText(1, 200)) << "0.5 goes up";
    EXPECT_EQ("2 von 5", FormatMistrialsText(2, 5));
    EXPECT_EQ("00:59", FormatClockText(59));
    EXPECT_EQ("00:00", FormatClockText(0));
    EXPECT_EQ("01:01", FormatClockText(3661)) << "hours are dropped";
}

TEST_F(RoundTest, WholeRoundEndsWhenEverythingIsFound)
{
    OwnList({"Haustier", "haus", "Tier", "HAUS", "Zebra", "Ast", "at"}, 1);
    NewRound();
    EXPECT_EQ(-1, view.sounds.front()) << "a new game silences the last sound";
    EXPECT_EQ("HAUSTIER", round->m_strStartWord);
    EXPECT_EQ("HAUSTIER", view.row);
    EXPECT_EQ(4, round->m_nTotal) << "both copies of HAUS count";
    EXPECT_EQ("0 von 4   (  0 % )", view.found);
    EXPECT_EQ("unbegrenzt", view.mistrials);
    EXPECT_EQ("unbegrenzt", view.TimeText());
    EXPECT_EQ("Spiel l\xE4uft...", view.Status()) << "the window shows Windows-1252 bytes";
    EXPECT_TRUE(view.running);
    EXPECT_FALSE(view.readOnly);
    EXPECT_TRUE(view.enabled[IdShuffleButton]);
    EXPECT_FALSE(round->IsWorkerRunning()) << "no clock without a time limit";

    Enter("HAUS");
    EXPECT_EQ(std::vector<std::string>{"HAUS"}, view.list);
    EXPECT_EQ("1 von 4   ( 25 % )", view.found);
    EXPECT_EQ(SoundAccepted, view.LastSound());
    EXPECT_EQ("Wort wurde in Liste übernommen.", view.Status());
    EXPECT_EQ((std::set<std::string>{"TIER", "AST"}), Candidates()) << "every copy is taken";
    EXPECT_EQ("", view.input);
    EXPECT_EQ("HAUSTIER", view.row);
    EXPECT_FALSE(view.enabled[IdEnterButton]);
    EXPECT_TRUE(view.enabled[IdShuffleButton]);

    for (char letter : std::string("TIER"))
        view.Click(*round, letter);
    round->OnEnter();
    EXPECT_EQ("2 von 4   ( 50 % )", view.found);

    Enter("AST");
    EXPECT_EQ("3 von 4   ( 75 % )", view.found) << "found words count once, the total every copy";
    EXPECT_EQ(AllFound, view.LastMessage());
    EXPECT_EQ(SoundAllFound, view.LastSound());
    EXPECT_EQ((std::vector<std::string>{"AST", "HAUS", "TIER"}), view.list) << "found words stay";
    EXPECT_FALSE(view.running);
    EXPECT_EQ(0, round->m_bRunning);
    EXPECT_TRUE(view.readOnly);
    EXPECT_TRUE(view.caretHidden);
    EXPECT_TRUE(view.enabled[IdNewButton]);
    EXPECT_EQ("Spiel beendet.", view.Status());
    EXPECT_EQ(0, view.rowMistakes);
}

TEST_F(RoundTest, EnterChecksListedBeforeCandidatesAndCountsWrongTries)
{
    // Own list, Uppercase off, Lax on: HAUS matches the typed Haus.
    GameSettings.Lax = 1;
    GameSettings.UseMistrials = 1;
    GameSettings.Mistrials = 1;
    OwnList({"Haustier", "HAUS", "tier", "Eis"}, 0);
    NewRound();
    EXPECT_EQ("Haustier", round->m_strStartWord);
    EXPECT_EQ(3, round->m_nTotal);
    EXPECT_EQ("0 von 1", view.mistrials);

    Enter("Haus");
    EXPECT_EQ(std::vector<std::string>{"HAUS"}, view.list) << "the stored form is listed";

    Enter("Haus");
    EXPECT_EQ("Dieses Wort wurde bereits eingetragen.", view.LastMessage());
    EXPECT_EQ(SoundWarning, view.LastSound());
    EXPECT_EQ("0 von 1", view.mistrials) << "a listed word costs no wrong try";
    EXPECT_EQ("", view.input);

    Enter("aus");
    EXPECT_EQ(Unknown, view.LastMessage());
    EXPECT_EQ(SoundUnknown, view.LastSound());
    EXPECT_EQ("1 von 1", view.mistrials);
    EXPECT_EQ("", view.input) << "letters are put back";
    EXPECT_EQ(1, round->m_bRunning) << "one wrong try is allowed";

    Enter("Heu");
    EXPECT_EQ(NoMoreTries, view.LastMessage());
    EXPECT_EQ(SoundLost, view.LastSound());
    EXPECT_EQ(0, round->m_bRunning);
    EXPECT_EQ((std::vector<std::string>{"Eis", "tier"}), view.list) << "the words not found";
    EXPECT_EQ("Heu", view.input) << "the letters are not put back";
    EXPECT_EQ("Spiel beendet.", view.Status());
    EXPECT_EQ(3u, view.messages.size());
}

TEST_F(RoundTest, WithoutLaxTheSearchMatchesCaseExactly)
{
    OwnList({"Haustier", "HAUS", "tier", "Eis"}, 0);
    NewRound();
    EXPECT_EQ(1, round->m_nTotal);
    Enter("aus");
    EXPECT_EQ("unbegrenzt", view.mistrials) << "without a limit nothing is counted";
    EXPECT_EQ(0, round->m_nMistrials);
    EXPECT_EQ(Unknown, view.LastMessage());
}

TEST_F(RoundTest, TypingKeepsOnlyLettersOfTheRow)
{
    HaustierList();
    NewRound();
    view.sounds.clear();

    view.Type(*round, "haus");
    EXPECT_EQ("HAUS", view.input) << "the standard list upper-cases";
    EXPECT_EQ("TIER", view.row);
    EXPECT_EQ(std::vector<int>(4, SoundKey), view.sounds);
    EXPECT_TRUE(view.enabled[IdEnterButton]);
    EXPECT_FALSE(view.enabled[IdShuffleButton]);

    view.Type(*round, "xh7");
    EXPECT_EQ("HAUS", view.input) << "letters not (or no longer) in the row are dropped";

    view.selStart = view.selEnd = 0;
    view.Type(*round, "t");
    EXPECT_EQ("THAUS", view.input);
    EXPECT_EQ(1, view.selStart) << "the caret stays where it was";

    view.selStart = view.selEnd = 5;
    for (int i = 0; i < 5; ++i)
        view.Backspace(*round);
    EXPECT_EQ("", view.input);
    EXPECT_EQ("HAUSTIER", view.row);
    EXPECT_FALSE(view.enabled[IdEnterButton]);
    EXPECT_TRUE(view.enabled[IdShuffleButton]);

    view.Type(*round, "haustier");
    EXPECT_EQ("HAUSTIE", view.input) << "the start word in order cannot be typed";
    EXPECT_EQ("R", view.row);

    round->OnBack();
    EXPECT_EQ(SoundBack, view.LastSound());
    EXPECT_EQ("Buchstaben zurückgelegt.", view.Status());
    view.Type(*round, "ti");
    round->OnEnter();
    EXPECT_EQ("TI", view.input) << "below the minimum length Enter does nothing";
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(0, view.rowMistakes);
}

TEST_F(RoundTest, OwnListWithUppercaseDropsTypedLowerCase)
{
    OwnList({"Haustier", "haus"}, 1);
    NewRound();
    view.Type(*round, "haus");
    EXPECT_EQ("", view.input);
    view.Type(*round, "HAUS");
    EXPECT_EQ("HAUS", view.input);
}

TEST_F(RoundTest, ClickingBuildsTheWordButNeverTheStartWord)
{
    round->ShowWelcome();
    EXPECT_EQ("Willkommen bei", view.input);
    EXPECT_EQ("Anagrilla", view.row);
    EXPECT_EQ("0 von 0   (  0 % )", view.found);
    view.Click(*round, 'A');
    EXPECT_EQ("Anagrilla", view.row) << "no round, no click";
    EXPECT_TRUE(view.sounds.empty());

    HaustierList();
    NewRound();
    for (char letter : std::string("HAU"))
        view.Click(*round, letter);
    EXPECT_EQ("HAU", view.input);
    EXPECT_EQ("STIER", view.row);
    EXPECT_TRUE(view.enabled[IdEnterButton]);
    EXPECT_FALSE(view.enabled[IdShuffleButton]);
    EXPECT_EQ(3, view.selStart);

    round->OnBack();
    for (char letter : std::string("HAUSTIE"))
        view.Click(*round, letter);
    view.sounds.clear();
    view.Click(*round, 'R');
    EXPECT_EQ("HAUSTIE", view.input) << "the last letter of the start word adds nothing";
    EXPECT_EQ("R", view.row);
    EXPECT_EQ(std::vector<int>{SoundKey}, view.sounds);

    round->OnLetterClick(LetterButtonBaseId + 7);
    round->OnLetterClick(LetterButtonBaseId - 1);
    EXPECT_EQ("HAUSTIE", view.input) << "identifiers outside the row are ignored";
    EXPECT_EQ(0, view.rowMistakes);
}

TEST_F(RoundTest, ShuffleSwapsWithTheDrawnPartner)
{
    // Seed 6009 makes the generator give 19661 (19661 * 5 / 32767 = 3) and
    // then 9165 (gives 1).
    SeedRandom(6009);
    ASSERT_EQ(19661, DrawRandom());
    ASSERT_EQ(9165, DrawRandom());

    SeedRandom(6009);
    round->m_strLetters = view.row = "ABCDEF";
    round->OnShuffle();
    EXPECT_EQ("DFBACE", round->m_strLetters);
    EXPECT_EQ("DFBACE", view.row);
    EXPECT_EQ(SoundShuffle, view.LastSound());

    for (const char* letters : {"A", ""}) {
        round->m_strLetters = view.row = letters;
        round->OnShuffle(); // must come back
        EXPECT_EQ(letters, round->m_strLetters);
    }
    EXPECT_EQ(0, view.rowMistakes);
}

TEST_F(RoundTest, GivingUpShowsTheWordsNotFound)
{
    GameSettings.UseSound = 1;
    std::vector<std::string> words = {"ABCDEFGH"};
    for (const char* w : {"ABC", "ABD", "ABE", "ABF", "ABG", "ABH", "ACD", "ACE", "ACF", "ACG", "ACH", "ADE",
                          "ADF", "ADG", "ADH"})
        words.push_back(w);
    OwnList(words, 1);
    NewRound();
    ASSERT_EQ(15, round->m_nTotal);
    view.messages.clear();

    round->OnGiveUp();
    EXPECT_EQ(SoundLost, view.LastSound()) << "nothing found";
    EXPECT_EQ(15u, view.list.size());
    EXPECT_EQ(4, view.topIndex) << "the last eleven entries are shown";
    EXPECT_TRUE(view.messages.empty()) << "giving up asks nothing";
    EXPECT_TRUE(view.enabled[IdNewButton]);

    StartWith("ABCDEFGH");
    Enter("ABC");
    round->OnGiveUp();
    EXPECT_EQ(SoundGaveUp, view.LastSound()) << "something found";
    EXPECT_EQ(14u, view.list.size());
    EXPECT_EQ(view.list.end(), std::find(view.list.begin(), view.list.end(), "ABC"));
}

TEST_F(RoundTest, ClockCountsDownAndEndsTheRound)
{
    GameSettings.UseDuration = 1;
    GameSettings.Duration = 1;
    HaustierList();
    NewRound();
    ASSERT_TRUE(round->IsWorkerRunning());
    EXPECT_EQ("1 Minuten", view.TimeText());

    clock.secondsPerWait = 1;
    ASSERT_TRUE(view.PumpUntil(*round, [this] { return round->m_bRunning == 0; }));
    const std::vector<std::string> ticks = view.TimeHistory();
    ASSERT_EQ(61u, ticks.size());
    EXPECT_EQ("00:59", ticks[1]);
    EXPECT_EQ("00:30", ticks[30]);
    EXPECT_EQ("00:00", ticks.back());
    EXPECT_EQ(TimeUp, view.LastMessage());
    EXPECT_EQ(SoundTimeUp, view.LastSound());
    EXPECT_EQ((std::vector<std::string>{"HAUS", "TIER"}), view.list) << "filled before the message";
    EXPECT_EQ("Spiel beendet.", view.Status());
}

TEST_F(RoundTest, TimeUpAfterTheRoundEndedOtherwiseIsIgnored)
{
    GameSettings.UseDuration = 1;
    HaustierList();
    NewRound();
    clock.secondsPerWait = 1;
    ASSERT_TRUE(view.WaitQueued(WM_TIME_UP));

    // The notice arrives inside the modal loop of the congratulation.
    view.duringMessage = [this] { view.DeliverAll(*round); };
    Enter("HAUS");
    Enter("TIER");
    view.duringMessage = nullptr;
    EXPECT_EQ((std::vector<std::string>{"HAUS", "TIER"}), view.list) << "found words are not wiped";
    ASSERT_EQ(1u, view.messages.size());
    EXPECT_EQ(AllFound, view.LastMessage());
    EXPECT_EQ(view.sounds.end(), std::find(view.sounds.begin(), view.sounds.end(), SoundTimeUp));

    // The same when the notice comes inside the modal loop of the last wrong try's message.
    GameSettings.UseMistrials = 1;
    GameSettings.Mistrials = 0;
    clock.secondsPerWait = 0;
    StartWith("HAUSTIER");
    clock.secondsPerWait = 1;
    ASSERT_TRUE(view.WaitQueued(WM_TIME_UP));
    view.messages.clear();
    view.duringMessage = [this] { view.DeliverAll(*round); };
    Enter("SAU");
    ASSERT_EQ(1u, view.messages.size());
    EXPECT_EQ(NoMoreTries, view.LastMessage());
    EXPECT_EQ((std::vector<std::string>{"HAUS", "TIER"}), view.list);
}

TEST_F(RoundTest, OutOfRangeSettingsStillGiveASensibleRound)
{
    HaustierList();
    GameSettings.UseDuration = 1;
    for (int duration : {0, -5}) {
        GameSettings.Duration = duration;
        StartWith("HAUSTIER");
        EXPECT_EQ("0 Minuten", view.TimeText());
        clock.secondsPerWait = 1;
        ASSERT_TRUE(view.PumpUntil(*round, [this] { return round->m_bRunning == 0; })) << duration;
        EXPECT_EQ("00:00", view.TimeText());
        EXPECT_EQ(TimeUp, view.LastMessage());
        clock.secondsPerWait = 0;
    }

    for (int duration : {INT_MAX, 61}) {
        GameSettings.Duration = duration;
        StartWith("HAUSTIER");
        const size_t before = view.TimeHistory().size();
        clock.until = clock.now + 3;
        clock.secondsPerWait = 1;
        WaitForTicks(before + 3);
        round->OnGiveUp();
        clock.secondsPerWait = 0;
        clock.until = INT64_MAX;
        EXPECT_FALSE(round->IsWorkerRunning());
        EXPECT_EQ(duration == 61 ? "00:59" : "06:59", view.TimeHistory().at(before)) << duration;
        EXPECT_EQ("Spiel beendet.", view.Status());
    }
    GameSettings.UseDuration = 0;

    GameSettings.UseMistrials = 1;
    for (int limit : {0, -3}) {
        GameSettings.Mistrials = limit;
        StartWith("HAUSTIER");
        EXPECT_EQ("0 von 0", view.mistrials);
        Enter("SAU");
        EXPECT_EQ(NoMoreTries, view.LastMessage()) << limit;
        EXPECT_EQ(0, round->m_bRunning);
    }
}

TEST_F(RoundTest, MinimumLengthBelowOneMakesNoEmptyCandidates)
{
    GameSettings.AngLimit = 0;
    OwnList({"Haustier", "123", "Ha", "H"}, 1);
    NewRound();
    EXPECT_EQ((std::set<std::string>{"HA", "H"}), Candidates());
    EXPECT_EQ(2, round->m_nTotal);
    view.Type(*round, "H");
    EXPECT_TRUE(view.enabled[IdEnterButton]);
    round->OnEnter();
    EXPECT_EQ(std::vector<std::string>{"H"}, view.list);
}

TEST_F(RoundTest, RoundsThatCannotStartLeaveNewAvailable)
{
    // No word list: no start word.
    round->OnNew();
    EXPECT_EQ("Es stehen keine Ratebegriffe zur Verfügung.", view.LastMessage());
    EXPECT_EQ((std::vector<int>{-1, SoundWarning}), view.sounds);
    EXPECT_TRUE(view.enabled[IdNewButton]);

    // A start word without any letter.
    GameSettings.UseSound = 0;
    OwnList({"123456"}, 1);
    round->OnNew();
    EXPECT_FALSE(round->IsSearching());
    EXPECT_FALSE(round->IsWorkerRunning());
    EXPECT_EQ(NoCandidates, view.LastMessage());
    EXPECT_EQ((std::vector<int>{-1, SoundWarning, -1}), view.sounds) << "without sound only the stop";
    EXPECT_TRUE(view.enabled[IdNewButton]);

    // A start word without sub-anagrams.
    GameSettings.UseSound = 1;
    OwnList({"Haustier", "Zebra"}, 1);
    NewRound();
    EXPECT_EQ(NoCandidates, view.LastMessage());
    EXPECT_EQ(SoundWarning, view.LastSound());
    EXPECT_EQ("Keine Teilanagramme gefunden.", view.Status());
    EXPECT_EQ("0 von 0   (  0 % )", view.found);
    EXPECT_TRUE(view.list.empty());
    EXPECT_TRUE(view.readOnly);
    EXPECT_TRUE(view.enabled[IdNewButton]);
}

TEST_F(RoundTest, OnlyOneSearchAtATime)
{
    std::vector<std::string> words(200000, "QUARK");
    words.push_back("ABCDEFGH");
    words.push_back("ABC");
    words.push_back("HAUS");
    OwnList(words, 1);

    round->m_strStartWord = "ABCDEFGH";
    round->StartRound();
    StartWith("HAUSTIER"); // stops the first search before its own starts
    EXPECT_EQ((std::set<std::string>{"HAUS"}), Candidates());
    EXPECT_EQ(1, round->m_nTotal);
    view.DeliverAll(*round);
    EXPECT_EQ(1, view.controlsStateCalls) << "the round began once";

    round->OnGiveUp();
    round->m_strStartWord = "ABCDEFGH";
    round->StartRound();
    round->StopSearch(); // before the word list goes
    EXPECT_FALSE(round->IsWorkerRunning());
    EXPECT_FALSE(round->IsSearching());
    ClearWordList();
    view.DeliverAll(*round);
    EXPECT_EQ(0, round->m_bRunning);
    EXPECT_TRUE(view.enabled[IdNewButton]);
    EXPECT_EQ("Spiel beendet.", view.Status());
}

TEST_F(RoundTest, ClosingStopsTheClockWithoutANotice)
{
    GameSettings.UseDuration = 1;
    GameSettings.Duration = 5;
    HaustierList();
    NewRound();
    clock.until = clock.now + 3;
    clock.secondsPerWait = 1;
    WaitForTicks(4);
    EXPECT_EQ("04:57", view.TimeText());
    ASSERT_TRUE(round->IsWorkerRunning());
    ASSERT_TRUE(round->StopWorker(1000));
    EXPECT_FALSE(round->IsWorkerRunning());
    EXPECT_FALSE(CancelEvent.TestAndConsume()) << "no signal is left for the next worker";
    EXPECT_FALSE(view.WaitQueued(WM_TIME_UP, 50));
}

} // namespace
