#include "i18n/CTranslations.h"

#include "GuiTest.h"
#include "WavBuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <utility>

namespace {

struct Message {
    QStringList translations;  // one, or one per plural form
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};
// (context, source text) -> its translation.
using Catalogue = std::map<std::pair<QString, QString>, Message>;

// A translation's text, or its plural forms one by one.
Message ReadTranslation(QXmlStreamReader& xml)
{
    Message message;
    message.type = xml.attributes().value(QLatin1String("type")).toString();
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement())
            message.translations << xml.readElementText();
    }
    if (message.translations.isEmpty())
        message.translations << text;
    return message;
}

Catalogue Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Catalogue catalogue;
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            catalogue[{context, source}] = ReadTranslation(xml);
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured().remove(QLatin1Char('L'));
    found.sort();
    return found;
}

bool HasMnemonic(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

// The catalogue after lupdate has run over the sources into a copy of it:
// a text new in the sources comes back unfinished, a text gone comes back no more.
Catalogue Updated(const QString& ts, const testwav::TempDir& dir)
{
    const QString copy = QString::fromStdString(dir / "copy_") + QFileInfo(ts).fileName();
    EXPECT_TRUE(QFile::copy(ts, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-I"), QStringLiteral(QUELBROOK_SOURCE_INCLUDE)};
    arguments << QStringLiteral(QUELBROOK_LUPDATE_OPTIONS).split(QLatin1Char('|'));
    arguments << QStringLiteral(QUELBROOK_TRANSLATED_DIRS).split(QLatin1Char('|'));
    arguments << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUELBROOK_LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(60000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return Read(copy);
}

TEST(Catalogues, TranslateEveryTextOfTheSourcesCompletely)
{
    const testwav::TempDir dir;
    for (const QString& ts : QStringLiteral(QUELBROOK_TS_FILES).split(QLatin1Char('|'))) {
        SCOPED_TRACE(ts.toStdString());
        const Catalogue kept = Read(ts);
        const Catalogue updated = Updated(ts, dir);
        ASSERT_FALSE(updated.empty());
        for (const auto& [key, message] : updated) {
            const auto& [context, source] = key;
            SCOPED_TRACE((context + QStringLiteral(": ") + source).toStdString());
            EXPECT_TRUE(kept.count(key)) << "missing from the catalogue";
            EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString();
            for (const QString& translation : message.translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty());
                EXPECT_EQ(Placeholders(translation), Placeholders(source));
                EXPECT_EQ(HasMnemonic(translation), HasMnemonic(source));
                // Each plural form says the count it is chosen for.
                EXPECT_EQ(translation.contains(QLatin1String("%Ln")), source.contains(QLatin1String("%Ln")));
            }
        }
        for (const auto& [key, message] : kept)
            EXPECT_TRUE(updated.count(key)) << "no longer in the sources: " << key.second.toStdString();
    }
}

TEST(Catalogues, AreInstalledWithQtsOwnForTheLocale)
{
    // The plural forms follow the language's rules: French counts 0 as singular, German does not.
    for (const auto& [name, regions, cancel, none] :
         {std::tuple{"de_DE", "Regionen", "Abbrechen", "0 Dateien werden aufgelistet"},
          std::tuple{"fr_FR", "Régions", "Annuler", "Mise en liste\u00a0: 0 fichier"}}) {
        const CTranslations translations{QLocale(QLatin1String(name))};
        EXPECT_TRUE(translations.HasProgramCatalogue()) << name;
        EXPECT_TRUE(translations.HasQtCatalogue()) << name;
        EXPECT_EQ(QCoreApplication::translate("CRegionPreviewPanel", "Regions"), QString::fromUtf8(regions));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QLatin1String(cancel));
        EXPECT_EQ(QCoreApplication::translate("CFileListing", "Listing %Ln files", nullptr, 0),
                  QString::fromUtf8(none));
    }
    // English needs no catalogue, and the texts are the sources' again.
    const CTranslations english{QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_FALSE(english.HasProgramCatalogue());
    EXPECT_EQ(QCoreApplication::translate("CRegionPreviewPanel", "Regions"), QLatin1String("Regions"));
}

}  // namespace
