// Writes the standard word list "anagrilla.dat" from a UTF-8 dictionary.
// Usage: mkwordlist DICTIONARY OUTPUT
#include "tools/mkwordlist/StandardWords.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkwordlist DICTIONARY OUTPUT\n");
        return 2;
    }
    std::ifstream dictionary(argv[1], std::ios::binary);
    if (!dictionary) {
        std::fprintf(stderr, "mkwordlist: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::string> words = BuildStandardWords(dictionary);
    if (dictionary.bad()) {
        std::fprintf(stderr, "mkwordlist: read error in %s\n", argv[1]);
        return 1;
    }
    const std::string archive = BuildStandardArchive(words);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "mkwordlist: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    std::printf("mkwordlist: %zu words, %zu bytes\n", words.size(), archive.size());
    return 0;
}
