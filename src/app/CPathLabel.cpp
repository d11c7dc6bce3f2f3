#include "app/CPathLabel.h"

#include <QPainter>
#include <QStyle>

CPathLabel::CPathLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString CPathLabel::ShownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const QString path = text();
    const int width = contentsRect().width();
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    // The folders give way first: the file name stays whole while it fits.
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash);  // with its slash, when there is one
    const int room = width - metrics.horizontalAdvance(name);
    if (slash > 0 && room >= metrics.horizontalAdvance(QChar(0x2026)))
        return metrics.elidedText(path.left(slash), Qt::ElideMiddle, room) + name;
    return metrics.elidedText(path.mid(slash + 1), Qt::ElideMiddle, width);
}

void CPathLabel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}
