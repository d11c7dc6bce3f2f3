#pragma once

#include "platform/CUserPrompt.h"

#include <QPointer>
#include <QString>
#include <QWidget>

struct BatchReport;

// The desktop program's answers to the engine: message boxes with the warning
// icon and the program's name as caption, and the write-protect dialog.
// The questions are virtual so that tests can answer them in advance.
class CMessageBoxPrompt : public CUserPrompt {
public:
    explicit CMessageBoxPrompt(QWidget* owner = nullptr);

    // The window that owns the message boxes (the main window once it exists).
    void SetOwner(QWidget* owner);

    void ShowMessage(const std::string& text) override;
    bool AskClearReadOnly(const std::string& path) override;

    // A Yes/No question with the warning icon; true for Yes.
    virtual bool AskYesNo(const QString& text);

    // A message about one file of a running Change; false when the user asked
    // to see no further messages during it (they are all in its end report).
    virtual bool ShowBatchMessage(const std::string& text);

    // The end report of a Change that left files unchanged; true when the
    // user chose to keep only those files listed.
    virtual bool ShowBatchReport(const BatchReport& report);

    // The executable's file name without folder and extension.
    static QString ApplicationName();

private:
    QPointer<QWidget> owner;
};
