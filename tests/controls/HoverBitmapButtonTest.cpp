#include "controls/CHoverBitmapButton.h"
#include "controls/CThemeHelper.h"

#include "GuiTest.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace {

// A window in a given style, as the main window would be.
struct StyledWindow {
    explicit StyledWindow(const char* name) : style(QStyleFactory::create(QLatin1String(name)))
    {
        window.setStyle(style.get());
        theme.Initialize(&window);
    }
    std::unique_ptr<QStyle> style;
    QWidget window;
    CThemeHelper theme;
};

// Painted on a device with the given pixel ratio.
QImage Rendered(QWidget& widget, qreal ratio = 1)
{
    QImage image(widget.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}
QImage Picture(const char* name)
{
    return QImage(CBitmapButton::ResourcePath(QLatin1String(name)));
}
QRgb Colour(const QWidget& widget, QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active)
{
    return widget.palette().color(group, role).rgb();
}

void Enter(QWidget& widget)
{
    QEnterEvent entered(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&widget, &entered);
}

QPalette Dark()
{
    QPalette dark(QColor(48, 48, 48), QColor(32, 32, 32));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return dark;
}

TEST(HoverBitmapButton, UnthemedPaintsThePictureOfEachStateInThePaletteAndIgnoresThePointer)
{
    StyledWindow plain("WINDOWS");  // the style's name in any case
    CHoverBitmapButton missing(QStringLiteral("NOSUCH"));
    EXPECT_FALSE(missing.AttachAndLoad(plain.theme));

    CHoverBitmapButton button(QStringLiteral("FXSTA"));
    button.resize(80, 20);
    ASSERT_TRUE(button.AttachAndLoad(plain.theme));
    EXPECT_EQ(button.size(), QSize(22, 38));  // the pictures' size at the classic font size
    const QImage normal = Rendered(button);
    EXPECT_EQ(normal.pixel(7, 7), Colour(button, QPalette::ButtonText));  // glyph
    EXPECT_EQ(normal.pixel(3, 3), Colour(button, QPalette::Button));  // face
    EXPECT_EQ(normal.pixel(0, 0), Colour(button, QPalette::Light));  // raised frame
    EXPECT_EQ(normal.pixel(21, 37), Colour(button, QPalette::Shadow));
    Enter(button);
    EXPECT_EQ(Rendered(button), normal);

    button.setDown(true);  // sunken, the glyph one pixel right and two down
    const QImage pressed = Rendered(button);
    EXPECT_EQ(pressed.pixel(0, 0), Colour(button, QPalette::Dark));
    EXPECT_EQ(pressed.pixel(8, 9), Colour(button, QPalette::ButtonText));
    EXPECT_EQ(pressed.pixel(7, 7), Colour(button, QPalette::Button));
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(Rendered(button).pixel(7, 7), Colour(button, QPalette::ButtonText, QPalette::Disabled));
    button.setEnabled(true);

    button.show();
    button.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
    button.setFocus();
    EXPECT_EQ(Rendered(button).pixel(3, 3), Colour(button, QPalette::ButtonText));  // focus dots
    button.setDown(true);  // pressed wins over focus
    EXPECT_EQ(Rendered(button), pressed);
}

TEST(HoverBitmapButton, ThemedDrawsTheStyledFaceOfEachStateUnderTheGlyph)
{
    StyledWindow styled("Fusion");
    CHoverBitmapButton button(QStringLiteral("FXCLRA"));
    ASSERT_TRUE(button.AttachAndLoad(styled.theme));
    // There are no pressed or disabled styled pictures: the normal one stands in.
    const QImage picture = Picture("XPFXCLRAU");
    // The style's face for the state with the glyph in the button text colour over it.
    const auto expect = [&](int state) {
        QImage face(button.size(), QImage::Format_RGB32);
        face.fill(button.palette().color(QPalette::Window));
        QPainter painter(&face);
        styled.theme.DrawBackground(painter, face.rect(), CThemeHelper::PushButtonPart, state, nullptr);
        painter.end();
        const QRgb glyph = Colour(button, QPalette::ButtonText,
                                  state == CThemeHelper::StateDisabled ? QPalette::Disabled : QPalette::Active);
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                if (picture.pixelIndex(x, y) == CBitmapButton::GlyphColour)
                    face.setPixel(x, y, glyph);
        return face;
    };

    const QImage normal = Rendered(button);
    EXPECT_EQ(normal, expect(CThemeHelper::StateNormal));
    Enter(button);
    EXPECT_NE(Rendered(button), normal);
    EXPECT_EQ(Rendered(button), expect(CThemeHelper::StateHot));
    button.setDown(true);
    EXPECT_EQ(Rendered(button), expect(CThemeHelper::StatePressed));
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(Rendered(button), expect(CThemeHelper::StateDisabled));
    button.setEnabled(true);
    QEvent left(QEvent::Leave);
    QApplication::sendEvent(&button, &left);
    EXPECT_EQ(Rendered(button), normal);
}

TEST(HoverBitmapButton, SharpAtTwiceTheScaleVisibleOnADarkPaletteAndGrowingWithTheFont)
{
    for (const char* styleName : {"Windows", "Fusion"})
        for (const qreal ratio : {1.5, 2.0}) {
            SCOPED_TRACE(std::string(styleName) + " at " + std::to_string(ratio));
            StyledWindow window(styleName);
            CHoverBitmapButton button(QStringLiteral("FXCLRA"));
            button.setPalette(Dark());
            ASSERT_TRUE(button.AttachAndLoad(window.theme));
            const QImage scaled = Rendered(button, ratio);
            // Each picture pixel is a square of 2 x 2 device pixels: the upper
            // square's top edge at picture (8, 7) is light on the dark face, and
            // nothing in the unstyled picture is blended.
            for (const QPoint at : {QPoint(16, 14), QPoint(17, 15)})
                EXPECT_EQ(scaled.pixel(at), Colour(button, QPalette::ButtonText)) << at.x() << ',' << at.y();
            EXPECT_NE(scaled.pixel(16, 16), Colour(button, QPalette::ButtonText));
            if (qstrcmp(styleName, "Windows") != 0)
                continue;
            QSet<QRgb> used;
            for (int y = 0; y < scaled.height(); ++y)
                for (int x = 0; x < scaled.width(); ++x)
                    used.insert(scaled.pixel(x, y));
            const QSet<QRgb> roles{Colour(button, QPalette::ButtonText), Colour(button, QPalette::Button),
                                   Colour(button, QPalette::Light), Colour(button, QPalette::Dark),
                                   Colour(button, QPalette::Shadow)};
            EXPECT_TRUE(roles.contains(used)) << used.size() << " colours";
        }

    StyledWindow plain("Windows");
    CHoverBitmapButton button(QStringLiteral("FXSTA"));
    ASSERT_TRUE(button.AttachAndLoad(plain.theme));
    QFont larger = button.font();
    larger.setPixelSize(CBitmapButton::pictureFontHeight * 2);
    button.setFont(larger);
    EXPECT_EQ(button.size(), QSize(44, 76));
}

}  // namespace
