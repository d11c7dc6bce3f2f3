#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>

// The program: runs the batch editor window and ends when it ends.
class CBatchEditorApp : public QApplication {
    Q_OBJECT

public:
    CBatchEditorApp(int& argc, char** argv);

    // Runs the main window to its end; false, as there is nothing left to run.
    bool StartUp();

    // The program's icon in all its sizes.
    static QIcon AppIcon();

    // The settings file: the executable's base name with ".INI", in the
    // user's configuration folder.
    static QString ProfilePath();
};
