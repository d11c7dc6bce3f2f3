#include "opendlg/CXDlg2.h"

#include "controls/CDragHeaderCtrl.h"
#include "controls/CReportListCtrl.h"
#include "platform/CProfileFile.h"

#include "FakePrompt.h"
#include "WavBuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using testwav::Region;
using testwav::TempDir;

constexpr const char* kSection = "Import Recent Folder List";

void WriteWav(const std::string& path, std::uint32_t rate, std::optional<std::uint64_t> bext,
              std::optional<std::vector<Region>> regions)
{
    testwav::Fmt format;
    format.sampleRate = rate;
    format.avgBytesPerSec = rate * 4;
    testwav::WavBuilder wav;
    wav.Fmt(format);
    if (bext)
        wav.Chunk("bext", testwav::BextContent(*bext));
    wav.Chunk("data", testwav::Bytes(64, 0));
    if (regions)
        wav.Chunk("regn", testwav::RegnContent(*regions));
    testwav::WriteFile(path, wav.Build());
}

std::string ReadText(const std::filesystem::path& path)
{
    const auto bytes = testwav::ReadFile(path.string());
    return std::string(bytes.begin(), bytes.end());
}

class OpenDialog : public testing::Test {
protected:
    // A folder under the test's temporary folder, with a trailing '/'.
    std::string Folder(const std::string& name)
    {
        std::filesystem::create_directories(dir.Path() / name);
        return (dir.Path() / name).string() + "/";
    }

    // The dialog as the main window opens it, shown, with the folder listed.
    std::unique_ptr<CXDlg2> Open(const std::string& folder, int listed)
    {
        auto dialog = std::make_unique<CXDlg2>(profile, prompt);
        dialog->setDirectory(QString::fromStdString(folder));
        dialog->setWindowTitle("Select Sound Files");
        dialog->SetOkButtonText("Select");
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        EXPECT_TRUE(WaitForListing(*dialog, listed));
        return dialog;
    }

    static QAbstractItemView* Files(const CXDlg2& dialog)
    {
        auto* list = dialog.findChild<QListView*>("listView");
        if (list->isVisible())
            return list;
        return dialog.findChild<QTreeView*>("treeView");
    }

    static bool WaitForListing(const CXDlg2& dialog, int listed)
    {
        return QTest::qWaitFor([&] {
            const QAbstractItemView* files = Files(dialog);
            return files->model()->rowCount(files->rootIndex()) == listed;
        });
    }

    static QStringList Listed(const CXDlg2& dialog)
    {
        const QAbstractItemView* files = Files(dialog);
        QStringList names;
        for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
            names << files->model()->index(row, 0, files->rootIndex()).data().toString();
        names.sort(Qt::CaseInsensitive);
        return names;
    }

    // Clicks a file in the dialog's file list, as the user highlights it.
    static void Highlight(const CXDlg2& dialog, const QString& name, Qt::KeyboardModifiers modifiers = {})
    {
        QAbstractItemView* files = Files(dialog);
        const QModelIndexList found = files->model()->match(files->model()->index(0, 0, files->rootIndex()),
                                                            Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, modifiers, files->visualRect(found.first()).center());
    }

    static void Confirm(CXDlg2& dialog)
    {
        QPushButton* select = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open);
        QTest::mouseClick(select, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }

    static CReportListCtrl& Preview(const CXDlg2& dialog) { return *dialog.findChild<CReportListCtrl*>("previewList"); }
    static QString TimeStamp(const CXDlg2& dialog) { return dialog.findChild<QLabel*>("timeStampText")->text(); }
    static QComboBox& RecentBox(const CXDlg2& dialog) { return *dialog.findChild<QComboBox*>("recentFolderBox"); }

    static QStringList Headers(const CReportListCtrl& list)
    {
        QStringList texts;
        for (int c = 0; c < list.ColumnCount(); ++c)
            texts << list.ColumnText(c);
        return texts;
    }

    static QStringList Row(const CReportListCtrl& list, int row)
    {
        QStringList texts;
        for (int c = 0; c < list.ColumnCount(); ++c)
            texts << list.ItemText(row, c);
        return texts;
    }

    static QStringList BoxEntries(const QComboBox& box)
    {
        QStringList entries;
        for (int i = 0; i < box.count(); ++i)
            entries << box.itemText(i);
        return entries;
    }

    std::string Stored(int n) const { return profile.GetString(kSection, "Folder" + std::to_string(n)); }

    TempDir dir;
    std::filesystem::path ini = dir.Path() / "Quelbrook.INI";
    CProfileFile profile{ini};
    FakePrompt prompt;
};

const std::vector<Region> kRegions = {
    {"Intro", -1, 0, 48000, 24000, 172800000},
    {"Verse two", -1, 48000, 96000, 0, 48000 * 61},
    {"Caf\xE9", -1, 2400, 4800, 12, 1},
};

TEST_F(OpenDialog, PreviewsTheRegionsAndTimeStampOfTheHighlightedFile)
{
    const std::string folder = Folder("takes");
    WriteWav(folder + "a.wav", 48000, 172800000, kRegions);
    WriteWav(folder + "b.WAV", 44100, std::nullopt, std::nullopt);
    WriteWav(folder + "c.wav", 48000, 0, std::vector<Region>{});
    WriteWav(folder + "d.wav", 48000, 48000, std::nullopt);
    const auto dialog = Open(folder, 4);
    CReportListCtrl& list = Preview(*dialog);
    EXPECT_EQ(Headers(list), QStringList({"Region Name", "Start", "End"}));
    EXPECT_EQ(list.columnWidth(0), 184);
    EXPECT_GE(list.columnWidth(1), 110);
    EXPECT_EQ(list.columnWidth(2), list.columnWidth(1));
    EXPECT_EQ(TimeStamp(*dialog), "");

    Highlight(*dialog, "a.wav");
    ASSERT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(Row(list, 0), QStringList({"Intro", "00:00:00:00::00", "00:00:01:00::00"}));
    EXPECT_EQ(Row(list, 1), QStringList({"Verse two", "00:00:01:00::00", "00:00:02:00::00"}));
    EXPECT_EQ(Row(list, 2), QStringList({"Caf\u00E9", "00:00:00:01::40", "00:00:00:03::00"}));
    EXPECT_EQ(list.ItemData(2), 2);
    EXPECT_EQ(TimeStamp(*dialog), "01:00:00:00::00");

    // The other mode rewrites the headers and positions; names and order stay.
    QTest::mouseClick(dialog->findChild<QRadioButton*>("timeStampsRadio"), Qt::LeftButton);
    EXPECT_EQ(Headers(list), QStringList({"Region Name", "Orig TS", "User TS"}));
    EXPECT_EQ(Row(list, 0), QStringList({"Intro", "01:00:00:00::00", "00:00:00:15::00"}));
    EXPECT_EQ(Row(list, 1), QStringList({"Verse two", "00:01:01:00::00", "00:00:00:00::00"}));
    EXPECT_EQ(profile.GetInt(kSection, "ShowTimeStamps", -1), 1);

    // No time stamp, or a zero one: "(None)"; no regions: an empty list.
    Highlight(*dialog, "b.WAV");
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(TimeStamp(*dialog), "(None)");
    Highlight(*dialog, "d.wav");
    EXPECT_EQ(TimeStamp(*dialog), "00:00:01:00::00");
    Highlight(*dialog, "c.wav");
    EXPECT_EQ(TimeStamp(*dialog), "(None)");

    // Several files highlighted: no single path, so the list empties and the time stamp stays.
    Highlight(*dialog, "a.wav");
    ASSERT_EQ(list.ItemCount(), 3);
    Highlight(*dialog, "d.wav", Qt::ControlModifier);
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(TimeStamp(*dialog), "01:00:00:00::00");
    EXPECT_TRUE(prompt.messages.empty());

    QTest::mouseClick(dialog->findChild<QRadioButton*>("regionsRadio"), Qt::LeftButton);
    EXPECT_EQ(Headers(list), QStringList({"Region Name", "Start", "End"}));
    EXPECT_EQ(profile.GetInt(kSection, "ShowTimeStamps", -1), 0);
}

TEST_F(OpenDialog, TheModeComesFromTheProfileAndIsStoredOnEveryClick)
{
    const std::string folder = Folder("takes");
    WriteWav(folder + "a.wav", 48000, 0, kRegions);
    ASSERT_TRUE(profile.WriteInt(kSection, "ShowTimeStamps", 1));
    const auto dialog = Open(folder, 1);
    auto* timeStamps = dialog->findChild<QRadioButton*>("timeStampsRadio");
    EXPECT_TRUE(timeStamps->isChecked());
    EXPECT_EQ(Headers(Preview(*dialog)), QStringList({"Region Name", "Orig TS", "User TS"}));

    // A click on the button that is already set stores the mode again.
    ASSERT_TRUE(profile.WriteInt(kSection, "ShowTimeStamps", 7));
    QTest::mouseClick(timeStamps, Qt::LeftButton);
    EXPECT_EQ(profile.GetInt(kSection, "ShowTimeStamps", -1), 1);
}

TEST_F(OpenDialog, TheFileTypesListWavInAnyCaseOrEveryFile)
{
    const std::string folder = Folder("mixed");
    for (const char* name : {"a.wav", "B.WAV", "notes.txt", "README"})
        WriteWav(folder + name, 44100, std::nullopt, std::nullopt);
    const auto dialog = Open(folder, 2);
    EXPECT_EQ(Listed(*dialog), QStringList({"a.wav", "B.WAV"}));

    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    EXPECT_EQ(types->itemText(0), "WAV files (*.wav)");
    EXPECT_EQ(types->itemText(1), "All Files (*.*)");
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    ASSERT_TRUE(WaitForListing(*dialog, 4));
    EXPECT_EQ(Listed(*dialog), QStringList({"a.wav", "B.WAV", "notes.txt", "README"}));

    // A file that is not a WAV file is not previewed; the time stamp stays.
    Highlight(*dialog, "a.wav");
    EXPECT_EQ(TimeStamp(*dialog), "(None)");
    Highlight(*dialog, "notes.txt");
    EXPECT_EQ(Preview(*dialog).ItemCount(), 0);
    EXPECT_EQ(TimeStamp(*dialog), "(None)");
}

TEST_F(OpenDialog, ThePanelLinesUpWithTheDialogsControls)
{
    const std::string folder = Folder("takes");
    const auto dialog = Open(folder, 0);
    const auto rect = [&](const char* name) {
        const auto* widget = dialog->findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return QRect(widget->mapTo(dialog.get(), QPoint(0, 0)), widget->size());
    };
    const QRect typeLabel = rect("fileTypeLabel");
    const QRect files = rect("splitter");
    const QRect frame = rect("timeStampFrame");
    for (const char* text : {"MRU folders:", "Pro Tools region definitions:", "BWF Time Stamp:"}) {
        const auto labels = dialog->findChildren<QLabel*>();
        const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
        ASSERT_NE(label, labels.end()) << text;
        EXPECT_EQ((*label)->mapTo(dialog.get(), QPoint(0, 0)).x(), typeLabel.left()) << text;
        EXPECT_GT((*label)->mapTo(dialog.get(), QPoint(0, 0)).y(), typeLabel.bottom()) << text;
    }
    for (const QRect& wide : {rect("previewList"), frame}) {
        EXPECT_EQ(wide.left(), files.left());
        EXPECT_EQ(wide.width(), files.width());
    }
    EXPECT_EQ(rect("recentFolderBox").left(), rect("fileTypeCombo").left());
    EXPECT_EQ(rect("recentFolderBox").width(), rect("fileTypeCombo").width());
    const QRect sidebar = rect("sidebar");
    EXPECT_EQ(sidebar.bottom(), frame.bottom());
    EXPECT_EQ(sidebar.top(), files.top());
    EXPECT_LT(sidebar.right(), files.left());

    EXPECT_EQ(dialog->windowTitle(), "Select Sound Files");
    EXPECT_EQ(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open)->text(), "Select");
}

TEST_F(OpenDialog, TenConfirmationsKeepTheNineMostRecentFolders)
{
    std::vector<std::string> folders;
    for (int i = 0; i < 10; ++i) {
        folders.push_back(Folder("f" + std::to_string(i)));
        WriteWav(folders.back() + "x.wav", 44100, std::nullopt, std::nullopt);
        WriteWav(folders.back() + "y.wav", 44100, std::nullopt, std::nullopt);
        const auto dialog = Open(folders.back(), 2);
        Highlight(*dialog, "x.wav");
        Highlight(*dialog, "y.wav", Qt::ControlModifier);
        Confirm(*dialog);
        EXPECT_EQ(dialog->ChosenPaths().size(), 2);
        EXPECT_TRUE(dialog->ChosenPaths().contains(QString::fromStdString(folders.back() + "y.wav")));
    }
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(Stored(n), folders[static_cast<std::size_t>(10 - n)]) << n;

    // The next dialog shows them most recent first, the first one selected.
    const auto dialog = Open(folders[0], 2);
    QStringList expected;
    for (int i = 9; i >= 1; --i)
        expected << QString::fromStdString(folders[static_cast<std::size_t>(i)]);
    EXPECT_EQ(BoxEntries(RecentBox(*dialog)), expected);
    EXPECT_EQ(RecentBox(*dialog).currentIndex(), 0);

    // Confirming in a listed folder moves it to the top.
    dialog->setDirectory(QString::fromStdString(folders[5]));
    ASSERT_TRUE(WaitForListing(*dialog, 2));
    Highlight(*dialog, "x.wav");
    Confirm(*dialog);
    EXPECT_EQ(Stored(1), folders[5]);
    EXPECT_EQ(Stored(2), folders[9]);
    EXPECT_EQ(Stored(5), folders[6]);
    EXPECT_EQ(Stored(6), folders[4]);
    EXPECT_EQ(Stored(9), folders[1]);
}

TEST_F(OpenDialog, AHandWrittenProfileWithAGapIsReadAndKept)
{
    const std::string takes = Folder("takes");
    WriteWav(takes + "x.wav", 44100, std::nullopt, std::nullopt);
    const std::string upper = dir.Path().string() + "/TAKES/";
    const std::string windowsIni = "; written by hand\r\n"
                                   "[Folders]\r\n"
                                   "OpenDefault=C:\\Audio\\\r\n"
                                   "\r\n"
                                   "[Import Recent Folder List]\r\n"
                                   "Folder1=C:\\Audio\\\r\n"
                                   "Folder3=" + upper + "\r\n"
                                   "; keep me\r\n"
                                   "Folder4=\\\\server\\share\\\r\n"
                                   "Folder5=D:\\\r\n"
                                   "ShowTimeStamps=0\r\n";
    testwav::WriteFile(ini.string(), testwav::Bytes(windowsIni.begin(), windowsIni.end()));

    const auto dialog = Open(takes, 1);
    EXPECT_EQ(BoxEntries(RecentBox(*dialog)),
              QStringList({"C:\\Audio\\", QString::fromStdString(upper), "\\\\server\\share\\", "D:\\"}));

    // The folder in other letters replaces its old spelling; the list is
    // written from Folder1 on without a gap; entries above it are never deleted.
    Highlight(*dialog, "x.wav");
    Confirm(*dialog);
    EXPECT_EQ(Stored(1), takes);
    EXPECT_EQ(Stored(2), "C:\\Audio\\");
    EXPECT_EQ(Stored(3), "\\\\server\\share\\");
    EXPECT_EQ(Stored(4), "D:\\");
    EXPECT_EQ(Stored(5), "D:\\");
    const std::string text = ReadText(ini);
    EXPECT_NE(text.find("; written by hand\r\n[Folders]\r\nOpenDefault=C:\\Audio\\\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("; keep me\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);  // the file's CRLF line breaks throughout
}

TEST_F(OpenDialog, PickingARecentFolderMovesTheDialogAndChangesNoList)
{
    const std::string first = Folder("first");
    const std::string second = Folder("second");
    const std::string start = Folder("start");
    WriteWav(second + "s.wav", 44100, std::nullopt, std::nullopt);
    ASSERT_TRUE(profile.WriteString(kSection, "Folder1", first));
    ASSERT_TRUE(profile.WriteString(kSection, "Folder2", second));
    ASSERT_TRUE(profile.WriteString(kSection, "Folder3", dir.Path().string() + "/gone/"));
    const auto dialog = Open(start, 0);
    const std::string before = ReadText(ini);

    QComboBox& box = RecentBox(*dialog);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Down);
    ASSERT_TRUE(WaitForListing(*dialog, 1));
    EXPECT_EQ(dialog->directory().absolutePath() + "/", QString::fromStdString(second));
    EXPECT_EQ(box.itemText(0), QString::fromStdString(first));

    // A folder that is gone is reported, and the dialog stays where it is.
    QTest::keyClick(&box, Qt::Key_Down);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("/gone/"), std::string::npos);
    EXPECT_EQ(dialog->directory().absolutePath() + "/", QString::fromStdString(second));

    // Cancelling records nothing either.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(ReadText(ini), before);
}

TEST_F(OpenDialog, AfterAColumnDragRefreshesStillWriteByPosition)
{
    const std::string folder = Folder("takes");
    WriteWav(folder + "a.wav", 48000, 0, kRegions);
    const auto dialog = Open(folder, 1);
    CReportListCtrl& list = Preview(*dialog);
    QWidget* header = list.Header()->viewport();
    const int y = header->height() / 2;
    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(90, y));
    for (int x : {100, 300, 900}) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, y), header->mapToGlobal(QPoint(x, y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header, &move);
    }
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(900, y));
    EXPECT_EQ(Headers(list), QStringList({"Start", "End", "Region Name"}));
    EXPECT_EQ(list.columnWidth(2), 184);

    Highlight(*dialog, "a.wav");
    EXPECT_EQ(Row(list, 0), QStringList({"Intro", "00:00:00:00::00", "00:00:01:00::00"}));
}

} // namespace
