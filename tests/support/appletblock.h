#pragma once
// The applet block of the default design (one banner, nothing changed)
// without a codebase: what both output modes give for it.

#include "applet/appletcodes.h"

#include <string>
#include <vector>

inline std::vector<std::string> DefaultAppletBlockLines()
{
    return {
        "<p align=\"Center\">",
        "<applet  code=\"glntfx.class\" align=\"baseline\" width=\"200\" height=\"100\">",
        "\t<param name=\"ProgressBar\" value=\"1,Loading Image...\">",
        "\t<param name=\"ApMargin\" value=\"0,0\">",
        "\t<param name=\"ApBorderWidth\" value=\"0\">",
        "\t<param name=\"ApBorderType\" value=\"0\">",
        "\t<param name=\"ApBKImg\" value=\"\">",
        "\t<param name=\"ApBKColor\" value=\"000000\">",
        "\t<param name=\"BackMoveSpeed\" value=\"0\">",
        std::string("\t<param name=\"Notice\" value=\"") + kAppletNotice + "\">",
        "\t<param name=\"PgBKStyle-0\" value=\"1,000000,,0\">",
        "\t<param name=\"PgConnStyle-0\" value=\"0\">",
        "\t<param name=\"PgDelay-0\" value=\"2000\">",
        "\t<param name=\"PgTotal\" value=\"1\">",
        "\t<param name=\"PgURL-0\" value=\"\">",
        "\t<param name=\"UrlTarget-0\" value=\"\">",
        "\t<param name=\"FontStyle-0\" value=\"18,t,ffffff,p,0,0,0,0,000000\">",
        "\t<param name=\"PgText-0\" value=\"Enter Message Here\">",
        "\t<param name=\"PgTextSpeed-0\" value=\"0\">",
        "\t<param name=\"PgTextAnimate-0\" value=\"6,0,0\">",
        "</applet>",
        "</P>",
    };
}

// The same lines, each ended with CR LF.
inline std::string DefaultAppletBlock()
{
    std::string block;
    for (const std::string& line : DefaultAppletBlockLines())
        block += line + "\r\n";
    return block;
}
