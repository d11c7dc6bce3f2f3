#include "app/CInvListBox.h"

#include "GuiTest.h"
#include "WavBuilder.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

QStringList Entries(const CInvListBox& list)
{
    return Texts(list.Count(), [&](int i) { return list.Text(i); });
}

void Add(CInvListBox& box, const QStringList& paths)
{
    std::vector<CInvListBox::Candidate> candidates;
    for (const QString& path : paths)
        candidates.push_back(CInvListBox::Identify(path));
    box.AddStrings(std::move(candidates));
}

QStringList Numbered(int count)
{
    return Texts(count, [](int i) { return QStringLiteral("/take %1").arg(i, 3, 10, QLatin1Char('0')); });
}

TEST(InvListBox, DeleteRemovesTheSelectedEntriesAndSelectsTheOneAfterThem)
{
    // Added out of order: the list keeps them sorted without regard to case.
    const QStringList added{"/c", "/B", "/a", "/d"};
    struct Case {
        QStringList entries;
        std::vector<int> selected;  // none: a current row that is not selected
        QStringList remaining;
        int selectedAfter;
    };
    for (const Case& c : {Case{added, {0}, {"/B", "/c", "/d"}, 0}, Case{added, {1}, {"/a", "/c", "/d"}, 1},
                          Case{added, {3}, {"/a", "/B", "/c"}, 2}, Case{{"/only"}, {0}, {}, -1},
                          Case{added, {}, {"/a", "/B", "/c", "/d"}, -1}, Case{added, {0, 2}, {"/B", "/d"}, 0},
                          Case{added, {1, 3}, {"/a", "/c"}, 1}}) {
        SCOPED_TRACE(testing::Message() << "deleting " << c.selected.size() << " entries from " << c.entries.size());
        CInvListBox box;
        Add(box, c.entries);
        box.show();
        QSignalSpy changed(&box, &CInvListBox::FileListChanged);
        QSignalSpy selected(&box, &CInvListBox::SelectionChanged);
        if (c.selected.empty())
            box.setCurrentRow(1, QItemSelectionModel::NoUpdate);
        // Clicked as a user picks them: the first, then the others with Ctrl.
        for (std::size_t i = 0; i < c.selected.size(); ++i)
            QTest::mouseClick(box.viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                              box.visualItemRect(box.item(c.selected[i])).center());
        selected.clear();

        QTest::keyClick(&box, Qt::Key_Delete);
        EXPECT_EQ(std::pair(Entries(box), box.CurrentSelection()), std::pair(c.remaining, c.selectedAfter));
        EXPECT_EQ(changed.count(), 0);  // delivered only once the key has been handled
        QCoreApplication::processEvents();
        EXPECT_EQ(changed.count(), c.selected.empty() ? 0 : 1);
        EXPECT_EQ(selected.count(), 0);
    }
}

TEST(InvListBox, ListsEachFileOnceAndNamesThatDifferInCaseApart)
{
    testwav::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    for (const char* name : {"Take1.wav", "take1.wav", "b.wav"})
        testwav::WriteFile(dir / name, {});
    std::filesystem::create_symlink(dir / "b.wav", dir / "link.wav");

    // The second batch sorts in among the first; in both, a file's first path wins.
    CInvListBox box;
    Add(box, {folder + "/take1.wav", folder + "/Take1.wav", folder + "/./b.wav", folder + "/link.wav"});
    Add(box,
        {folder + "/b.wav", folder + "/take1.wav", folder + "/gone.wav", folder + "/gone.wav", folder + "/./gone.wav"});
    EXPECT_EQ(Entries(box),
              (QStringList{folder + "/./b.wav", folder + "/./gone.wav", folder + "/gone.wav", folder + "/Take1.wav",
                           folder + "/take1.wav"}));

    // A file removed from the list can be added again, under any of its paths.
    box.DeleteStrings({0});
    Add(box, {folder + "/link.wav"});
    EXPECT_EQ(Entries(box),
              (QStringList{folder + "/./gone.wav", folder + "/gone.wav", folder + "/link.wav", folder + "/Take1.wav",
                           folder + "/take1.wav"}));
    EXPECT_EQ(box.Count(), 5);
}

TEST(InvListBox, ManyEntriesGoAtOnceAndClearEmptiesTheList)
{
    CInvListBox box;
    Add(box, Numbered(300));
    std::vector<int> odd;
    for (int i = 1; i < 300; i += 2)
        odd.push_back(i);
    box.DeleteStrings(odd);
    QStringList even;
    for (int i = 0; i < 300; i += 2)
        even << Numbered(300)[i];
    EXPECT_EQ(Entries(box), even);
    // The files removed are no longer known to the list: they come back.
    Add(box, Numbered(300));
    EXPECT_EQ(Entries(box), Numbered(300));

    QSignalSpy changed(&box, &CInvListBox::FileListChanged);
    box.RemoveAll();
    QCoreApplication::processEvents();
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(changed.count(), 1);
    Add(box, {"/x"});
    EXPECT_EQ(box.Count(), 1);
}

TEST(InvListBox, AWidePathAddedLaterCanBeScrolledToItsEnd)
{
    CInvListBox box;
    box.resize(200, 100);
    box.show();
    Add(box, {"/a"});
    // Sorted between the two others: the rows take their size from the last.
    const QString wide = "/a" + QString(120, QLatin1Char('w')) + ".wav";
    Add(box, {wide, "/b"});
    QCoreApplication::processEvents();
    const int needed = box.fontMetrics().horizontalAdvance(wide);
    EXPECT_GE(box.horizontalScrollBar()->maximum() + box.viewport()->width(), needed);
}

}  // namespace
