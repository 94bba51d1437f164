#pragma once

// Sends the program's notices, questions and errors (engine/Messages.h) to
// the program's message dialog, owned by the active window of the program.
void RouteMessagesToDialog();
