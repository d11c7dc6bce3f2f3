#include "controls/CThemeHelper.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// What QStyleFactory calls the classic style. Names keep the case they were
// created with ("Windows", "windows"), so compare without case.
constexpr const char* classicStyleName = "windows";
constexpr const char* classicStyleClass = "QWindowsStyle";

}  // namespace

bool CThemeHelper::StylesInUse(const QStyle* style)
{
    if (style == nullptr)
        return false;
    const QString name = style->name();
    if (!name.isEmpty())
        return name.compare(QLatin1String(classicStyleName), Qt::CaseInsensitive) != 0;
    // A style not made by the factory has no name; fall back to its class.
    return qstrcmp(style->metaObject()->className(), classicStyleClass) != 0;
}

void CThemeHelper::Initialize(QWidget* windowToTheme)
{
    stylesActive = windowToTheme != nullptr && StylesInUse(windowToTheme->style());
    if (!stylesActive)
        return;
    window = windowToTheme;
    themeOpen = true;
}

bool CThemeHelper::StylesActive() const
{
    return stylesActive;
}

bool CThemeHelper::ThemeOpen() const
{
    return themeOpen && !window.isNull();
}

void CThemeHelper::DrawBackground(QPainter& painter, const QRect& rect, int part, int state, const QRect* clip) const
{
    if (!ThemeOpen() || part != PushButtonPart)
        return;

    QStyleOptionButton option;
    option.initFrom(window);
    option.rect = rect;
    option.features = QStyleOptionButton::None;
    option.state = QStyle::State_Raised;
    switch (state) {
    case StateHot:
        option.state |= QStyle::State_Enabled | QStyle::State_MouseOver;
        break;
    case StatePressed:
        option.state = QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_MouseOver;
        break;
    case StateDisabled:
        option.palette.setCurrentColorGroup(QPalette::Disabled);
        break;
    case StateDefaulted:
        option.state |= QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        option.features = QStyleOptionButton::DefaultButton;
        break;
    default:
        option.state |= QStyle::State_Enabled;
        break;
    }
    if (state != StateDisabled && option.palette.currentColorGroup() == QPalette::Disabled)
        option.palette.setCurrentColorGroup(QPalette::Active);

    painter.save();
    if (clip != nullptr)
        painter.setClipRect(*clip, Qt::IntersectClip);
    window->style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, nullptr);
    painter.restore();
}
