#include "app/CInvListBox.h"

#include "GuiTest.h"
#include "WavBuilder.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>

namespace {

QStringList Entries(const CInvListBox& list) { return Texts(list.Count(), [&](int i) { return list.Text(i); }); }

TEST(InvListBox, DeleteRemovesTheSelectedEntryAndSelectsTheNextOne)
{
    // Added out of order: the list keeps them sorted without regard to case.
    const QStringList added{"/c", "/B", "/a"};
    struct Case {
        QStringList entries;
        int selected;  // -1: a current row that is not selected
        QStringList remaining;
        int selectedAfter;
    };
    for (const Case& c : {Case{added, 0, {"/B", "/c"}, 0}, Case{added, 1, {"/a", "/c"}, 1},
                          Case{added, 2, {"/a", "/B"}, 1}, Case{{"/only"}, 0, {}, -1},
                          Case{added, -1, {"/a", "/B", "/c"}, -1}}) {
        SCOPED_TRACE(testing::Message() << "deleting entry " << c.selected);
        CInvListBox box;
        for (const QString& path : c.entries)
            box.AddString(path);
        QSignalSpy changed(&box, &CInvListBox::FileListChanged);
        QSignalSpy selected(&box, &CInvListBox::SelectionChanged);
        if (c.selected < 0)
            box.setCurrentRow(1, QItemSelectionModel::NoUpdate);
        else
            box.SetCurrentSelection(c.selected);

        QTest::keyClick(&box, Qt::Key_Delete);
        EXPECT_EQ(std::pair(Entries(box), box.CurrentSelection()), std::pair(c.remaining, c.selectedAfter));
        EXPECT_EQ(changed.count(), 0);  // delivered only once the key has been handled
        QCoreApplication::processEvents();
        EXPECT_EQ(changed.count(), c.selected < 0 ? 0 : 1);
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

    CInvListBox box;
    // path added, position answered
    const std::pair<const char*, int> added[] = {{"/take1.wav", 0}, {"/Take1.wav", 0}, {"/./b.wav", 0},
                                                 {"/link.wav", 0},  {"/b.wav", 0},     {"/take1.wav", 2},
                                                 {"/gone.wav", 1},  {"/gone.wav", 1},  {"/./gone.wav", 1}};
    for (const auto& [name, position] : added)
        EXPECT_EQ(box.AddString(folder + name), position) << name;
    EXPECT_EQ(Entries(box), (QStringList{folder + "/./b.wav", folder + "/./gone.wav", folder + "/gone.wav",
                                         folder + "/Take1.wav", folder + "/take1.wav"}));

    // A file removed from the list can be added again, under any of its paths.
    box.DeleteString(0);
    EXPECT_EQ(box.AddString(folder + "/link.wav"), 2);
    EXPECT_EQ(box.Count(), 5);
}

} // namespace
