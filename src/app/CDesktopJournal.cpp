#include "app/CDesktopJournal.h"

#include "app/CMessageBoxPrompt.h"
#include "i18n/CoreTextTr.h"
#include "journal/CJournalFolder.h"

#include <utility>
#include <vector>

CDesktopJournal::CDesktopJournal(CMessageBoxPrompt& userPrompt) : prompt(userPrompt) {}

bool CDesktopJournal::Begin(const std::string& undoes)
{
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    CoreText failure;
    if (CJournalFolder().CreateBatch(writer, NewBatchHeader(DesktopProgramName, std::move(arguments), undoes), failure))
        return true;
    prompt.ShowWarning(TranslateCoreText(CoreText(TextId::JournalNotStarted, {std::move(failure)})));
    return false;
}

void CDesktopJournal::Finish()
{
    if (!writer.Finish())
        prompt.ShowWarning(TranslateCoreText(CoreText(TextId::JournalIncomplete, {writer.Failure()})));
}
