// Any text as a style sheet, as declarations and as lengths and colours.
#include "tooltip/StyleSheet.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    static CFixedSysColors system;
    static CColorNames names(system);
    CStyleSheet sheet(names);
    sheet.SetStyleSheet(text.c_str());
    TextStyle style;
    for (const char* selector : {"body", "h1", "a:link", "a:hover", ".cpp-comment", "hr"})
        sheet.ApplyStyleRule(selector, style);
    sheet.ApplyDeclarations(text, style);
    sheet.ParseLength(text, style.fontSize, true);
    sheet.ParseLength(text, -style.marginLeft, false);
    sheet.ParseColor(text, style.textColor);
    return 0;
}
