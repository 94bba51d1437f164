#include "app/GameWindowModel.h"

#include "res/resource.h"

int FirstLetterButtonLeft(int clientWidth, int letterCount) {
    // Integer division truncates toward zero, also for a negative numerator.
    return (clientWidth - LetterButtonPitch * letterCount + LetterButtonSize) / 2 - 10;
}

int LetterButtonTopOnBand(int bandTop, int bandBottom) {
    return bandTop + (bandBottom - bandTop - LetterButtonSize + 1) / 2;
}

PixelRect LetterButtonRect(int clientWidth, int letterCount, int index, int top) {
    const int left = FirstLetterButtonLeft(clientWidth, letterCount) + LetterButtonPitch * index;
    return {left, top, left + LetterButtonSize, top + LetterButtonSize};
}

namespace {
ControlColors Plain(GameBrush brush) { return {brush, false, false, 0}; }
} // namespace

ControlColors ColorsForControl(int controlId, bool running) {
    switch (controlId) {
    case IDC_RESULTLIST:
        return {GameBrush::Beige, true, true, running ? MakeColor(0, 128, 0) : MakeColor(255, 0, 0)};
    case IDC_LETTERBAND:
        return Plain(GameBrush::Green);
    case IDC_BUTTONPANEL:
    case IDC_LISTPANEL:
        return Plain(GameBrush::Brown);
    case 0:
    case 0xFFFF:
    case -1:
    case IDC_FOUND:
    case IDC_TIME:
    case IDC_MISTRIALS:
    case IDC_COUNTERSTRIP:
        return Plain(GameBrush::Sand);
    default:
        return Plain(GameBrush::LightGrey);
    }
}

OptionMenuState MenuStateAtRest(int wordlist, int uppercase, int useSound, int substitute, int lax,
                                int useHelp) {
    OptionMenuState state{};
    state.soundTicked = useSound != 0;
    state.uppercaseTicked = uppercase != 0;
    state.substituteTicked = substitute != 0;
    state.laxTicked = lax != 0;
    state.helpTicked = useHelp != 0;
    state.caseEntriesGrey = wordlist == 0;
    state.laxGrey = wordlist == 0 || uppercase != 0;
    return state;
}

std::vector<ButtonState> ButtonStatesForRound(bool running) {
    std::vector<ButtonState> states{{IDC_SHUFFLE, running}, {IDC_BACK, running}, {IDC_GIVEUP, running}};
    if (!running)
        states.push_back({IDC_ENTER, false});
    states.push_back({IDC_NEW, !running});
    return states;
}

RunningMenuState MenuStateForRound(bool running, int wordlist, int uppercase) {
    RunningMenuState state{};
    state.dialogEntriesGrey = running;
    state.touchCaseEntries = wordlist == 1;
    state.caseEntriesGrey = running;
    state.laxGrey = running || uppercase != 0;
    return state;
}
