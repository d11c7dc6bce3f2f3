#include "app/CDesktopJournal.h"

#include "app/CMessageBoxPrompt.h"
#include "journal/CJournalFolder.h"

#include "Version.h"

#include <utility>
#include <vector>

CDesktopJournal::CDesktopJournal(CMessageBoxPrompt& userPrompt) : prompt(userPrompt) {}

bool CDesktopJournal::Begin(const std::string& undoes)
{
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    const JournalHeader header{JournalFormatVersion, JournalTimeNow(), DesktopProgramName, QuelbrookVersion,
                               std::move(arguments), undoes};
    std::string failure;
    if (CJournalFolder().CreateBatch(writer, header, failure))
        return true;
    prompt.ShowWarning(tr("%1. No file was changed.").arg(QString::fromStdString(failure)));
    return false;
}

void CDesktopJournal::Finish()
{
    if (!writer.Finish())
        prompt.ShowWarning(
            tr("%1. The change may not be undone completely.").arg(QString::fromStdString(writer.Failure())));
}
