#pragma once

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class CRateValidator;
class QCheckBox;
class QComboBox;

// One field of the shown format: a selector of the values the program offers,
// with "undefined" last for a file's value that is none of them, and the
// Change box whose flag says whether a Change writes the field. "undefined"
// is shown, never offered; its reason is the selector's tool tip. A row given
// a validator also takes a typed value. The widgets belong to the window.
class CFormatRow : public QObject {
    Q_OBJECT

public:
    // The items are the values as the user's locale writes numbers ("44,100",
    // "44.100"), in order; "undefined" is added after them. hint is the
    // selector's tool tip while it shows a value.
    CFormatRow(QComboBox* selector, QCheckBox* check, std::vector<std::uint32_t> values, const QString& hint,
               CRateValidator* typed, QObject* parent);

    // Selects value's item; "undefined" when it is none of them, or unknown,
    // with whyUndefined saying why.
    void Show(std::optional<std::uint32_t> value, const QString& whyUndefined);
    // Nothing is shown (no file has been read yet).
    void Clear();

    // The selector shows no value to write: "undefined", or a typed text
    // that is not a value. No selection does not count.
    bool IsUndefined() const;
    // The selector still holds the value Show put there: the user chose nothing.
    bool ShowsOwnValue() const;
    // The value of the item chosen or typed.
    std::optional<std::uint32_t> Chosen() const;
    // Why the selector shows no value to write; empty when it shows one.
    QString Reason() const;

    bool Flag() const { return flag; }
    void SetFlag(bool on);
    // While files are being rewritten neither the value nor the flag can change.
    void SetLocked(bool locked);

signals:
    // The user chose or typed a value, or ticked or unticked the Change box.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ToggleFlag();
    void UpdateEnabled();
    void UpdateHint();

    QComboBox* selector;
    QCheckBox* check;
    std::vector<std::uint32_t> values;
    QString hint;
    CRateValidator* typed;
    QString whyUndefined;
    // The value Show put in the selector; none for "undefined" or nothing shown.
    std::optional<std::uint32_t> shownValue;
    bool flag = false;
    bool locked = false;
};
