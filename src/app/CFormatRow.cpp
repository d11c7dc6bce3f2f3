#include "app/CFormatRow.h"

#include <QCheckBox>
#include <QComboBox>

#include <algorithm>
#include <iterator>

CFormatRow::CFormatRow(QComboBox* selectorBox, QCheckBox* changeBox, std::vector<std::uint32_t> items,
                       const QStringList& texts, QObject* parent)
    : QObject(parent), selector(selectorBox), check(changeBox), values(std::move(items))
{
    selector->addItems(texts);
    selector->addItem(QStringLiteral("undefined"));
    Clear();
    connect(selector, &QComboBox::activated, this, &CFormatRow::Changed);
    connect(check, &QCheckBox::clicked, this, &CFormatRow::ToggleFlag);
}

void CFormatRow::Show(std::optional<std::uint32_t> value)
{
    const auto found = value ? std::find(values.begin(), values.end(), *value) : values.end();
    shownIndex = static_cast<int>(std::distance(values.begin(), found));
    selector->setCurrentIndex(shownIndex);
}

void CFormatRow::Clear()
{
    shownIndex = -1;
    selector->setCurrentIndex(shownIndex);
}

bool CFormatRow::ShowsOwnValue() const
{
    return selector->currentIndex() == shownIndex;
}

bool CFormatRow::IsUndefined() const
{
    return selector->currentIndex() == static_cast<int>(values.size());
}

std::optional<std::uint32_t> CFormatRow::Chosen() const
{
    const int index = selector->currentIndex();
    if (index < 0 || index >= static_cast<int>(values.size()))
        return std::nullopt;
    return values[static_cast<std::size_t>(index)];
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
