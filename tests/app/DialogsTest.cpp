#include "app/BatchReport.h"
#include "app/CAboutDlg.h"
#include "app/CBatchReportDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CPathLabel.h"
#include "app/CWriteProtectDlg.h"

#include "controls/CUrlLabel.h"
#include "platform/OpenFailureCause.h"

#include "AccessibleNames.h"
#include "FakePrompt.h"
#include "GuiTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString QuestionTail = QStringLiteral(
    " is Write protected\n\nChange the attribute and allow the change?\n\nCancel leaves this file unchanged");

// Runs action on the modal window that exec() puts up next, a Modal: the
// timer fires once that window's event loop runs.
template <typename Modal = QWidget, typename Action>
void WhenModal(Action action)
{
    QTimer::singleShot(0, [action] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

TEST(WriteProtectDlg, NamesTheFileAndAnswersYesOnlyForYes)
{
    CWriteProtectDlg whole(QStringLiteral("/audio/take/26-chars-a.wav"));
    EXPECT_EQ(whole.Message(), "The file /audio/take/26-chars-a.wav" + QuestionTail);
    EXPECT_EQ(whole.windowTitle(), "File is write protected!");
    EXPECT_EQ(testa11y::UnnamedControls(whole), QStringList());

    // Yes has the focus, so Enter answers Yes; every other way out is Cancel.
    for (const int key : {int{Qt::Key_Return}, int{Qt::Key_Escape}, 0}) {
        CWriteProtectDlg dialog(QStringLiteral("/x.wav"));
        WhenModal([key](QWidget* modal) {
            if (key == 0)
                modal->close();
            else
                QTest::keyClick(modal, static_cast<Qt::Key>(key));
        });
        EXPECT_EQ(dialog.exec(), key == Qt::Key_Return ? CWriteProtectDlg::Yes : CWriteProtectDlg::Cancel) << key;
    }
}

TEST(AboutDlg, TheHomePageLinkIsReachedWithTabAndOpensWithEnterSpaceOrItsAction)
{
    FakePrompt prompt;
    CAboutDlg about(prompt);
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(about.windowTitle(), "About Quelbrook");
    std::vector<QUrl> opened;
    for (CUrlLabel* link : about.findChildren<CUrlLabel*>())
        link->SetOpener([&opened](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
    EXPECT_EQ(testa11y::UnnamedControls(about), QStringList());
    // No mail link: the project publishes no contact address.
    EXPECT_EQ(testa11y::TabOrder(about), (QStringList{"webLink"}));

    auto* web = about.findChild<CUrlLabel*>("webLink");
    QAccessibleInterface* link = testa11y::Of(web);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), "The Quelbrook project");
    EXPECT_FALSE(link->state().traversed);

    // The focus is seen.
    const QImage unfocused = web->grab().toImage();
    web->setFocus();
    EXPECT_NE(web->grab().toImage(), unfocused);

    QTest::keyClick(web, Qt::Key_Return);
    QTest::keyClick(web, Qt::Key_Space);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(about.isVisible());  // Enter on a link is not the OK button's
    // Where the package points, never a placeholder.
    const QUrl home(QStringLiteral("https://quelbrook.github.io"));
    EXPECT_EQ(opened, (std::vector<QUrl>{home, home, home}));
    EXPECT_TRUE(link->state().traversed);
}

TEST(MessageBoxPrompt, EachMessageCarriesTheIconOfWhatItIsAndTheProgramsName)
{
    CMessageBoxPrompt prompt;
    QString title, text, details;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const auto answer = [&](QMessageBox::StandardButton button) {
        WhenModal<QMessageBox>([&, button](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            details = box->informativeText();
            icon = box->icon();
            (box->button(button) ? box->button(button) : box->buttons().first())->click();
        });
    };
    answer(QMessageBox::Ok);
    prompt.ShowMessage(OpenFailureMessage("/a b.wav", OpenFailureCause::AccessDenied));
    EXPECT_EQ(
        std::tuple(title, text, icon),
        std::tuple(QString("Quelbrook"), QString("File /a b.wav could not be opened - code: 5"), QMessageBox::Warning));
    answer(QMessageBox::Ok);
    prompt.ShowInformation(QStringLiteral("2 of 2 files were restored."));
    EXPECT_EQ(std::tuple(title, icon), std::tuple(QString("Quelbrook"), QMessageBox::Information));
    answer(QMessageBox::Yes);
    EXPECT_TRUE(prompt.AskYesNo(QStringLiteral("Continue?")));
    EXPECT_EQ(std::tuple(title, icon), std::tuple(QString("Quelbrook"), QMessageBox::Question));
    answer(QMessageBox::No);
    EXPECT_FALSE(prompt.AskYesNo(QStringLiteral("Continue?")));
    // The Change's own question, with what it will do below it.
    answer(QMessageBox::Yes);
    EXPECT_TRUE(prompt.ConfirmChange(QStringLiteral("Continue?"), QStringLiteral("Sample rate: 48,000 Hz")));
    EXPECT_EQ(std::tuple(title, text, details, icon),
              std::tuple(QString("Quelbrook"), QString("Continue?"), QString("Sample rate: 48,000 Hz"),
                         QMessageBox::Question));

    // Read-only files are asked about with the write-protect dialog.
    for (const std::string button : {"yesButton", "cancelButton"}) {
        WhenModal<CWriteProtectDlg>([&](CWriteProtectDlg* dialog) {
            text = dialog->Message();
            dialog->findChild<QPushButton*>(QString::fromStdString(button))->click();
        });
        EXPECT_EQ(prompt.AskClearReadOnly("/x.wav"), button == "yesButton");
        EXPECT_EQ(text, "The file /x.wav" + QuestionTail);
    }

    // A message during a batch can silence the rest of that batch.
    for (const bool silence : {false, true}) {
        WhenModal<QMessageBox>([silence](QMessageBox* box) {
            box->checkBox()->setChecked(silence);
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(prompt.ShowBatchMessage("File /a.wav could not be opened - code: 5"), !silence);
    }

    // The end report lists each file left unchanged, then those changed with a warning; only "Keep only
    // these files" answers true.
    const BatchReport report{4,
                             1,
                             true,
                             {{"/a.wav", BatchReport::Outcome::Failed, "no complete \"fmt \" chunk"},
                              {"/b.wav", BatchReport::Outcome::Skipped, "not reached: Change was cancelled"}},
                             {{"/c.wav", BatchReport::Outcome::Changed, "closing /c.wav reported an error"}}};
    for (const std::string button : {"keepOnlyButton", "closeButton"}) {
        WhenModal<CBatchReportDlg>([&](CBatchReportDlg* dialog) {
            text = dialog->findChild<QLabel*>("summaryText")->text() + '\n'
                + dialog->findChild<QPlainTextEdit*>("notChangedList")->toPlainText();
            dialog->findChild<QPushButton*>(QString::fromStdString(button))->click();
        });
        EXPECT_EQ(prompt.ShowBatchReport(report), button == "keepOnlyButton");
        EXPECT_EQ(text,
                  "1 of 4 files changed, 1 skipped, 1 failed. Change was cancelled: the files it had not "
                  "reached were left as they were.\n"
                  "Failed: /a.wav - no complete \"fmt \" chunk\n"
                  "Skipped: /b.wav - not reached: Change was cancelled\n"
                  "Changed, with a warning: /c.wav - closing /c.wav reported an error");
    }
}

TEST(PathLabel, ShortensTheFoldersBeforeTheName)
{
    const QString path = QStringLiteral("/srv/audio/sessions/2026/Harbour Live/Lead Vocal.wav");
    CPathLabel label(path);
    const QFontMetrics metrics = label.fontMetrics();
    // label width given as a text that just fits, what must show, what must not
    const struct {
        QString fits, shows, hidden;
    } cases[] = {
        {path, path, QStringLiteral("\u2026")},
        {QStringLiteral("/srv/a\u2026e/Lead Vocal.wav"), QStringLiteral("/Lead Vocal.wav"), QStringLiteral("2026/")},
        {QStringLiteral("Lead\u2026al.wav"), QStringLiteral(".wav"), QStringLiteral("/")},
    };
    for (const auto& c : cases) {
        label.resize(metrics.horizontalAdvance(c.fits) + 2 * label.margin() + 1, label.height());
        const QString shown = label.ShownText();
        EXPECT_TRUE(shown.contains(c.shows)) << shown.toStdString();
        EXPECT_FALSE(shown.contains(c.hidden)) << shown.toStdString();
        EXPECT_LE(metrics.horizontalAdvance(shown), label.contentsRect().width()) << shown.toStdString();
    }
    EXPECT_EQ(label.text(), path);
}

}  // namespace
