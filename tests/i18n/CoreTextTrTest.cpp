#include "i18n/CoreTextTr.h"
#include "platform/OpenFailureCause.h"

#include "GuiTest.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cerrno>

namespace {

// Stands in for a catalogue: two engine texts in German.
class CGermanEngine : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context) != "Engine")
            return {};
        if (QByteArray(source) == "File %1 could not be opened - code: %2 (%3)")
            return QStringLiteral("Fehler %2 (%3): %1 ließ sich nicht öffnen");
        if (QByteArray(source) == "disk quota exceeded")
            return QStringLiteral("Kontingent überschritten");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(CoreTextTr, TranslatesTheFormatAndNestedReasonsAndKeepsNamesAsTheyAre)
{
    const CoreText message = OpenFailureMessage("/x/%2 y.wav", FailureFromSystemError(EDQUOT));
    // Without a catalogue the desktop program says what the command-line tool says.
    EXPECT_EQ(TranslateCoreText(message).toStdString(), RenderEnglish(message));

    CGermanEngine german;
    QCoreApplication::installTranslator(&german);
    const QString translated = TranslateCoreText(message);
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(translated, QStringLiteral("Fehler 13 (Kontingent überschritten): /x/%2 y.wav ließ sich nicht öffnen"));
}
