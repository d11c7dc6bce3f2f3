#pragma once

#include <QCoreApplication>
#include <QStringList>

class CInvListBox;

// Puts the paths the user chose into the file list: from Open as they are;
// dropped on the window or named at start, files as they are and folders as
// the WAV files in them and their subfolders.
class CFileListing {
    Q_DECLARE_TR_FUNCTIONS(CFileListing)

public:
    explicit CFileListing(CInvListBox& list);

    struct Found {
        qsizetype files = 0;
        // What could not be listed, one line each (a path that does not
        // exist, a folder that cannot be read).
        QStringList problems;
    };

    void ListFiles(const QStringList& files);
    Found ListFilesAndFolders(const QStringList& paths);

private:
    CInvListBox& list;
};
