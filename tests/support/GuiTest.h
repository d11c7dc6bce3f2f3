#pragma once

// What every widget test uses: GoogleTest, QTest, and texts printed as
// texts when a comparison fails.

#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
