#pragma once

#include <QColor>
#include <QLabel>
#include <QTimer>
#include <QUrl>

#include <functional>

class CUserPrompt;

// A label that works as a hyperlink: link colour, red and underlined while
// the pointer is over it, visited colour after a successful open, a pointing
// hand and a tool tip with the target. A click, or Enter or Space while it
// has the focus, opens the target through the desktop; a failure beeps and is
// explained through the prompt. Assistive technology sees it as a link.
class CUrlLabel : public QLabel {
    Q_OBJECT
public:
    using OpenFunction = std::function<bool(const QUrl&)>;

    static constexpr QRgb linkColour = qRgb(0, 0, 238);
    static constexpr QRgb visitedColour = qRgb(85, 26, 139);
    static constexpr QRgb hoverColour = qRgb(255, 0, 0);
    static constexpr int hoverTimerPeriodMs = 100;

    // Results of OpenTarget: above openSucceededAbove means opened.
    static constexpr int openSucceeded = 33;
    static constexpr int openSucceededAbove = 32;
    static constexpr int openFileNotFound = 2;
    static constexpr int openNoAssociation = 31;

    // An empty text shows the target once one is set; until SetUrl is
    // called the label's own text is its target.
    CUrlLabel(CUserPrompt& prompt, const QString& text, QWidget* parent = nullptr);

    // Sets the target, fits the label to its text and updates the tool tip.
    void SetUrl(const QString& url);
    const QString& Url() const;
    void SetVisited(bool visited);
    bool IsVisited() const;
    bool IsHovering() const;

    // Replaces the desktop opener (QDesktopServices::openUrl).
    void SetOpener(OpenFunction opener);

    // Opens the target as a click does.
    void Activate();

    // Opens target; returns openSucceeded, or the code of the failure.
    int OpenTarget(const QString& target);
    // "Unable to open hyperlink:" with the explanation of code, after a beep.
    void ReportOpenError(int code);
    static QString OpenErrorText(int code);

    // Resizes the label to its text measured with the underlined font,
    // keeping the edge (or centre) its alignment anchors.
    void FitToText();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BeginHover();
    void CheckHover();
    void EndHover();
    void ApplyLook();

    CUserPrompt& prompt;
    bool isHovering = false;
    bool isVisited = false;
    bool pressed = false;
    QString url;
    QTimer hoverTimer;
    OpenFunction opener;
};
