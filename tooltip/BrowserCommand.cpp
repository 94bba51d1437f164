#include "tooltip/BrowserCommand.h"

std::string BuildBrowserCommand(const std::string& openCommand, const std::string& address)
{
    std::string command = openCommand;
    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string::npos)
        cut = command.find("%1");
    if (cut != std::string::npos)
        command.erase(cut);

    std::string argument;
    for (char c : address)
        if (c != '"')
            argument += c;
    if (argument.find(' ') != std::string::npos || argument.find('\t') != std::string::npos)
        argument = "\"" + argument + "\"";
    return command + " " + argument;
}
