#pragma once

#include "i18n/CTranslations.h"

#include <QApplication>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <optional>

// The program: runs the batch editor window and ends when it ends.
class CBatchEditorApp : public QApplication {
    Q_OBJECT

public:
    CBatchEditorApp(int& argc, char** argv);

    // What --help or --version print, when the arguments ask for either;
    // nothing otherwise. Needs no application object and no display.
    struct Answer {
        QString text;
        int exitCode = 0;
    };
    static std::optional<Answer> AnswerWithoutDisplay(int argc, char** argv);

    // The files and folders named on the command line, from the arguments Qt
    // has left after taking its own options. A bad option prints and ends the
    // program.
    static QStringList ReadCommandLine(const QStringList& arguments);

    // Runs the main window, with paths listed, to its end; false, as there is
    // nothing left to run.
    bool StartUp(const QStringList& paths);

    // The program's icon in all its sizes.
    static QIcon AppIcon();

    // The settings file: the executable's base name with ".INI", in the
    // user's configuration folder.
    static QString ProfilePath();

private:
    // The user's language for every window, Qt's standard ones included.
    CTranslations translations;
};
