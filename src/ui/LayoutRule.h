#pragma once

#include <optional>

namespace velnora
{

// The main window's layout rule, in twips: W and H are the window's outer size.
struct LayoutInput {
    int width = 0;
    int height = 0;
    int listEntries = 0;
    bool saveEnabled = false; // the edited state
    bool minimized = false;
};

struct Layout {
    int albumWidth = 0; // album box and artist box alike
    int artistLeft = 0; // artist box and its label
    int titleLeft = 0;
    int titleWidth = 0;
    int titleHeight = 0;
    int listHeight = 0;
    bool showList = false; // the line-number column and both move buttons
    int upTop = 0;         // "▲"
    int downTop = 0;       // "▼"
    int frame1Top = 0;
};

struct LayoutDecision {
    enum class Kind { Nothing, SetWidth, SetHeight, Arrange } kind = Kind::Nothing;
    int newSize = 0; // for SetWidth / SetHeight
    Layout layout;   // for Arrange
};

constexpr int MinimumWindowWidth = 5670;
constexpr int MinimumWindowHeight = 8400;
constexpr int MaximumListEntriesShown = 21;

LayoutDecision layoutRule(const LayoutInput &in);

} // namespace velnora
