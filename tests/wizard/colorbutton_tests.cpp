// The colour swatch: what it draws, pixel by pixel, raised, pressed,
// focused and disabled, on a parent of a known colour; and the colour
// dialog its owners open on a click.
#include "wizard/colorbutton.h"

#include "platform/ui/scripteduiservices.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const QRgb kBackground = qRgb(1, 2, 3);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const COLORREF kSwatch = RGB(200, 100, 50);
constexpr int kInset = 5;

std::string Describe(QRgb c)
{
    std::ostringstream s;
    s << "(" << qRed(c) << "," << qGreen(c) << "," << qBlue(c) << "," << qAlpha(c) << ")";
    return s.str();
}

QRgb ToRgb(COLORREF color)
{
    return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
}

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A swatch in a parent that paints its own background, plus an edit that
// can hold the focus instead of it.
class ColorButtonTest : public ::testing::Test {
protected:
    void Place(int width, int height)
    {
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(kBackground));
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        parent.resize(width + 16, height + 40);
        button.setGeometry(8, 8, width, height);
        other.setGeometry(8, height + 12, width, 20);
        button.SetColor(kSwatch);
        parent.show();
        parent.activateWindow();
        QApplication::processEvents();
        other.setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    QImage Grab() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // What the rules say the swatch shows at (x, y): a one-pixel border
    // (white top and left, black bottom and right; all black while pressed),
    // the parent's background, and the colour from 5 pixels in to 5 pixels
    // before the far edges.
    static QRgb Expected(int x, int y, int w, int h, bool pressed, QRgb color)
    {
        if (x == w - 1 || y == h - 1)
            return kBlack;
        if (x == 0 || y == 0)
            return pressed ? kBlack : kWhite;
        if (x >= kInset && x <= w - 1 - kInset && y >= kInset && y <= h - 1 - kInset)
            return color;
        return kBackground;
    }

    // Every pixel against the rules; a pixel on the colour field's edge may
    // be a dot of the focus rectangle when `dots` is given, and those that
    // are get collected there.
    static void ExpectDrawn(const QImage& image, bool pressed, QRgb color,
                            std::vector<QPoint>* dots = nullptr)
    {
        const int w = image.width(), h = image.height();
        int wrong = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb expected = Expected(x, y, w, h, pressed, color);
                const QRgb seen = image.pixel(x, y) | 0xff000000u;
                const bool onFieldEdge = (x == kInset || x == w - 1 - kInset || y == kInset || y == h - 1 - kInset) &&
                                         x >= kInset && x <= w - 1 - kInset && y >= kInset && y <= h - 1 - kInset;
                if (seen == expected)
                    continue;
                if (dots && onFieldEdge) {
                    dots->push_back(QPoint(x, y));
                    continue;
                }
                if (++wrong <= 8)
                    ADD_FAILURE() << "pixel (" << x << "," << y << ") of " << w << "x" << h << " is "
                                  << Describe(seen) << ", expected " << Describe(expected);
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels differing from the rules";
    }

    QWidget parent;
    CColorButton button{&parent};
    QLineEdit other{&parent};
};

using ColorButton = ColorButtonTest;

const QSize kSizes[] = {QSize(40, 24), QSize(60, 24), QSize(17, 13)};

TEST_F(ColorButton, RaisedBorderThenTheParentThenTheColour)
{
    for (const QSize size : kSizes) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        Place(size.width(), size.height());
        ASSERT_FALSE(button.hasFocus());
        const QImage image = Grab();
        ASSERT_EQ(image.size(), size);
        ExpectDrawn(image, false, ToRgb(kSwatch));
    }
}

TEST_F(ColorButton, PressedHasABlackBorderAllRound)
{
    for (const QSize size : kSizes) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        Place(size.width(), size.height());
        button.setDown(true);
        ExpectDrawn(Grab(), true, ToRgb(kSwatch));
        button.setDown(false);
        ExpectDrawn(Grab(), false, ToRgb(kSwatch));
    }
}

TEST_F(ColorButton, DisabledDrawsNothing)
{
    Place(40, 24);
    const QRect area = button.geometry();
    const auto backgroundOnly = [&](const QImage& image) {
        int drawn = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                drawn += (image.pixel(x, y) | 0xff000000u) != kBackground;
        return drawn == 0;
    };
    ASSERT_FALSE(backgroundOnly(parent.grab().toImage())) << "the enabled swatch shows in the parent's picture";
    button.setEnabled(false);
    EXPECT_TRUE(backgroundOnly(parent.grab().toImage()));
    button.setDown(true);
    EXPECT_TRUE(backgroundOnly(parent.grab().toImage())) << "nor while pressed";
}

TEST_F(ColorButton, FocusDotsTheColourFieldsEdge)
{
    for (const QSize size : kSizes) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        Place(size.width(), size.height());
        button.setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(parent.isActiveWindow());
        ASSERT_TRUE(button.hasFocus());
        std::vector<QPoint> dots;
        ExpectDrawn(Grab(), false, ToRgb(kSwatch), &dots);
        ASSERT_FALSE(dots.empty()) << "no focus rectangle";
        // Dotted: along each side, no two neighbours are both dots, and the
        // dots reach round all four sides.
        bool top = false, bottom = false, left = false, right = false;
        for (const QPoint& dot : dots) {
            top = top || dot.y() == kInset;
            bottom = bottom || dot.y() == size.height() - 1 - kInset;
            left = left || dot.x() == kInset;
            right = right || dot.x() == size.width() - 1 - kInset;
            for (const QPoint& other : dots) {
                const bool neighbours = (other.y() == dot.y() && other.x() == dot.x() + 1) ||
                                        (other.x() == dot.x() && other.y() == dot.y() + 1);
                EXPECT_FALSE(neighbours) << "dots at (" << dot.x() << "," << dot.y() << ") and (" << other.x()
                                         << "," << other.y() << ")";
            }
        }
        EXPECT_TRUE(top && bottom && left && right) << dots.size() << " dots";
        // Away from the focus, the dots go.
        other.setFocus(Qt::TabFocusReason);
        ExpectDrawn(Grab(), false, ToRgb(kSwatch));
    }
}

TEST_F(ColorButton, FocusDotsShowOnBlackAndWhiteToo)
{
    for (const COLORREF color : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        SCOPED_TRACE(Describe(ToRgb(color)));
        Place(40, 24);
        button.SetColor(color);
        button.setFocus(Qt::TabFocusReason);
        std::vector<QPoint> dots;
        ExpectDrawn(Grab(), false, ToRgb(color), &dots);
        EXPECT_FALSE(dots.empty());
    }
}

class ColorButtonChoosing : public ColorButtonTest {
protected:
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
};

TEST_F(ColorButtonChoosing, AChosenColourIsSetAndPainted)
{
    Place(40, 24);
    PaintCounter counter;
    button.installEventFilter(&counter);
    ui.QueueColor(RGB(10, 220, 30));
    EXPECT_TRUE(ChooseSwatchColor(button));
    QApplication::processEvents();
    EXPECT_EQ(button.Color(), RGB(10, 220, 30));
    EXPECT_GT(counter.paints, 0) << "the swatch must repaint itself";
    const auto asked = ui.RecordsOf(EUiExchange::ChooseColor);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].initialColor, kSwatch);
    ExpectDrawn(Grab(), false, qRgb(10, 220, 30));
}

TEST_F(ColorButtonChoosing, ACancelledColourDialogChangesNothing)
{
    Place(40, 24);
    ui.QueueColor(std::nullopt);
    EXPECT_FALSE(ChooseSwatchColor(button));
    EXPECT_EQ(button.Color(), kSwatch);
    ASSERT_EQ(ui.RecordsOf(EUiExchange::ChooseColor).size(), 1u);
    EXPECT_EQ(ui.RecordsOf(EUiExchange::ChooseColor)[0].initialColor, kSwatch);
    ExpectDrawn(Grab(), false, ToRgb(kSwatch));
}

} // namespace
