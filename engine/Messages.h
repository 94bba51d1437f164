#pragma once

// Code without a window of its own (the word list loader) tells the player
// through this handler; the program routes it to its message dialog, tests
// and tools install their own. Types: 0 notice, 1 question, 2 error.
// Results as the message dialog gives them: 6 yes, 7 no, 1 OK, 2 Escape.
enum MessageType { MessageNotice = 0, MessageQuestion = 1, MessageError = 2 };

using MessageHandler = int (*)(const char* text, int type);

// Returns the handler that was installed before.
MessageHandler SetMessageHandler(MessageHandler handler);

// Without a handler the message is dropped and the answer is 1 (OK).
int ShowMessage(const char* text, int type);
