#pragma once

// What a rule or a window's load step leaves the program to do: carry on,
// or end with an exit code, nothing more to be written. A plain value,
// returned up to the top-level handler (the title's key press, the map's
// key and close handlers), which alone ends the program, through ProgramEnd.

class [[nodiscard]] Outcome
{
public:
    static constexpr Outcome carryOn() { return Outcome(false, 0); }
    static constexpr Outcome end(int exitCode) { return Outcome(true, exitCode); }

    constexpr bool ends() const { return m_ends; }
    // The code the program ends with; 0 when it carries on.
    constexpr int exitCode() const { return m_exitCode; }

    constexpr bool operator==(const Outcome &) const = default;

private:
    constexpr Outcome(bool ends, int exitCode)
        : m_ends(ends)
        , m_exitCode(exitCode)
    {
    }

    bool m_ends;
    int m_exitCode;
};
