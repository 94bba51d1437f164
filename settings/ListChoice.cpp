#include "settings/ListChoice.h"

#include "engine/Word.h"

namespace {

// Lower case of a Windows-1252 byte: ASCII, the accented capitals from 0xC0
// (without the multiplication sign) and the four capitals in 0x80..0x9F.
unsigned char FoldCase(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE ligature
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: return c;
    }
}

} // namespace

bool SamePathIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

ListConfirmation ConfirmListChoice(int storedChoice, const std::string& storedPath, int chosenList,
                                   std::string& chosenPath)
{
    ListConfirmation result{false, false};
    TrimWhiteSpace(chosenPath);
    if (chosenList == 1 && chosenPath.empty()) {
        result.pathMissing = true;
        return result;
    }
    if (chosenList != storedChoice)
        result.clearList = true;
    if (chosenList == 1 && !SamePathIgnoringCase(chosenPath, storedPath))
        result.clearList = true;
    return result;
}
