#pragma once
#include "tooltip/ColorNames.h"
#include "tooltip/TextStyle.h"

#include <cstdint>
#include <map>
#include <string>

// Lengths never leave this range: a text must not make the layout overflow.
constexpr int MaxLength = 1 << 20;

// a * b / c rounded half away from zero, as the system's MulDiv; 0 when c is 0.
int MulDivRound(int64_t a, int64_t b, int64_t c);

// Decimal value of the leading sign and digits; no digits read as 0.
// Saturates within +-MaxLength*1000 so that later products stay small.
int64_t ReadDecimal(const std::string& text);

// What "em", "ex" and the absolute units refer to: the current font and the
// display. The renderer keeps these up to date as the font changes.
struct UnitMetrics
{
    int fontHeight = 16;
    int xHeight = 16;
    int dotsPerInch = 96;
};

// The small style sheet of the markup: selector -> declarations.
class CStyleSheet
{
public:
    explicit CStyleSheet(const CColorNames& colourNames);

    // Null installs the default sheet; any text replaces the whole map.
    void SetStyleSheet(const char* text);
    std::string GetStyleRule(const std::string& selector) const;
    void ApplyDeclarations(const std::string& declarations, TextStyle& style) const;
    void ApplyStyleRule(const std::string& selector, TextStyle& style) const;

    // Pixels of a length; an empty text gives base.
    int ParseLength(const std::string& text, int base, bool htmlSizes) const;
    uint32_t ParseColor(const std::string& text, uint32_t defaultColor) const;

    void SetUnitMetrics(const UnitMetrics& metrics) { m_units = metrics; }
    const UnitMetrics& Units() const { return m_units; }
    const CColorNames& ColourNames() const { return m_colourNames; }
    std::size_t RuleCount() const { return m_rules.size(); }

    static std::string DefaultStyleSheet();

private:
    void ParseSheet(const std::string& text);
    void ApplyProperty(const std::string& name, const std::string& value, TextStyle& style) const;
    int ParseBorderWidth(const std::string& value, int current) const;

    const CColorNames& m_colourNames;
    std::map<std::string, std::string> m_rules;
    std::string m_text;
    UnitMetrics m_units;
};

// Keyword readers shared by declarations and tag attributes. Each leaves
// the value unchanged for a word it does not know.
void ReadFontWeight(const std::string& value, int& weight);
void ReadTextAlign(const std::string& value, int& align);
void ReadVerticalAlign(const std::string& value, int& align);
void ReadBorderStyle(const std::string& value, int& style);
void ReadBackground(const CStyleSheet& sheet, const std::string& value, TextStyle& style);
