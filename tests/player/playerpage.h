#pragma once
// Pages that play applet blocks with the script player in headless
// Chromium, held at one moment of their shows with glntfx.seek, and read
// back as a picture of the window. Each block stands at a place of its own,
// so one picture holds many cases.

#include "tests/support/appletblock.h"
#include "tests/support/headlessbrowser.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <map>
#include <string>
#include <utility>
#include <vector>

using CParamList = std::vector<std::pair<std::string, std::string>>;

// The params of the default design's block, with some replaced or added.
inline CParamList DesignParams(const CParamList& changes)
{
    CParamList params;
    for (const std::string& line : DefaultAppletBlockLines()) {
        const std::string head = "\t<param name=\"";
        if (line.rfind(head, 0) != 0)
            continue;
        const size_t nameEnd = line.find('"', head.size());
        const size_t valueStart = line.find("value=\"", nameEnd) + 7;
        params.emplace_back(line.substr(head.size(), nameEnd - head.size()),
                            line.substr(valueStart, line.rfind('"') - valueStart));
    }
    for (const auto& [name, value] : changes) {
        bool replaced = false;
        for (auto& [n, v] : params)
            if (n == name) {
                v = value;
                replaced = true;
            }
        if (!replaced)
            params.emplace_back(name, value);
    }
    return params;
}

inline std::string HtmlAttribute(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '<')
            out += "&lt;";
        else
            out += c;
    }
    return out;
}

struct CPlacedBlock {
    CParamList params;
    int width = 0;
    int height = 0;
    QRect place;  // where its canvas stands in the window
};

// A page of blocks in a grid, each in a paragraph of its own size at a
// fixed place, with the player and a script that holds every show at
// seekMs once the pictures are in. Errors of the page are written into it.
class CPlayerPage {
public:
    explicit CPlayerPage(int columns = 6, int cellWidth = 150, int cellHeight = 80)
        : m_nColumns(columns), m_nCellWidth(cellWidth), m_nCellHeight(cellHeight)
    {
    }

    // The index of the block.
    size_t Add(const CParamList& params, int width = 120, int height = 60)
    {
        const int index = int(m_blocks.size());
        const QRect place(10 + (index % m_nColumns) * m_nCellWidth, 10 + (index / m_nColumns) * m_nCellHeight, width,
                          height);
        m_blocks.push_back({params, width, height, place});
        return m_blocks.size() - 1;
    }
    const CPlacedBlock& Block(size_t index) const { return m_blocks[index]; }
    size_t Count() const { return m_blocks.size(); }

    std::string Html(const std::string& playerUrl, long seekMs, const std::string& extraScript = {}) const
    {
        std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
                           "html,body{margin:0;background:#ffffff}"
                           "p{position:absolute;margin:0;padding:0;line-height:0}"
                           "canvas{display:block}</style></head><body>\n";
        for (const CPlacedBlock& b : m_blocks) {
            html += "<p align=\"Left\" style=\"left:" + std::to_string(b.place.x()) + "px;top:" +
                    std::to_string(b.place.y()) + "px;width:" + std::to_string(b.width) + "px\">";
            html += "<applet code=\"glntfx.class\" width=\"" + std::to_string(b.width) + "\" height=\"" +
                    std::to_string(b.height) + "\">\n";
            for (const auto& [name, value] : b.params)
                html += "\t<param name=\"" + HtmlAttribute(name) + "\" value=\"" + HtmlAttribute(value) + "\">\n";
            html += "</applet></p>\n";
        }
        // A square in the corner tells the picture how the page went: green
        // when every show was held without an error, red otherwise.
        html += "<div id=\"status\" style=\"position:absolute;left:0;top:0;width:8px;height:8px;"
                "background:#ffff00\"></div>\n";
        html += "<pre id=\"log\" style=\"position:absolute;left:0;top:" + std::to_string(WindowHeight()) +
                "px\"></pre>\n";
        html += "<script>window.glintraErrors=[];window.addEventListener('error',function(e){"
                "glintraErrors.push(String(e.message));});"
                "(function(){var log=console.error;console.error=function(){glintraErrors.push("
                "Array.prototype.join.call(arguments,' '));log.apply(console,arguments);};})();</script>\n";
        html += "<script src=\"" + playerUrl + "\"></script>\n";
        html += "<script>(function wait(){if(window.glntfx&&glntfx.ready){glntfx.ready(function(){"
                "try{glntfx.seek(" +
                std::to_string(seekMs) + ");" + extraScript +
                "}catch(e){glintraErrors.push('seek: '+e);}"
                "document.getElementById('log').textContent='SEEKED '+glintraErrors.length+'\\n'+"
                "glintraErrors.join('\\n');"
                "document.getElementById('status').style.background=glintraErrors.length?'#ff0000':'#00ff00';"
                "});}else{setTimeout(wait,5);}})();</script>\n";
        html += "</body></html>\n";
        return html;
    }

    int WindowWidth() const { return 20 + m_nColumns * m_nCellWidth; }
    int WindowHeight() const
    {
        const int rows = int((m_blocks.size() + size_t(m_nColumns) - 1) / size_t(m_nColumns));
        return 20 + std::max(rows, 1) * m_nCellHeight;
    }

private:
    int m_nColumns, m_nCellWidth, m_nCellHeight;
    std::vector<CPlacedBlock> m_blocks;
};

// The page run in Chromium: the window's picture, and what the page logged.
struct CPlayedPage {
    QImage shot;
    bool clean = false;   // every show held, no error in the page
    std::string dom;      // when not clean: the page after it ran
    std::string failure;  // empty when Chromium ran
};

// browserFlags are added to Chromium's (a later flag wins over an earlier).
inline CPlayedPage PlayInChromium(const CPlayerPage& page, const std::string& playerPath, long seekMs,
                                  const CTempDir& folder, const std::string& extraScript = {},
                                  const std::vector<std::string>& browserFlags = {})
{
    CPlayedPage played;
    const std::string html = folder / ("seek" + std::to_string(seekMs) + ".html");
    WriteText(html, page.Html("file://" + playerPath, seekMs, extraScript));
    const std::string size = std::to_string(page.WindowWidth()) + "," + std::to_string(page.WindowHeight() + 200);
    const std::string png = folder / ("seek" + std::to_string(seekMs) + ".png");
    std::vector<std::string> actions = browserFlags;
    actions.push_back("--screenshot=" + png);
    const CProcessResult shot = RunChromium(html, actions, folder, 1500, size);
    if (shot.exitCode != 0)
        played.failure = "chromium --screenshot: " + shot.err;
    played.shot.load(QString::fromStdString(png));
    played.clean = !played.shot.isNull() && played.shot.pixelColor(2, 2) == QColor(0, 255, 0);
    if (!played.clean) {
        // What went wrong, in the page's own words.
        actions.back() = "--dump-dom";
        const CProcessResult dom = RunChromium(html, actions, folder, 1500, size);
        played.dom = dom.out;
    }
    return played;
}

// Colours near each other, channel by channel.
inline bool Near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

inline std::string Describe(QColor c)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return text;
}
