#include "tooltip/win/MarkupHost.h"
#include "dialoglayer/win/WindowLibraries.h"

#include "tooltip/BrowserCommand.h"
#include "tooltip/StripCell.h"
#include "tooltip/win/GdiCanvas.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// A module loaded for one image or string only, freed again at the end.
class DataModule
{
public:
    explicit DataModule(const std::string& name)
        : m_module(LoadLibraryExA(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~DataModule()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    HMODULE Get() const { return m_module; }

private:
    HMODULE m_module;
};

HANDLE LoadFromModule(HMODULE module, unsigned id, UINT type, int cx, int cy)
{
    if (!module)
        return nullptr;
    const UINT flags = type == IMAGE_BITMAP ? LR_CREATEDIBSECTION : 0;
    return LoadImageA(module, MAKEINTRESOURCEA(id), type, cx, cy, flags);
}

// The image of a request in its own handle, loaded from the first source
// it names: own resources, a module's resources, a file.
HANDLE LoadOwnedImage(const ImageRequest& request, UINT type, HMODULE resourceModule)
{
    const int cx = type == IMAGE_ICON ? request.cx : 0;
    const int cy = type == IMAGE_ICON ? request.cy : 0;
    if (request.hasIdRes)
        return LoadFromModule(GetModuleHandleA(nullptr), request.idRes, type, cx, cy);
    if (request.hasIdDll) {
        if (request.srcDll.empty())
            return LoadFromModule(resourceModule, request.idDll, type, cx, cy);
        DataModule module(request.srcDll);
        return LoadFromModule(module.Get(), request.idDll, type, cx, cy);
    }
    if (!request.file.empty()) {
        const UINT flags = LR_LOADFROMFILE | (type == IMAGE_BITMAP ? LR_CREATEDIBSECTION : 0);
        return LoadImageA(nullptr, request.file.c_str(), type, cx, cy, flags);
    }
    return nullptr;
}

// One cell of a bitmap strip as a bitmap of its own.
HBITMAP CutStripCell(HBITMAP strip, int index, int cx, int cy)
{
    BITMAP info{};
    if (!GetObjectA(strip, sizeof info, &info))
        return nullptr;
    MarkupRect cellRect;
    if (!StripCellRect(info.bmWidth, std::abs(info.bmHeight), index, cx, cy, cellRect))
        return nullptr;
    const int cellWidth = cellRect.Width();
    const int cellHeight = cellRect.Height();
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP cell = CreateCompatibleBitmap(screen, cellWidth, cellHeight);
    if (from && to && cell) {
        HGDIOBJ oldFrom = SelectObject(from, strip);
        HGDIOBJ oldTo = SelectObject(to, cell);
        BitBlt(to, 0, 0, cellWidth, cellHeight, from, cellRect.left, cellRect.top, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    if (from)
        DeleteDC(from);
    if (to)
        DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return cell;
}

bool HasOwnSource(const ImageRequest& request)
{
    return request.hasIdRes || request.hasIdDll || !request.file.empty() || request.handle != 0;
}

HCURSOR LoadHelpHand(bool& owned)
{
    char directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    const bool found = length > 0 && length < MAX_PATH - 16;
    return LoadHandCursor(found ? std::string(directory) + "\\winhlp32.exe" : std::string(), owned);
}

std::string ReadClassesRootDefault(const std::string& key)
{
    char value[1024] = {};
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS)
        return std::string();
    return std::string(value);
}

} // namespace

// The hand of the system's help program, as the tooltips always showed it;
// the system's own hand where that program is not there.
HCURSOR LoadHandCursor(const std::string& helpProgram, bool& owned)
{
    owned = false;
    if (!helpProgram.empty()) {
        DataModule help(helpProgram);
        if (help.Get()) {
            if (HCURSOR cursor = LoadCursorA(help.Get(), MAKEINTRESOURCEA(106))) {
                owned = true;
                return CopyCursor(cursor);
            }
        }
    }
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)); // IDC_HAND
}

CWinMarkupHost::CWinMarkupHost() { m_hand = LoadHelpHand(m_ownHand); }

CWinMarkupHost::~CWinMarkupHost()
{
    if (m_ownHand && m_hand)
        DestroyCursor(m_hand);
}

std::shared_ptr<IMarkupImage> CWinMarkupHost::OpenImage(const ImageRequest& request)
{
    if (request.kind == ImageListItem)
        return LoadListItem(request);
    if (request.kind == ImageIcon) {
        if (request.handle)
            return std::make_shared<CGdiMarkupImage>(nullptr, reinterpret_cast<HICON>(request.handle), false);
        HANDLE icon = LoadOwnedImage(request, IMAGE_ICON, m_resourceModule);
        return icon ? std::make_shared<CGdiMarkupImage>(nullptr, static_cast<HICON>(icon), true) : nullptr;
    }
    if (request.handle)
        return std::make_shared<CGdiMarkupImage>(reinterpret_cast<HBITMAP>(request.handle), nullptr, false);
    HANDLE bitmap = LoadOwnedImage(request, IMAGE_BITMAP, m_resourceModule);
    return bitmap ? std::make_shared<CGdiMarkupImage>(static_cast<HBITMAP>(bitmap), nullptr, true) : nullptr;
}

std::shared_ptr<IMarkupImage> CWinMarkupHost::LoadListItem(const ImageRequest& request)
{
    if (!HasOwnSource(request)) {
        if (!m_imageList || request.index >= ImageList_GetImageCount(m_imageList))
            return nullptr;
        HICON icon = ImageList_GetIcon(m_imageList, request.index, ILD_NORMAL);
        return icon ? std::make_shared<CGdiMarkupImage>(nullptr, icon, true) : nullptr;
    }
    HBITMAP strip = request.handle ? reinterpret_cast<HBITMAP>(request.handle)
                                   : static_cast<HBITMAP>(LoadOwnedImage(request, IMAGE_BITMAP, m_resourceModule));
    if (!strip)
        return nullptr;
    HBITMAP cell = CutStripCell(strip, request.index, request.cx, request.cy);
    if (!request.handle)
        DeleteObject(strip);
    return cell ? std::make_shared<CGdiMarkupImage>(cell, nullptr, true) : nullptr;
}

bool CWinMarkupHost::FetchString(unsigned id, bool fromModule, const std::string& module, std::string& text)
{
    HMODULE source = GetModuleHandleA(nullptr);
    std::unique_ptr<DataModule> loaded;
    if (fromModule) {
        if (module.empty()) {
            source = m_resourceModule;
        } else {
            loaded.reset(new DataModule(module));
            source = loaded->Get();
        }
    }
    if (!source)
        return false;
    std::vector<char> buffer(4096);
    const int length = LoadStringA(source, id, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0)
        return false;
    text.assign(buffer.data(), static_cast<std::size_t>(length));
    return true;
}

void CWinMarkupHost::OpenAddress(const std::string& address)
{
    static const auto shellExecute = LateBoundFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (shellExecute &&
        reinterpret_cast<INT_PTR>(shellExecute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW)) > 32)
        return;
    const std::string pageClass = ReadClassesRootDefault(".htm");
    if (pageClass.empty())
        return;
    const std::string command = ReadClassesRootDefault(pageClass + "\\shell\\open\\command");
    if (command.empty())
        return;
    WinExec(BuildBrowserCommand(command, address).c_str(), SW_SHOW);
}

void CWinMarkupHost::SendWindowMessage(void* window, unsigned message, intptr_t wParam, intptr_t lParam)
{
    if (window)
        SendMessageA(static_cast<HWND>(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

bool CWinMarkupHost::SetHandCursor()
{
    if (!m_hand)
        return false;
    SetCursor(m_hand);
    return true;
}
