#pragma once
#include <windows.h>
#include <commctrl.h>

#include "tooltip/MarkupCanvas.h"

// The markup renderer's links to Windows: images and strings from the
// resources, files and handles, the shell for addresses, messages to
// windows, and the hand cursor.
class CWinMarkupHost : public IMarkupHost
{
public:
    CWinMarkupHost();
    ~CWinMarkupHost() override;
    CWinMarkupHost(const CWinMarkupHost&) = delete;
    CWinMarkupHost& operator=(const CWinMarkupHost&) = delete;

    // Where iddll without srcdll looks, and the list ilst draws from when it
    // names no bitmap; the game sets neither.
    void SetResourceModule(HMODULE module) { m_resourceModule = module; }
    void SetImageList(HIMAGELIST list) { m_imageList = list; }

    std::shared_ptr<IMarkupImage> OpenImage(const ImageRequest& request) override;
    bool FetchString(unsigned id, bool fromModule, const std::string& module, std::string& text) override;
    void OpenAddress(const std::string& address) override;
    void SendWindowMessage(void* window, unsigned message, intptr_t wParam, intptr_t lParam) override;
    bool SetHandCursor() override;

    HCURSOR HandCursor() const { return m_hand; }

private:
    std::shared_ptr<IMarkupImage> LoadListItem(const ImageRequest& request);

    HMODULE m_resourceModule = nullptr;
    HIMAGELIST m_imageList = nullptr;
    HCURSOR m_hand = nullptr;
    bool m_ownHand = false;
};

// Cursor 106 of the help program at that path, copied (owned is set then:
// the caller destroys it), else the system's hand cursor.
HCURSOR LoadHandCursor(const std::string& helpProgram, bool& owned);
