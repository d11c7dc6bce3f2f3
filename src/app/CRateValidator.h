#pragma once

#include <QValidator>

#include <cstdint>
#include <optional>

// A sample rate typed by the user: whole hertz from 1,000 to 1,000,000, in
// digits with or without group separators ("47952", "47,952").
class CRateValidator : public QValidator {
    Q_OBJECT

public:
    static constexpr std::uint32_t Lowest = 1000;
    static constexpr std::uint32_t Highest = 1000000;

    using QValidator::QValidator;

    // The word the field shows for a file's rate that is none of the items;
    // it is left as it is, and any edit of it starts a rate.
    void SetUndefinedText(const QString& text) { undefinedText = text; }

    State validate(QString& input, int& position) const override;

    // What may be typed, for a text that is not acceptable.
    static QString Expectation();

    // The rate text stands for, when it is an acceptable one.
    std::optional<std::uint32_t> Value(const QString& text) const;

private:
    // A digit or a group separator.
    bool IsPartOfRate(QChar character) const;

    QString undefinedText;
};
