#pragma once
#include <string>

// The command line that opens address with the program registered for web
// pages, from that program's registered open command: the first "%1" in
// quotes (from its opening quote), or else the first %1, is cut off with
// all after it, and a blank and the address follow. An address with blanks
// is quoted (and loses any quotes of its own), so it stays one argument.
std::string BuildBrowserCommand(const std::string& openCommand, const std::string& address);
