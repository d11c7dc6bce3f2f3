#pragma once

#include <QDialog>

class CUserPrompt;

// "About Quelbrook": the icon, the version and two links of the project.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* WebAddress = "https://quelbrook.example.org";
    static constexpr const char* MailAddress = "support@quelbrook.example.org";

    explicit CAboutDlg(CUserPrompt& prompt, QWidget* parent = nullptr);
};
