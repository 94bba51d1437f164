// The rules of a round, driven through the fake window as a player would.
#include "FakeView.h"

#include "engine/CancelEvent.h"
#include "engine/Messages.h"
#include "engine/Random.h"
#include "engine/StartWordStock.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <climits>

namespace {

const char* const Unknown = "Dieses Wort ist leider nicht bekannt.";
const char* const NoMoreTries = "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
const char* const AllFound = "Herzlichen Glückwunsch, Sie haben alles gefunden!!!";
const char* const TimeUp = "Die eingestellte Spieldauer ist abgelaufen.";
const char* const NoCandidates =
    "Zum aktuellen Ausgangswort stehen keine Teilanagramme zur Verfügung.\n"
    "Überprüfen Sie die Spieleinstellungen und stellen Sie sicher, dass in Ihrer Wortliste genügend\n"
    "Begriffe zu den in den Spieleinstellungen angegebenen Längenbereichen vorhanden sind";

using Messages = std::vector<std::pair<std::string, int>>;

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
    // Standard list: longest first, stored scrambled. HAUSTIER is its only
    // start word; HAUS and TIER the candidates.
    void HaustierList()
    {
        GameSettings.Wordlist = 0;
        std::vector<std::string> words = {"HAUSTIER", "ZEBRA", "HAUS", "TIER"};
        for (size_t i = 0; i < words.size(); ++i)
            ScrambleWord(words[i], static_cast<int>(i));
        StoreWordList(std::move(words));
    }

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
    void RunClockToEnd()
    {
        clock.secondsPerWait = 1;
        ASSERT_TRUE(view.PumpUntil(*round, [this] { return round->m_bRunning == 0; }));
        clock.secondsPerWait = 0;
    }
    std::vector<int> TakeSounds() { return std::exchange(view.sounds, {}); }

    FakeView view;
    FakeClock clock;
    std::unique_ptr<GameRound> round;
};

TEST(RoundTexts, CountersAreFormattedAndRoundedHalfUp)
{
    const std::pair<std::string, std::string> cases[] = {
        {"1 von 8   ( 13 % )", FormatFoundText(1, 8)},     {"3 von 3   ( 100 % )", FormatFoundText(3, 3)},
        {"0 von 0   (  0 % )", FormatFoundText(0, 0)},     {"2 von 3   ( 67 % )", FormatFoundText(2, 3)},
        {"1 von 200   (  1 % )", FormatFoundText(1, 200)}, {"2 von 5", FormatMistrialsText(2, 5)},
        {"00:59", FormatClockText(59)},                    {"01:01", FormatClockText(3661)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.first, c.second);
}

TEST_F(RoundTest, WholeRoundEndsWhenEverythingIsFound)
{
    round->ShowWelcome();
    EXPECT_EQ("row=Anagrilla; input=|Willkommen bei ro off; buttons=-----; found=0 von 0   (  0 % ); "
              "tries=unbegrenzt; time=unbegrenzt; status=Drücken Sie NEU um ein neues Spiel zu starten.; list=",
              view.State());
    view.Click(*round, 'A');
    EXPECT_EQ("Willkommen bei", view.input) << "no round, no click";

    OwnList({"Haustier", "haus", "Tier", "HAUS", "Zebra", "Ast", "at"}, 1);
    NewRound();
    EXPECT_EQ("row=HAUSTIER; input=| rw; buttons=-ZSA-; found=0 von 4   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel l\xE4uft...; list=",
              view.State())
        << "both copies of HAUS count; the window shows Windows-1252 bytes";
    EXPECT_EQ(std::vector<int>{SoundStop}, TakeSounds()) << "a new game silences the last sound";
    EXPECT_FALSE(round->IsWorkerRunning()) << "no clock without a time limit";

    Enter("HAUS");
    EXPECT_EQ("row=HAUSTIER; input=| rw; buttons=-ZSA-; found=1 von 4   ( 25 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Wort wurde in Liste übernommen.; list=HAUS",
              view.State());
    EXPECT_EQ((std::vector<std::string>{"TIER", "AST"}), round->m_candidates) << "every copy is taken";
    EXPECT_EQ((std::vector<int>(4, SoundKey)), std::vector<int>(view.sounds.begin(), view.sounds.end() - 1));
    EXPECT_EQ(SoundAccepted, TakeSounds().back());

    for (char letter : std::string("TIER"))
        view.Click(*round, letter);
    EXPECT_EQ("row=HAUS; input=TIER| rw; buttons=-Z-AE; found=1 von 4   ( 25 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Wort wurde in Liste übernommen.; list=HAUS",
              view.State());
    round->OnEnter();
    view.duringMessage = [this] { EXPECT_EQ("found=3 von 4   ( 75 % )", "found=" + view.found); };
    Enter("AST");
    EXPECT_EQ("row=HAUSTIER; input=| ro nocaret; buttons=N----; found=3 von 4   ( 75 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel beendet.; list=AST,HAUS,TIER",
              view.State())
        << "found words count once, the total every copy; found words stay";
    EXPECT_EQ(AllFound, view.LastMessage());
    EXPECT_EQ(SoundAllFound, view.LastSound());
    EXPECT_EQ(0, round->m_bRunning);
    round->OnGiveUp();
    view.input = "HAUS";
    round->OnEnter();
    EXPECT_EQ(1u, view.messages.size()) << "an ended round takes no word and no giving up";
    EXPECT_EQ(3u, view.list.size());
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

    Enter("Haus");
    Enter("Haus");
    EXPECT_EQ("Dieses Wort wurde bereits eingetragen.", view.LastMessage());
    EXPECT_EQ(SoundWarning, view.LastSound());
    Enter("aus");
    EXPECT_EQ(Unknown, view.LastMessage());
    EXPECT_EQ(SoundUnknown, view.LastSound());
    EXPECT_EQ("row=Haustier; input=| rw; buttons=-ZSA-; found=1 von 3   ( 33 % ); tries=1 von 1; "
              "time=unbegrenzt; status=Wort wurde in Liste übernommen.; list=HAUS",
              view.State())
        << "the stored form is listed; a listed word costs no wrong try; letters are put back";

    view.duringMessage = [this] { EXPECT_TRUE(view.list == std::vector<std::string>{"HAUS"}); };
    Enter("Heu");
    EXPECT_EQ(NoMoreTries, view.LastMessage());
    EXPECT_EQ(SoundLost, view.LastSound());
    EXPECT_EQ("row=astir; input=Heu| ro nocaret; buttons=N----; found=1 von 3   ( 33 % ); tries=1 von 1; "
              "time=unbegrenzt; status=Spiel beendet.; list=Eis,tier",
              view.State())
        << "the words not found; the letters are not put back";
    EXPECT_EQ(3u, view.messages.size());
}

TEST_F(RoundTest, CaseRulesOfOwnListsAndAMinimumLengthBelowOne)
{
    OwnList({"Haustier", "HAUS", "tier", "Eis"}, 0);
    NewRound();
    EXPECT_EQ(1, round->m_nTotal) << "without Lax the search matches case exactly";
    Enter("aus");
    EXPECT_EQ("unbegrenzt", view.mistrials) << "without a limit nothing is counted";
    EXPECT_EQ(0, round->m_nMistrials);
    EXPECT_EQ(Unknown, view.LastMessage());

    OwnList({"Haustier", "haus"}, 1);
    NewRound();
    view.Type(*round, "haus");
    EXPECT_EQ("", view.input) << "Uppercase drops typed lower case";
    view.Type(*round, "HAUS");
    EXPECT_EQ("HAUS", view.input);

    GameSettings.AngLimit = 0;
    OwnList({"Haustier", "123", "Ha", "H"}, 1);
    ClearStartWordStock();
    NewRound();
    EXPECT_EQ((std::vector<std::string>{"HA", "H"}), round->m_candidates) << "no empty candidates";
    EXPECT_EQ(2, round->m_nTotal);
    Enter("H");
    EXPECT_EQ(std::vector<std::string>{"H"}, view.list);
}

TEST_F(RoundTest, TypingKeepsOnlyLettersOfTheRow)
{
    HaustierList();
    NewRound();
    TakeSounds();

    view.Type(*round, "haus");
    EXPECT_EQ(std::vector<int>(4, SoundKey), TakeSounds());
    view.Type(*round, "xh7");
    EXPECT_EQ("row=TIER; input=HAUS| rw; buttons=-Z-AE; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel l\xE4uft...; list=",
              view.State())
        << "the standard list upper-cases; letters not (or no longer) in the row are dropped";

    view.selStart = view.selEnd = 0;
    view.Type(*round, "t");
    EXPECT_EQ("THAUS", view.input);
    EXPECT_EQ(1, view.selStart) << "the caret stays where it was";

    view.selStart = view.selEnd = 5;
    for (int i = 0; i < 5; ++i)
        view.Backspace(*round);
    EXPECT_EQ("row=HAUSTIER; input=| rw; buttons=-ZSA-; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel l\xE4uft...; list=",
              view.State());

    view.Type(*round, "haustier");
    EXPECT_EQ("HAUSTIE", view.input) << "the start word in order cannot be typed";
    EXPECT_EQ("R", view.row);

    round->OnBack();
    EXPECT_EQ(SoundBack, view.LastSound());
    view.Type(*round, "ti");
    round->OnEnter();
    EXPECT_EQ("row=HAUSER; input=TI| rw; buttons=-Z-A-; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Buchstaben zurückgelegt.; list=",
              view.State())
        << "below the minimum length Enter does nothing";
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(RoundTest, ClickingBuildsTheWordButNeverTheStartWord)
{
    HaustierList();
    NewRound();
    for (char letter : std::string("HAU"))
        view.Click(*round, letter);
    EXPECT_EQ("row=STIER; input=HAU| rw; buttons=-Z-AE; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel l\xE4uft...; list=",
              view.State());

    round->OnBack();
    for (char letter : std::string("HAUSTIE"))
        view.Click(*round, letter);
    TakeSounds();
    view.Click(*round, 'R');
    round->OnLetterClick(LetterButtonBaseId + 1);
    round->OnLetterClick(LetterButtonBaseId - 1);
    EXPECT_EQ("row=R; input=HAUSTIE| rw; buttons=-Z-AE; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Buchstaben zurückgelegt.; list=",
              view.State())
        << "the last letter of the start word adds nothing; identifiers outside the row are ignored";
    EXPECT_EQ(std::vector<int>{SoundKey}, view.sounds);
}

TEST_F(RoundTest, ShuffleSwapsWithTheDrawnPartnerAndShortRowsDrawNothing)
{
    // Seed 6009 makes the generator give 19661 (19661 * 5 / 32767 = 3) and
    // then 9165 (gives 1).
    SeedRandom(6009);
    round->m_strLetters = view.row = "ABCDEF";
    round->OnShuffle();
    EXPECT_EQ("DFBACE", view.row);
    EXPECT_EQ(SoundShuffle, view.LastSound());

    for (const char* letters : {"A", ""}) {
        SeedRandom(6009);
        round->m_strLetters = view.row = letters;
        round->OnShuffle(); // must come back
        EXPECT_EQ(letters, view.row);
        EXPECT_EQ(19661, DrawRandom()) << "no draw for '" << letters << "'";
    }
}

TEST_F(RoundTest, GivingUpShowsTheWordsNotFound)
{
    std::vector<std::string> words = {"ABCDEFGH"};
    for (const char* w : {"ABC", "ABD", "ABE", "ABF", "ABG", "ABH", "ACD", "ACE", "ACF", "ACG", "ACH", "ADE",
                          "ADF", "ADG", "ADH"})
        words.push_back(w);
    OwnList(words, 1);
    NewRound();
    Enter("ABC");
    EXPECT_EQ(0, view.topIndex);
    round->OnGiveUp();
    EXPECT_EQ(SoundGaveUp, view.LastSound()) << "something found";
    EXPECT_EQ("row=ABCDEFGH; input=| ro nocaret; buttons=N----; found=1 von 15   (  7 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel beendet.; list=ABD,ABE,ABF,ABG,ABH,ACD,ACE,ACF,ACG,ACH,ADE,ADF,ADG,ADH",
              view.State());
    EXPECT_EQ(3, view.topIndex) << "the last eleven entries are shown";
    EXPECT_EQ(0u, view.messages.size()) << "giving up asks nothing";

    StartWith("ABCDEFGH");
    round->OnGiveUp();
    EXPECT_EQ(SoundLost, view.LastSound()) << "nothing found";
    EXPECT_EQ(15u, view.list.size());
}

TEST_F(RoundTest, ClockCountsDownAndEndsTheRound)
{
    GameSettings.UseDuration = 1;
    GameSettings.Duration = 1;
    HaustierList();
    NewRound();
    ASSERT_TRUE(round->IsWorkerRunning());
    EXPECT_EQ("1 Minuten", view.TimeText());

    view.duringMessage = [this] { EXPECT_EQ(2u, view.list.size()) << "filled before the message"; };
    RunClockToEnd();
    const std::vector<std::string> ticks = view.TimeHistory();
    ASSERT_EQ(61u, ticks.size());
    EXPECT_EQ("00:59", ticks[1]);
    EXPECT_EQ("00:30", ticks[30]);
    EXPECT_EQ(TimeUp, view.LastMessage());
    EXPECT_EQ(SoundTimeUp, view.LastSound());
    EXPECT_EQ("row=HAUSTIER; input=| ro nocaret; buttons=N----; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=00:00; status=Spiel beendet.; list=HAUS,TIER",
              view.State());
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
    EXPECT_EQ((std::vector<std::string>{"HAUS", "TIER"}), view.list) << "found words are not wiped";
    EXPECT_EQ(Messages({{AllFound, MessageNotice}}), view.messages);
    EXPECT_EQ(view.sounds.end(), std::find(view.sounds.begin(), view.sounds.end(), SoundTimeUp));

    // The same when the notice comes inside the modal loop of the last wrong try's message.
    GameSettings.UseMistrials = 1;
    GameSettings.Mistrials = 0;
    clock.secondsPerWait = 0;
    view.duringMessage = nullptr;
    StartWith("HAUSTIER");
    clock.secondsPerWait = 1;
    ASSERT_TRUE(view.WaitQueued(WM_TIME_UP));
    view.messages.clear();
    view.duringMessage = [this] { view.DeliverAll(*round); };
    Enter("SAU");
    EXPECT_EQ(Messages({{NoMoreTries, MessageNotice}}), view.messages);
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
        RunClockToEnd();
        EXPECT_EQ("00:00", view.TimeText());
        EXPECT_EQ(TimeUp, view.LastMessage());
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

TEST_F(RoundTest, RoundsThatCannotStartLeaveNewAvailable)
{
    // No word list: no start word.
    round->OnNew();
    EXPECT_EQ("Es stehen keine Ratebegriffe zur Verfügung.", view.LastMessage());
    EXPECT_EQ((std::vector<int>{SoundStop, SoundWarning}), TakeSounds());
    EXPECT_TRUE(view.enabled[IdNewButton]);

    // A start word without any letter.
    GameSettings.UseSound = 0;
    OwnList({"123456"}, 1);
    round->OnNew();
    EXPECT_FALSE(round->IsSearching());
    EXPECT_EQ(NoCandidates, view.LastMessage());
    EXPECT_EQ((std::vector<int>{SoundStop}), TakeSounds()) << "without sound only the stop";
    EXPECT_TRUE(view.enabled[IdNewButton]);

    // A start word without sub-anagrams.
    GameSettings.UseSound = 1;
    OwnList({"Haustier", "Zebra"}, 1);
    NewRound();
    EXPECT_EQ(NoCandidates, view.LastMessage());
    EXPECT_EQ(SoundWarning, view.LastSound());
    EXPECT_EQ("row=HAUSTIER; input=| ro off nocaret; buttons=N----; found=0 von 0   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Keine Teilanagramme gefunden.; list=",
              view.State());
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
    EXPECT_EQ((std::vector<std::string>{"HAUS"}), round->m_candidates);
    EXPECT_EQ(1, round->m_nTotal);
    view.DeliverAll(*round);
    EXPECT_EQ(1, view.controlsStateCalls) << "the round began once";

    round->OnGiveUp();
    StartWordStock = {"ABCDEFGH"};
    round->OnNew();
    round->StopSearch(); // before the word list goes
    EXPECT_FALSE(round->IsWorkerRunning());
    EXPECT_FALSE(round->IsSearching());
    ClearWordList();
    view.DeliverAll(*round);
    EXPECT_EQ(0, round->m_bRunning);
    EXPECT_EQ("row=ABCDEFGH; input=| ro nocaret; buttons=N----; found=0 von 1   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel beendet.; list=",
              view.State());
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
    ASSERT_TRUE(round->StopWorker(1000));
    EXPECT_FALSE(round->IsWorkerRunning());
    EXPECT_FALSE(CancelEvent.TestAndConsume()) << "no signal is left for the next worker";
    EXPECT_FALSE(view.WaitQueued(WM_TIME_UP, 50));
}

} // namespace
