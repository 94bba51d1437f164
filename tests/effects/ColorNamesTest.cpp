#include "tooltip/ColorNames.h"

#include <gtest/gtest.h>

namespace {
CFixedSysColors Scheme()
{
    CFixedSysColors scheme;
    scheme.Set(24, 0x00E1FFFF); // COLOR_INFOBK
    scheme.Set(15, 0x00C0C0C0); // COLOR_BTNFACE
    scheme.Set(23, 0x00102030); // COLOR_INFOTEXT
    return scheme;
}
} // namespace

TEST(ColorNames, KeywordsHaveRedInTheLowestByteOnlyListedSpellingsExist)
{
    const CFixedSysColors scheme = Scheme();
    const CColorNames names(scheme);
    const std::pair<const char*, uint32_t> keywords[] = {
        {"red", 0x0000FF},         {"navy", 0x800000},           {"lightgrey", 0xD3D3D3},
        {"cornflowerblue", 0xED9564}, {"yellowgreen", 0x32CD9A}, {"mediumpurple", 0xDB7093}};
    for (const auto& k : keywords)
        EXPECT_EQ(names.Lookup(k.first, 1), k.second) << k.first;
    EXPECT_EQ(names.Lookup("fuchsia", 1), names.Lookup("magenta", 2));
    EXPECT_EQ(names.Lookup("aqua", 1), names.Lookup("cyan", 2));

    for (const char* unknown : {"lightgray", "grey", "darkgrey", "dimgrey", "slategrey", "Red", "RED", " red",
                                "red ", "", "transparent", "infobk"})
        EXPECT_EQ(names.Lookup(unknown, 0xABCDEF), 0xABCDEFu) << unknown;
    uint32_t colour = 7;
    EXPECT_FALSE(names.Find("lightgray", colour));
    EXPECT_EQ(colour, 7u);
    for (const char* known : {"gray", "darkgray", "dimgray", "slategray", "lightslategray", "darkslategray"})
        EXPECT_TRUE(names.Find(known, colour)) << known;
    EXPECT_EQ(names.Count(), 140u + 28u);
}

TEST(ColorNames, SystemColoursAreReadOnceFromTheProvider)
{
    CFixedSysColors scheme = Scheme();
    const CColorNames names(scheme);
    EXPECT_EQ(names.Lookup("infobackground", 0), 0xE1FFFFu);
    EXPECT_EQ(names.Lookup("infotext", 0), 0x102030u);
    EXPECT_EQ(names.Lookup("buttonface", 0), 0xC0C0C0u);
    EXPECT_EQ(names.Lookup("threedface", 0), 0xC0C0C0u);
    scheme.Set(24, 0x00000001);
    EXPECT_EQ(names.Lookup("infobackground", 0), 0xE1FFFFu);
    EXPECT_EQ(CColorNames(scheme).Lookup("infobackground", 0), 0x000001u);
}

TEST(ColorNames, EffectNamesAndNumbers)
{
    int expected = -1;
    for (const char* name : {"transparent", "solid", "hgradient", "vgradient", "hcgradient", "vcgradient",
                             "3hgradient", "3vgradient", "noise", "diagshade", "hshade", "vshade", "hbump", "vbump",
                             "softbump", "hardbump", "metal"})
    {
        int effect = 99;
        EXPECT_TRUE(EffectFromName(name, effect)) << name;
        EXPECT_EQ(effect, expected++) << name;
    }
    int effect = 42;
    for (const char* unknown : {"Metal", "7", ""})
        EXPECT_FALSE(EffectFromName(unknown, effect)) << unknown;
    EXPECT_EQ(effect, 42);
}
