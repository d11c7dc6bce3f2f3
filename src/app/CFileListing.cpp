#include "app/CFileListing.h"

#include "app/CInvListBox.h"
#include "platform/CPathWalker.h"
#include "platform/OpenFailureCause.h"

#include <QFile>
#include <QFileInfo>

#include <string>
#include <vector>

CFileListing::CFileListing(CInvListBox& fileList)
    : list(fileList)
{
}

void CFileListing::ListFiles(const QStringList& files)
{
    for (const QString& path : files)
        list.AddString(path);
}

CFileListing::Found CFileListing::ListFilesAndFolders(const QStringList& paths)
{
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(paths.size()));
    // Relative paths (from the command line) are listed as the full paths Open gives.
    for (const QString& path : paths)
        arguments.push_back(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());

    QStringList files;
    QStringList problems;
    CPathWalker walker(
        true,
        [&](const std::string& path, const FolderEntry*) {
            const QString file = QFile::decodeName(path.c_str());
            if (QFileInfo::exists(file))
                files << file;
            else
                problems << QString::fromStdString(CauseText(OpenFailureCause::FileNotFound, path));
        },
        [&](const std::string&, const std::string& message) { problems << QString::fromStdString(message); });
    walker.Walk(arguments);
    ListFiles(files);
    return {files.size(), problems};
}
