#include "i18n/CoreTextTr.h"
#include "app/CUndoLastChange.h"
#include "i18n/CTranslations.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"
#include "platform/OpenFailureCause.h"

#include "FakePrompt.h"
#include "GuiTest.h"
#include "WavBuilder.h"

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

}  // namespace

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

// What the desktop program shows of the journal, of an undo and of a failed
// close, with the German catalogue loaded: every part, nested ones too.
TEST(CoreTextTr, JournalUndoAndCloseTextsAppearInGerman)
{
    const testwav::TempDir dir;
    const std::string journalPath = dir / "batch.jsonl";
    const std::string gone = dir / "gone.wav";
    {
        CJournalWriter writer;
        ASSERT_TRUE(writer.Create(journalPath, NewBatchHeader(DesktopProgramName, {}, {}),
                                  CJournalWriter::CreateMode::NewFile));
        ASSERT_TRUE(writer.RecordPatch(gone, {{1, 2, 100}, 20, {1}, {2}}));
        ASSERT_TRUE(writer.Finish());
    }
    testwav::WriteFile(dir / "notes.jsonl", {'x', '\n'});

    const CTranslations german{QLocale(QLatin1String("de_DE"))};
    ASSERT_TRUE(german.HasProgramCatalogue());
    CJournalReader damaged;
    EXPECT_FALSE(damaged.Open(dir / "notes.jsonl"));
    CJournalReader batch;
    ASSERT_TRUE(batch.Open(journalPath));
    CJournalWriter undoJournal;
    ASSERT_TRUE(undoJournal.Create(dir / "undo.jsonl", NewBatchHeader(DesktopProgramName, {}, journalPath),
                                   CJournalWriter::CreateMode::NewFile));
    FakePrompt prompt;
    const QString undone = CUndoLastChange::Restore(batch, undoJournal, prompt).text;
    const CoreText closed(
        TextId::ClosedWithNewValues,
        {"/a.wav",
         CoreText(TextId::Clause, {CauseText({OpenFailureCause::HardIO, SystemReason::InputOutput}, "/a.wav")})});

    for (const auto& [shown, expected] : {
             std::pair{TranslateCoreText(damaged.Failure()),
                       QString::fromStdString(dir / "notes.jsonl")
                           + QStringLiteral(" ist kein Journal: kein JSON-Objekt")},
             std::pair{undone.section(QLatin1Char('\n'), 3),
                       QString::fromStdString(gone)
                           + QStringLiteral(" fehlt: die Datei wurde seit dem Stapel verschoben oder gelöscht")},
             std::pair{TranslateCoreText(closed),
                       QStringLiteral(
                           "Beim Schließen von /a.wav wurde ein Fehler gemeldet (Beim Zugriff auf /a.wav wurde ein "
                           "E/A-Fehler der Hardware gemeldet (Ein-/Ausgabefehler)), doch erneutes Lesen fand die "
                           "neuen Werte vor.")},
         })
        EXPECT_EQ(shown, expected);
}
