// The standard list as the build makes it from a dictionary.
#include "tools/mkwordlist/StandardWords.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Words = std::vector<std::string>;

Words Build(const std::string& dictionary)
{
    std::istringstream in(dictionary);
    return BuildStandardWords(in);
}

TEST(StandardWords, RulesOfTheStandardList)
{
    const std::string dictionary = "Stra\xC3\x9F" "e\n"
                                   "stra\xC3\x9F" "e\n"         // the same once upper-cased
                                   "USA\n"                      // capital after the first letter
                                   "caf\xC3\xA9\n"              // é is no game letter
                                   "\xC3\x84pfel\n"             // Äpfel
                                   "\xC3\x96l\r\n"              // Öl, CR LF
                                   "a\n"                        // one letter
                                   "Donaudampfschiff\n"         // 16 letters
                                   "Fu\xC3\x9F" "ballfeldes\n"  // 15 letters after substitution
                                   "Hand-Tuch\nHaus\nhaus\n"
                                   "\xFF\xFEkaputt\n"           // no UTF-8
                                   "\xC1\x81" "bend\nTor\xC3\n"  // an overlong A, a cut sequence
                                   "\xE4\xB8\xAD" "ab\n"          // not in Windows-1252
                                   "Ast\n\nzu";
    EXPECT_EQ((Words{"FUSSBALLFELDES", "STRASSE", "AEPFEL", "HAUS", "AST", "OEL", "ZU"}), Build(dictionary));
}

} // namespace
