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

TEST(ColorNames, KeywordsHaveRedInTheLowestByte)
{
    const CFixedSysColors scheme = Scheme();
    const CColorNames names(scheme);
    EXPECT_EQ(names.Lookup("red", 1), 0x0000FFu);
    EXPECT_EQ(names.Lookup("navy", 1), 0x800000u);
    EXPECT_EQ(names.Lookup("lightgrey", 1), 0xD3D3D3u);
    EXPECT_EQ(names.Lookup("cornflowerblue", 1), 0xED9564u);
    EXPECT_EQ(names.Lookup("yellowgreen", 1), 0x32CD9Au);
    EXPECT_EQ(names.Lookup("mediumpurple", 1), 0xDB7093u);
    EXPECT_EQ(names.Lookup("fuchsia", 1), names.Lookup("magenta", 2));
    EXPECT_EQ(names.Lookup("aqua", 1), names.Lookup("cyan", 2));
}

TEST(ColorNames, OnlyTheListedSpellingsExist)
{
    const CFixedSysColors scheme = Scheme();
    const CColorNames names(scheme);
    const uint32_t unchanged = 0xABCDEF;
    for (const char* unknown : {"lightgray", "grey", "darkgrey", "dimgrey", "slategrey", "Red", "RED", " red",
                                "red ", "", "transparent", "infobk"})
        EXPECT_EQ(names.Lookup(unknown, unchanged), unchanged) << unknown;
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
    const char* const names[] = {"transparent", "solid", "hgradient", "vgradient", "hcgradient", "vcgradient",
                                 "3hgradient", "3vgradient", "noise", "diagshade", "hshade", "vshade",
                                 "hbump", "vbump", "softbump", "hardbump", "metal"};
    int expected = -1;
    for (const char* name : names)
    {
        int effect = 99;
        EXPECT_TRUE(EffectFromName(name, effect)) << name;
        EXPECT_EQ(effect, expected++) << name;
    }
    int effect = 42;
    EXPECT_FALSE(EffectFromName("Metal", effect));
    EXPECT_FALSE(EffectFromName("7", effect));
    EXPECT_FALSE(EffectFromName("", effect));
    EXPECT_EQ(effect, 42);
}
