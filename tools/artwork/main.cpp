// Draws the program's pictures and writes them as PNG files into the
// resources tree. The pictures are committed; run this tool again only when
// the artwork changes:  glintra_artwork <source folder>/resources
#include <QApplication>
#include <QHash>
#include <QVector>

#include <algorithm>
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
    return ok ? 0 : 1;
}
