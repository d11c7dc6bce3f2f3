#pragma once

#include <QString>

#include <string>

// Texts the dialogs keep in the profile, paths above all, are UTF-8. Older
// versions wrote the start folder in the system's 8-bit encoding: a value
// that is no UTF-8 is read that way, so such a profile still works.
std::string ToProfileText(const QString& text);
QString FromProfileText(const std::string& value);
