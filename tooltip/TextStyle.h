#pragma once
#include <cstdint>
#include <string>

// Values of the style record's coded fields.
enum BackgroundMode : int { BackgroundTransparent = 1, BackgroundOpaque = 2 };
enum TextAlign : int { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
enum VerticalAlign : int { VAlignTop = 0, VAlignMiddle = 1, VAlignBottom = 2, VAlignBaseline = 3 };
enum BorderStyle : int { BorderNone = 0, BorderSolid = 1, BorderDashed = 2, BorderDotted = 3, BorderDouble = 6 };
enum TextTransform : int { TransformNone = 0, TransformUpper = 1, TransformLower = 2, TransformCapitalize = 3 };
enum LinkKind : int { LinkNone = 0, LinkAddress = 1, LinkMessage = 2 };

// The drawing state of text: what tags and style rules change and the tag
// stack saves. Colours are 0x00BBGGRR.
struct TextStyle
{
    std::string tagName;
    int fontSize = 16;
    int fontWeight = 400;
    bool italic = false;
    bool underline = false;
    bool lineThrough = false;
    bool overline = false;
    std::string fontFamily = "Verdana";
    uint32_t textColor = 0x000000;
    uint32_t backgroundColor = 0xFFFFFF;
    uint32_t borderColorLight = 0x000000;
    uint32_t borderColorDark = 0x000000;
    uint32_t backgroundMidColor = 0xFFFFFF;
    uint32_t backgroundEndColor = 0xFFFFFF;
    int backgroundMode = BackgroundTransparent;
    int backgroundEffect = -1;
    std::string backgroundImage;
    int textAlign = AlignLeft;
    int verticalAlign = VAlignBaseline;
    int borderStyle = BorderNone;
    int borderWidth = 0;
    int textTransform = TransformNone;
    int marginLeft = 2;
    int marginRight = 2;
    int marginTop = 2;
    int marginBottom = 2;
    int paddingLeft = 0;
    int paddingRight = 0;
    int paddingTop = 0;
    int paddingBottom = 0;
    int linkKind = LinkNone;
    std::string linkTarget;
    // Which link of the text this style belongs to; -1 outside links.
    int linkIndex = -1;
};
