#include "wordlist/WordList.h"

#include "engine/Messages.h"
#include "settings/GameSettings.h"
#include "settings/StartDirectory.h"
#include "wordlist/Archive.h"
#include "wordlist/FileBytes.h"
#include "wordlist/OwnList.h"

#include <new>

namespace {

// One contiguous buffer and 32-bit offsets: a few hundred thousand separate
// strings would cost several times the file's size.
struct WordListData {
    std::vector<char> bytes;
    std::vector<uint32_t> starts; // word count + 1 entries once loaded
    bool standard = false;
    int maxLength = 0;
    std::map<int, int> lengthIndex;
};

WordListData g_list;

int StoredLength(const WordListData& list, size_t position)
{
    return static_cast<int>(list.starts[position + 1] - list.starts[position]);
}

int CountOf(const WordListData& list)
{
    return list.starts.empty() ? 0 : static_cast<int>(list.starts.size() - 1);
}

void BuildLengthIndex(WordListData& list)
{
    list.lengthIndex.clear();
    int limit = list.maxLength + 1;
    const int count = CountOf(list);
    for (int i = 0; i < count; ++i) {
        const int length = StoredLength(list, static_cast<size_t>(i));
        if (length < limit) {
            list.lengthIndex[length] = i;
            limit = length;
        }
    }
}

void FinishStandardList(WordListData& list)
{
    list.standard = true;
    list.maxLength = CountOf(list) > 0 ? StoredLength(list, 0) : 0;
    BuildLengthIndex(list);
}

void FinishOwnList(WordListData& list)
{
    list.standard = false;
    list.maxLength = 0;
    const int count = CountOf(list);
    for (int i = 0; i < count; ++i) {
        const int length = StoredLength(list, static_cast<size_t>(i));
        if (length > list.maxLength)
            list.maxLength = length;
    }
}

bool ReportLoadFailure()
{
    ClearWordList();
    ShowMessage("Wortlistendatei konnte nicht geöffnet werden.", MessageError);
    return false;
}

// Reads and parses into a fresh list; the loaded one changes only on success.
template <typename Parse, typename Finish>
bool LoadInto(const std::string& path, Parse parse, Finish finish)
{
    try {
        WordListData list;
        if (!ReadFileBytes(path, list.bytes) || !parse(list.bytes, list.starts))
            return ReportLoadFailure();
        finish(list);
        g_list = std::move(list);
        return true;
    } catch (const std::bad_alloc&) {
        return ReportLoadFailure();
    }
}

} // namespace

bool LoadStandardWordList(const std::string& path)
{
    return LoadInto(path, ParseArchive, FinishStandardList);
}

bool LoadOwnWordList(const std::string& path)
{
    return LoadInto(path, ParseOwnList, FinishOwnList);
}

bool LoadWordList()
{
    if (WordCount() > 0)
        return true;
    if (GameSettings.Wordlist == 0)
        return LoadStandardWordList(JoinPath(StartDirectory, StandardListName));
    return LoadOwnWordList(GameSettings.Listpath);
}

void ClearWordList()
{
    g_list = WordListData();
}

void StoreWordList(const std::vector<std::string>& words)
{
    WordListData list;
    size_t total = 0;
    for (const std::string& word : words)
        total += word.size();
    list.bytes.reserve(total);
    list.starts.reserve(words.size() + 1);
    for (const std::string& word : words) {
        list.starts.push_back(static_cast<uint32_t>(list.bytes.size()));
        list.bytes.insert(list.bytes.end(), word.begin(), word.end());
    }
    list.starts.push_back(static_cast<uint32_t>(list.bytes.size()));
    if (GameSettings.Wordlist == 0)
        FinishStandardList(list);
    else
        FinishOwnList(list);
    g_list = std::move(list);
}

int WordCount()
{
    return CountOf(g_list);
}

int MaxWordLength()
{
    return g_list.maxLength;
}

void GetWordInto(int position, std::string& out)
{
    const size_t index = static_cast<size_t>(position);
    const char* stored = g_list.bytes.data() + g_list.starts[index];
    const size_t length = g_list.starts[index + 1] - g_list.starts[index];
    out.resize(length);
    if (!g_list.standard) {
        out.replace(0, length, stored, length);
        return;
    }
    // Unscrambling seeds and draws the calling thread's generator: the word
    // is worked on a copy of the state, and the thread's state is set to
    // where those draws leave it, as callers of rand after us expect.
    Unscrambler plain(SeedTable(), position);
    for (size_t i = 0; i < length; ++i)
        out[i] = plain.Next(stored[i]);
    if (plain.Seeded())
        SeedRandom(plain.State());
}

StoredWordView StoredWord(int position)
{
    const size_t index = static_cast<size_t>(position);
    return {g_list.bytes.data() + g_list.starts[index], g_list.starts[index + 1] - g_list.starts[index]};
}

bool IsStandardWordList()
{
    return g_list.standard;
}

std::string GetWord(int position)
{
    std::string word;
    GetWordInto(position, word);
    return word;
}

const std::map<int, int>& LengthIndex()
{
    return g_list.lengthIndex;
}

int FirstIndexOfLength(int length)
{
    if (length > g_list.maxLength)
        length = g_list.maxLength;
    const auto it = g_list.lengthIndex.find(length);
    return it == g_list.lengthIndex.end() ? 0 : it->second;
}

size_t WordListMemoryBytes()
{
    // A map node holds two ints beside its tree links (about 48 bytes).
    constexpr size_t MapNodeBytes = 48;
    return g_list.bytes.capacity() + g_list.starts.capacity() * sizeof(uint32_t) +
           g_list.lengthIndex.size() * MapNodeBytes;
}
