#include "app/CInvListBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Entries(const CInvListBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.Count(); ++i)
        texts << list.Text(i);
    return texts;
}

class InvListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* path : {"/a/beta.wav", "/a/alpha.wav", "/a/Gamma.wav"})
            list.AddString(QString::fromLatin1(path));
    }

    CInvListBox list;
    QSignalSpy changed{&list, &CInvListBox::FileListChanged};
    QSignalSpy selected{&list, &CInvListBox::SelectionChanged};
};

TEST_F(InvListBoxTest, KeepsEntriesInOrderWithoutRegardToCase)
{
    EXPECT_EQ(list.AddString(QStringLiteral("/a/ALPHA.wav")), 1);
    EXPECT_EQ(list.AddString(QStringLiteral("/a/delta.wav")), 3);
    EXPECT_EQ(Entries(list), (QStringList{"/a/alpha.wav", "/a/ALPHA.wav", "/a/beta.wav", "/a/delta.wav",
                                          "/a/Gamma.wav"}));
    EXPECT_EQ(list.CurrentSelection(), -1);
    EXPECT_EQ(selected.count(), 0);
}

TEST_F(InvListBoxTest, DeleteRemovesTheSelectedEntryAndSelectsTheNextOne)
{
    struct Case {
        int selected;
        QStringList remaining;
        int selectedAfter;
    };
    for (const Case& c : {Case{0, {"/a/beta.wav", "/a/Gamma.wav"}, 0},
                          Case{1, {"/a/alpha.wav", "/a/Gamma.wav"}, 1},
                          Case{2, {"/a/alpha.wav", "/a/beta.wav"}, 1}}) {
        CInvListBox box;
        for (const QString& path : Entries(list))
            box.AddString(path);
        QSignalSpy spy(&box, &CInvListBox::FileListChanged);
        QSignalSpy userSelection(&box, &CInvListBox::SelectionChanged);
        box.SetCurrentSelection(c.selected);

        QTest::keyClick(&box, Qt::Key_Delete);
        EXPECT_EQ(Entries(box), c.remaining) << "deleting entry " << c.selected;
        EXPECT_EQ(box.CurrentSelection(), c.selectedAfter) << "deleting entry " << c.selected;
        // Delivered only once the key has been handled.
        EXPECT_EQ(spy.count(), 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(spy.count(), 1);
        EXPECT_EQ(userSelection.count(), 0);
    }
}

TEST_F(InvListBoxTest, DeletingTheOnlyEntryLeavesNoSelectionAndStillNotifies)
{
    CInvListBox box;
    box.AddString(QStringLiteral("/only.wav"));
    QSignalSpy spy(&box, &CInvListBox::FileListChanged);
    box.SetCurrentSelection(0);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(box.CurrentSelection(), -1);
    EXPECT_TRUE(spy.wait(1000));
}

TEST_F(InvListBoxTest, DeleteWithoutSelectionDoesNothing)
{
    // A current row that is not selected is no selection.
    list.setCurrentRow(1, QItemSelectionModel::NoUpdate);
    QTest::keyClick(&list, Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(InvListBoxTest, OtherKeysKeepTheirUsualMeaning)
{
    list.SetCurrentSelection(0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.CurrentSelection(), 1);
    EXPECT_EQ(selected.count(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 0);
}

} // namespace
