#pragma once
#include <string>

// Converts UTF-8 text to the program's Windows-1252 bytes. False when the
// text is no valid UTF-8 or holds a character that Windows-1252 lacks.
bool Utf8ToWindows1252(const std::string& utf8, std::string& out);
