#pragma once

// Whether the texts of a window fit their controls: every label's, button's,
// group title's, list header's and list column's text against its rectangle,
// controls against the window and each other, and the window against its
// screen. Each problem is one line naming the control and the text.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTreeView>
#include <QWidget>

#include <algorithm>

namespace testfit {

inline QString Name(const QWidget* widget, const QString& text)
{
    const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName();
    return name + QStringLiteral(" \"") + text + QLatin1Char('"');
}

inline QString Plain(const QString& text)
{
    return QString(text)
        .replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width of the widest line; spaces at either end show nothing to clip.
inline int TextWidth(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : Plain(text).split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
    return widest;
}

inline void CheckLabel(const QLabel* label, QStringList& problems)
{
    // A path label shortens its path itself.
    if (label->text().isEmpty() || label->inherits("CPathLabel"))
        return;
    const bool fits = label->wordWrap()
        ? label->heightForWidth(label->width()) <= label->height()
        : label->minimumSizeHint().width() <= label->width() && label->minimumSizeHint().height() <= label->height();
    if (!fits)
        problems << Name(label, label->text()) + QStringLiteral(" is clipped");
}

inline void CheckButton(const QAbstractButton* button, QStringList& problems)
{
    // A picture button's caption names its picture and is not shown.
    if (button->text().isEmpty() || button->inherits("CBitmapButton"))
        return;
    const int needed = TextWidth(button->fontMetrics(), button->text());
    int room = 0;
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        option.rect = push->rect();
        if (push->autoDefault() || push->isDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        room = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
        if (!push->icon().isNull())
            room -= push->iconSize().width() + 4;
    } else if (qobject_cast<const QCheckBox*>(button) != nullptr
               || qobject_cast<const QRadioButton*>(button) != nullptr) {
        room = button->width() - (button->minimumSizeHint().width() - needed);
    } else
        return;  // tool buttons show icons
    if (needed > room)
        problems << Name(button, button->text()) + QStringLiteral(" needs %1 pixels, has %2").arg(needed).arg(room);
}

inline void CheckGroupBox(const QGroupBox* box, QStringList& problems)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.rect = box->rect();
    option.textAlignment = box->alignment();
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (!box->rect().contains(label) || label.width() < TextWidth(box->fontMetrics(), box->title()))
        problems << Name(box, box->title())
                + QStringLiteral(" title is clipped: %1,%2 %3x%4 in %5x%6, text %7")
                      .arg(label.x())
                      .arg(label.y())
                      .arg(label.width())
                      .arg(label.height())
                      .arg(box->width())
                      .arg(box->height())
                      .arg(TextWidth(box->fontMetrics(), box->title()));
}

// Paths are shortened in the middle where they do not fit, by design.
inline bool IsPath(const QString& text)
{
    return text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\'));
}

inline void CheckComboBox(const QComboBox* box, QStringList& problems)
{
    // Boxes of paths shorten them by design.
    if (box->sizeAdjustPolicy() != QComboBox::AdjustToContents
        && box->sizeAdjustPolicy() != QComboBox::AdjustToContentsOnFirstShow)
        return;
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.rect = box->rect();
    option.editable = box->isEditable();
    const int room
        = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    for (int i = 0; i < box->count(); ++i)
        if (!IsPath(box->itemText(i)) && box->fontMetrics().horizontalAdvance(box->itemText(i)) > room)
            problems << Name(box, box->itemText(i)) + QStringLiteral(" is clipped");
}

// Every column of a tree view: header text and cell texts.
inline void CheckColumns(const QTreeView* view, QStringList& problems)
{
    const QHeaderView* header = view->header();
    if (view->model() == nullptr || header->isHidden())
        return;
    for (int column = 0; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
        const auto* items = static_cast<const QAbstractItemView*>(view);  // public there
        const int needed = std::max(header->sectionSizeHint(column), items->sizeHintForColumn(column));
        if (needed > header->sectionSize(column))
            problems << Name(view, title)
                    + QStringLiteral(" column needs %1 pixels, has %2").arg(needed).arg(header->sectionSize(column));
    }
}

inline bool Checked(const QWidget* widget)
{
    // A picture is no text.
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->text().isEmpty())
        return false;
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

inline QStringList Problems(const QWidget& window)
{
    QStringList problems;
    const QRect inWindow = window.rect();
    std::vector<std::pair<const QWidget*, QRect>> placed;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window || !Checked(widget))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            CheckLabel(label, problems);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            CheckButton(button, problems);
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            CheckGroupBox(box, problems);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            CheckComboBox(combo, problems);
        else if (const auto* tree = qobject_cast<const QTreeView*>(widget))
            CheckColumns(tree, problems);
        const QRect rect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (!inWindow.contains(rect))
            problems << Name(widget, QString()) + QStringLiteral(" reaches out of the window");
        // Group boxes hold others; the rest must not overlap.
        if (qobject_cast<const QGroupBox*>(widget) == nullptr)
            placed.emplace_back(widget, rect);
    }
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const auto& [a, ra] = placed[i];
            const auto& [b, rb] = placed[j];
            if (ra.intersects(rb) && !a->isAncestorOf(b) && !b->isAncestorOf(a))
                problems << Name(a, QString()) + QStringLiteral(" overlaps ") + Name(b, QString());
        }
    if (const QScreen* screen = window.screen();
        screen && !screen->availableGeometry().contains(window.frameGeometry()))
        problems << QStringLiteral("the window (%1x%2) does not fit the screen (%3x%4)")
                        .arg(window.frameGeometry().width())
                        .arg(window.frameGeometry().height())
                        .arg(screen->availableGeometry().width())
                        .arg(screen->availableGeometry().height());
    return problems;
}

}  // namespace testfit
