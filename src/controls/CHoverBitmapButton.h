#pragma once

#include "controls/CBitmapButton.h"

class CThemeHelper;

// A bitmap button that, while styled faces are in use, paints the style's
// push-button face for its state (lit up under the pointer) and lays the
// glyph of a picture with a transparent background over it.
class CHoverBitmapButton : public CBitmapButton {
    Q_OBJECT
public:
    // The caption names the pictures: caption + "U"/"D"/"F"/"X", or
    // "XP" + caption + "U" for the styled mode.
    explicit CHoverBitmapButton(const QString& caption, QWidget* parent = nullptr);

    // Takes the styles decision from theme (kept, not owned: it must outlive
    // the button), loads the pictures and fits the button to them. False when
    // the normal picture is missing; the button then paints as a plain one.
    bool AttachAndLoad(CThemeHelper& theme);

    bool IsThemed() const;
    bool IsHovering() const;
    // The theme state the face is drawn in now (CThemeHelper::PushButtonState).
    int ThemeState() const;

    static constexpr const char* themePrefix = "XP";

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHovering(bool hover);

    CThemeHelper* themeHelper = nullptr;
    bool hovering = false;
    bool themed = false;
};
