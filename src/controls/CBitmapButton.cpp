#include "controls/CBitmapButton.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

// The pictures live in a static library; their registration has to be
// pulled in explicitly, once, from the global namespace.
static void RegisterControlResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(controls);
        return true;
    }();
    static_cast<void>(registered);
}

namespace {

bool LoadBitmap(QImage& target, const QString& name)
{
    if (name.isEmpty())
        return true;
    return target.load(CBitmapButton::ResourcePath(name));
}

}  // namespace

CBitmapButton::CBitmapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    RegisterControlResources();
}

QString CBitmapButton::ResourcePath(const QString& name)
{
    return QStringLiteral(":/bitmaps/") + name + QStringLiteral(".bmp");
}

bool CBitmapButton::LoadStateBitmaps(const QString& normal, const QString& selected, const QString& focus,
                                     const QString& disabled)
{
    normalBitmap = QImage();
    selectedBitmap = QImage();
    focusBitmap = QImage();
    disabledBitmap = QImage();

    if (normal.isEmpty() || !normalBitmap.load(ResourcePath(normal))) {
        update();
        return false;
    }
    bool allLoaded = LoadBitmap(selectedBitmap, selected);
    allLoaded = LoadBitmap(focusBitmap, focus) && allLoaded;
    allLoaded = LoadBitmap(disabledBitmap, disabled) && allLoaded;
    update();
    return allLoaded;
}

int CBitmapButton::PictureScale(qreal devicePixelRatio) const
{
    const qreal fontScale = static_cast<qreal>(fontMetrics().height()) / pictureFontHeight;
    return std::max(1, static_cast<int>(std::lround(fontScale * devicePixelRatio)));
}

void CBitmapButton::FitToBitmap()
{
    if (normalBitmap.isNull())
        return;
    // Fixed, so that no layout stretches the pictures' frame.
    setFixedSize(sizeHint());
    updateGeometry();
}

bool CBitmapButton::HasNormalBitmap() const
{
    return !normalBitmap.isNull();
}

QSize CBitmapButton::sizeHint() const
{
    if (normalBitmap.isNull())
        return QPushButton::sizeHint();
    const qreal ratio = devicePixelRatioF();
    const int scale = PictureScale(ratio);
    return {static_cast<int>(std::ceil(normalBitmap.width() * scale / ratio)),
            static_cast<int>(std::ceil(normalBitmap.height() * scale / ratio))};
}

const QImage& CBitmapButton::StateBitmap() const
{
    if (isDown() && !selectedBitmap.isNull())
        return selectedBitmap;
    if (hasFocus() && !focusBitmap.isNull())
        return focusBitmap;
    if (!isEnabled() && !disabledBitmap.isNull())
        return disabledBitmap;
    return normalBitmap;
}

QImage CBitmapButton::StatePicture(qreal devicePixelRatio) const
{
    QImage picture = StateBitmap();
    if (picture.format() == QImage::Format_Indexed8 && picture.colorCount() >= PictureColours) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QPalette& colours = palette();
        const std::array<QRgb, PictureColours> roles{
            colours.color(group, QPalette::ButtonText).rgba(),
            colours.color(QPalette::Disabled, QPalette::ButtonText).rgba(),
            colours.color(group, QPalette::Button).rgba(),
            colours.color(group, QPalette::Light).rgba(),
            colours.color(group, QPalette::Shadow).rgba(),
            colours.color(group, QPalette::Dark).rgba(),
            colours.color(group, QPalette::ButtonText).rgba(),
            qRgba(0, 0, 0, 0),
        };
        for (int index = 0; index < PictureColours; ++index)
            picture.setColor(index, roles[static_cast<std::size_t>(index)]);
    }
    // Whole device pixels per picture pixel: no blurred edges.
    const int scale = PictureScale(devicePixelRatio);
    picture = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

qreal CBitmapButton::DeviceRatio(const QPainter& painter)
{
    // Painting into an image of another ratio (a grab, a print) scales
    // through the painter's transform rather than through the device.
    return std::max(painter.device()->devicePixelRatioF(), painter.deviceTransform().m22());
}

void CBitmapButton::paintEvent(QPaintEvent* event)
{
    if (normalBitmap.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), StatePicture(DeviceRatio(painter)));
}

void CBitmapButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    // The pictures grow with the font; a new palette repaints by itself.
    if (event->type() == QEvent::FontChange && !normalBitmap.isNull())
        FitToBitmap();
}
