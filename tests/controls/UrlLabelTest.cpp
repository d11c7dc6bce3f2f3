#include "controls/CUrlLabel.h"

#include "FakePrompt.h"

#include <QCursor>
#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Pixels of exactly one colour; the font is drawn without anti-aliasing so
// that glyph pixels carry the text colour itself.
int PixelsOf(CUrlLabel& label, QRgb colour)
{
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

struct UrlLabel : ::testing::Test {
    UrlLabel()
    {
        QFont font = label.font();
        font.setStyleStrategy(QFont::NoAntialias);
        label.setFont(font);
        label.SetUrl(QStringLiteral("www.example.com"));
        label.SetOpener([this](const QUrl& url) {
            opened.push_back(url);
            return opens;
        });
    }

    void Enter()
    {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), label.mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(&label, &event);
    }

    FakePrompt prompt;
    CUrlLabel label{prompt, QStringLiteral("IIIIHHHH")};
    std::vector<QUrl> opened;
    bool opens = true;
};

} // namespace

TEST_F(UrlLabel, ColourFollowsHoverAndVisitedState)
{
    const int plain = PixelsOf(label, CUrlLabel::linkColour);
    EXPECT_GT(plain, 0);
    Enter();
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(PixelsOf(label, CUrlLabel::linkColour), 0);
    EXPECT_GT(PixelsOf(label, CUrlLabel::hoverColour), plain);   // glyphs and underline
    label.SetVisited(true);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::visitedColour), 0);      // hovering wins
}

TEST_F(UrlLabel, HoverEndsOnceThePointerHasLeft)
{
    label.move(100, 100);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QCursor::setPos(label.mapToGlobal(label.rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label.IsHovering(); }, 1000));
    QTest::qWait(3 * CUrlLabel::hoverTimerPeriodMs);   // ticks with the pointer inside
    EXPECT_TRUE(label.IsHovering());

    QCursor::setPos(label.mapToGlobal(QPoint(label.width() + 40, label.height() + 40)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label.IsHovering(); }, 2000));
    EXPECT_FALSE(label.font().underline());
    EXPECT_GT(PixelsOf(label, CUrlLabel::linkColour), 0);
}

TEST_F(UrlLabel, ClickOpensTheTargetAndMarksItVisited)
{
    Enter();
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1U);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://www.example.com")));
    EXPECT_FALSE(label.IsHovering());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_GT(PixelsOf(label, CUrlLabel::visitedColour), 0);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::linkColour), 0);
}

TEST_F(UrlLabel, FailedOpenExplainsAndFallsBackToTheLinkColour)
{
    opens = false;
    label.SetVisited(true);
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(prompt.messages.size(), 1U);
    EXPECT_EQ(prompt.messages[0], "Unable to open hyperlink:\n\n"
                                  "There is no application associated\nwith the given filename extension.");
    EXPECT_FALSE(label.IsVisited());
    EXPECT_GT(PixelsOf(label, CUrlLabel::linkColour), 0);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::visitedColour), 0);

    // Nothing to open is not handed to the desktop at all.
    label.SetUrl(QStringLiteral("  "));
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1U);
    label.ReportOpenError(26);
    label.ReportOpenError(-7);
    ASSERT_EQ(prompt.messages.size(), 4U);
    EXPECT_EQ(prompt.messages[1], "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(prompt.messages[2], "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(prompt.messages[3], "Unable to open hyperlink:\n\nUnknown Error (-7) occurred.");
}

TEST(UrlLabelSetup, TextAndTargetStandInForEachOtherAndTheLabelFitsItsText)
{
    FakePrompt prompt;
    CUrlLabel named(prompt, QStringLiteral("www.example.org"));
    EXPECT_EQ(named.Url(), QStringLiteral("www.example.org"));
    EXPECT_EQ(named.toolTip(), QStringLiteral("www.example.org"));
    EXPECT_EQ(named.cursor().shape(), Qt::PointingHandCursor);

    CUrlLabel empty(prompt, QString());
    empty.SetUrl(QStringLiteral("mailto:someone@example.org"));
    EXPECT_EQ(empty.text(), QStringLiteral("mailto:someone@example.org"));
    EXPECT_EQ(empty.toolTip(), QStringLiteral("mailto:someone@example.org"));

    QFont underlined = named.font();
    underlined.setUnderline(true);
    const QSize text = QFontMetrics(underlined).size(0, named.text());
    named.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    named.setGeometry(10, 20, 300, 60);
    named.SetUrl(QStringLiteral("https://example.net/"));   // keeps its own text
    EXPECT_EQ(named.text(), QStringLiteral("www.example.org"));
    EXPECT_EQ(named.toolTip(), QStringLiteral("https://example.net/"));
    EXPECT_EQ(named.geometry(), QRect(QPoint(10, 20), text));

    named.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    named.setGeometry(10, 20, 300, 60);
    named.FitToText();
    EXPECT_EQ(named.size(), text);
    EXPECT_EQ(named.geometry().right(), 309);
    EXPECT_NEAR(named.geometry().center().y(), 49, 1);
}
