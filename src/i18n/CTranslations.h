#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's catalogue (built into it) and Qt's own (from Qt's
// translations folder, so that standard buttons and the file dialog speak the
// user's language too), installed on the running application for a locale
// while the object lives. Needs the application object.
class CTranslations {
public:
    // The first of the locale's UI languages that has a catalogue wins;
    // English needs none.
    explicit CTranslations(const QLocale& locale = QLocale());
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    bool HasProgramCatalogue() const;
    bool HasQtCatalogue() const;

    // Where the built catalogues are found: quelbrook_<language>.qm.
    static QString ProgramCatalogueFolder();

private:
    QTranslator program;
    QTranslator qt;
    bool programLoaded = false;
    bool qtLoaded = false;
};
