#include "dialoglayer/win/DataExchange.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

std::string WindowText(HWND window) {
    if (!window)
        return {};
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void ExchangeText(CDataExchange& dx, int id, std::string& value) {
    HWND control = dx.Control(id);
    if (!control) {
        dx.Fail();
        return;
    }
    if (dx.m_bSaveAndValidate)
        value = WindowText(control);
    else
        SetWindowTextA(control, value.c_str());
}

namespace {

// A whole decimal integer with optional blanks around it, nothing else.
bool ParseNumber(const std::string& text, int& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// The buttons of the group that starts at firstId, in template order.
std::vector<HWND> RadioGroup(HWND dialog, HWND first) {
    std::vector<HWND> group;
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
        if (GetParent(button) == dialog)
            group.push_back(button);
    }
    return group;
}

} // namespace

void ExchangeNumber(CDataExchange& dx, int id, int& value) {
    HWND control = dx.Control(id);
    if (!control) {
        dx.Fail();
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        SetWindowTextA(control, std::to_string(value).c_str());
        return;
    }
    int parsed = 0;
    if (ParseNumber(WindowText(control), parsed))
        value = parsed;
    else
        dx.Fail();
}

void ExchangeNumber(CDataExchange& dx, int id, std::atomic<int>& value) {
    int copy = value.load();
    ExchangeNumber(dx, id, copy);
    if (dx.m_bSaveAndValidate)
        value.store(copy);
}

void ExchangeCheck(CDataExchange& dx, int id, int& value) {
    HWND control = dx.Control(id);
    if (!control) {
        dx.Fail();
        return;
    }
    if (dx.m_bSaveAndValidate)
        value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ExchangeCheck(CDataExchange& dx, int id, std::atomic<int>& value) {
    int copy = value.load();
    ExchangeCheck(dx, id, copy);
    if (dx.m_bSaveAndValidate)
        value.store(copy);
}

void ExchangeRadio(CDataExchange& dx, int firstId, int& value) {
    HWND first = dx.Control(firstId);
    if (!first) {
        dx.Fail();
        return;
    }
    const std::vector<HWND> group = RadioGroup(dx.m_dialog, first);
    if (dx.m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i) {
            if (SendMessageA(group[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        SendMessageA(group[i], BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ExchangeRadio(CDataExchange& dx, int firstId, std::atomic<int>& value) {
    int copy = value.load();
    ExchangeRadio(dx, firstId, copy);
    if (dx.m_bSaveAndValidate)
        value.store(copy);
}
