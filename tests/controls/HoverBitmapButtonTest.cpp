#include "controls/CHoverBitmapButton.h"
#include "controls/CThemeHelper.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window in a given style, as the main window would be; the theme helper
// takes its decision from it.
struct StyledWindow {
    explicit StyledWindow(const char* styleName)
        : style(QStyleFactory::create(QString::fromLatin1(styleName)))
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
    return QImage(CBitmapButton::ResourcePath(QString::fromLatin1(name))).convertToFormat(QImage::Format_RGB32);
}

void Hover(QWidget& widget, bool enter)
{
    if (enter) {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(&widget, &event);
    } else {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&widget, &event);
    }
}

// What the themed button must show: the style's face for the state with the
// picture ANDed over it.
QImage ExpectedThemed(const CThemeHelper& theme, const CHoverBitmapButton& button, int state, const QImage& picture)
{
    QImage face(button.size(), QImage::Format_RGB32);
    face.fill(button.palette().color(QPalette::Window));
    {
        QPainter painter(&face);
        theme.DrawBackground(painter, face.rect(), CThemeHelper::PushButtonPart, state, nullptr);
    }
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            face.setPixel(x, y, face.pixel(x, y) & picture.pixel(x, y));
    return face;
}

} // namespace

TEST(ThemeHelper, OnlyTheClassicStyleCountsAsUnthemed)
{
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    EXPECT_FALSE(CThemeHelper::StylesInUse(classic.get()));
    EXPECT_TRUE(CThemeHelper::StylesInUse(fusion.get()));
    EXPECT_FALSE(CThemeHelper::StylesInUse(nullptr));
    // The factory keeps the name as asked for; the case must not matter.
    const std::unique_ptr<QStyle> shouted(QStyleFactory::create(QStringLiteral("WINDOWS")));
    ASSERT_NE(shouted, nullptr);
    EXPECT_FALSE(CThemeHelper::StylesInUse(shouted.get()));

    StyledWindow plain("Windows");
    EXPECT_FALSE(plain.theme.StylesActive());
    EXPECT_FALSE(plain.theme.ThemeOpen());

    auto styled = std::make_unique<StyledWindow>("Fusion");
    CThemeHelper theme;
    theme.Initialize(&styled->window);
    EXPECT_TRUE(theme.StylesActive());
    EXPECT_TRUE(theme.ThemeOpen());
    // Once the window is gone nothing is drawn, but the decision stands.
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
    StyledWindow plain("Windows");
    CHoverBitmapButton button(QStringLiteral("FXSTA"));
    button.resize(80, 20);
    ASSERT_TRUE(button.AttachAndLoad(plain.theme));
    EXPECT_FALSE(button.IsThemed());
    EXPECT_EQ(button.size(), QSize(22, 38));

    EXPECT_EQ(Rendered(button), Picture("FXSTAU"));
    Hover(button, true);
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(Rendered(button), Picture("FXSTAU"));
    Hover(button, false);
    EXPECT_FALSE(button.IsHovering());

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
    // Pressed wins over focus.
    button.setDown(true);
    EXPECT_EQ(Rendered(button), Picture("FXSTAD"));
}

TEST(HoverBitmapButton, ThemedDrawsTheStyledFaceUnderTheAndedPicture)
{
    StyledWindow styled("Fusion");
    CHoverBitmapButton button(QStringLiteral("FXCLRA"));
    ASSERT_TRUE(button.AttachAndLoad(styled.theme));
    EXPECT_TRUE(button.IsThemed());
    EXPECT_EQ(button.size(), QSize(22, 38));
    const QImage picture = Picture("XPFXCLRAU");

    const QImage normal = Rendered(button);
    EXPECT_EQ(button.ThemeState(), CThemeHelper::StateNormal);
    EXPECT_EQ(normal, ExpectedThemed(styled.theme, button, CThemeHelper::StateNormal, picture));
    // The glyph is black on the face, the picture's white leaves the face alone.
    EXPECT_EQ(normal.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_NE(normal.pixel(11, 19), qRgb(255, 255, 255));

    Hover(button, true);
    EXPECT_EQ(button.ThemeState(), CThemeHelper::StateHot);
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
    EXPECT_EQ(Rendered(button), normal);
}

TEST(HoverBitmapButton, MissingPicturesLeaveAPlainButton)
{
    StyledWindow plain("Windows");
    CHoverBitmapButton button(QStringLiteral("NOSUCH"));
    button.resize(80, 20);
    EXPECT_FALSE(button.AttachAndLoad(plain.theme));
    EXPECT_EQ(button.size(), QSize(80, 20));

    CBitmapButton partial(QStringLiteral("partial"));
    EXPECT_FALSE(partial.LoadStateBitmaps(QStringLiteral("FXSTAU"), QStringLiteral("NOSUCHD")));
    EXPECT_TRUE(partial.HasNormalBitmap());
    partial.FitToBitmap();
    partial.setDown(true);
    EXPECT_EQ(Rendered(partial), Picture("FXSTAU"));
}
