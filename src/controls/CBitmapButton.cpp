#include "controls/CBitmapButton.h"

#include <QPainter>

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

bool LoadBitmap(QPixmap& target, const QString& name)
{
    if (name.isEmpty())
        return true;
    return target.load(CBitmapButton::ResourcePath(name));
}

} // namespace

CBitmapButton::CBitmapButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    RegisterControlResources();
}

QString CBitmapButton::ResourcePath(const QString& name)
{
    return QStringLiteral(":/bitmaps/") + name + QStringLiteral(".bmp");
}

bool CBitmapButton::LoadStateBitmaps(const QString& normal, const QString& selected,
                                     const QString& focus, const QString& disabled)
{
    normalBitmap = QPixmap();
    selectedBitmap = QPixmap();
    focusBitmap = QPixmap();
    disabledBitmap = QPixmap();

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

void CBitmapButton::FitToBitmap()
{
    if (normalBitmap.isNull())
        return;
    // Fixed, so that no layout stretches the pictures' frame.
    setFixedSize(normalBitmap.size());
    updateGeometry();
}

bool CBitmapButton::HasNormalBitmap() const
{
    return !normalBitmap.isNull();
}

QSize CBitmapButton::sizeHint() const
{
    return normalBitmap.isNull() ? QPushButton::sizeHint() : normalBitmap.size();
}

const QPixmap& CBitmapButton::StateBitmap() const
{
    if (isDown() && !selectedBitmap.isNull())
        return selectedBitmap;
    if (hasFocus() && !focusBitmap.isNull())
        return focusBitmap;
    if (!isEnabled() && !disabledBitmap.isNull())
        return disabledBitmap;
    return normalBitmap;
}

void CBitmapButton::paintEvent(QPaintEvent* event)
{
    if (normalBitmap.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), StateBitmap(), rect());
}
