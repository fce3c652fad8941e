#pragma once
// The cases both players are held to: every fill, show style, animation
// style, effect and border style, each a block of params, a moment of its
// show and what the picture must show then.

#include "tests/player/playerpage.h"

#include <QImage>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace ShowCases {

// Colours of the cases: a fill that is neither black nor white nor a
// primary, so gradients and shades show which end is which.
inline const QColor kFill(0x33, 0x66, 0xcc);
inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kRed(255, 0, 0), kBlue(0, 0, 255);

// The moments the cases are held at: banner 0 at rest after its 700 ms
// transition; halfway through the transition into banner 1 (banner 0 lasts
// 700 + 1000 ms); deep in the text's rest for every animation style.
inline constexpr long kRest = 1000;
inline constexpr long kHalfway = 1700 + 350;
inline constexpr long kHolding = 700 + 6000;

using CCheck = std::function<std::string(const QImage&)>;

struct CShowCase {
    std::string name;
    CParamList changes;
    long seekMs;
    CCheck check;
    int width = 120;
    int height = 60;
};

// The plain colour a case's text stands on, for the cases that show a text
// on one; invalid for the cases without a text.
inline QColor TextGround(const CShowCase& c)
{
    QColor ground(0, 0, 0);
    for (const auto& [name, value] : c.changes) {
        if (name == "PgText-0" && value.empty())
            return {};
        if (name == "PgBKStyle-0" && value.rfind("1,", 0) == 0)
            ground = QColor(QString::fromStdString("#" + value.substr(2, 6)));
    }
    return ground;
}

inline QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

inline std::string Expect(const QImage& image, int x, int y, QColor expected, int tolerance = 8)
{
    const QColor got = At(image, x, y);
    if (Near(got, expected, tolerance))
        return {};
    return "at (" + std::to_string(x) + "," + std::to_string(y) + ") " + Describe(got) + " instead of " +
           Describe(expected) + "; ";
}

// The pixels that stand out from a background colour.
inline QRect Ink(const QImage& image, QColor background, int threshold = 80)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!Near(image.pixelColor(x, y), background, threshold))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline std::string Rect(const QRect& r)
{
    return r.isNull() ? "none" : "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                                     std::to_string(r.width()) + "x" + std::to_string(r.height()) + ")";
}

inline QColor Mix(QColor a, QColor b, double f)
{
    return QColor(int(a.red() + (b.red() - a.red()) * f + 0.5), int(a.green() + (b.green() - a.green()) * f + 0.5),
                  int(a.blue() + (b.blue() - a.blue()) * f + 0.5));
}

inline std::string Hex(QColor c)
{
    return Describe(c).substr(1);
}

// One banner filled with fill type `type` in kFill, no text.
inline CParamList Fill(int type, const std::string& rest = ",0")
{
    return {{"PgBKStyle-0", std::to_string(type) + "," + Hex(kFill) + rest}, {"PgText-0", ""}};
}

// A horizontal or vertical run from one colour at an edge to another.
inline CCheck Run(QColor from, QColor to, bool horizontal, bool shade)
{
    return [=](const QImage& img) {
        const int w = img.width(), h = img.height();
        std::string problems;
        if (horizontal) {
            problems += Expect(img, 0, h / 2, from, 10);
            problems += Expect(img, shade ? w / 2 : w - 1, h / 2, shade ? to : Mix(from, to, double(w - 1) / w), 12);
            if (shade)
                problems += Expect(img, w - 1, h / 2, Mix(to, from, double(w / 2 - 1) / (w / 2)), 12);
        } else {
            problems += Expect(img, w / 2, 0, from, 10);
            problems += Expect(img, w / 2, shade ? h / 2 : h - 1, shade ? to : Mix(from, to, double(h - 1) / h), 12);
            if (shade)
                problems += Expect(img, w / 2, h - 1, Mix(to, from, double(h / 2 - 1) / (h / 2)), 12);
        }
        return problems;
    };
}

inline CCheck Everywhere(QColor colour)
{
    return [=](const QImage& img) {
        std::string problems;
        for (const QPoint p : {QPoint(0, 0), QPoint(img.width() - 1, img.height() - 1), QPoint(img.width() / 2, 7)})
            problems += Expect(img, p.x(), p.y(), colour, 2);
        return problems;
    };
}

inline std::vector<CShowCase> FillCases(const std::string& picture)
{
    std::vector<CShowCase> cases = {
        {"fill 0 image centred", {{"PgBKStyle-0", "0," + Hex(kFill) + "," + picture + ",0"}, {"PgText-0", ""}}, kRest,
         [](const QImage& img) {
             return Expect(img, 60, 30, kRed) + Expect(img, 2, 2, kFill) + Expect(img, 49, 30, kFill);
         }},
        {"fill 0 image tiled", {{"PgBKStyle-0", "0," + Hex(kFill) + "," + picture + ",1"}, {"PgText-0", ""}}, kRest,
         [](const QImage& img) { return Expect(img, 1, 1, kRed) + Expect(img, 119, 59, kRed); }},
        {"fill 0 without its picture", Fill(0, ",missing.png,0"), kRest, Everywhere(kFill)},
        {"fill 1 solid", Fill(1), kRest, Everywhere(kFill)},
        {"fill 2 canvas", Fill(2), kRest,
         [](const QImage& img) {
             // Shades of the colour, a texture that repeats every 16 pixels.
             std::set<QRgb> shades;
             std::string problems;
             for (int x = 0; x < 32; ++x) {
                 shades.insert(img.pixel(x, 20));
                 if (!Near(img.pixelColor(x, 20), kFill, 40))
                     problems += Expect(img, x, 20, kFill, 40);
                 if (img.pixel(x, 20) != img.pixel(x + 16, 20 + 16))
                     problems += "no 16-pixel repeat at x " + std::to_string(x) + "; ";
             }
             if (shades.size() < 4)
                 problems += "hardly a texture: " + std::to_string(shades.size()) + " shades; ";
             return problems;
         }},
        {"fill 3 pinstripe", Fill(3), kRest,
         [](const QImage& img) {
             return Expect(img, 6, 30, Mix(kFill, kWhite, 0.28), 3) + Expect(img, 7, 30, Mix(kFill, kWhite, 0.10), 3) +
                    Expect(img, 9, 30, kFill, 2) + Expect(img, 12, 30, Mix(kFill, kWhite, 0.28), 3);
         }},
        {"fill 4", Fill(4), kRest, Run(kFill, kBlack, true, false)},
        {"fill 5", Fill(5), kRest, Run(kFill, kWhite, true, false)},
        {"fill 6", Fill(6), kRest, Run(kBlack, kFill, true, false)},
        {"fill 7", Fill(7), kRest, Run(kWhite, kFill, true, false)},
        {"fill 8", Fill(8), kRest, Run(kFill, kBlack, false, false)},
        {"fill 9", Fill(9), kRest, Run(kFill, kWhite, false, false)},
        {"fill 10", Fill(10), kRest, Run(kBlack, kFill, false, false)},
        {"fill 11", Fill(11), kRest, Run(kWhite, kFill, false, false)},
        {"fill 12", Fill(12), kRest, Run(kBlack, kFill, true, true)},
        {"fill 13", Fill(13), kRest, Run(kWhite, kFill, true, true)},
        {"fill 14", Fill(14), kRest, Run(kFill, kBlack, true, true)},
        {"fill 15", Fill(15), kRest, Run(kFill, kWhite, true, true)},
        {"fill 16", Fill(16), kRest, Run(kBlack, kFill, false, true)},
        {"fill 17", Fill(17), kRest, Run(kWhite, kFill, false, true)},
        {"fill 18", Fill(18), kRest, Run(kFill, kBlack, false, true)},
        {"fill 19", Fill(19), kRest, Run(kFill, kWhite, false, true)},
        {"fill 40, unknown", Fill(40), kRest, Everywhere(kFill)},
    };
    return cases;
}

// Banner 0 red (a gradient to black, so a pushed picture shows where it
// went), banner 1 blue, coming in with show style `style`.
inline CParamList Transition(int style)
{
    return {{"PgTotal", "2"},
            {"PgBKStyle-0", "4,ff0000,,0"},
            {"PgDelay-0", "1000"},
            {"PgText-0", ""},
            {"PgBKStyle-1", "1,0000ff,,0"},
            {"PgConnStyle-1", std::to_string(style)},
            {"PgDelay-1", "1000"},
            {"PgText-1", ""},
            {"FontStyle-1", "18,t,ffffff,p,0,0,0,0,000000"},
            {"PgTextAnimate-1", "6,0,0"}};
}

// Halfway through, ox = 60 and oy = 30 of the 120 x 60 area.
inline std::vector<CShowCase> TransitionCases()
{
    const QColor oldLeft = kRed;                           // banner 0 at its x = 0
    const QColor oldAt62 = Mix(kRed, kBlack, 62.0 / 120);  // banner 0 at its x = 62
    return {
        {"show style 0 blends", Transition(0), kHalfway,
         [](const QImage& img) { return Expect(img, 90, 30, Mix(Mix(kRed, kBlack, 0.75), kBlue, 0.5), 12); }},
        {"show style 1 overlaps from the left", Transition(1), kHalfway,
         [=](const QImage& img) { return Expect(img, 10, 30, kBlue) + Expect(img, 62, 30, oldAt62, 10); }},
        {"show style 2 overlaps from the right", Transition(2), kHalfway,
         [=](const QImage& img) { return Expect(img, 110, 30, kBlue) + Expect(img, 10, 30, Mix(kRed, kBlack, 10.0 / 120), 10); }},
        {"show style 3 overlaps from the top", Transition(3), kHalfway,
         [](const QImage& img) { return Expect(img, 60, 5, kBlue) + Expect(img, 60, 50, Mix(kRed, kBlack, 0.5), 10); }},
        {"show style 4 overlaps from the bottom", Transition(4), kHalfway,
         [](const QImage& img) { return Expect(img, 60, 55, kBlue) + Expect(img, 60, 10, Mix(kRed, kBlack, 0.5), 10); }},
        {"show style 5 pushes to the right", Transition(5), kHalfway,
         [=](const QImage& img) { return Expect(img, 10, 30, kBlue) + Expect(img, 60, 30, oldLeft, 10); }},
        {"show style 6 pushes to the left", Transition(6), kHalfway,
         [=](const QImage& img) {
             return Expect(img, 110, 30, kBlue) + Expect(img, 59, 30, Mix(kRed, kBlack, 119.0 / 120), 10);
         }},
        {"show style 7 pushes down", Transition(7), kHalfway,
         [](const QImage& img) { return Expect(img, 10, 5, kBlue) + Expect(img, 2, 31, kRed, 10); }},
        {"show style 8 pushes up", Transition(8), kHalfway,
         [](const QImage& img) { return Expect(img, 10, 55, kBlue) + Expect(img, 2, 28, kRed, 10); }},
        {"show style 9 wipes from the top left", Transition(9), kHalfway,
         [](const QImage& img) { return Expect(img, 10, 10, kBlue) + Expect(img, 110, 50, Mix(kRed, kBlack, 110.0 / 120), 10); }},
        {"show style 10 wipes from the bottom right", Transition(10), kHalfway,
         [](const QImage& img) { return Expect(img, 110, 50, kBlue) + Expect(img, 10, 10, Mix(kRed, kBlack, 10.0 / 120), 10); }},
        {"show style 11 wipes from the top right", Transition(11), kHalfway,
         [](const QImage& img) { return Expect(img, 110, 10, kBlue) + Expect(img, 10, 50, Mix(kRed, kBlack, 10.0 / 120), 10); }},
        {"show style 12 wipes from the bottom left", Transition(12), kHalfway,
         [](const QImage& img) { return Expect(img, 10, 50, kBlue) + Expect(img, 110, 10, Mix(kRed, kBlack, 110.0 / 120), 10); }},
        {"show style 13, unknown, cuts", Transition(13), kHalfway, Everywhere(kBlue)},
    };
}

// A white text on black with animation style `style`; a long rest.
inline CParamList Animated(int style, const std::string& text = "HIHI", const std::string& misc = "0,0")
{
    return {{"PgDelay-0", "20000"},
            {"PgText-0", text},
            {"FontStyle-0", "24,h,ffffff,b,0,0,0,0,000000"},
            {"PgTextAnimate-0", std::to_string(style) + "," + misc}};
}

// At rest every style but 0 shows the text in the middle of the area, and
// nothing of it anywhere else.
inline CCheck Centred(bool expectInk = true)
{
    return [=](const QImage& img) -> std::string {
        const QRect ink = Ink(img, kBlack);
        if (!expectInk)
            return ink.isNull() ? std::string() : "ink where no text is shown: " + Rect(ink);
        if (ink.isNull())
            return "no text";
        const QPoint centre = ink.center();
        if (std::abs(centre.x() - 60) > 4 || std::abs(centre.y() - 30) > 5 || ink.width() < 40 || ink.height() < 12)
            return "text not at rest in the middle: " + Rect(ink);
        return {};
    };
}

inline std::vector<CShowCase> AnimationCases()
{
    std::vector<CShowCase> cases;
    for (int style = 0; style <= 14; ++style) {
        std::string misc = "0,0";
        if (style == 14)
            misc = "2000,0";
        if (style == 12)
            misc = "2,0";
        cases.push_back({"animation style " + std::to_string(style) + " at rest", Animated(style, "HIHI", misc),
                         kHolding, Centred(style != 0)});
    }
    // On the way in: typing has the first letters only, the ticker is still
    // right of its place, a fade is half there, the raindrops are falling.
    cases.push_back({"typing halfway", Animated(3), 700 + 2 * 40 + 10, [](const QImage& img) -> std::string {
                         // "HI" of "HIHI": the left half of the text only.
                         const QRect ink = Ink(img, kBlack);
                         if (ink.isNull() || ink.width() > 34 || ink.left() > 40)
                             return "two letters of four should show: " + Rect(ink);
                         return {};
                     }});
    cases.push_back({"ticker coming in", Animated(1), 700 + 100, [](const QImage& img) -> std::string {
                         const QRect ink = Ink(img, kBlack);
                         if (ink.isNull() || ink.left() < 70)
                             return "the ticker should come in from the right: " + Rect(ink);
                         return {};
                     }});
    cases.push_back({"fade halfway", Animated(7), 700 + 200, [](const QImage& img) -> std::string {
                         int brightest = 0;
                         for (int y = 0; y < img.height(); ++y)
                             for (int x = 0; x < img.width(); ++x)
                                 brightest = std::max(brightest, img.pixelColor(x, y).red());
                         if (brightest < 90 || brightest > 170)
                             return "a half faded white should be grey, brightest " + std::to_string(brightest);
                         return {};
                     }});
    cases.push_back({"moving banner leaving", Animated(13, "HIHI", "3,500"), 700 + 600 + 500 + 300,
                     [](const QImage& img) -> std::string {
                         const QRect ink = Ink(img, kBlack);
                         if (!ink.isNull() && ink.center().x() > 40)
                             return "leaving to the left: " + Rect(ink);
                         return {};
                     }});
    return cases;
}

// A white text with an effect and a red shadow colour, on grey.
inline CParamList Effect(int effect)
{
    return {{"PgDelay-0", "20000"},
            {"PgBKStyle-0", "1,808080,,0"},
            {"PgText-0", "HI"},
            {"FontStyle-0", "36,h,ffffff,b,0,0,0," + std::to_string(effect) + ",ff0000"}};
}

inline bool Has(const QImage& img, QColor colour, int tolerance)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Near(img.pixelColor(x, y), colour, tolerance))
                return true;
    return false;
}

inline std::vector<CShowCase> EffectCases()
{
    const QColor grey(0x80, 0x80, 0x80);
    const auto has = [](QColor colour, bool wanted, const char* what) {
        return [=](const QImage& img) -> std::string {
            if (Has(img, colour, 30) == wanted)
                return {};
            return std::string(wanted ? "no " : "unexpected ") + what + "; ";
        };
    };
    const auto both = [](CCheck a, CCheck b) { return [=](const QImage& img) { return a(img) + b(img); }; };
    return {
        {"effect 0 normal", Effect(0), kHolding, both(has(kWhite, true, "white face"), has(kRed, false, "red"))},
        {"effect 1 outline", Effect(1), kHolding, both(has(kWhite, true, "white face"), has(kRed, true, "red outline"))},
        {"effect 2 sunken", Effect(2), kHolding,
         both(has(Mix(grey, kBlack, 170.0 / 255), true, "dark relief"), has(Mix(grey, kWhite, 170.0 / 255), true, "light relief"))},
        {"effect 3 bulge", Effect(3), kHolding,
         both(has(Mix(grey, kBlack, 170.0 / 255), true, "dark relief"), has(Mix(grey, kWhite, 170.0 / 255), true, "light relief"))},
        {"effect 4 with shadow", Effect(4), kHolding,
         [](const QImage& img) -> std::string {
             // The red shadow lies down and to the right of the white face.
             const QRect face = Ink(img, QColor(0x80, 0x80, 0x80), 100);
             QRect red;
             for (int y = 0; y < img.height(); ++y)
                 for (int x = 0; x < img.width(); ++x)
                     if (Near(img.pixelColor(x, y), kRed, 40))
                         red |= QRect(x, y, 1, 1);
             if (red.isNull())
                 return "no shadow";
             if (red.right() <= face.center().x() || red.bottom() < face.center().y())
                 return "the shadow should lie down and right: face " + Rect(face) + ", shadow " + Rect(red);
             return {};
         }},
    };
}

// The border of a 4-pixel frame around a grey applet.
inline CParamList Border(int type, const std::string& picture = "")
{
    return {{"ApBorderType", std::to_string(type)}, {"ApBorderWidth", "4"}, {"ApBKColor", "808080"},
            {"ApBKImg", picture}, {"PgBKStyle-0", "1," + Hex(kFill) + ",,0"}, {"PgText-0", ""}};
}

inline std::vector<CShowCase> BorderCases(const std::string& picture)
{
    const QColor grey(0x80, 0x80, 0x80);
    const QColor light = Mix(grey, kWhite, 0.7), dark = Mix(grey, kBlack, 0.6);
    return {
        {"border 0 none", Border(0), kRest, [](const QImage& img) { return Expect(img, 0, 0, kFill) + Expect(img, 4, 4, kFill); }},
        {"border 1 plain", Border(1), kRest,
         [](const QImage& img) -> std::string {
             const QColor frame = At(img, 0, 30);
             if (Near(frame, QColor(0x80, 0x80, 0x80), 30))
                 return "the frame should stand out from the applet colour";
             return Expect(img, 119, 30, frame, 2) + Expect(img, 60, 0, frame, 2) + Expect(img, 60, 30, kFill);
         }},
        {"border 2 bulge", Border(2), kRest,
         [=](const QImage& img) { return Expect(img, 60, 0, light, 3) + Expect(img, 60, 59, dark, 3) + Expect(img, 60, 30, kFill); }},
        {"border 3 sunken", Border(3), kRest,
         [=](const QImage& img) { return Expect(img, 60, 0, dark, 3) + Expect(img, 60, 59, light, 3) + Expect(img, 60, 30, kFill); }},
        {"border 4 picture", Border(4, picture), kRest,
         [](const QImage& img) { return Expect(img, 1, 30, kRed) + Expect(img, 60, 1, kRed) + Expect(img, 60, 30, kFill); }},
    };
}

} // namespace ShowCases
