#include "app/CDialogUnits.h"

#include <QFontMetrics>
#include <QString>
#include <QWidget>

namespace {

int Scale(int units, int base, int divisor)
{
    // Rounded like the platform's dialog-unit conversion.
    return (units * base + divisor / 2) / divisor;
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    charWidth = (metrics.horizontalAdvance(alphabet) + 26) / 52;
    charHeight = metrics.height();
}

int CDialogUnits::X(int units) const
{
    return Scale(units, charWidth, 4);
}

int CDialogUnits::Y(int units) const
{
    return Scale(units, charHeight, 8);
}

QSize CDialogUnits::Size(int width, int height) const
{
    return {X(width), Y(height)};
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const
{
    return {X(x), Y(y), X(width), Y(height)};
}

void CDialogUnits::PlaceCentred(QWidget* widget, const QRect& rect)
{
    const int height = widget->sizeHint().height();
    if (height <= rect.height()) {
        widget->setGeometry(rect);
        return;
    }
    widget->setGeometry(rect.x(), rect.center().y() - height / 2, rect.width(), height);
}
