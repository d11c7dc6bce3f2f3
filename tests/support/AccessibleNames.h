#pragma once

// What assistive technology hears of a window's controls, read through
// Qt's accessibility interface.

#include <QAccessible>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace testa11y {

inline QAccessibleInterface* Of(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The text of the first label the widget is labelled by, or an empty text.
inline QString LabelledBy(QWidget* widget)
{
    const auto labels = Of(widget)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// The name a control is announced by. A combo box's own name is its current
// text, so it is named by the label it is labelled by.
inline QString SpokenName(QWidget* widget)
{
    if (qobject_cast<QComboBox*>(widget) != nullptr)
        return LabelledBy(widget);
    const QString name = Of(widget)->text(QAccessible::Name);
    return name.isEmpty() ? LabelledBy(widget) : name;
}

// Every visible control of window that takes the keyboard focus but is
// announced without a name, by class and object name.
inline QStringList UnnamedControls(QWidget& window)
{
    QStringList unnamed;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&window) && (widget->focusPolicy() & Qt::TabFocus) && SpokenName(widget).isEmpty())
            unnamed << QString::fromLatin1(widget->metaObject()->className()) + '#' + widget->objectName();
    }
    return unnamed;
}

// The object names of the controls Tab visits, starting at the one after
// the focus, until the focus comes back to where it started.
inline QStringList TabOrder(QWidget& window)
{
    QStringList names;
    QWidget* start = window.focusWidget();
    for (QWidget* at = start; names.size() < 100;) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = window.focusWidget();
        if (at == nullptr || at == start)
            break;
        names << at->objectName();
    }
    return names;
}

}  // namespace testa11y
