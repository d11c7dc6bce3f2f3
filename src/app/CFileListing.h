#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class CInvListBox;
class QMimeData;
class QWidget;

// Puts the paths the user chose into the file list: from Open as they are;
// dropped on the window or named at start, files as they are and folders as
// the WAV files in them and their subfolders. The paths are looked at in
// slices, so that the window repaints and, after half a second, a progress
// with Cancel appears; they enter the list together at the end.
class CFileListing {
    Q_DECLARE_TR_FUNCTIONS(CFileListing)

public:
    struct Outcome {
        qsizetype files = 0;  // listed, or already on the list
        // Cancel was pressed: nothing was added.
        bool cancelled = false;
        // What could not be listed, one line each (a path that does not
        // exist, a folder that cannot be read).
        QStringList problems;
    };

    // beforeYielding runs once, before the listing first lets the window take events.
    CFileListing(QWidget* window, CInvListBox& list, std::function<void()> beforeYielding);

    Outcome ListFiles(const QStringList& files);
    Outcome ListFilesAndFolders(const QStringList& paths);

    static QString ProgressText(qsizetype files);
    // The local files and folders a drag carries; anything else makes the whole drag unwelcome.
    static QStringList DraggedPaths(const QMimeData* data);

private:
    Outcome List(const QStringList& paths, bool searchFolders);

    QWidget* window;
    CInvListBox& list;
    std::function<void()> beforeYielding;
};
