// Colour keywords, system colour names and background effect names.
#include "tooltip/ColorNames.h"

#include <gtest/gtest.h>

TEST(ColorNames, KeywordsHaveRedInTheLowestByteOnlyListedSpellingsExist)
{
    const CFixedSysColors scheme;
    const CColorNames names(scheme);
    const std::pair<const char*, uint32_t> keywords[] = {
        {"red", 0x0000FF},   {"navy", 0x800000},    {"lightgrey", 0xD3D3D3}, {"cornflowerblue", 0xED9564},
        {"fuchsia", 0xFF00FF}, {"magenta", 0xFF00FF}, {"aqua", 0xFFFF00},      {"cyan", 0xFFFF00}};
    for (const auto& k : keywords)
        EXPECT_EQ(k.second, names.Lookup(k.first, 1)) << k.first;

    for (const char* unknown : {"lightgray", "grey", "darkgrey", "dimgrey", "slategrey", "Red", "RED", " red",
                                "red ", "", "transparent", "infobk"})
        EXPECT_EQ(0xABCDEFu, names.Lookup(unknown, 0xABCDEF)) << unknown;
    uint32_t colour = 7;
    for (const char* known : {"gray", "darkgray", "dimgray", "slategray", "lightslategray", "darkslategray"})
        EXPECT_TRUE(names.Find(known, colour)) << known;
    EXPECT_EQ(140u + 28u, names.Count());
}

TEST(ColorNames, SystemColourNamesReadTheSchemeOnce)
{
    // Each system colour its own index, above the 24 bits a colour keeps.
    CFixedSysColors scheme;
    for (int i = -1; i <= 31; ++i)
        scheme.Set(i, 0x7F000000u | uint32_t(i));
    EXPECT_EQ(0u, scheme.SysColor(31) | scheme.SysColor(-1)) << "the scheme has 31 colours";
    const CColorNames names(scheme);
    std::string indexes;
    for (const char* name : {"activeborder", "activecaption", "appworkspace", "background", "buttonface",
                             "buttonhighlight", "buttonshadow", "buttontext", "captiontext", "graytext", "highlight",
                             "highlighttext", "inactiveborder", "inactivecaption", "inactivecaptiontext",
                             "infobackground", "infotext", "menu", "menutext", "scrollbar", "threeddarkshadow",
                             "threedface", "threedhighlight", "threedlightshadow", "threedshadow", "window",
                             "windowframe", "windowtext"})
        indexes += std::to_string(names.Lookup(name, 99)) + " ";
    EXPECT_EQ("10 2 12 1 15 20 16 18 9 17 13 14 11 3 19 24 23 4 7 0 21 15 20 22 16 5 6 8 ", indexes);
    scheme.Set(24, 1);
    EXPECT_EQ(24u, names.Lookup("infobackground", 0));
    EXPECT_EQ(1u, CColorNames(scheme).Lookup("infobackground", 0));
}

TEST(ColorNames, EffectNamesAndNumbers)
{
    std::string effects;
    for (const char* name : {"transparent", "solid", "hgradient", "vgradient", "hcgradient", "vcgradient",
                             "3hgradient", "3vgradient", "noise", "diagshade", "hshade", "vshade", "hbump", "vbump",
                             "softbump", "hardbump", "metal", "Metal", "7", ""}) {
        int effect = 99;
        const bool known = EffectFromName(name, effect);
        effects += (known ? "" : "no") + std::to_string(effect) + " ";
    }
    EXPECT_EQ("-1 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 no99 no99 no99 ", effects);
}
