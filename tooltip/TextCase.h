#pragma once
#include <string>

// Case of Windows-1252 text as the system's own CharLower/CharUpper see it:
// ASCII letters and the accented Latin letters; ß and ÿ have no capital here.
char LowerChar(char c);
char UpperChar(char c);
std::string LowerCaseText(std::string text);
std::string UpperCaseText(std::string text);
// Lower case, then a..z at the start or after a blank made capital.
std::string CapitalizeText(std::string text);

bool IsBlankChar(char c);
