// Draws the program's pictures and writes them as PNG files into the
// resources tree. The pictures are committed; run this tool again only when
// the artwork changes:  glintra_artwork <source folder>/resources
#include <QApplication>
#include <QHash>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// The house colours: a deep night blue, a violet, and the warm gold of the glint.
const QColor kNight(0x1d, 0x2b, 0x6b);
const QColor kViolet(0x7b, 0x3f, 0xc4);
const QColor kGold(0xff, 0xc8, 0x3d);

void DrawSparkle(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QPainterPath star;
    const double inner = radius * 0.28;
    star.moveTo(centre.x(), centre.y() - radius);
    star.quadTo(centre.x() + inner, centre.y() - inner, centre.x() + radius, centre.y());
    star.quadTo(centre.x() + inner, centre.y() + inner, centre.x(), centre.y() + radius);
    star.quadTo(centre.x() - inner, centre.y() + inner, centre.x() - radius, centre.y());
    star.quadTo(centre.x() - inner, centre.y() - inner, centre.x(), centre.y() - radius);
    p.fillPath(star, colour);
}

// The pagelet's icon: a banner card with a gradient, a line of "text" being
// swept in, and the glint that gives the program its name.
QImage PageletIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QRectF card(s * 0.06, s * 0.2, s * 0.88, s * 0.6);
    QLinearGradient fill(card.topLeft(), card.bottomRight());
    fill.setColorAt(0, kNight);
    fill.setColorAt(1, kViolet);
    p.setPen(QPen(QColor(0x10, 0x16, 0x3a), size >= 32 ? 1.2 : 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(card, s * 0.08, s * 0.08);
    // Lines of banner text, the last one fading as if it were animating in.
    p.setPen(Qt::NoPen);
    const double lineH = s * (size >= 32 ? 0.09 : 0.12);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(s * 0.16, s * 0.34, s * 0.5, lineH), lineH / 2, lineH / 2);
    if (size >= 32) {
        QLinearGradient fade(QPointF(s * 0.16, 0), QPointF(s * 0.62, 0));
        fade.setColorAt(0, QColor(255, 255, 255, 200));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawRoundedRect(QRectF(s * 0.16, s * 0.52, s * 0.46, lineH), lineH / 2, lineH / 2);
    }
    DrawSparkle(p, QPointF(s * 0.76, s * 0.3), s * 0.2, kGold);
    DrawSparkle(p, QPointF(s * 0.84, s * 0.62), s * 0.08, QColor(255, 240, 200));
    p.end();
    return image;
}

// The guide page's colour, around every picture that is shown on it.
const QColor kPage(178, 178, 201);

// 256 colours without dithering noise: the picture's own colours, made
// coarser step by step until they fit the palette.
QImage ToPalette(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int shift = 0; shift < 8; ++shift) {
        auto reduce = [shift](QRgb c) {
            if (qAlpha(c) < 16)
                return qRgba(0, 0, 0, 0);
            // The page colour stays exact: the pictures sit on the page.
            if (c == kPage.rgba())
                return c;
            auto r = [shift](int v) { return std::min(255, ((v >> shift) << shift) + (shift ? (1 << (shift - 1)) : 0)); };
            return qRgba(r(qRed(c)), r(qGreen(c)), r(qBlue(c)), r(qAlpha(c)));
        };
        QHash<QRgb, int> index;
        QVector<QRgb> table;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = reduce(image.pixel(x, y));
                if (!index.contains(c)) {
                    index.insert(c, table.size());
                    table.push_back(c);
                }
            }
        if (table.size() > 256)
            continue;
        QImage out(image.size(), QImage::Format_Indexed8);
        out.setColorTable(table);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                out.setPixel(x, y, uint(index.value(reduce(image.pixel(x, y)))));
        return out;
    }
    return image.convertToFormat(QImage::Format_Indexed8);
}

// The background picture of the image template: an evening sky over hills,
// calm enough for white text in front of it.
QImage EveningSky(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(0x1b, 0x1f, 0x5e));
    sky.setColorAt(0.55, QColor(0x8e, 0x3b, 0x8f));
    sky.setColorAt(1, QColor(0xf2, 0x8c, 0x4b));
    p.fillRect(image.rect(), sky);
    QRadialGradient sun(QPointF(width * 0.78, height * 0.92), height * 0.5);
    sun.setColorAt(0, QColor(255, 236, 170, 230));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(image.rect(), sun);
    QPainterPath hills;
    hills.moveTo(0, height);
    hills.cubicTo(width * 0.2, height * 0.6, width * 0.35, height * 0.95, width * 0.55, height * 0.75);
    hills.cubicTo(width * 0.75, height * 0.55, width * 0.9, height * 0.9, width, height * 0.8);
    hills.lineTo(width, height);
    hills.closeSubpath();
    p.fillPath(hills, QColor(0x2a, 0x17, 0x3d));
    for (int i = 0; i < 24; ++i) {
        const double x = (i * 137) % width, y = (i * 53) % int(height * 0.45);
        p.setPen(QPen(QColor(255, 255, 255, 120 + (i * 37) % 120), i % 3 == 0 ? 1.6 : 1.0));
        p.drawPoint(QPointF(x, y));
    }
    p.end();
    return image;
}

// --- The host program's pictures ---------------------------------------

// The guide page's colour: every picture of the page is drawn on it.

enum class EGlyph { New, Open, Configure, CopyCode, NewPage, Insert, Info, Save, Template, Support, Tips };

// A small drawing for each task, in a square of the given size at origin.
void DrawGlyph(QPainter& p, EGlyph glyph, QRectF box, bool onDark)
{
    p.save();
    p.translate(box.topLeft());
    const double s = box.width();
    const QColor ink = onDark ? QColor(255, 255, 255) : QColor(0x1d, 0x2b, 0x6b);
    const QColor paper(255, 255, 255);
    const QColor paperEdge(0x55, 0x5e, 0x8c);
    QPen pen(ink, std::max(1.0, s / 14.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto page = [&](QRectF r) {
        QPainterPath path;
        const double fold = r.width() * 0.3;
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right() - fold, r.top());
        path.lineTo(r.right(), r.top() + fold);
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        p.setPen(QPen(paperEdge, std::max(1.0, s / 18.0)));
        p.setBrush(paper);
        p.drawPath(path);
    };
    switch (glyph) {
    case EGlyph::New:
        page(QRectF(s * 0.15, s * 0.08, s * 0.6, s * 0.84));
        DrawSparkle(p, QPointF(s * 0.72, s * 0.28), s * 0.26, kGold);
        break;
    case EGlyph::Open: {
        p.setPen(QPen(QColor(0x8a, 0x5a, 0x12), std::max(1.0, s / 16.0)));
        p.setBrush(QColor(0xf6, 0xc3, 0x5a));
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.22, s * 0.55, s * 0.62), s * 0.06, s * 0.06);
        QPolygonF flap;
        flap << QPointF(s * 0.18, s * 0.42) << QPointF(s * 0.94, s * 0.42) << QPointF(s * 0.8, s * 0.86)
             << QPointF(s * 0.06, s * 0.86);
        p.setBrush(QColor(0xff, 0xd8, 0x7a));
        p.drawPolygon(flap);
        break;
    }
    case EGlyph::Configure: {
        p.setPen(pen);
        for (int i = 0; i < 3; ++i) {
            const double y = s * (0.22 + 0.28 * i);
            p.drawLine(QPointF(s * 0.1, y), QPointF(s * 0.9, y));
            const double knob = s * (0.25 + 0.25 * ((i * 2) % 3));
            p.setBrush(i == 1 ? kGold : QColor(0x7b, 0x3f, 0xc4));
            p.setPen(QPen(ink, std::max(1.0, s / 20.0)));
            p.drawEllipse(QPointF(knob, y), s * 0.11, s * 0.11);
            p.setPen(pen);
        }
        break;
    }
    case EGlyph::CopyCode:
        page(QRectF(s * 0.3, s * 0.04, s * 0.6, s * 0.7));
        page(QRectF(s * 0.1, s * 0.26, s * 0.6, s * 0.7));
        p.setPen(QPen(QColor(0x7b, 0x3f, 0xc4), std::max(1.0, s / 14.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.3, s * 0.52), QPointF(s * 0.2, s * 0.62));
        p.drawLine(QPointF(s * 0.2, s * 0.62), QPointF(s * 0.3, s * 0.72));
        p.drawLine(QPointF(s * 0.5, s * 0.52), QPointF(s * 0.6, s * 0.62));
        p.drawLine(QPointF(s * 0.6, s * 0.62), QPointF(s * 0.5, s * 0.72));
        break;
    case EGlyph::NewPage: {
        page(QRectF(s * 0.14, s * 0.06, s * 0.72, s * 0.88));
        QLinearGradient band(QPointF(s * 0.2, 0), QPointF(s * 0.8, 0));
        band.setColorAt(0, kNight);
        band.setColorAt(1, kViolet);
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawRect(QRectF(s * 0.22, s * 0.3, s * 0.56, s * 0.2));
        DrawSparkle(p, QPointF(s * 0.68, s * 0.36), s * 0.1, kGold);
        p.setBrush(QColor(0xb0, 0xb4, 0xcc));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(s * 0.22, s * (0.58 + 0.1 * i), s * (i == 2 ? 0.35 : 0.56), s * 0.04));
        break;
    }
    case EGlyph::Insert: {
        page(QRectF(s * 0.3, s * 0.06, s * 0.62, s * 0.88));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xb0, 0xb4, 0xcc));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(s * 0.38, s * (0.22 + 0.16 * i), s * 0.46, s * 0.05));
        QPainterPath arrow;
        arrow.moveTo(s * 0.04, s * 0.42);
        arrow.lineTo(s * 0.3, s * 0.42);
        arrow.lineTo(s * 0.3, s * 0.32);
        arrow.lineTo(s * 0.5, s * 0.5);
        arrow.lineTo(s * 0.3, s * 0.68);
        arrow.lineTo(s * 0.3, s * 0.58);
        arrow.lineTo(s * 0.04, s * 0.58);
        arrow.closeSubpath();
        p.setBrush(kGold);
        p.setPen(QPen(QColor(0x8a, 0x5a, 0x12), std::max(1.0, s / 20.0)));
        p.drawPath(arrow);
        break;
    }
    case EGlyph::Info: {
        p.setPen(QPen(ink, std::max(1.0, s / 12.0)));
        p.setBrush(onDark ? QColor(255, 255, 255, 40) : QColor(0xe8, 0xea, 0xf6));
        p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(s * 0.5, s * 0.3), s * 0.07, s * 0.07);
        p.drawRoundedRect(QRectF(s * 0.43, s * 0.42, s * 0.14, s * 0.36), s * 0.04, s * 0.04);
        break;
    }
    case EGlyph::Save: {
        p.setPen(QPen(QColor(0x10, 0x16, 0x3a), std::max(1.0, s / 20.0)));
        p.setBrush(QColor(0x3b, 0x5b, 0xc4));
        p.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), s * 0.08, s * 0.08);
        p.setBrush(paper);
        p.drawRect(QRectF(s * 0.24, s * 0.1, s * 0.52, s * 0.3));
        p.setBrush(QColor(0xd7, 0xdb, 0xf0));
        p.drawRect(QRectF(s * 0.22, s * 0.56, s * 0.56, s * 0.34));
        p.setBrush(QColor(0x3b, 0x5b, 0xc4));
        p.drawRect(QRectF(s * 0.56, s * 0.14, s * 0.12, s * 0.2));
        break;
    }
    case EGlyph::Template:
        page(QRectF(s * 0.12, s * 0.06, s * 0.6, s * 0.84));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x7b, 0x3f, 0xc4, 200));
        p.drawRect(QRectF(s * 0.2, s * 0.3, s * 0.44, s * 0.14));
        p.drawRect(QRectF(s * 0.2, s * 0.52, s * 0.3, s * 0.14));
        DrawSparkle(p, QPointF(s * 0.74, s * 0.72), s * 0.22, kGold);
        break;
    case EGlyph::Support: {
        page(QRectF(s * 0.06, s * 0.24, s * 0.5, s * 0.68));
        page(QRectF(s * 0.44, s * 0.08, s * 0.5, s * 0.68));
        p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), std::max(1.0, s / 14.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.54, s * 0.42), QPointF(s * 0.64, s * 0.52));
        p.drawLine(QPointF(s * 0.64, s * 0.52), QPointF(s * 0.84, s * 0.3));
        break;
    }
    case EGlyph::Tips: {
        QRadialGradient glow(QPointF(s * 0.5, s * 0.4), s * 0.4);
        glow.setColorAt(0, QColor(0xff, 0xf5, 0xc4));
        glow.setColorAt(1, QColor(0xff, 0xc8, 0x3d));
        p.setPen(QPen(QColor(0x8a, 0x5a, 0x12), std::max(1.0, s / 20.0)));
        p.setBrush(glow);
        p.drawEllipse(QRectF(s * 0.22, s * 0.08, s * 0.56, s * 0.56));
        p.setBrush(QColor(0x9e, 0xa4, 0xb8));
        p.drawRoundedRect(QRectF(s * 0.36, s * 0.62, s * 0.28, s * 0.24), s * 0.05, s * 0.05);
        p.setPen(QPen(QColor(0x55, 0x5e, 0x8c), std::max(1.0, s / 24.0)));
        p.drawLine(QPointF(s * 0.38, s * 0.72), QPointF(s * 0.62, s * 0.72));
        p.drawLine(QPointF(s * 0.4, s * 0.8), QPointF(s * 0.6, s * 0.8));
        break;
    }
    }
    p.restore();
}

// A guide page button: a raised face with its task's drawing and its words;
// the pressed face sinks by a pixel and darkens. The margin shows the page.
QImage ButtonFace(const QSize& size, EGlyph glyph, const QString& text, bool pressed)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPage);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF face = QRectF(1.5, 1.5, size.width() - 3, size.height() - 3).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x60, 0x60, 0x80, 110));
        p.drawRoundedRect(face.translated(1.2, 1.6), 6, 6);
    }
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, pressed ? QColor(0x2a, 0x37, 0x80) : QColor(0x4b, 0x5f, 0xc9));
    fill.setColorAt(1, pressed ? QColor(0x3b, 0x22, 0x78) : QColor(0x6a, 0x3c, 0xb0));
    p.setPen(QPen(QColor(0x16, 0x1c, 0x48), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(face, 6, 6);
    if (!pressed) {  // the light on the upper edge
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
        p.drawLine(QPointF(face.left() + 6, face.top() + 1.5), QPointF(face.right() - 6, face.top() + 1.5));
    }
    const double glyphSize = face.height() - 10;
    DrawGlyph(p, glyph, QRectF(face.left() + 6, face.top() + 5, glyphSize, glyphSize), true);
    const QRectF words(face.left() + glyphSize + 9, face.top(), face.width() - glyphSize - 12, face.height());
    // The largest size at which the words fit on the face.
    QFont font("DejaVu Sans");
    font.setBold(true);
    for (int px = size.height() >= 30 ? 12 : 10; px >= 7; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= words.width())
            break;
    }
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(words.translated(0.8, 0.8), Qt::AlignVCenter | Qt::AlignLeft, text);
    p.setPen(QColor(255, 255, 255));
    p.drawText(words, Qt::AlignVCenter | Qt::AlignLeft, text);
    p.end();
    return image;
}

// A step heading: the step's number in a gold disc and the step's words.
QImage StepHeading(int width, int step, const QString& text)
{
    QImage image(width, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPage);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient disc(QPointF(10, 9), 12);
    disc.setColorAt(0, QColor(0xff, 0xe4, 0x8a));
    disc.setColorAt(1, kGold.darker(115));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x12), 1.0));
    p.setBrush(disc);
    p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kNight);
    p.drawText(QRectF(1.5, 1.5, 21, 21), Qt::AlignCenter, QString::number(step));
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(QRectF(31, 1, width - 31, 24), Qt::AlignVCenter | Qt::AlignLeft, text);
    p.setPen(kNight);
    p.drawText(QRectF(30, 0, width - 30, 24), Qt::AlignVCenter | Qt::AlignLeft, text);
    p.end();
    return image;
}

// The tool bar's pictures: 32 by 32 each, side by side, on transparency.
QImage ToolBarStrip()
{
    const EGlyph glyphs[] = {EGlyph::Save, EGlyph::Template, EGlyph::Support, EGlyph::Tips};
    QImage image(32 * 4, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 4; ++i)
        DrawGlyph(p, glyphs[i], QRectF(32 * i + 2, 2, 28, 28), false);
    p.end();
    return image;
}

// The program's icon: the banner card of the pagelet with a page behind it.
QImage ProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(QColor(0x55, 0x5e, 0x8c), std::max(1.0, s / 40.0)));
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(QRectF(s * 0.2, s * 0.04, s * 0.66, s * 0.9), s * 0.05, s * 0.05);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb0, 0xb4, 0xcc));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(s * 0.3, s * (0.68 + 0.08 * i), s * (i == 2 ? 0.28 : 0.46), s * 0.035));
    p.drawImage(QRectF(s * 0.02, s * 0.1, s * 0.82, s * 0.82), PageletIcon(size));
    p.end();
    return image;
}

// --- The wizard's pictures ----------------------------------------------

// The wizard is an ordinary dialog, so its small picture buttons wear the
// system's grey button face and bevel and sit among the text buttons; only
// the symbols are in the house colours.
const QColor kFace(212, 208, 200);
const QColor kBevelLight(255, 255, 255);
const QColor kBevelShadow(128, 128, 128);
const QColor kBevelDark(64, 64, 64);
const QColor kInkDark(0x10, 0x16, 0x3a);    // the outline of the night-blue shapes
const QColor kGoldEdge(0x8a, 0x5a, 0x12);   // gold alone is too pale on the grey face
const QColor kDeleteRed(0xc8, 0x2a, 0x3a);  // the one warning colour: delete must not look like insert
const QColor kDeleteEdge(0x6e, 0x10, 0x1c);

enum class EListButton { Insert, Delete, MoveUp, MoveDown };
enum class EButtonState { Normal, Pressed, Focused, Disabled };

// At most `limit` colours: the two groups of colours that cost least to merge
// (their distance, weighed by the pixels that would change) are merged first,
// and each group keeps the colour that most of its pixels have. So the flat
// face and the bevel stay exact and only the soft edges of the symbols give way.
QImage ToFewColours(const QImage& source, int limit)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    struct Group {
        QRgb colour;   // the most common colour of the group
        qint64 top;    // how many pixels have that colour
        qint64 count;  // how many pixels the group has
        int parent;    // -1 while the group stands; else the group it went into
    };
    QVector<Group> groups;
    QHash<QRgb, int> first;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            auto it = first.find(c);
            if (it == first.end()) {
                first.insert(c, groups.size());
                groups.push_back({c, 1, 1, -1});
            } else {
                ++groups[*it].count;
                ++groups[*it].top;
            }
        }
    auto distance = [](QRgb a, QRgb b) {
        // Green weighs most and blue least, roughly as the eye sees them.
        const double dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
        return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    };
    for (int standing = groups.size(); standing > limit; --standing) {
        int bestA = -1, bestB = -1;
        double best = 0;
        for (int a = 0; a < groups.size(); ++a) {
            if (groups[a].parent >= 0)
                continue;
            for (int b = a + 1; b < groups.size(); ++b) {
                if (groups[b].parent >= 0)
                    continue;
                const double na = groups[a].count, nb = groups[b].count;
                const double cost = na * nb / (na + nb) * distance(groups[a].colour, groups[b].colour);
                if (bestA < 0 || cost < best) {
                    best = cost;
                    bestA = a;
                    bestB = b;
                }
            }
        }
        Group& keep = groups[bestA];
        Group& gone = groups[bestB];
        if (gone.top > keep.top) {
            keep.colour = gone.colour;
            keep.top = gone.top;
        }
        keep.count += gone.count;
        gone.parent = bestA;
    }
    QVector<QRgb> table;
    QVector<int> slot(groups.size(), -1);
    for (int g = 0; g < groups.size(); ++g)
        if (groups[g].parent < 0) {
            slot[g] = table.size();
            table.push_back(groups[g].colour);
        }
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            int g = first.value(image.pixel(x, y) | 0xff000000u);
            while (groups[g].parent >= 0)
                g = groups[g].parent;
            out.setPixel(x, y, uint(slot[g]));
        }
    return out;
}

// The banner card of the pagelet's icon, small: a night-to-violet card with
// a line of white "text".
void DrawSmallCard(QPainter& p, const QRectF& card)
{
    QLinearGradient fill(card.topLeft(), card.bottomRight());
    fill.setColorAt(0, kNight);
    fill.setColorAt(1, kViolet);
    p.setPen(QPen(kInkDark, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(card, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(card.left() + 2.5, card.top() + 3.5, card.width() * 0.5, 2));
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawRect(QRectF(card.left() + 2.5, card.top() + 6.5, card.width() * 0.35, 1));
}

// A vertical arrow in the house gradient, for moving a banner along the list.
void DrawListArrow(QPainter& p, bool up)
{
    // Drawn pointing up in a 22 by 18 box, then turned over for down.
    p.save();
    if (!up) {
        p.translate(0, 18);
        p.scale(1, -1);
    }
    QPainterPath arrow;
    arrow.moveTo(11, 1.5);
    arrow.lineTo(19.5, 10.5);
    arrow.lineTo(14.5, 10.5);
    arrow.lineTo(14.5, 16.5);
    arrow.lineTo(7.5, 16.5);
    arrow.lineTo(7.5, 10.5);
    arrow.lineTo(2.5, 10.5);
    arrow.closeSubpath();
    // Violet at the point: the eye follows the light end, which way the row goes.
    QLinearGradient fill(QPointF(0, 2), QPointF(0, 16));
    fill.setColorAt(0, kViolet);
    fill.setColorAt(1, kNight);
    p.setPen(QPen(kInkDark, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPath(arrow);
    p.restore();
}

// The symbol of a list button in a 22 by 18 box at the painter's origin.
// The engraving of a disabled button keeps only the dark parts, so the pale
// gold plus comes out hollow by itself; for engraving the cross leaves out its
// red too, as a solid grey cross would run into the card.
void DrawListSymbol(QPainter& p, EListButton button, bool engraving = false)
{
    switch (button) {
    case EListButton::Insert: {
        DrawSmallCard(p, QRectF(1.5, 2.5, 14, 10));
        // A plus on the corner of the card: a card is being added.
        QPainterPath plus;
        plus.moveTo(15.5, 8.5);
        plus.lineTo(18.5, 8.5);
        plus.lineTo(18.5, 11.5);
        plus.lineTo(21.5, 11.5);
        plus.lineTo(21.5, 14.5);
        plus.lineTo(18.5, 14.5);
        plus.lineTo(18.5, 17.5);
        plus.lineTo(15.5, 17.5);
        plus.lineTo(15.5, 14.5);
        plus.lineTo(12.5, 14.5);
        plus.lineTo(12.5, 11.5);
        plus.lineTo(15.5, 11.5);
        plus.closeSubpath();
        p.setPen(QPen(kGoldEdge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(kGold);
        p.drawPath(plus);
        break;
    }
    case EListButton::Delete: {
        DrawSmallCard(p, QRectF(1.5, 2.5, 14, 10));
        // A cross over the corner of the card: the card goes away. Set
        // pixel by pixel, as a slanted shape this small blurs into a blot.
        const int left = 12, top = 8, size = 10;
        auto red = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= size || y >= size)
                return false;
            const double dx = x - (size - 1) / 2.0, dy = y - (size - 1) / 2.0;
            const bool inside = std::abs(dx) <= 3.5 && std::abs(dy) <= 3.5;
            return inside && (std::abs(dx - dy) <= 1 || std::abs(dx + dy) <= 1);
        };
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                bool edge = false;
                for (int ny = -1; ny <= 1; ++ny)
                    for (int nx = -1; nx <= 1; ++nx)
                        edge |= red(x + nx, y + ny);
                if (red(x, y))
                    p.fillRect(QRect(left + x, top + y, 1, 1), engraving ? kFace : kDeleteRed);
                else if (edge)
                    p.fillRect(QRect(left + x, top + y, 1, 1), kDeleteEdge);
            }
        break;
    }
    case EListButton::MoveUp:
        DrawListArrow(p, true);
        break;
    case EListButton::MoveDown:
        DrawListArrow(p, false);
        break;
    }
}

// A button of the wizard's banner list, 30 by 26, in one of its four states:
// raised; sunk with the symbol a pixel down and right, as pressed buttons do;
// raised with a dotted ring of night blue and gold, the keyboard's focus; flat
// with the symbol pressed into the face, not to be used.
QImage ListButton(EListButton button, EButtonState state)
{
    const int w = 30, h = 26;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kFace);
    QPainter p(&image);
    auto hline = [&](int x0, int x1, int y, const QColor& c) { p.fillRect(x0, y, x1 - x0 + 1, 1, c); };
    auto vline = [&](int x, int y0, int y1, const QColor& c) { p.fillRect(x, y0, 1, y1 - y0 + 1, c); };
    switch (state) {
    case EButtonState::Normal:
    case EButtonState::Focused:
        hline(0, w - 2, 0, kBevelLight);
        vline(0, 0, h - 2, kBevelLight);
        hline(0, w - 1, h - 1, kBevelDark);
        vline(w - 1, 0, h - 1, kBevelDark);
        hline(1, w - 2, h - 2, kBevelShadow);
        vline(w - 2, 1, h - 2, kBevelShadow);
        break;
    case EButtonState::Pressed:
        hline(0, w - 1, 0, kBevelDark);
        vline(0, 0, h - 1, kBevelDark);
        hline(1, w - 2, 1, kBevelShadow);
        vline(1, 1, h - 2, kBevelShadow);
        hline(1, w - 1, h - 1, kBevelLight);
        vline(w - 1, 1, h - 1, kBevelLight);
        break;
    case EButtonState::Disabled:
        // Flat: a plain frame, no light and no shadow, nothing to press.
        hline(0, w - 1, 0, kBevelShadow);
        hline(0, w - 1, h - 1, kBevelShadow);
        vline(0, 0, h - 1, kBevelShadow);
        vline(w - 1, 0, h - 1, kBevelShadow);
        break;
    }
    if (state == EButtonState::Focused) {
        // Every other pixel, night blue and gold in turn, so the ring reads
        // on the grey face and still looks like the familiar dotted focus.
        int n = 0;
        auto dot = [&](int x, int y) {
            if ((x + y) % 2 == 0)
                p.fillRect(x, y, 1, 1, n++ % 2 ? kGoldEdge : kNight);
        };
        for (int x = 3; x <= w - 4; ++x)
            dot(x, 3);
        for (int y = 4; y <= h - 4; ++y)
            dot(w - 4, y);
        for (int x = w - 5; x >= 3; --x)
            dot(x, h - 4);
        for (int y = h - 5; y >= 4; --y)
            dot(3, y);
    }
    const QPoint origin = state == EButtonState::Pressed ? QPoint(5, 5) : QPoint(4, 4);
    if (state != EButtonState::Disabled) {
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(origin);
        DrawListSymbol(p, button);
    } else {
        // The symbol's shape pressed into the face: its dark parts in grey
        // with a white edge below and to the right, like engraved lettering.
        QImage symbol(22, 18, QImage::Format_ARGB32);
        symbol.fill(Qt::transparent);
        QPainter s(&symbol);
        s.setRenderHint(QPainter::Antialiasing);
        DrawListSymbol(s, button, true);
        s.end();
        auto ink = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= symbol.width() || y >= symbol.height())
                return false;
            const QRgb c = symbol.pixel(x, y);
            return qAlpha(c) >= 128 && qGray(c) < 150;
        };
        for (int y = 0; y <= symbol.height(); ++y)
            for (int x = 0; x <= symbol.width(); ++x) {
                if (ink(x, y))
                    p.fillRect(origin.x() + x, origin.y() + y, 1, 1, kBevelShadow);
                else if (ink(x - 1, y - 1))
                    p.fillRect(origin.x() + x, origin.y() + y, 1, 1, kBevelLight);
            }
    }
    p.end();
    return image;
}

// The side picture of the wizard's first page, 116 by 245: the night-blue
// to violet of the house, a stack of banner cards being designed, and the
// letters of a banner sweeping in as they do when a banner plays.
QImage WizardSide(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double w = width, h = height;
    QLinearGradient sky(0, 0, w * 0.3, h);
    sky.setColorAt(0, kNight.darker(140));
    sky.setColorAt(0.45, kNight);
    sky.setColorAt(1, kViolet);
    p.fillRect(image.rect(), sky);
    // A soft glow where the letters come in.
    QRadialGradient glow(QPointF(w * 0.55, h * 0.62), w * 0.8);
    glow.setColorAt(0, QColor(0xb0, 0x7c, 0xf0, 90));
    glow.setColorAt(1, QColor(0xb0, 0x7c, 0xf0, 0));
    p.fillRect(image.rect(), glow);
    // Faint stars, placed by a fixed rule so the picture is the same each run.
    for (int i = 0; i < 40; ++i) {
        const double x = (i * 47 + 13) % width, y = (i * 89 + 7) % height;
        p.setPen(QPen(QColor(255, 255, 255, 40 + (i * 53) % 90), i % 4 == 0 ? 1.4 : 0.9));
        p.drawPoint(QPointF(x + 0.5, y + 0.5));
    }

    // The stack of banner cards: the ones behind are earlier drafts, paler
    // and smaller, the one in front is the banner being made.
    auto card = [&](QRectF r, double angle, int alpha, bool front) {
        p.save();
        p.translate(r.center());
        p.rotate(angle);
        r.moveCenter(QPointF(0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x08, 0x0a, 0x24, alpha / 2));
        p.drawRoundedRect(r.translated(1.5, 2.5), 4, 4);
        QLinearGradient fill(r.topLeft(), r.bottomRight());
        fill.setColorAt(0, QColor(0x3b, 0x5b, 0xc4, alpha));
        fill.setColorAt(1, QColor(kViolet.red(), kViolet.green(), kViolet.blue(), alpha));
        p.setPen(QPen(QColor(255, 255, 255, alpha * 2 / 3), 1.0));
        p.setBrush(fill);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(Qt::NoPen);
        const double lineH = r.height() * 0.14;
        p.setBrush(QColor(255, 255, 255, alpha * 9 / 10));
        p.drawRoundedRect(QRectF(r.left() + 7, r.top() + r.height() * 0.3, r.width() * 0.55, lineH), lineH / 2, lineH / 2);
        QLinearGradient fade(QPointF(r.left() + 7, 0), QPointF(r.left() + 7 + r.width() * 0.45, 0));
        fade.setColorAt(0, QColor(255, 255, 255, alpha * 3 / 4));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawRoundedRect(QRectF(r.left() + 7, r.top() + r.height() * 0.56, r.width() * 0.45, lineH), lineH / 2, lineH / 2);
        if (front)
            DrawSparkle(p, QPointF(r.right() - 12, r.top() + r.height() * 0.36), r.height() * 0.3, kGold);
        p.restore();
    };
    card(QRectF(w * 0.2, h * 0.07, w * 0.66, h * 0.13), -8, 110, false);
    card(QRectF(w * 0.14, h * 0.15, w * 0.72, h * 0.145), -3, 170, false);
    card(QRectF(w * 0.08, h * 0.24, w * 0.8, h * 0.16), 2, 255, true);

    // The letters of a banner sweeping in from the right, each one later than
    // the one before: the first stand, the last are still faint and moving,
    // with the trail they leave behind.
    const QString word = QStringLiteral("BANNER");
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(19);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const double drift = 8;  // how far the last letter still has to go
    double x = (w - metrics.horizontalAdvance(word) - drift) / 2 - 2;
    const double baseline = h * 0.66;
    for (int i = 0; i < word.size(); ++i) {
        const QString letter = word.mid(i, 1);
        const double late = std::max(0.0, (i - 2) / 3.0);  // 0 for the first three, 1 for the last
        const QPointF at(x + late * drift, baseline - late * drift);
        for (int t = 3; t >= 1; --t) {  // the trail
            if (late <= 0)
                break;
            p.setPen(QColor(0xd8, 0xc4, 0xff, int(50 * late / t)));
            p.drawText(at + QPointF(t * 4 * late, -t * 3 * late), letter);
        }
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(at + QPointF(1, 1.5), letter);
        p.setPen(QColor(255, 255, 255, int(255 - 150 * late)));
        p.drawText(at, letter);
        x += metrics.horizontalAdvance(letter);
    }
    // The sweep that carries them: a gold stroke that fades out to the left.
    QLinearGradient sweep(QPointF(w * 0.08, 0), QPointF(w * 0.92, 0));
    sweep.setColorAt(0, QColor(kGold.red(), kGold.green(), kGold.blue(), 0));
    sweep.setColorAt(1, QColor(kGold.red(), kGold.green(), kGold.blue(), 230));
    p.setPen(QPen(QBrush(sweep), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath arc;
    arc.moveTo(w * 0.08, baseline + 9);
    arc.cubicTo(w * 0.4, baseline + 14, w * 0.75, baseline + 8, w * 0.9, baseline - 30);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    DrawSparkle(p, QPointF(w * 0.9, baseline - 33), 7, kGold);
    DrawSparkle(p, QPointF(w * 0.24, baseline - 36), 3.5, QColor(255, 240, 200));

    // Below, the banner as it will sit on a page: a page with the card on top.
    const QRectF page(w * 0.16, h * 0.76, w * 0.68, h * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x08, 0x0a, 0x24, 90));
    p.drawRoundedRect(page.translated(2, 3), 3, 3);
    p.setPen(QPen(QColor(0x55, 0x5e, 0x8c), 1.0));
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(page, 3, 3);
    QLinearGradient band(page.topLeft(), page.topRight());
    band.setColorAt(0, kNight);
    band.setColorAt(1, kViolet);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    const QRectF bannerOnPage(page.left() + 6, page.top() + 6, page.width() - 12, page.height() * 0.28);
    p.drawRect(bannerOnPage);
    DrawSparkle(p, QPointF(bannerOnPage.right() - 8, bannerOnPage.center().y()), bannerOnPage.height() * 0.42, kGold);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRect(QRectF(bannerOnPage.left() + 5, bannerOnPage.center().y() - 1.5, bannerOnPage.width() * 0.45, 3));
    p.setBrush(QColor(0xb0, 0xb4, 0xcc));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(page.left() + 6, page.top() + page.height() * (0.48 + 0.12 * i), (page.width() - 12) * (i == 3 ? 0.55 : 1.0), 2.5));

    // Glints around the stack and the words.
    DrawSparkle(p, QPointF(w * 0.86, h * 0.05), 6, kGold);
    DrawSparkle(p, QPointF(w * 0.1, h * 0.12), 3.5, QColor(255, 240, 200));
    DrawSparkle(p, QPointF(w * 0.12, h * 0.47), 5, kGold);
    DrawSparkle(p, QPointF(w * 0.9, h * 0.74), 4, QColor(255, 240, 200));
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

bool Save(const QImage& image, const QString& path, bool palette)
{
    QImage out = palette ? ToPalette(image) : image;
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: glintra_artwork <resources folder>\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // Icon 4000 of the server: 16 and 32 pixels, 256 colours.
    ok &= Save(PageletIcon(16), resources.filePath("pagelet/images/icon4000_16.png"), true);
    ok &= Save(PageletIcon(32), resources.filePath("pagelet/images/icon4000_32.png"), true);
    // The picture of the image template, beside the templates.
    const QString sky = resources.filePath("templates/eveningsky.jpg");
    ok &= EveningSky(468, 60).save(sky, "JPEG", 88);
    std::printf("%s\n", qPrintable(sky));

    // The guide page's buttons, by bitmap number: normal and pressed.
    struct Button {
        int normal, pressed;
        EGlyph glyph;
        const char* text;
        QSize size;
    };
    const Button buttons[] = {
        {151, 169, EGlyph::New, "New...", QSize(100, 35)},
        {154, 171, EGlyph::Open, "Open...", QSize(100, 35)},
        {155, 166, EGlyph::Configure, "Configure...", QSize(100, 35)},
        {152, 168, EGlyph::CopyCode, "Copy Code...", QSize(100, 35)},
        {157, 170, EGlyph::NewPage, "New Page...", QSize(100, 35)},
        {158, 167, EGlyph::Insert, "Insert into...", QSize(100, 35)},
        {149, 159, EGlyph::Info, "More Information...", QSize(82, 24)},
    };
    for (const Button& b : buttons) {
        QString text = QString::fromLatin1(b.text);
        if (b.normal == 149)
            text = "More Info...";  // the small face has room for fewer letters
        else
            text.replace("...", QString(QChar(0x2026)));  // one narrow character
        ok &= Save(ButtonFace(b.size, b.glyph, text, false), resources.filePath(QString("host/images/bitmap%1.png").arg(b.normal)), true);
        ok &= Save(ButtonFace(b.size, b.glyph, text, true), resources.filePath(QString("host/images/bitmap%1.png").arg(b.pressed)), true);
    }
    // The step headings.
    ok &= Save(StepHeading(240, 1, "New or Open a Glintra"), resources.filePath("host/images/bitmap137.png"), true);
    ok &= Save(StepHeading(200, 2, "Make the Glintra"), resources.filePath("host/images/bitmap136.png"), true);
    ok &= Save(StepHeading(240, 3, "Add the Glintra to a Page"), resources.filePath("host/images/bitmap135.png"), true);
    // The tool bar's pictures and the program's icon.
    ok &= Save(ToolBarStrip(), resources.filePath("host/images/bitmap146.png"), false);
    for (int size : {16, 32, 48, 128, 256})
        ok &= Save(ProgramIcon(size), resources.filePath(QString("host/images/icon128_%1.png").arg(size)), false);

    // The wizard's banner list buttons, 16 colours each: normal, pressed,
    // focused and disabled.
    const struct {
        EListButton button;
        const char* name;
    } listButtons[] = {
        {EListButton::Insert, "insert"},
        {EListButton::Delete, "delete"},
        {EListButton::MoveUp, "moveup"},
        {EListButton::MoveDown, "movedown"},
    };
    const struct {
        EButtonState state;
        char letter;
    } states[] = {{EButtonState::Normal, 'u'}, {EButtonState::Pressed, 'd'}, {EButtonState::Focused, 'f'}, {EButtonState::Disabled, 'x'}};
    for (const auto& b : listButtons)
        for (const auto& s : states) {
            const QString path = resources.filePath(QString("pagelet/images/%1%2.png").arg(QLatin1String(b.name)).arg(QLatin1Char(s.letter)));
            ok &= Save(ToFewColours(ListButton(b.button, s.state), 16), path, false);
        }
    // The side picture of the wizard's first page, in full colour.
    ok &= Save(WizardSide(116, 245), resources.filePath("pagelet/images/bitmap130.png"), false);
    return ok ? 0 : 1;
}
