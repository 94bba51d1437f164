// The rules of a round, driven through the fake window as a player would.
#include "FakeView.h"

#include "engine/Random.h"
#include "tests/engine/ProcessState.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

const char* const Unknown = "Dieses Wort ist leider nicht bekannt.";
const char* const NoMoreTries = "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
const char* const AllFound = "Herzlichen Glückwunsch, Sie haben alles gefunden!!!";
const char* const TimeUp = "Die eingestellte Spieldauer ist abgelaufen.";
const char* const NoCandidates =
    "Zum aktuellen Ausgangswort stehen keine Teilanagramme zur Verfügung.\n"
    "Überprüfen Sie die Spieleinstellungen und stellen Sie sicher, dass in Ihrer Wortliste genügend\n"
    "Begriffe zu den in den Spieleinstellungen angegebenen Längenbereichen vorhanden sind";

using Texts = std::vector<std::string>;

class RoundTest : public ::testing::Test {
protected:
    RoundTest() { ResetProcessState(); }
    ~RoundTest() override
    {
        round.reset();
        ResetProcessState();
    }

    // Own list, one word per line, as a text file would give them.
    static void OwnList(const Texts& words, int uppercase)
    {
        GameSettings.Uppercase = uppercase;
        UseWords(words, 1);
    }
    // Standard list, longest first: HAUSTIER is its only start word; HAUS and TIER the candidates.
    static void HaustierList() { UseWords({"HAUSTIER", "ZEBRA", "HAUS", "TIER"}, 0); }
    // A round with the given start word, or a drawn one, once its search is done.
    void Start(const char* startWord = nullptr)
    {
        if (startWord)
            round->m_strStartWord = startWord, round->StartRound();
        else
            round->OnNew();
        ASSERT_TRUE(view.PumpUntil(*round, [this] { return !round->IsSearching(); }));
    }
    void Enter(const std::string& word)
    {
        view.Type(*round, word);
        round->OnEnter();
    }
    void RunClockToEnd()
    {
        clock.secondsPerWait = 1;
        ASSERT_TRUE(view.PumpUntil(*round, [this] { return round->m_bRunning == 0; }));
        clock.secondsPerWait = 0;
    }
    // The sounds since the last call by name, repeats counted: "stop key*4 accepted".
    std::string TakeSounds()
    {
        static const std::map<int, const char*> names = {
            {SoundStop, "stop"},         {SoundKey, "key"},         {SoundTimeUp, "timeup"}, {SoundWarning, "warning"},
            {SoundShuffle, "shuffle"},   {SoundAccepted, "accepted"}, {SoundBack, "back"},   {SoundUnknown, "unknown"},
            {SoundAllFound, "allfound"}, {SoundGaveUp, "gaveup"},   {SoundLost, "lost"}};
        std::string text;
        for (size_t i = 0, n = 1; i < view.sounds.size(); i += n) {
            for (n = 1; i + n < view.sounds.size() && view.sounds[i + n] == view.sounds[i]; ++n) {
            }
            text += (text.empty() ? "" : " ") + std::string(names.at(view.sounds[i])) +
                    (n > 1 ? "*" + std::to_string(n) : "");
        }
        view.sounds.clear();
        return text;
    }

    FakeView view;
    FakeClock clock;
    std::unique_ptr<GameRound> round = std::make_unique<GameRound>(view, clock);
};

TEST(RoundTexts, CountersAreRoundedHalfUp)
{
    EXPECT_EQ((Texts{"1 von 8   ( 13 % )", "2 von 3   ( 67 % )", "1 von 200   (  1 % )", "01:01"}),
              (Texts{FormatFoundText(1, 8), FormatFoundText(2, 3), FormatFoundText(1, 200), FormatClockText(3661)}));
}

TEST_F(RoundTest, WholeRoundEndsWhenEverythingIsFound)
{
    round->ShowWelcome();
    view.Click(*round, "A");
    EXPECT_EQ("row=Anagrilla; input=|Willkommen bei", view.RowAndInput()) << "no round, no click";

    OwnList({"Haustier", "haus", "Tier", "HAUS", "Zebra", "Ast", "at"}, 1);
    Start();
    EXPECT_EQ("row=HAUSTIER; input=| rw; buttons=-ZSA-; found=0 von 4   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel l\xE4uft...; list=", view.State())
        << "both copies of HAUS count; the window shows Windows-1252 bytes";
    EXPECT_FALSE(round->IsWorkerRunning()) << "no clock without a time limit";

    Enter("HAUS");
    view.Click(*round, "TIER");
    EXPECT_EQ("row=HAUS; input=TIER|", view.RowAndInput());
    round->OnEnter();
    view.duringMessage = [this] { EXPECT_EQ("3 von 4   ( 75 % )", view.found); };
    Enter("AST");
    EXPECT_EQ("row=HAUSTIER; input=| ro nocaret; buttons=N----; found=3 von 4   ( 75 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel beendet.; list=AST,HAUS,TIER", view.State())
        << "found words count once, the total every copy; found words stay";
    round->OnGiveUp();
    view.input = "HAUS";
    round->OnEnter();
    EXPECT_EQ(Texts{AllFound}, view.messages) << "an ended round takes no word and no giving up";
    EXPECT_EQ("stop key*4 accepted key*4 accepted key*3 accepted allfound", TakeSounds());
    EXPECT_EQ(3u, view.list.size());
}

TEST_F(RoundTest, EnterChecksListedWordsThenCandidatesThenCountsWrongTries)
{
    OwnList({"Haustier", "HAUS", "tier", "Eis"}, 0);
    GameSettings.Lax = 1; // HAUS matches the typed Haus
    GameSettings.UseMistrials = 1;
    GameSettings.Mistrials = 1;
    Start();
    Enter("Haus");
    Enter("Haus");
    Enter("aus");
    EXPECT_EQ("row=Haustier; input=| rw; buttons=-ZSA-; found=1 von 3   ( 33 % ); tries=1 von 1; "
              "time=unbegrenzt; status=Wort wurde in Liste übernommen.; list=HAUS", view.State())
        << "the stored form is listed; a listed word costs no wrong try; letters are put back";
    view.duringMessage = [this] { EXPECT_EQ(Texts{"HAUS"}, view.list); };
    Enter("Heu");
    EXPECT_EQ((Texts{"Dieses Wort wurde bereits eingetragen.", Unknown, NoMoreTries}), view.messages);
    EXPECT_EQ("stop key*4 accepted key*4 warning key*3 unknown key*3 lost", TakeSounds());
    EXPECT_EQ("row=astir; input=Heu| ro nocaret; buttons=N----; found=1 von 3   ( 33 % ); tries=1 von 1; "
              "time=unbegrenzt; status=Spiel beendet.; list=Eis,tier", view.State())
        << "the words not found; the letters are not put back";

    // Limits below one: the first wrong try ends the round; words without letters are no candidates.
    view.duringMessage = nullptr;
    for (int limit : {0, -3}) {
        GameSettings.AngLimit = GameSettings.Mistrials = limit;
        OwnList({"Haustier", "123", "Ha", "H"}, 1);
        Start("HAUSTIER");
        EXPECT_EQ((Texts{"HA", "H"}), round->m_candidates);
        EXPECT_EQ("0 von 0", view.mistrials);
        Enter("hH");
        EXPECT_EQ(Texts{"H"}, view.list) << "Uppercase drops typed lower case";
        Enter("A");
        EXPECT_EQ(NoMoreTries, view.LastMessage()) << limit;
        EXPECT_EQ(0, round->m_bRunning);
    }
}

TEST_F(RoundTest, TypingAndClickingTakeLettersFromTheRow)
{
    HaustierList();
    Start();
    view.Type(*round, "hausxh7");
    EXPECT_EQ("row=TIER; input=HAUS| rw; buttons=-Z-AE; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel l\xE4uft...; list=", view.State())
        << "the standard list upper-cases; letters not (or no longer) in the row are dropped";
    view.selStart = view.selEnd = 0;
    view.Type(*round, "t");
    EXPECT_EQ("row=IER; input=T|HAUS", view.RowAndInput()) << "the caret stays where it was";
    view.selStart = view.selEnd = 5;
    view.Type(*round, "\b\b\b\b\b");
    EXPECT_EQ("row=HAUSTIER; input=|", view.RowAndInput());
    view.Type(*round, "haustier");
    EXPECT_EQ("row=R; input=HAUSTIE|", view.RowAndInput()) << "the start word in order cannot be typed";

    round->OnBack();
    Enter("ti");
    EXPECT_EQ("row=HAUSER; input=TI| rw; buttons=-Z-A-; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Buchstaben zurückgelegt.; list=", view.State())
        << "below the minimum length Enter does nothing";
    EXPECT_TRUE(view.messages.empty());

    round->OnBack();
    view.Click(*round, "HAUSTIER");
    round->OnLetterClick(LetterButtonBaseId + 1);
    round->OnLetterClick(LetterButtonBaseId - 1);
    EXPECT_EQ("row=R; input=HAUSTIE| rw; buttons=-Z-AE; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Buchstaben zurückgelegt.; list=", view.State())
        << "the last letter of the start word adds nothing; identifiers outside the row are ignored";
    EXPECT_EQ("stop key*21 back key*2 back key*8", TakeSounds());
}

TEST_F(RoundTest, ShuffleSwapsWithTheDrawnPartnerAndShortRowsDrawNothing)
{
    // Seed 6009 makes the generator give 19661 (19661 * 5 / 32767 = 3) and
    // then 9165 (gives 1).
    for (const char* letters : {"ABCDEF", "A", ""}) {
        SeedRandom(6009);
        round->m_strLetters = view.row = letters;
        round->OnShuffle(); // must come back
        EXPECT_EQ(std::strlen(letters) > 1 ? "DFBACE" : letters, view.row);
        EXPECT_EQ("shuffle", TakeSounds());
        EXPECT_EQ(std::strlen(letters) < 2, DrawRandom() == 19661) << "no draw for '" << letters << "'";
    }
}

TEST_F(RoundTest, GivingUpShowsTheWordsNotFound)
{
    OwnList({"ABCDEFGH", "ABC", "ABD", "ABE", "ABF", "ABG", "ABH", "ACD", "ACE", "ACF", "ACG", "ACH", "ADE", "ADF",
             "ADG", "ADH"},
            1);
    Start();
    Enter("ABC");
    EXPECT_EQ(0, view.topIndex);
    round->OnGiveUp();
    EXPECT_EQ("row=ABCDEFGH; input=| ro nocaret; buttons=N----; found=1 von 15   (  7 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel beendet.; list=ABD,ABE,ABF,ABG,ABH,ACD,ACE,ACF,ACG,ACH,ADE,ADF,ADG,ADH",
              view.State());
    EXPECT_EQ(3, view.topIndex) << "the last eleven entries are shown";
    Start("ABCDEFGH");
    round->OnGiveUp();
    EXPECT_EQ("stop key*3 accepted gaveup lost", TakeSounds()) << "found something, then not";
    EXPECT_TRUE(view.messages.empty()) << "giving up asks nothing";
}

TEST_F(RoundTest, ClockCountsDownEndsTheRoundOnceAndStopsWithoutANotice)
{
    GameSettings.UseDuration = 1;
    HaustierList();
    Start();
    view.duringMessage = [this] { EXPECT_EQ(2u, view.list.size()) << "filled before the message"; };
    RunClockToEnd();
    const Texts ticks = view.TimeTexts();
    ASSERT_EQ(61u, ticks.size());
    EXPECT_EQ((Texts{"1 Minuten", "00:59", "00:58"}), Texts(ticks.begin(), ticks.begin() + 3));
    EXPECT_EQ(Texts{TimeUp}, view.messages);
    EXPECT_EQ("stop timeup", TakeSounds());
    EXPECT_EQ("row=HAUSTIER; input=| ro nocaret; buttons=N----; found=0 von 2   (  0 % ); tries=unbegrenzt; "
              "time=00:00; status=Spiel beendet.; list=HAUS,TIER", view.State());

    // The notice arrives inside the modal loop of the congratulation, then of
    // the last wrong try's message: the round has ended already.
    GameSettings.Mistrials = 0;
    view.duringMessage = [this] { view.DeliverAll(*round); };
    for (int mistrials : {0, 1}) {
        GameSettings.UseMistrials = mistrials;
        Start("HAUSTIER");
        clock.secondsPerWait = 1;
        ASSERT_TRUE(WaitUntil([this] { return view.timeUpPosted > 0; }));
        clock.secondsPerWait = 0;
        view.messages.clear();
        Enter(mistrials ? "SAU" : "HAUS");
        Enter(mistrials ? "" : "TIER");
        EXPECT_EQ(Texts{mistrials ? NoMoreTries : AllFound}, view.messages);
        EXPECT_EQ((Texts{"HAUS", "TIER"}), view.list) << "found words are not wiped";
        EXPECT_EQ(std::string::npos, TakeSounds().find("timeup"));
    }
    view.duringMessage = nullptr;

    // Closing: the clock stops, no signal is left and no notice comes; also
    // when the round goes while its clock runs.
    GameSettings.Duration = 5;
    Start("HAUSTIER");
    clock.until = clock.now + 3;
    clock.secondsPerWait = 1;
    ASSERT_TRUE(WaitUntil([this] { return view.TimeText() == "04:57"; }));
    ASSERT_TRUE(round->StopWorker(1000));
    EXPECT_FALSE(round->IsWorkerRunning() || CancelEvent.TestAndConsume() || view.timeUpPosted > 0);
    Start("HAUSTIER");
    ASSERT_TRUE(round->IsWorkerRunning());
    round.reset(); // must come back
}

TEST_F(RoundTest, DurationsOutOfRangeNeitherHangNorOverflow)
{
    GameSettings.UseDuration = 1;
    HaustierList();
    for (int duration : {0, -5}) {
        GameSettings.Duration = duration;
        Start("HAUSTIER");
        EXPECT_EQ("0 Minuten", view.TimeText());
        RunClockToEnd();
        EXPECT_EQ("00:00", view.TimeText());
        EXPECT_EQ(TimeUp, view.LastMessage());
    }
    GameSettings.Duration = INT_MAX; // counted in 64 bits
    Start("HAUSTIER");
    const size_t before = view.TimeTexts().size();
    clock.until = clock.now + 1;
    clock.secondsPerWait = 1;
    ASSERT_TRUE(WaitUntil([&] { return view.TimeTexts().size() > before; }));
    round->OnGiveUp();
    EXPECT_FALSE(round->IsWorkerRunning());
    EXPECT_EQ("06:59", view.TimeText());
}

TEST_F(RoundTest, RoundsThatCannotStartLeaveNewAvailableAndOnlyOneSearchRuns)
{
    round->OnNew(); // no word list: no start word
    EXPECT_EQ("Es stehen keine Ratebegriffe zur Verfügung.", view.LastMessage());
    EXPECT_EQ("stop warning", TakeSounds());
    EXPECT_TRUE(view.enabled[IdNewButton]);

    GameSettings.UseSound = 0;
    OwnList({"123456"}, 1); // a start word without any letter
    round->OnNew();
    EXPECT_FALSE(round->IsSearching());
    EXPECT_EQ(NoCandidates, view.LastMessage());
    EXPECT_EQ("stop", TakeSounds()) << "without sound only the stop";
    EXPECT_TRUE(view.enabled[IdNewButton]);

    OwnList({"Haustier", "Zebra"}, 1); // a start word without sub-anagrams
    Start();
    EXPECT_EQ(NoCandidates, view.LastMessage());
    EXPECT_EQ("row=HAUSTIER; input=| ro off nocaret; buttons=N----; found=0 von 0   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Keine Teilanagramme gefunden.; list=", view.State());

    // Never two searches at once.
    view.controlsStateCalls = 0;
    Texts words(200000, "QUARK");
    words.insert(words.end(), {"ABCDEFGH", "ABC", "HAUS"});
    OwnList(words, 1);
    round->m_strStartWord = "ABCDEFGH";
    round->StartRound();
    Start("HAUSTIER"); // stops the first search before its own starts
    EXPECT_EQ(Texts{"HAUS"}, round->m_candidates);
    EXPECT_EQ(1, round->m_nTotal);
    view.DeliverAll(*round);
    EXPECT_EQ(1, view.controlsStateCalls) << "the round began once";

    round->OnGiveUp();
    StartWordStock = {"ABCDEFGH"};
    round->OnNew();
    round->StopSearch(); // before the word list goes
    EXPECT_FALSE(round->IsWorkerRunning());
    ClearWordList();
    view.DeliverAll(*round);
    EXPECT_EQ("row=ABCDEFGH; input=| ro nocaret; buttons=N----; found=0 von 1   (  0 % ); tries=unbegrenzt; "
              "time=unbegrenzt; status=Spiel beendet.; list=", view.State());
}

} // namespace
