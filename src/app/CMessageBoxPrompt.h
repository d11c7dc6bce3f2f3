#pragma once

#include "wave/CUserPrompt.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

struct BatchReport;

// The desktop program's answers to the engine: message boxes captioned with
// the program's name, with the icon of what they are (the engine's messages
// are problems: warning), and the write-protect dialog.
// The questions are virtual so that tests can answer them in advance.
class CMessageBoxPrompt : public CUserPrompt {
    Q_DECLARE_TR_FUNCTIONS(CMessageBoxPrompt)

public:
    explicit CMessageBoxPrompt(QWidget* owner = nullptr);

    // The window that owns the message boxes (the main window once it exists).
    void SetOwner(QWidget* owner);

    // An engine message, translated.
    void ShowMessage(const CoreText& text) final;
    // A message of the desktop program's own, already translated.
    virtual void ShowWarning(const QString& text);
    bool AskClearReadOnly(const std::string& path) override;

    // A message that reports no problem, with the information icon.
    virtual void ShowInformation(const QString& text);

    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const QString& text);

    // The Change's confirmation: question, with what the Change will do to
    // the listed files below it; true for Yes.
    virtual bool ConfirmChange(const QString& question, const QString& summary);

    // A message about one file of a running Change; false when the user asked
    // to see no further messages during it (they are all in its end report).
    virtual bool ShowBatchMessage(const QString& text);

    // The end report of a Change that left files unchanged; true when the
    // user chose to keep only those files listed.
    virtual bool ShowBatchReport(const BatchReport& report);

    // The program's name, the caption of every message box and the main window.
    static QString ProgramName();
    // The executable's file name without folder and extension.
    static QString ExecutableName();

private:
    QPointer<QWidget> owner;
};
