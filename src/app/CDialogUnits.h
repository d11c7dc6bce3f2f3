#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

// Converts dialog-template units to pixels with the average character size of
// a dialog font: a horizontal unit is a quarter of the average character
// width, a vertical unit an eighth of the character height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int width, int height) const;
    QRect Rect(int x, int y, int width, int height) const;

    // Places a widget whose natural height differs from the template's in the
    // vertical middle of the template rectangle.
    static void PlaceCentred(QWidget* widget, const QRect& rect);

private:
    int charWidth;
    int charHeight;
};
