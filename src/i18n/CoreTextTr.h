#pragma once

#include "platform/CoreText.h"

#include <QString>

// An engine text in the user's language: its English format translated in
// the context "Engine", every %N replaced by its (translated) argument in
// one pass.
QString TranslateCoreText(const CoreText& text);
