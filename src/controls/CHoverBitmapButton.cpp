#include "controls/CHoverBitmapButton.h"

#include "controls/CThemeHelper.h"

#include <QPainter>

CHoverBitmapButton::CHoverBitmapButton(const QString& caption, QWidget* parent) : CBitmapButton(caption, parent) {}

bool CHoverBitmapButton::AttachAndLoad(CThemeHelper& theme)
{
    themeHelper = &theme;
    themed = theme.StylesActive();

    QString base = text();
    if (themed)
        base.prepend(QLatin1String(themePrefix));
    LoadStateBitmaps(base + QLatin1Char('U'), base + QLatin1Char('D'), base + QLatin1Char('F'),
                     base + QLatin1Char('X'));
    if (!HasNormalBitmap())
        return false;
    FitToBitmap();
    return true;
}

bool CHoverBitmapButton::IsThemed() const
{
    return themed;
}

bool CHoverBitmapButton::IsHovering() const
{
    return hovering;
}

int CHoverBitmapButton::ThemeState() const
{
    // A disabled button never lights up, even with the pointer over it.
    if (!isEnabled())
        return CThemeHelper::StateDisabled;
    if (hovering)
        return isDown() ? CThemeHelper::StatePressed : CThemeHelper::StateHot;
    return hasFocus() ? CThemeHelper::StateDefaulted : CThemeHelper::StateNormal;
}

void CHoverBitmapButton::SetHovering(bool hover)
{
    if (hovering == hover)
        return;
    hovering = hover;
    update();
}

void CHoverBitmapButton::enterEvent(QEnterEvent* event)
{
    SetHovering(true);
    CBitmapButton::enterEvent(event);
}

void CHoverBitmapButton::leaveEvent(QEvent* event)
{
    SetHovering(false);
    CBitmapButton::leaveEvent(event);
}

void CHoverBitmapButton::paintEvent(QPaintEvent* event)
{
    if (!themed || !HasNormalBitmap()) {
        CBitmapButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (themeHelper != nullptr)
        themeHelper->DrawBackground(painter, rect(), CThemeHelper::PushButtonPart, ThemeState(), nullptr);
    // The picture's background is transparent: the styled face shows around
    // the glyph, which is drawn in the palette's button text colour.
    painter.drawImage(QPoint(0, 0), StatePicture(DeviceRatio(painter)));
}
