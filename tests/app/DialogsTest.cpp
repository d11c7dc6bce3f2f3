#include "AppTestSupport.h"
#include "app/CWriteProtectDlg.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

const QString QuestionTail = QStringLiteral(
    " is Write protected\n\nChange the attribute and allow the change?\n\nCancel will quit the operation");

TEST(WriteProtectDlg, NamesTheFileShortenedInTheMiddle)
{
    const CWriteProtectDlg whole(QStringLiteral("/audio/take/26-chars-a.wav"));
    EXPECT_EQ(whole.Message(), "The file /audio/take/26-chars-a.wav" + QuestionTail);
    EXPECT_EQ(whole.windowTitle(), "File is write protected!");

    const CWriteProtectDlg shortened(QStringLiteral("/audio/take/27-chars-ab.wav"));
    EXPECT_EQ(shortened.Message(), "The file /audio/take...hars-ab.wav" + QuestionTail);
}

TEST(WriteProtectDlg, AnswersYesOnlyForYes)
{
    struct Case {
        const char* what;
        std::function<void(QWidget*)> act;
        int result;
    };
    const std::vector<Case> cases{
        {"Yes button", [](QWidget* w) { w->findChild<QPushButton*>("yesButton")->click(); }, CWriteProtectDlg::Yes},
        {"Enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }, CWriteProtectDlg::Yes},
        {"Cancel button", [](QWidget* w) { w->findChild<QPushButton*>("cancelButton")->click(); },
         CWriteProtectDlg::Cancel},
        {"Escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, CWriteProtectDlg::Cancel},
        {"close box", [](QWidget* w) { w->close(); }, CWriteProtectDlg::Cancel},
    };
    for (const Case& c : cases) {
        CWriteProtectDlg dialog(QStringLiteral("/x.wav"));
        QWidget* focused = nullptr;
        WhenModal([&](QWidget* modal) {
            focused = modal->focusWidget();
            c.act(modal);
        });
        EXPECT_EQ(dialog.exec(), c.result) << c.what;
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), "yesButton") << c.what;
    }
}

TEST(MessageBoxPrompt, ShowsWarningsCaptionedWithTheProgramName)
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    EXPECT_EQ(CMessageBoxPrompt::ApplicationName(), name);

    CMessageBoxPrompt prompt;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    prompt.ShowMessage("File /a b.wav could not be opened - code: 5");
    EXPECT_EQ(title, name);
    EXPECT_EQ(text, "File /a b.wav could not be opened - code: 5");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

TEST(MessageBoxPrompt, AsksYesNoQuestions)
{
    CMessageBoxPrompt prompt;
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        QMessageBox::StandardButtons buttons;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            buttons = box->standardButtons();
            box->button(answer)->click();
        });
        EXPECT_EQ(prompt.AskYesNo(QStringLiteral("Continue?")), answer == QMessageBox::Yes);
        EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

TEST(MessageBoxPrompt, AsksAboutReadOnlyFilesWithTheWriteProtectDialog)
{
    CMessageBoxPrompt prompt;
    for (const bool yes : {true, false}) {
        QString shownTitle;
        WhenModal([&](QWidget* modal) {
            shownTitle = modal->windowTitle();
            auto* dialog = qobject_cast<CWriteProtectDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Message(), "The file /x.wav" + QuestionTail);
            if (yes)
                dialog->findChild<QPushButton*>("yesButton")->click();
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(prompt.AskClearReadOnly("/x.wav"), yes);
        EXPECT_EQ(shownTitle, "File is write protected!");
    }
}

} // namespace
