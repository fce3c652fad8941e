// Draws the program's pictures and writes them as PNG files into the
// resources tree. The pictures are committed; run this tool again only when
// the artwork changes:  glintra_artwork <source folder>/resources
#include <QApplication>
#include <QHash>
#include <QVector>

#include <algorithm>
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

// 256 colours without dithering noise: the picture's own colours, made
// coarser step by step until they fit the palette.
QImage ToPalette(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int shift = 0; shift < 8; ++shift) {
        auto reduce = [shift](QRgb c) {
            if (qAlpha(c) < 16)
                return qRgba(0, 0, 0, 0);
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
    return ok ? 0 : 1;
}
