#include "controls/CHoverBitmapButton.h"
#include "controls/CThemeHelper.h"

#include "GuiTest.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
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

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
QImage Rendered(QWidget& widget) { return Rgb(widget.grab().toImage()); }
QImage Picture(const char* name) { return Rgb(QImage(CBitmapButton::ResourcePath(QLatin1String(name)))); }

void Enter(QWidget& widget)
{
    QEnterEvent entered(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&widget, &entered);
}

} // namespace

TEST(HoverBitmapButton, UnthemedShowsThePictureOfEachStateAndIgnoresThePointer)
{
    StyledWindow plain("WINDOWS");  // the style's name in any case
    CHoverBitmapButton missing(QStringLiteral("NOSUCH"));
    EXPECT_FALSE(missing.AttachAndLoad(plain.theme));

    CHoverBitmapButton button(QStringLiteral("FXSTA"));
    button.resize(80, 20);
    ASSERT_TRUE(button.AttachAndLoad(plain.theme));
    EXPECT_EQ(button.size(), QSize(22, 38));
    Enter(button);
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
    EXPECT_EQ(Rendered(button), Picture("FXSTAF"));
    button.setDown(true);  // pressed wins over focus
    EXPECT_EQ(Rendered(button), Picture("FXSTAD"));
}

TEST(HoverBitmapButton, ThemedDrawsTheStyledFaceOfEachStateUnderTheAndedPicture)
{
    StyledWindow styled("Fusion");
    CHoverBitmapButton button(QStringLiteral("FXCLRA"));
    ASSERT_TRUE(button.AttachAndLoad(styled.theme));
    // There are no pressed or disabled styled pictures: the normal one stands in.
    const QImage picture = Picture("XPFXCLRAU");
    // The style's face for the state with the picture ANDed over it.
    const auto expect = [&](int state) {
        QImage face(button.size(), QImage::Format_RGB32);
        face.fill(button.palette().color(QPalette::Window));
        QPainter painter(&face);
        styled.theme.DrawBackground(painter, face.rect(), CThemeHelper::PushButtonPart, state, nullptr);
        painter.end();
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                face.setPixel(x, y, face.pixel(x, y) & picture.pixel(x, y));
        return face;
    };

    const QImage normal = Rendered(button);
    EXPECT_EQ(normal, expect(CThemeHelper::StateNormal));
    EXPECT_EQ(normal.pixel(7, 7), qRgb(0, 0, 0));  // black glyph over the face
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
