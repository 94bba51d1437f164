#include "engine/Letters.h"

namespace {

struct LetterTables {
    bool isLetter[256] = {};
    char upper[256] = {};

    LetterTables()
    {
        for (int i = 0; i < 256; ++i)
            upper[i] = static_cast<char>(i);
        for (int c = 'A'; c <= 'Z'; ++c) {
            isLetter[c] = true;
            isLetter[c + 32] = true;
            upper[c + 32] = static_cast<char>(c);
        }
        const char umlauts[][2] = {{CapitalAUmlaut, SmallAUmlaut},
                                   {CapitalOUmlaut, SmallOUmlaut},
                                   {CapitalUUmlaut, SmallUUmlaut}};
        for (const auto& pair : umlauts) {
            isLetter[static_cast<unsigned char>(pair[0])] = true;
            isLetter[static_cast<unsigned char>(pair[1])] = true;
            upper[static_cast<unsigned char>(pair[1])] = pair[0];
        }
        isLetter[static_cast<unsigned char>(SharpS)] = true;
    }
};

const LetterTables& Tables()
{
    static const LetterTables tables;
    return tables;
}

} // namespace

bool IsGameLetter(char c)
{
    return Tables().isLetter[static_cast<unsigned char>(c)];
}

char UpperLetter(char c)
{
    return Tables().upper[static_cast<unsigned char>(c)];
}

void UpperCaseWord(std::string& word)
{
    const LetterTables& t = Tables();
    for (char& c : word)
        c = t.upper[static_cast<unsigned char>(c)];
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    const LetterTables& t = Tables();
    for (size_t i = 0; i < a.size(); ++i)
        if (t.upper[static_cast<unsigned char>(a[i])] != t.upper[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}
