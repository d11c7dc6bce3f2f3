#pragma once

// What every widget test uses: GoogleTest, QTest, and texts printed as
// texts when a comparison fails.

#include <QString>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// text(0) to text(count - 1), in order.
template <typename Text>
QStringList Texts(int count, Text text)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << text(i);
    return texts;
}
