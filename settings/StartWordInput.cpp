#include "settings/StartWordInput.h"

#include "engine/Letters.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"

#include <algorithm>

CleanedStartWord CleanStartWord(const std::string& text, int selectionStart, bool upper, bool substitute)
{
    CleanedStartWord result;
    result.word = text;
    const int lengthBefore = static_cast<int>(text.size());

    const int lengthAfter = NormaliseWord(result.word, substitute, "");
    if (upper)
        UpperCaseWord(result.word);

    result.caret = selectionStart + lengthAfter - lengthBefore;
    if (lengthAfter > StartWordMaxLength)
        result.word.resize(StartWordMaxLength);
    result.canStart = lengthAfter >= MinStartWordLength;
    // A caret outside the text would make the edit select or jump.
    result.caret = std::clamp(result.caret, 0, static_cast<int>(result.word.size()));
    return result;
}
