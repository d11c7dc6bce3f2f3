#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>
#include <QStringList>

// The program: runs the batch editor window and ends when it ends.
class CBatchEditorApp : public QApplication {
    Q_OBJECT

public:
    CBatchEditorApp(int& argc, char** argv);

    // The files and folders named on the command line. --help and --version
    // (and a bad option) print and end the program instead. Call it before
    // the application object exists.
    static QStringList ReadCommandLine(int& argc, char** argv);

    // Runs the main window, with paths listed, to its end; false, as there is
    // nothing left to run.
    bool StartUp(const QStringList& paths);

    // The program's icon in all its sizes.
    static QIcon AppIcon();

    // The settings file: the executable's base name with ".INI", in the
    // user's configuration folder.
    static QString ProfilePath();
};
