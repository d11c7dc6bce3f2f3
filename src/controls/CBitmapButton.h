#pragma once

#include <QImage>
#include <QPushButton>

class QPainter;

// A push button painted from up to four pictures, one per state, loaded from
// the program's bitmap resources by name. The pictures are 16-colour bitmaps
// whose colour indices name palette roles (PictureColour), so that they are
// painted in the widget's palette, a dark one too; each picture pixel becomes
// a whole square of device pixels, as many as the font and the screen's scale
// ask for, so that the pictures stay sharp and grow with the font. Without a
// normal picture it paints as an ordinary push button.
class CBitmapButton : public QPushButton {
    Q_OBJECT
public:
    // Colour indices of the pictures (scripts/make-control-bitmaps draws them).
    enum PictureColour {
        GlyphColour = 0,  // the glyph: button text
        DisabledGlyphColour = 1,  // the glyph of a disabled button
        FaceColour = 2,  // the button face
        LightColour = 3,  // lit edge of the frame
        ShadowColour = 4,  // outer shaded edge of the frame
        DarkColour = 5,  // inner shaded edge of the frame
        FocusColour = 6,  // the dotted focus frame
        BackgroundColour = 7,  // around the glyph of a styled-face picture: transparent
        PictureColours = 8
    };
    // The font height the pictures were drawn for, one picture pixel per
    // device pixel: the classic 8-point dialog font.
    static constexpr int pictureFontHeight = 13;

    explicit CBitmapButton(const QString& caption, QWidget* parent = nullptr);

    // Releases the pictures held, then loads the normal one (on failure
    // nothing else is loaded) and each further one whose name is not empty.
    // True only when every named picture loaded; a missing one stays absent.
    bool LoadStateBitmaps(const QString& normal, const QString& selected = {}, const QString& focus = {},
                          const QString& disabled = {});
    // Gives the button the size of its normal picture at the current font
    // and scale, in place.
    void FitToBitmap();

    bool HasNormalBitmap() const;
    QSize sizeHint() const override;

    // Device pixels per picture pixel at a device pixel ratio.
    int PictureScale(qreal devicePixelRatio) const;

    // Where a named picture is looked up.
    static QString ResourcePath(const QString& name);

protected:
    // The picture for the current state: pressed, else focus, else disabled,
    // each only when present, else the normal one; in the palette's colours
    // and scaled for a device pixel ratio.
    QImage StatePicture(qreal devicePixelRatio) const;
    // Device pixels per logical pixel of what the painter paints on.
    static qreal DeviceRatio(const QPainter& painter);
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QImage& StateBitmap() const;

    QImage normalBitmap;
    QImage selectedBitmap;
    QImage focusBitmap;
    QImage disabledBitmap;
};
