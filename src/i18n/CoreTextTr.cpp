#include "CoreTextTr.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

QString TranslateCoreText(const CoreText& text)
{
    if (text.id == TextId::Verbatim)
        return QString::fromStdString(text.verbatim);
    if (text.id == TextId::Number)
        return QLocale().toString(QString::fromStdString(text.verbatim).toULongLong());
    if (text.id == TextId::Clause) {
        QString clause = text.args.empty() ? QString() : TranslateCoreText(text.args.front());
        if (clause.endsWith(QLatin1Char('.')))
            clause.chop(1);
        return clause;
    }
    if (text.id == TextId::Lines) {
        QStringList lines;
        for (const CoreText& line : text.args)
            lines << TranslateCoreText(line);
        return lines.join(QLatin1Char('\n'));
    }
    const QString format = QCoreApplication::translate("Engine", EnglishFormat(text.id));
    QString result;
    result.reserve(format.size());
    for (qsizetype at = 0; at < format.size(); ++at) {
        const QChar c = format[at];
        const QChar next = at + 1 < format.size() ? format[at + 1] : QChar();
        const auto index = static_cast<std::size_t>(next.unicode() - u'1');
        if (c == u'%' && next >= u'1' && next <= u'9' && index < text.args.size()) {
            result += TranslateCoreText(text.args[index]);
            ++at;
        } else {
            result += c;
        }
    }
    return result;
}
