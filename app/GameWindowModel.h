#pragma once
#include <cstdint>
#include <vector>
#include "controls/GameColors.h"

// What the main window computes without asking Windows: where the letter
// buttons go, which colours each control gets, and which menu entries are
// ticked or grey. The window applies these; tests check them natively.

// Letter buttons: 30 x 30 pixels, 40 pixels from one left edge to the next.
constexpr int LetterButtonSize = 30;
constexpr int LetterButtonPitch = 40;
constexpr int LetterButtonTop = 255;

struct PixelRect {
    int left, top, right, bottom;
};

// Left edge of the first button, centring n buttons in the client width.
int FirstLetterButtonLeft(int clientWidth, int letterCount);
// Top edge of the row on the green band: centred, the odd pixel below, so
// that the band of the standard dialog font (250 to 289) gives 255.
int LetterButtonTopOnBand(int bandTop, int bandBottom);
PixelRect LetterButtonRect(int clientWidth, int letterCount, int index, int top = LetterButtonTop);

// How a control is coloured when it asks its parent (WM_CTLCOLOR*).
// The text background is the brush's colour; transparent text leaves the
// pixels under the glyphs as they are.
struct ControlColors {
    GameBrush brush;
    bool transparent;
    bool setText; // else the system's text colour stays
    uint32_t text;
};
// controlId is the control's identifier (0 or 0xFFFF for none); the window
// itself asks with its own colours, as "any other identifier".
ControlColors ColorsForControl(int controlId, bool running);

// Menu entries whose state follows the settings and the round.
struct OptionMenuState {
    bool soundTicked, uppercaseTicked, substituteTicked, laxTicked, helpTicked;
    bool caseEntriesGrey; // 169 and 170
    bool laxGrey;         // 182
};
// At opening and after the word list dialog: follows the list and Uppercase only.
OptionMenuState MenuStateAtRest(int wordlist, int uppercase, int useSound, int substitute, int lax,
                                int useHelp);

// SetControlsState's button rule: Zurück, Schütteln and Aufgeben follow the
// round, Neu the opposite; Eintragen is only switched off here, at a round's
// end (typing switches it on).
struct ButtonState {
    int id;
    bool enabled;
};
std::vector<ButtonState> ButtonStatesForRound(bool running);

// SetControlsState's menu rule: grey while running; with an own list the
// case entries follow the round, with the standard list they are not touched.
struct RunningMenuState {
    bool dialogEntriesGrey;     // 121, 122, 124
    bool touchCaseEntries;      // false: 169, 170 and 182 keep their state
    bool caseEntriesGrey;       // 169, 170
    bool laxGrey;               // 182
};
RunningMenuState MenuStateForRound(bool running, int wordlist, int uppercase);
