#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// Where the system colours come from: GetSysColor in the program, fixed
// values in tests. Indexes are the COLOR_ numbers of the system.
class ISysColorProvider
{
public:
    virtual ~ISysColorProvider() = default;
    virtual uint32_t SysColor(int index) const = 0;
};

// Fixed system colours: the classic Windows scheme unless changed with Set.
class CFixedSysColors : public ISysColorProvider
{
public:
    CFixedSysColors();
    void Set(int index, uint32_t colour);
    uint32_t SysColor(int index) const override;

private:
    uint32_t m_colours[31];
};

// Colour names of the markup and the style sheet: the 140 keywords and the
// system colour names. The system colours are read once, here; a later
// change of the scheme is not seen by this table.
class CColorNames
{
public:
    explicit CColorNames(const ISysColorProvider& system);

    // Exact comparison (callers lower-case first). False when unknown.
    bool Find(const std::string& name, uint32_t& colour) const;
    // The colour of the name, or the caller's default when it is unknown.
    uint32_t Lookup(const std::string& name, uint32_t defaultColour) const;

    std::size_t Count() const { return m_colours.size(); }

private:
    std::map<std::string, uint32_t> m_colours;
};

// Background effect names: "transparent" -1, "solid" 0 ... "metal" 15.
// False for any other text (the caller then reads it as a number).
bool EffectFromName(const std::string& name, int& effect);
