// The label and link controls: their colours, fonts and states.
#include "common/colorlabel.h"
#include "common/linklabel.h"
#include "platform/ui/scripteduiservices.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

TEST(ColorLabel, ColoursAndWeight)
{
    CColorLabel label("Step one");
    const QPalette system = QApplication::palette();
    EXPECT_EQ(label.palette().color(QPalette::WindowText), system.color(QPalette::WindowText));
    EXPECT_EQ(label.palette().color(QPalette::Window), system.color(QPalette::Button));
    EXPECT_TRUE(label.autoFillBackground());

    label.SetForeColor(RGB(255, 255, 255));
    label.SetBackColor(RGB(13, 47, 109));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(13, 47, 109));
    EXPECT_EQ(label.ForeColor(), RGB(255, 255, 255));
    // What is painted is what was asked for.
    label.resize(80, 20);
    EXPECT_EQ(label.grab().toImage().pixelColor(78, 18), QColor(13, 47, 109));

    label.SetBold(TRUE);
    EXPECT_EQ(label.font().weight(), QFont::Bold);
    label.SetBold(FALSE);
    EXPECT_EQ(label.font().weight(), QFont::Normal);

    EXPECT_EQ(RefFromColor(ColorFromRef(RGB(1, 2, 3))), RGB(1, 2, 3));
    EXPECT_EQ(ColorFromRef(RGB(178, 178, 201)), QColor(178, 178, 201));
}

class LinkLabel : public ::testing::Test {
protected:
    void Enter()
    {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&link, &event);
    }
    void Leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&link, &event);
    }
    void Click(Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), button, button, Qt::NoModifier);
        QApplication::sendEvent(&link, &event);
    }

    CScriptedUiServices ui;
    CScopedUiServices install{&ui};
    CLinkLabel link{"www.norvane.example"};
};

TEST_F(LinkLabel, HoverAndVisitedStates)
{
    link.SetLinkTarget("https://www.norvane.example/");
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.State(), CLinkLabel::Normal);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));

    Enter();
    EXPECT_EQ(link.State(), CLinkLabel::Hover);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    Leave();
    EXPECT_EQ(link.State(), CLinkLabel::Normal);

    // A click that opens nothing leaves the link unvisited.
    ui.QueueShellOpenResult(false);
    Click();
    EXPECT_EQ(link.State(), CLinkLabel::Normal);

    Enter();
    Click();
    ASSERT_EQ(ui.RecordsOf(EUiExchange::ShellOpen).size(), 2u);
    EXPECT_EQ(ui.RecordsOf(EUiExchange::ShellOpen)[1].text, "https://www.norvane.example/");
    EXPECT_EQ(link.State(), CLinkLabel::Hover) << "still under the mouse";
    Leave();
    EXPECT_EQ(link.State(), CLinkLabel::Visited);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255)) << "visited is the same blue";

    Click(Qt::RightButton);
    EXPECT_EQ(ui.RecordsOf(EUiExchange::ShellOpen).size(), 2u) << "only the left button follows the link";
}

} // namespace
