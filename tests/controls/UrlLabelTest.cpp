#include "controls/CUrlLabel.h"

#include "FakePrompt.h"
#include "GuiTest.h"

#include <QCursor>
#include <QEnterEvent>

#include <algorithm>
#include <vector>

namespace {

// Pixels of exactly one colour; the font is drawn without anti-aliasing so
// that glyph pixels carry the text colour itself.
int PixelsOf(CUrlLabel& label, QRgb colour)
{
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return static_cast<int>(std::count(pixels, pixels + image.width() * image.height(), colour));
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

    FakePrompt prompt;
    CUrlLabel label{prompt, QStringLiteral("IIIIHHHH")};
    std::vector<QUrl> opened;
    bool opens = true;
};

}  // namespace

TEST_F(UrlLabel, HoverTurnsTheLinkRedAndUnderlinedUntilThePointerLeaves)
{
    const int plain = PixelsOf(label, CUrlLabel::linkColour);
    EXPECT_GT(plain, 0);
    label.SetVisited(true);
    label.move(100, 100);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QCursor::setPos(label.mapToGlobal(label.rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label.IsHovering(); }, 1000));
    QTest::qWait(3 * CUrlLabel::hoverTimerPeriodMs);  // ticks with the pointer inside
    EXPECT_TRUE(label.IsHovering());
    EXPECT_EQ(PixelsOf(label, CUrlLabel::visitedColour), 0);  // hovering wins
    EXPECT_GT(PixelsOf(label, CUrlLabel::hoverColour), plain);  // glyphs and underline

    QCursor::setPos(label.mapToGlobal(QPoint(label.width() + 40, label.height() + 40)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label.IsHovering(); }, 2000));
    EXPECT_FALSE(label.font().underline());
    EXPECT_GT(PixelsOf(label, CUrlLabel::visitedColour), 0);
}

TEST_F(UrlLabel, ClickOpensAndMarksVisitedAFailedOpenExplainsAndFallsBack)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&label, &enter);
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1U);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://www.example.com")));
    EXPECT_FALSE(label.IsHovering());
    EXPECT_GT(PixelsOf(label, CUrlLabel::visitedColour), 0);
    EXPECT_EQ(PixelsOf(label, CUrlLabel::linkColour), 0);
    EXPECT_TRUE(prompt.messages.empty());

    opens = false;
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_FALSE(label.IsVisited());
    EXPECT_GT(PixelsOf(label, CUrlLabel::linkColour), 0);
    // Nothing to open is not handed to the desktop at all.
    label.SetUrl(QStringLiteral("  "));
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2U);
    label.ReportOpenError(26);
    label.ReportOpenError(-7);
    const std::string head = "Unable to open hyperlink:\n\n";
    EXPECT_EQ(
        prompt.messages,
        (std::vector<std::string>{head + "There is no application associated\nwith the given filename extension.",
                                  head + "The specified file was not found.", head + "A sharing violation occurred. ",
                                  head + "Unknown Error (-7) occurred."}));
}

TEST_F(UrlLabel, TextAndTargetStandInForEachOtherAndTheLabelFitsItsText)
{
    CUrlLabel empty(prompt, QString());
    empty.SetUrl(QStringLiteral("mailto:someone@example.org"));
    EXPECT_EQ(empty.text(), QStringLiteral("mailto:someone@example.org"));

    CUrlLabel named(prompt, QStringLiteral("www.example.org"));
    EXPECT_EQ(named.Url(), QStringLiteral("www.example.org"));
    QFont underlined = named.font();
    underlined.setUnderline(true);
    named.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    named.setGeometry(10, 20, 300, 60);
    named.SetUrl(QStringLiteral("https://example.net/"));  // keeps its own text, fits it
    EXPECT_EQ(named.text(), QStringLiteral("www.example.org"));
    EXPECT_EQ(named.toolTip(), QStringLiteral("https://example.net/"));
    EXPECT_EQ(named.size(), QFontMetrics(underlined).size(0, named.text()));
    EXPECT_EQ(named.geometry().right(), 309);
    EXPECT_NEAR(named.geometry().center().y(), 49, 1);
}
