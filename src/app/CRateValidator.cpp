#include "app/CRateValidator.h"

QString CRateValidator::Expectation()
{
    return tr("Type a whole number of hertz from 1,000 to 1,000,000.");
}

bool CRateValidator::IsPartOfRate(QChar character) const
{
    return (character >= QLatin1Char('0') && character <= QLatin1Char('9')) || character == QLatin1Char(',')
        || character.isSpace() || locale().groupSeparator().contains(character);
}

QValidator::State CRateValidator::validate(QString& input, int& position) const
{
    if (!undefinedText.isEmpty() && input == undefinedText)
        return Intermediate;
    // Anything else is dropped as it is typed.
    QString kept;
    int keptPosition = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!IsPartOfRate(input[i]))
            continue;
        kept += input[i];
        if (i < position)
            ++keptPosition;
    }
    input = kept;
    position = keptPosition;

    QString digits;
    for (const QChar character : input) {
        if (character.isDigit())
            digits += character;
    }
    if (digits.isEmpty())
        return Intermediate;
    // More digits than the highest rate has cannot be typed.
    if (digits.size() > QString::number(Highest).size() || digits.toUInt() > Highest)
        return Invalid;
    return digits.toUInt() < Lowest ? Intermediate : Acceptable;
}

std::optional<std::uint32_t> CRateValidator::Value(const QString& text) const
{
    QString input = text;
    int position = 0;
    if (validate(input, position) != Acceptable)
        return std::nullopt;
    input.removeIf([](QChar character) { return !character.isDigit(); });
    return input.toUInt();
}
