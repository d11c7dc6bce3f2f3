#include "app/CRateValidator.h"

QString CRateValidator::Expectation()
{
    return tr("Type a whole number of hertz from 1,000 to 1,000,000.");
}

std::optional<QString> CRateValidator::Digits(const QString& text) const
{
    QString digits;
    const QString group = locale().groupSeparator();
    for (const QChar character : text) {
        if (character >= QLatin1Char('0') && character <= QLatin1Char('9'))
            digits += character;
        else if (character != QLatin1Char(',') && !character.isSpace() && !group.contains(character))
            return std::nullopt;
    }
    return digits;
}

QValidator::State CRateValidator::validate(QString& input, int& position) const
{
    Q_UNUSED(position)
    const std::optional<QString> digits = Digits(input);
    if (!digits)
        return Invalid;
    if (digits->isEmpty())
        return Intermediate;
    // More digits than the highest rate has cannot be typed.
    if (digits->size() > QString::number(Highest).size() || digits->toUInt() > Highest)
        return Invalid;
    return digits->toUInt() < Lowest ? Intermediate : Acceptable;
}

std::optional<std::uint32_t> CRateValidator::Value(const QString& text) const
{
    QString input = text;
    int position = 0;
    if (validate(input, position) != Acceptable)
        return std::nullopt;
    return Digits(text)->toUInt();
}
