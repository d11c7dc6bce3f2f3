#pragma once

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;

// One field of the shown format: a selector of the values the program offers,
// with "undefined" last for any other value, and the Change box whose flag
// says whether a Change writes the field. The widgets belong to the window.
class CFormatRow : public QObject {
    Q_OBJECT

public:
    // texts name values in order; "undefined" is added after them.
    CFormatRow(QComboBox* selector, QCheckBox* check, std::vector<std::uint32_t> values, const QStringList& texts,
               QObject* parent);

    // Selects value's item; "undefined" when it is none of them or unknown.
    void Show(std::optional<std::uint32_t> value);
    // Nothing is shown (no file has been read yet).
    void Clear();

    // The selector stands on "undefined" (no selection does not count).
    bool IsUndefined() const;
    // The selector still stands where Show put it: the user chose nothing.
    bool ShowsOwnValue() const;
    // The value of the item chosen; none on "undefined" or without a selection.
    std::optional<std::uint32_t> Chosen() const;

    bool Flag() const { return flag; }
    void SetFlag(bool on);
    // While files are being rewritten neither the value nor the flag can change.
    void SetLocked(bool locked);

signals:
    // The user chose an item or ticked or unticked the Change box.
    void Changed();

private:
    void ToggleFlag();
    void UpdateEnabled();

    QComboBox* selector;
    QCheckBox* check;
    std::vector<std::uint32_t> values;
    int shownIndex = -1;
    bool flag = false;
    bool locked = false;
};
