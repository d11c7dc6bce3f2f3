#pragma once

#include <QDialog>

class CUserPrompt;

// "About Quelbrook": the icon, the version and the link to the project's
// home page (the one the package names). The project publishes no contact
// address, so there is no mail link.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(CUserPrompt& prompt, QWidget* parent = nullptr);
};
