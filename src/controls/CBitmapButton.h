#pragma once

#include <QPixmap>
#include <QPushButton>

// A push button painted from up to four pictures, one per state, loaded from
// the program's bitmap resources by name. Without a normal picture it paints
// as an ordinary push button.
class CBitmapButton : public QPushButton {
    Q_OBJECT
public:
    explicit CBitmapButton(const QString& caption, QWidget* parent = nullptr);

    // Releases the pictures held, then loads the normal one (on failure
    // nothing else is loaded) and each further one whose name is not empty.
    // True only when every named picture loaded; a missing one stays absent.
    bool LoadStateBitmaps(const QString& normal, const QString& selected = {},
                          const QString& focus = {}, const QString& disabled = {});
    // Gives the button the size of its normal picture, in place.
    void FitToBitmap();

    bool HasNormalBitmap() const;
    QSize sizeHint() const override;

    // Where a named picture is looked up.
    static QString ResourcePath(const QString& name);

protected:
    // The picture for the current state: pressed, else focus, else disabled,
    // each only when present, else the normal one.
    const QPixmap& StateBitmap() const;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normalBitmap;
    QPixmap selectedBitmap;
    QPixmap focusBitmap;
    QPixmap disabledBitmap;
};
