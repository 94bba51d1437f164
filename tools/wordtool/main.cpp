// Developer tool over the game's own loader and search.
//   wordtool dump [--own] FILE
//   wordtool search [--own] FILE WORD [--ang N] [--lax 0|1] [--upper 0|1] [--subst 0|1]
// Prints Windows-1252 bytes, as the game shows them.
#include "engine/CancelEvent.h"
#include "engine/Letters.h"
#include "engine/Messages.h"
#include "engine/Search.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "tools/common/ToolText.h"
#include "wordlist/WordList.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string command;
    bool own = false;
    std::string file;
    std::string word;
    int ang = 3;
    int lax = 0;
    int upper = 0;
    int subst = 0;
};

int Usage()
{
    std::fprintf(stderr,
                 "usage: wordtool dump [--own] FILE\n"
                 "       wordtool search [--own] FILE WORD [--ang N] [--lax 0|1] [--upper 0|1] [--subst 0|1]\n");
    return 2;
}

bool ParseNumber(const char* text, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < -1000000 || number > 1000000)
        return false;
    value = static_cast<int>(number);
    return true;
}

bool ParseFlag(const char* text, int& value)
{
    return ParseNumber(text, value) && (value == 0 || value == 1);
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    if (argc < 2)
        return false;
    options.command = argv[1];
    std::vector<std::string> positional;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--own")
            options.own = true;
        else if (arg == "--ang" && hasValue)
            { if (!ParseNumber(argv[++i], options.ang)) return false; }
        else if (arg == "--lax" && hasValue)
            { if (!ParseFlag(argv[++i], options.lax)) return false; }
        else if (arg == "--upper" && hasValue)
            { if (!ParseFlag(argv[++i], options.upper)) return false; }
        else if (arg == "--subst" && hasValue)
            { if (!ParseFlag(argv[++i], options.subst)) return false; }
        else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-')
            return false;
        else
            positional.push_back(arg);
    }
    if (options.command == "dump" && positional.size() == 1) {
        options.file = positional[0];
        return true;
    }
    if (options.command == "search" && positional.size() == 2) {
        options.file = positional[0];
        options.word = positional[1];
        return true;
    }
    return false;
}

int PrintMessage(const char* text, int)
{
    std::fprintf(stderr, "wordtool: ");
    std::fwrite(text, 1, std::strlen(text), stderr);
    std::fputc('\n', stderr);
    return 1;
}

void PrintLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

bool Load(const Options& options)
{
    GameSettings.Wordlist = options.own ? 1 : 0;
    return options.own ? LoadOwnWordList(options.file) : LoadStandardWordList(options.file);
}

// A terminal hands over UTF-8; a word that is no valid UTF-8 is taken as the
// program's own bytes.
std::string StartWordBytes(const std::string& argument)
{
    std::string converted;
    return Utf8ToWindows1252(argument, converted) ? converted : argument;
}

int Dump()
{
    const int count = WordCount();
    for (int i = 0; i < count; ++i)
        PrintLine(GetWord(i));
    return 0;
}

int Search(const Options& options)
{
    GameSettings.AngLimit = options.ang;
    GameSettings.Lax = options.lax;
    GameSettings.Uppercase = options.upper;
    GameSettings.Substitute = options.subst;

    CSearchCollector host;
    host.letters = StartWordBytes(options.word);
    NormaliseWord(host.letters, EffectiveSubstitute(), std::string());
    if (EffectiveUpper())
        UpperCaseWord(host.letters);
    CancelEvent.Reset();
    if (SearchThreadProc(&host) != 1) {
        std::fprintf(stderr, "wordtool: the start word has no letters\n");
        return 1;
    }
    for (const std::string& candidate : host.candidates)
        PrintLine(candidate);
    std::printf("total %d\n", host.total);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return Usage();
    SetMessageHandler(PrintMessage);
    if (!Load(options))
        return 1;
    return options.command == "dump" ? Dump() : Search(options);
}
