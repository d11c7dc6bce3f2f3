#include "controls/CUrlLabel.h"

#include "FakePrompt.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Counts the pixels of exactly one colour; the label's font is drawn without
// anti-aliasing so that glyph pixels carry the text colour itself.
int PixelsOf(CUrlLabel& label, QRgb colour)
{
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

struct LabelFixture : ::testing::Test {
    LabelFixture()
    {
        QFont font = label.font();
        font.setStyleStrategy(QFont::NoAntialias);
        font.setPointSize(14);
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

TEST_F(LabelFixture, ColourFollowsHoverAndVisitedState)
{
    EXPECT_GT(PixelsOf(label, CUrlLabel::linkColour), 0);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::hoverColour), 0);
    const int plain = PixelsOf(label, CUrlLabel::linkColour);

    Enter();
    EXPECT_TRUE(label.IsHovering());
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(PixelsOf(label, CUrlLabel::linkColour), 0);
    // The underline adds pixels to the glyphs'.
    EXPECT_GT(PixelsOf(label, CUrlLabel::hoverColour), plain);

    label.SetVisited(true);
    EXPECT_GT(PixelsOf(label, CUrlLabel::hoverColour), 0);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::visitedColour), 0);
}

TEST_F(LabelFixture, HoverEndsOnceThePointerHasLeft)
{
    label.move(100, 100);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QCursor::setPos(label.mapToGlobal(label.rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label.IsHovering(); }, 1000));
    // Ticks that find the pointer inside change nothing.
    QTest::qWait(3 * CUrlLabel::hoverTimerPeriodMs);
    EXPECT_TRUE(label.IsHovering());

    QCursor::setPos(label.mapToGlobal(QPoint(label.width() + 40, label.height() + 40)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label.IsHovering(); }, 2000));
    EXPECT_FALSE(label.font().underline());
    EXPECT_GT(PixelsOf(label, CUrlLabel::linkColour), 0);
}

TEST_F(LabelFixture, ClickOpensTheTargetAndMarksItVisited)
{
    Enter();
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1U);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://www.example.com")));
    EXPECT_TRUE(label.IsVisited());
    EXPECT_FALSE(label.IsHovering());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_GT(PixelsOf(label, CUrlLabel::visitedColour), 0);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::linkColour), 0);
}

TEST_F(LabelFixture, FailedOpenExplainsAndFallsBackToTheLinkColour)
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
    ASSERT_EQ(prompt.messages.size(), 2U);
    EXPECT_EQ(prompt.messages[1], "Unable to open hyperlink:\n\nThe specified file was not found.");

    label.ReportOpenError(26);
    label.ReportOpenError(-7);
    ASSERT_EQ(prompt.messages.size(), 4U);
    EXPECT_EQ(prompt.messages[2], "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(prompt.messages[3], "Unable to open hyperlink:\n\nUnknown Error (-7) occurred.");
}

TEST(UrlLabel, TargetAndTextStandInForEachOther)
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
    // A label with its own text keeps it when the target changes.
    named.SetUrl(QStringLiteral("https://example.net/"));
    EXPECT_EQ(named.text(), QStringLiteral("www.example.org"));
    EXPECT_EQ(named.toolTip(), QStringLiteral("https://example.net/"));
}

TEST(UrlLabel, FitToTextKeepsTheAnchoredEdge)
{
    FakePrompt prompt;
    CUrlLabel label(prompt, QStringLiteral("Visit us"));
    QFont underlined = label.font();
    underlined.setUnderline(true);
    const QSize text = QFontMetrics(underlined).size(0, label.text());

    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setGeometry(10, 20, 300, 60);
    label.FitToText();
    EXPECT_EQ(label.geometry(), QRect(QPoint(10, 20), text));

    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.setGeometry(10, 20, 300, 60);
    label.FitToText();
    EXPECT_EQ(label.geometry().right(), 309);
    EXPECT_NEAR(label.geometry().center().y(), QRect(10, 20, 300, 60).center().y(), 1);
    EXPECT_EQ(label.size(), text);
}
