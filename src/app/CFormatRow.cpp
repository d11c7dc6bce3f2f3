#include "app/CFormatRow.h"

#include "app/CRateValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStandardItemModel>

#include <algorithm>
#include <iterator>

CFormatRow::CFormatRow(QComboBox* selectorBox, QCheckBox* changeBox, std::vector<std::uint32_t> items,
                       const QString& shownHint, CRateValidator* typedValues, QObject* parent)
    : QObject(parent),
      selector(selectorBox),
      check(changeBox),
      values(std::move(items)),
      hint(shownHint),
      typed(typedValues)
{
    const QLocale locale;
    for (const std::uint32_t value : values)
        selector->addItem(locale.toString(value));
    selector->addItem(tr("undefined"));
    // Shown for a file's value, never offered: it is no value to write.
    if (auto* model = qobject_cast<QStandardItemModel*>(selector->model()))
        model->item(static_cast<int>(values.size()))->setEnabled(false);
    if (typed != nullptr) {
        selector->setEditable(true);
        selector->setInsertPolicy(QComboBox::NoInsert);
        // What is typed stays as typed; the items keep their places.
        selector->setCompleter(nullptr);
        typed->SetUndefinedText(selector->itemText(static_cast<int>(values.size())));
        selector->lineEdit()->setValidator(typed);
        selector->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
        connect(selector->lineEdit(), &QLineEdit::textEdited, this, [this] {
            UpdateHint();
            emit Changed();
        });
        // Ctrl+Z stays the window's Undo Last Change here too.
        selector->installEventFilter(this);
    }
    Clear();
    connect(selector, &QComboBox::activated, this, [this] {
        UpdateHint();
        emit Changed();
    });
    connect(check, &QCheckBox::clicked, this, &CFormatRow::ToggleFlag);
}

void CFormatRow::Show(std::optional<std::uint32_t> value, const QString& why)
{
    const auto found = value ? std::find(values.begin(), values.end(), *value) : values.end();
    selector->setCurrentIndex(static_cast<int>(std::distance(values.begin(), found)));
    shownValue = Chosen();
    whyUndefined = why;
    UpdateHint();
}

void CFormatRow::Clear()
{
    selector->setCurrentIndex(-1);
    shownValue.reset();
    UpdateHint();
}

bool CFormatRow::ShowsOwnValue() const
{
    // Compared by value: a typed rate leaves the item index where it was.
    return Chosen() == shownValue;
}

bool CFormatRow::IsUndefined() const
{
    return selector->currentIndex() >= 0 && !Chosen();
}

std::optional<std::uint32_t> CFormatRow::Chosen() const
{
    if (typed != nullptr)
        return typed->Value(selector->currentText());
    const int index = selector->currentIndex();
    if (index < 0 || index >= static_cast<int>(values.size()))
        return std::nullopt;
    return values[static_cast<std::size_t>(index)];
}

QString CFormatRow::Reason() const
{
    if (!IsUndefined())
        return {};
    // A typed text that is no value, or a file's own value that is none of the items.
    if (typed != nullptr && selector->currentText() != selector->itemText(static_cast<int>(values.size())))
        return typed->Expectation();
    return whyUndefined;
}

void CFormatRow::SetFlag(bool on)
{
    flag = on;
    check->setChecked(on);
    UpdateEnabled();
}

void CFormatRow::SetLocked(bool on)
{
    locked = on;
    check->setEnabled(!on);
    UpdateEnabled();
}

bool CFormatRow::eventFilter(QObject* watched, QEvent* event)
{
    // Left unclaimed, the key reaches the window's shortcut instead of the text.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo))
        return true;
    return QObject::eventFilter(watched, event);
}

void CFormatRow::ToggleFlag()
{
    // The box has changed its own mark; the flag follows it without reading it back.
    flag = !flag;
    UpdateEnabled();
    emit Changed();
}

void CFormatRow::UpdateEnabled()
{
    selector->setEnabled(flag && !locked);
}

void CFormatRow::UpdateHint()
{
    const QString reason = Reason();
    const QString shown = reason.isEmpty() ? hint : reason;
    selector->setToolTip(shown);
    selector->setAccessibleDescription(shown);
}
