#include "controls/CHoverBitmapButton.h"
#include "controls/CThemeHelper.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window in a given style, as the main window would be.
struct StyledWindow {
    explicit StyledWindow(const QString& styleName) : style(QStyleFactory::create(styleName))
    {
        window.setStyle(style.get());
        theme.Initialize(&window);
    }
    std::unique_ptr<QStyle> style;
    QWidget window;
    CThemeHelper theme;
};

QImage Rendered(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Picture(const char* name)
{
    return QImage(CBitmapButton::ResourcePath(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
}

void Hover(QWidget& widget, bool enter)
{
    QEnterEvent entered(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QEvent left(QEvent::Leave);
    QApplication::sendEvent(&widget, enter ? static_cast<QEvent*>(&entered) : &left);
}

// The style's face for the state with the picture ANDed over it.
QImage ExpectedThemed(const CThemeHelper& theme, const QWidget& button, int state, const QImage& picture)
{
    QImage face(button.size(), QImage::Format_RGB32);
    face.fill(button.palette().color(QPalette::Window));
    QPainter painter(&face);
    theme.DrawBackground(painter, face.rect(), CThemeHelper::PushButtonPart, state, nullptr);
    painter.end();
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            face.setPixel(x, y, face.pixel(x, y) & picture.pixel(x, y));
    return face;
}

} // namespace

TEST(ThemeHelper, OnlyTheClassicStyleCountsAsUnthemed)
{
    // The factory keeps a style's name as asked for; case must not matter.
    for (const char* name : {"Windows", "WINDOWS"}) {
        StyledWindow classic{QLatin1String(name)};
        EXPECT_FALSE(classic.theme.StylesActive()) << name;
        EXPECT_FALSE(classic.theme.ThemeOpen()) << name;
    }
    EXPECT_FALSE(CThemeHelper::StylesInUse(nullptr));

    auto styled = std::make_unique<StyledWindow>(QStringLiteral("Fusion"));
    CThemeHelper theme;
    theme.Initialize(&styled->window);
    EXPECT_TRUE(theme.StylesActive());
    EXPECT_TRUE(theme.ThemeOpen());
    // Without its window nothing is drawn, but the decision stands.
    styled.reset();
    EXPECT_TRUE(theme.StylesActive());
    EXPECT_FALSE(theme.ThemeOpen());
    QImage canvas(22, 38, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    QPainter painter(&canvas);
    theme.DrawBackground(painter, canvas.rect(), CThemeHelper::PushButtonPart, CThemeHelper::StateHot, nullptr);
    painter.end();
    EXPECT_EQ(canvas.pixel(11, 19), QColor(Qt::green).rgb());
}

TEST(HoverBitmapButton, UnthemedShowsThePictureOfEachStateAndIgnoresThePointer)
{
    StyledWindow plain(QStringLiteral("Windows"));
    CHoverBitmapButton missing(QStringLiteral("NOSUCH"));
    missing.resize(80, 20);
    EXPECT_FALSE(missing.AttachAndLoad(plain.theme));
    EXPECT_EQ(missing.size(), QSize(80, 20));

    CHoverBitmapButton button(QStringLiteral("FXSTA"));
    button.resize(80, 20);
    ASSERT_TRUE(button.AttachAndLoad(plain.theme));
    EXPECT_FALSE(button.IsThemed());
    EXPECT_EQ(button.size(), QSize(22, 38));

    EXPECT_EQ(Rendered(button), Picture("FXSTAU"));
    Hover(button, true);
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(Rendered(button), Picture("FXSTAU"));
    button.setDown(true);
    EXPECT_EQ(Rendered(button), Picture("FXSTAD"));
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(Rendered(button), Picture("FXSTAX"));
    button.setEnabled(true);

    button.show();
    button.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    EXPECT_EQ(Rendered(button), Picture("FXSTAF"));
    button.setDown(true);   // pressed wins over focus
    EXPECT_EQ(Rendered(button), Picture("FXSTAD"));
}

TEST(HoverBitmapButton, ThemedDrawsTheStyledFaceUnderTheAndedPicture)
{
    StyledWindow styled(QStringLiteral("Fusion"));
    CHoverBitmapButton button(QStringLiteral("FXCLRA"));
    ASSERT_TRUE(button.AttachAndLoad(styled.theme));
    EXPECT_TRUE(button.IsThemed());
    EXPECT_EQ(button.size(), QSize(22, 38));
    const QImage picture = Picture("XPFXCLRAU");

    const QImage normal = Rendered(button);
    EXPECT_EQ(normal, ExpectedThemed(styled.theme, button, CThemeHelper::StateNormal, picture));
    // Black glyph on the face; the picture's white leaves the face showing.
    EXPECT_EQ(normal.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_NE(normal.pixel(11, 19), qRgb(255, 255, 255));

    Hover(button, true);
    const QImage hot = Rendered(button);
    EXPECT_NE(hot, normal);
    EXPECT_EQ(hot, ExpectedThemed(styled.theme, button, CThemeHelper::StateHot, picture));

    // There are no pressed or disabled XP pictures: the normal one stands in.
    button.setDown(true);
    EXPECT_EQ(button.ThemeState(), CThemeHelper::StatePressed);
    EXPECT_EQ(Rendered(button), ExpectedThemed(styled.theme, button, CThemeHelper::StatePressed, picture));
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(button.ThemeState(), CThemeHelper::StateDisabled);
    EXPECT_EQ(Rendered(button), ExpectedThemed(styled.theme, button, CThemeHelper::StateDisabled, picture));
    button.setEnabled(true);

    Hover(button, false);
    EXPECT_EQ(button.ThemeState(), CThemeHelper::StateNormal);
    EXPECT_EQ(Rendered(button), normal);
}
