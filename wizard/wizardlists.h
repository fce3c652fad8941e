#pragma once
// The fixed entries of the wizard's lists, in the order their indexes are
// stored in the design. The blanks and spellings are the program's own.

#include <array>

namespace WizardLists {

inline constexpr std::array kAlign = {"Center", "Left", "Right"};
inline constexpr std::array kBorderStyles = {"No Border", "Plain Border", "Bulge", "Sunken", "Use Image"};

inline constexpr std::array kFillTypes = {
    "Image",
    "Solid Color",
    "Canvas",
    "Pinstripe",
    "Horizontal Gradient(Solid Color to Black)",
    "Horizontal Gradient(Solid Color to White)",
    "Horizontal Gradient(Black to Solid Color)",
    "Horizontal Gradient(White to Solid Color)",
    "Vertical Gradient(Solid Color to Black)",
    "Vertical Gradient(Solid Color to White)",
    "Vertical Gradient(Black to Solid Color)",
    "Vertical Gradient(White to Solid Color)",
    "Horizontal Shade Effect(Black to Solid Color)",
    "Horizontal Shade Effect(White to Solid Color)",
    "Horizontal Shade Effect(Solid Color to Black)",
    "Horizontal Shade Effect(Solid Color to White)",
    "Vertical Shade Effect(Black to Solid Color)",
    "Vertical Shade Effect(White to Solid Color)",
    "Vertical Shade Effect(Solid Color to Black)",
    "Vertical Shade Effect(Solid Color to White)",
};

// The transitions from the previous banner; the runs of blanks line the
// words up in the list.
inline constexpr std::array kShowStyles = {
    "Overlapping Previous",
    "Left      to Right,   Overlapping Previous",
    "Right    to Left,     Overlapping Previous",
    "Top      to Bottom,Overlapping Previous",
    "Bottom to Top,     Overlapping Previous",
    "Left      to Right,   Pushing out Previous",
    "Right    to Left,     Pushing out Previous",
    "Top      to Bottom,Pushing out Previous",
    "Bottom to Top,     Pushing out Previous",
    "Left_Top to Right_Bottom,Overlapping Previous",
    "Right_Bottom to Left_Top,Overlapping Previous",
    "Right_Top to Left_Bottom,Overlapping Previous",
    "Left_Bottom to Right_Top,Overlapping Previous",
};

inline constexpr std::array kAnimateStyles = {
    "No Text Displaying",
    "Horizontal Scrolling",
    "Vertical Scrolling",
    "Typing",
    "Letter Raindroping",
    "Sliping Text with Track",
    "Static Text",
    "Fade in Text wholly",
    "Fade in Text with Direction",
    "Smashing Text,Border Left",
    "Smashing whole Text",
    "Carving Text from Background",
    "Moving two parts form two sides",
    "Moving Banner",
    "drunk",
};

inline constexpr std::array kTargetFrames = {"_self", "_parent", "_top", "_blank"};

inline constexpr std::array kDirections = {"Top to Bottom", "Bottom to Top", "Left to Right", "Right to Left"};
inline constexpr std::array kPartsStyles = {"Even Lines and Odd Lines", "Text and It's Shadow"};

inline constexpr std::array kFontNames = {"TimesRoman", "Helvetica", "Courier"};
inline constexpr std::array kEffects = {"Normal", "Outline", "Sunken", "Bulge", "with Shadow"};
inline constexpr std::array kHorizontal = {"Middle", "Left", "Right"};
inline constexpr std::array kVertical = {"Middle", "Top", "Bottom"};

} // namespace WizardLists
