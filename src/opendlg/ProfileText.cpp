#include "opendlg/ProfileText.h"

#include <QFile>
#include <QStringDecoder>

std::string ToProfileText(const QString& text)
{
    return text.toStdString();
}

QString FromProfileText(const std::string& value)
{
    const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QFile::decodeName(bytes) : text;
}
