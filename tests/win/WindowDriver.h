#pragma once
#include <windows.h>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Drives the program's windows from a test as a player would, without a
// person: it pumps the thread's messages and answers message dialogs.

// Pumps messages through the dialogs' hooks until done() holds or the time
// runs out; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds = 5000);
// Pumps whatever is waiting, and what arrives within the time.
void PumpFor(int milliseconds);

// Answers every message dialog that opens on this thread, from a timer that
// runs inside the dialog's own loop, and records each text. One at a time.
class MessageAnswerer {
public:
    MessageAnswerer();
    ~MessageAnswerer();
    MessageAnswerer(const MessageAnswerer&) = delete;
    MessageAnswerer& operator=(const MessageAnswerer&) = delete;

    // The button for the next message; without one, "&OK" or else "&Ja".
    void QueueAnswer(int buttonId) { m_answers.push_back(buttonId); }
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    void Answer(HWND dialog);

    UINT_PTR m_timer = 0;
    std::deque<int> m_answers;
    std::vector<std::string> m_texts;
    std::vector<HWND> m_answered;
};

std::string ControlText(HWND dialog, int id);
// Writes a text file for a test and deletes it again.
class TempFile {
public:
    explicit TempFile(const std::string& contents);
    ~TempFile();
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
