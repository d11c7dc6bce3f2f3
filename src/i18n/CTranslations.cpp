#include "i18n/CTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CTranslations::CTranslations(const QLocale& locale)
{
    programLoaded = program.load(locale, QStringLiteral("quelbrook"), QStringLiteral("_"), ProgramCatalogueFolder())
        && QCoreApplication::installTranslator(&program);
    qtLoaded = qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(&qt);
}

CTranslations::~CTranslations()
{
    if (programLoaded)
        QCoreApplication::removeTranslator(&program);
    if (qtLoaded)
        QCoreApplication::removeTranslator(&qt);
}

bool CTranslations::HasProgramCatalogue() const
{
    return programLoaded;
}

bool CTranslations::HasQtCatalogue() const
{
    return qtLoaded;
}

QString CTranslations::ProgramCatalogueFolder()
{
    return QStringLiteral(":/i18n");
}
