#pragma once
// Texts the applet block and the applet share: its class file and the
// script player, the codes that stand for a line break in a banner text and
// for a comma in the loading message, and the notice the applet checks.

inline constexpr const char* kAppletClassFile = "glntfx.class";
// The same show for browsers without Java, a script beside the class file.
inline constexpr const char* kPlayerScriptFile = "glntfx.js";

// Vertical line, low line, number sign, grave accent.
inline constexpr const char* kLineBreakCode = "|_#`";
// Tilde, commercial at, circumflex accent, grave accent.
inline constexpr const char* kCommaCode = "~@^`";

// The applet shows its banners only when its Notice parameter holds this text.
inline constexpr const char* kAppletNotice = "Glintra banner applet. Banners designed with Pallima Glintra 1.5.";
