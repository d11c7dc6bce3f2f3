#include "opendlg/CXDlg2.h"
#include "opendlg/CFileDialogParts.h"
#include "opendlg/CRecentFolders.h"
#include "opendlg/ProfileText.h"

#include "controls/CReportListCtrl.h"
#include "platform/CProfileFile.h"

#include "AccessibleNames.h"
#include "FakePrompt.h"
#include "GuiTest.h"
#include "WavBuilder.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeView>

#include <memory>
#include <optional>

namespace {

using testwav::Region;

// Qt's own dialog still has every part the open dialog builds on; a name Qt
// drops shows here rather than as a quietly missing feature.
TEST(FileDialogParts, QtStillNamesEveryPartTheOpenDialogUses)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    EXPECT_EQ(CFileDialogParts(dialog).Missing(), QStringList());
    dialog.findChild<QWidget*>(QStringLiteral("sidebar"))->setObjectName(QStringLiteral("placesBar"));
    EXPECT_EQ(CFileDialogParts(dialog).Missing(), QStringList("sidebar"));
}

// Paths are kept as UTF-8; a value an older version wrote in the system's
// 8-bit encoding is read as the system reads names.
TEST(ProfileText, PathsAreUtf8AndOlderValuesStillRead)
{
    for (const QString& path : {QStringLiteral("/Audio/Caf\u00E9/"), QStringLiteral("C:\\\u30CE\u30FC\u30C8\\")}) {
        EXPECT_EQ(ToProfileText(path), path.toUtf8().toStdString());
        EXPECT_EQ(FromProfileText(ToProfileText(path)), path);
    }
    EXPECT_EQ(FromProfileText("/Caf\xE9/"), QFile::decodeName("/Caf\xE9/"));
}

constexpr const char* kSection = "Import Recent Folder List";

void WriteWav(const std::string& path, std::optional<std::uint64_t> bext = {}, const std::vector<Region>* regions = {})
{
    testwav::WavBuilder wav;
    wav.Fmt({1, 2, 48000, 192000, 4, 16});
    if (bext)
        wav.Chunk("bext", testwav::BextContent(*bext));
    wav.Chunk("data", testwav::Bytes(64, 0));
    if (regions)
        wav.Chunk("regn", testwav::RegnContent(*regions));
    testwav::WriteFile(path, wav.Build());
}

class OpenDialog : public testing::Test {
protected:
    // A folder under the test's temporary folder, with a trailing '/'.
    std::string Folder(const std::string& name)
    {
        std::filesystem::create_directories(dir.Path() / name);
        return dir / name + "/";
    }

    // The dialog as the main window opens it, shown, with the folder listed.
    std::unique_ptr<CXDlg2> Open(const std::string& folder, int listed)
    {
        auto dialog = std::make_unique<CXDlg2>(profile, prompt);
        dialog->setDirectory(Q(folder));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        EXPECT_TRUE(WaitForListing(*dialog, listed));
        return dialog;
    }

    // The file list in the dialog's default detail view.
    static QAbstractItemView* Files(const CXDlg2& dialog) { return CFileDialogParts(dialog).DetailView(); }

    static bool WaitForListing(const CXDlg2& dialog, int listed)
    {
        return QTest::qWaitFor([&] { return Files(dialog)->model()->rowCount(Files(dialog)->rootIndex()) == listed; });
    }

    static QModelIndex FileIndex(const CXDlg2& dialog, int row)
    {
        return Files(dialog)->model()->index(row, 0, Files(dialog)->rootIndex());
    }

    // Clicks a file in the dialog's file list, as the user highlights it: the
    // click goes to the window, so that an open popup sees it first.
    static void Highlight(CXDlg2& dialog, const QString& name, Qt::KeyboardModifiers modifiers = {})
    {
        QAbstractItemView* files = Files(dialog);
        const QModelIndexList found
            = files->model()->match(FileIndex(dialog, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        const QPoint at = files->viewport()->mapTo(&dialog, files->visualRect(found.first()).center());
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, modifiers, at);
    }

    static QLineEdit& NameField(const CXDlg2& dialog) { return *CFileDialogParts(dialog).FileNameField(); }

    static void Confirm(CXDlg2& dialog)
    {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }

    // The preview list, headers first, each row's texts joined by '|'.
    static QStringList Preview(const CXDlg2& dialog)
    {
        const auto* list = dialog.findChild<CReportListCtrl*>("previewList");
        return Texts(list->ItemCount() + 1, [&](int r) {
            return Texts(list->ColumnCount(), [&](int c) { return r ? list->ItemText(r - 1, c) : list->ColumnText(c); })
                .join('|');
        });
    }
    static QString TimeStamp(const CXDlg2& dialog) { return dialog.findChild<QLabel*>("timeStampText")->text(); }
    static QComboBox& RecentBox(const CXDlg2& dialog) { return *dialog.findChild<QComboBox*>("recentFolderBox"); }

    static QStringList RecentShown(const CXDlg2& dialog)
    {
        return Texts(RecentBox(dialog).count(), [&](int i) { return RecentBox(dialog).itemText(i); });
    }

    // Folder1 to Folder9 of the profile, empty where there is none.
    QStringList Stored() const
    {
        return Texts(9, [&](int i) { return Q(profile.GetString(kSection, "Folder" + std::to_string(i + 1))); });
    }

    static QString Q(const std::string& text) { return QString::fromStdString(text); }

    testwav::TempDir dir;
    std::string ini = dir / "Quelbrook.INI";
    CProfileFile profile{ini};
    FakePrompt prompt;
};

TEST_F(OpenDialog, PreviewsTheRegionsAndTimeStampOfTheHighlightedFile)
{
    const std::vector<Region> regions = {
        {"Intro", -1, 0, 48000, 24000, 172800000},
        {"Verse two", -1, 48000, 96000, 0, 48000 * 61},
        {"Caf\xE9", -1, 2400, 4800, 12, 1},
    };
    const std::string folder = Folder("takes");
    WriteWav(folder + "a.wav", 172800000, &regions);
    WriteWav(folder + "b.WAV");
    WriteWav(folder + "c.wav", 0);
    WriteWav(folder + "notes.txt");
    const auto dialog = Open(folder, 3);  // WAV files in any letter case only
    EXPECT_EQ(CFileDialogParts(*dialog).FileTypeBox()->currentText(), "WAV files (*.wav)");
    EXPECT_EQ(Preview(*dialog), QStringList("Region Name|Start|End"));
    EXPECT_EQ(TimeStamp(*dialog), "");
    EXPECT_EQ(testa11y::UnnamedControls(*dialog), QStringList());
    EXPECT_EQ(testa11y::SpokenName(&RecentBox(*dialog)), "MRU folders:");
    EXPECT_EQ(testa11y::SpokenName(dialog->findChild<QWidget*>("previewList")), "Regions");
    EXPECT_EQ(testa11y::LabelledBy(dialog->findChild<QWidget*>("timeStampText")), "BWF Time Stamp:");

    Highlight(*dialog, "a.wav");
    EXPECT_EQ(Preview(*dialog),
              (QStringList{"Region Name|Start|End", "Intro|00:00:00:00::00|00:00:01:00::00",
                           "Verse two|00:00:01:00::00|00:00:02:00::00", "Caf\u00E9|00:00:00:01::40|00:00:00:03::00"}));
    EXPECT_EQ(TimeStamp(*dialog), "01:00:00:00::00");

    // The other mode rewrites the headers and positions, and is kept for the next dialog.
    QTest::mouseClick(dialog->findChild<QRadioButton*>("timeStampsRadio"), Qt::LeftButton);
    EXPECT_EQ(Preview(*dialog),
              (QStringList{"Region Name|Orig TS|User TS", "Intro|01:00:00:00::00|00:00:00:15::00",
                           "Verse two|00:01:01:00::00|00:00:00:00::00", "Caf\u00E9|00:00:00:00::00|00:00:00:00::01"}));
    EXPECT_EQ(profile.GetInt(kSection, "ShowTimeStamps", -1), 1);
    EXPECT_EQ(Preview(*Open(folder, 3)), QStringList("Region Name|Orig TS|User TS"));

    // No time stamp, or a zero one: "(None)"; no regions: an empty list. The
    // click that picks the file is not swallowed by the name field's suggestions.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    NameField(*dialog).setFocus();
    NameField(*dialog).clear();
    QTest::keyClicks(&NameField(*dialog), "a");
    QWidget* suggestions = NameField(*dialog).completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return suggestions->isVisible(); }));
    Highlight(*dialog, "b.WAV");
    EXPECT_FALSE(suggestions->isVisible());
    EXPECT_EQ(Preview(*dialog), QStringList("Region Name|Orig TS|User TS"));
    EXPECT_EQ(TimeStamp(*dialog), "(None)");
    Highlight(*dialog, "a.wav");
    Highlight(*dialog, "c.wav");
    EXPECT_EQ(TimeStamp(*dialog), "(None)");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(OpenDialog, ThePreviewIsEmptyWhenaNoSingleReadableWavFileIsHighlighted)
{
    const std::vector<Region> regions = {{"Intro", -1, 0, 48000, 0, 0}};
    const std::string folder = Folder("takes");
    WriteWav(folder + "a.wav", 48000, &regions);
    WriteWav(folder + "b.wav", 96000, &regions);
    testwav::WriteFile(folder + "fake.wav", testwav::Bytes(64, 'x'));
    testwav::WriteFile(folder + "notes.txt", testwav::Bytes(64, 'x'));
    Folder("takes/sub");
    const auto dialog = Open(folder, 4);
    const QStringList shown{"Region Name|Start|End", "Intro|00:00:00:00::00|00:00:01:00::00"};

    // Each time from a file with regions and a time stamp, to something else.
    const std::pair<const char*, std::function<void()>> away[] = {
        {"a folder", [&] { Highlight(*dialog, "sub"); }},
        {"two files", [&] { Highlight(*dialog, "b.wav", Qt::ControlModifier); }},
        {"a file that is no WAV file inside", [&] { Highlight(*dialog, "fake.wav"); }},
        {"a file of another kind",
         [&] {
             auto* types = CFileDialogParts(*dialog).FileTypeBox();
             QTest::keyClick(types, Qt::Key_Down);
             ASSERT_TRUE(WaitForListing(*dialog, 5));
             Highlight(*dialog, "notes.txt");
         }},
    };
    for (const auto& [what, highlight] : away) {
        SCOPED_TRACE(what);
        Highlight(*dialog, "a.wav");
        ASSERT_EQ(Preview(*dialog), shown);
        ASSERT_EQ(TimeStamp(*dialog), "00:00:01:00::00");
        highlight();
        EXPECT_EQ(Preview(*dialog), QStringList("Region Name|Start|End"));
        EXPECT_EQ(TimeStamp(*dialog), "");
        // Switching the mode reads nothing either.
        QTest::mouseClick(dialog->findChild<QRadioButton*>("regionsRadio"), Qt::LeftButton);
        EXPECT_EQ(std::pair(Preview(*dialog).size(), TimeStamp(*dialog)), std::pair(qsizetype(1), QString()));
    }
    Highlight(*dialog, "b.wav");
    EXPECT_EQ(TimeStamp(*dialog), "00:00:02:00::00");
}

TEST_F(OpenDialog, ConfirmingRecordsTheFolderAndTheNextDialogOffersIt)
{
    QStringList folders;  // most recent first
    for (int i = 0; i < 6; ++i) {
        folders.prepend(Q(Folder("f" + std::to_string(i))));
        WriteWav(folders[0].toStdString() + "x.wav");
        WriteWav(folders[0].toStdString() + "y.wav");
    }
    CRecentFolders recent(profile);
    for (qsizetype i = folders.size() - 1; i > 0; --i)
        recent.Add(folders[i].toStdString());
    {
        const auto dialog = Open(folders[0].toStdString(), 2);
        Highlight(*dialog, "x.wav");
        Highlight(*dialog, "y.wav", Qt::ControlModifier);
        Confirm(*dialog);
        EXPECT_EQ(dialog->ChosenPaths(), QStringList({folders[0] + "x.wav", folders[0] + "y.wav"}));
    }
    EXPECT_EQ(Stored().mid(0, folders.size()), folders);

    // The next dialog offers them most recent first; picking one moves there.
    const auto dialog = Open(folders[1].toStdString(), 2);
    EXPECT_EQ(RecentShown(*dialog), folders);
    EXPECT_EQ(RecentBox(*dialog).currentIndex(), 0);
    Highlight(*dialog, "y.wav");
    RecentBox(*dialog).setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&RecentBox(*dialog), Qt::Key_Down);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->directory().absolutePath() + "/" == folders[4]; }));
    ASSERT_TRUE(WaitForListing(*dialog, 2));
    EXPECT_EQ(NameField(*dialog).text(), "");  // the name picked in the other folder is gone
    EXPECT_EQ(Stored().mid(0, folders.size()), folders);  // only a confirmation changes the list

    // Confirming in a listed folder moves it to the top.
    Highlight(*dialog, "x.wav");
    Confirm(*dialog);
    folders.move(4, 0);
    EXPECT_EQ(Stored().mid(0, folders.size()), folders);
}

TEST_F(OpenDialog, AHandWrittenProfileIsShownAndAMissingFolderReported)
{
    const std::string takes = Folder("takes");
    WriteWav(takes + "x.wav");
    const std::string upper = dir.Path().string() + "/TAKES/";
    const std::string windowsIni = "[Import Recent Folder List]\r\nFolder1=C:\\Audio\\\r\nFolder3=" + upper
        + "\r\nFolder4=\\\\server\\share\\\r\nShowTimeStamps=0\r\n";
    testwav::WriteFile(ini, testwav::Bytes(windowsIni.begin(), windowsIni.end()));

    const auto dialog = Open(takes, 1);
    EXPECT_EQ(RecentShown(*dialog), QStringList({"C:\\Audio\\", Q(upper), "\\\\server\\share\\"}));

    // A folder that cannot be found is reported, and the dialog stays where it is.
    RecentBox(*dialog).setFocus();
    QTest::keyClick(&RecentBox(*dialog), Qt::Key_Down);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], upper + "\nThis folder could not be found.");
    EXPECT_EQ(dialog->directory().absolutePath().toStdString() + "/", takes);
}

TEST_F(OpenDialog, OpensShowingTenFilesAndThePreviewAndKeepsItsSize)
{
    const std::string folder = Folder("takes");
    for (char c = 'a'; c <= 'l'; ++c)
        WriteWav(folder + c + ".wav");
    // Whether file rows to row `last` show whole in the file list.
    const auto showsRows = [](const CXDlg2& dialog, int last) {
        return Files(dialog)->visualRect(FileIndex(dialog, last)).bottom() < Files(dialog)->viewport()->height();
    };
    QSize kept;
    {
        const auto dialog = Open(folder, 12);
        EXPECT_TRUE(showsRows(*dialog, 9));
        const QWidget* preview = dialog->findChild<QWidget*>("timeStampFrame");
        EXPECT_LE(preview->mapTo(dialog.get(), QPoint(0, preview->height())).y(), dialog->height());
        dialog->resize(dialog->minimumSize());
        QCoreApplication::processEvents();
        EXPECT_TRUE(showsRows(*dialog, 3));
        kept = dialog->minimumSize() + QSize(31, 17);
        dialog->resize(kept);
        dialog->reject();
    }
    EXPECT_EQ(profile.GetInt(kSection, "Width", 0), kept.width());
    EXPECT_EQ(profile.GetInt(kSection, "Height", 0), kept.height());
    EXPECT_EQ(Open(folder, 12)->size(), kept);

    // A kept size the screen can no longer hold gives way to the first size.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    profile.WriteInt(kSection, "Width", screen.width() + 100);
    const auto dialog = Open(folder, 12);
    EXPECT_LE(dialog->width(), screen.width());
    EXPECT_TRUE(showsRows(*dialog, 9));
}

}  // namespace
