#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

class QPainter;
class QStyle;

// The main window's link to the running widget style: decides whether styled
// ("themed") button faces are in use and draws them for the hover buttons.
class CThemeHelper {
public:
    enum Part { PushButtonPart = 1 };
    enum PushButtonState {
        StateNormal = 1,
        StateHot = 2,
        StatePressed = 3,
        StateDisabled = 4,
        StateDefaulted = 5,
    };

    CThemeHelper() = default;
    CThemeHelper(const CThemeHelper&) = delete;
    CThemeHelper& operator=(const CThemeHelper&) = delete;

    // Decides stylesActive from the window's style; when active, remembers
    // the window whose style paints the faces from now on.
    void Initialize(QWidget* window);
    bool StylesActive() const;
    // A style to draw with is available (the window still exists).
    bool ThemeOpen() const;

    // Draws the style's face of the part in the state into rect; without an
    // open theme, or for an unknown part, it draws nothing.
    void DrawBackground(QPainter& painter, const QRect& rect, int part, int state, const QRect* clip) const;

    // The rule behind stylesActive: every style counts as themed except the
    // flat classic look ("Windows"); no style at all is not themed.
    static bool StylesInUse(const QStyle* style);

private:
    bool stylesActive = false;
    bool themeOpen = false;
    QPointer<QWidget> window;
};
