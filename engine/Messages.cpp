#include "engine/Messages.h"

namespace {
MessageHandler g_handler = nullptr;
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    MessageHandler old = g_handler;
    g_handler = handler;
    return old;
}

int ShowMessage(const char* text, int type)
{
    return g_handler ? g_handler(text, type) : 1;
}
