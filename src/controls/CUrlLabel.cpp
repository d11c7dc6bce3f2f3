#include "controls/CUrlLabel.h"

#include "controls/CUrlLabelAccessible.h"
#include "wave/CUserPrompt.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

QFont WithUnderline(QFont font, bool underline)
{
    font.setUnderline(underline);
    return font;
}

}  // namespace

CUrlLabel::CUrlLabel(CUserPrompt& userPrompt, const QString& text, QWidget* parent)
    : QLabel(text, parent),
      prompt(userPrompt),
      url(text),
      opener([](const QUrl& target) { return QDesktopServices::openUrl(target); })
{
    CUrlLabelAccessible::Install();
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setToolTip(url);
    hoverTimer.setInterval(hoverTimerPeriodMs);
    connect(&hoverTimer, &QTimer::timeout, this, &CUrlLabel::CheckHover);
    ApplyLook();
    FitToText();
}

void CUrlLabel::SetUrl(const QString& target)
{
    url = target;
    if (text().isEmpty())
        setText(url);
    FitToText();
    setToolTip(url);
}

const QString& CUrlLabel::Url() const
{
    return url;
}

void CUrlLabel::SetVisited(bool visited)
{
    isVisited = visited;
    ApplyLook();
}

bool CUrlLabel::IsVisited() const
{
    return isVisited;
}

bool CUrlLabel::IsHovering() const
{
    return isHovering;
}

void CUrlLabel::SetOpener(OpenFunction newOpener)
{
    opener = std::move(newOpener);
}

void CUrlLabel::ApplyLook()
{
    QColor colour(isHovering ? hoverColour : isVisited ? visitedColour : linkColour);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    if (font().underline() != isHovering)
        setFont(WithUnderline(font(), isHovering));
    update();
}

void CUrlLabel::FitToText()
{
    const QSize text = QFontMetrics(WithUnderline(font(), true)).size(0, QLabel::text());
    const QRect contents = contentsRect();
    QRect w = geometry();
    const int width = text.width() + w.width() - contents.width() + 2 * margin();
    const int height = text.height() + w.height() - contents.height() + 2 * margin();

    const Qt::Alignment align = alignment();
    if (align & Qt::AlignVCenter) {
        w.setTop(w.top() + (w.height() - height) / 2);
        w.setHeight(height);
    } else if (align & Qt::AlignBottom) {
        w.setTop(w.bottom() - height + 1);
    } else {
        w.setHeight(height);
    }
    if (align & Qt::AlignHCenter) {
        w.setLeft(w.left() + (w.width() - width) / 2);
        w.setWidth(width);
    } else if (align & Qt::AlignRight) {
        w.setLeft(w.right() - width + 1);
    } else {
        w.setWidth(width);
    }
    setGeometry(w);
}

void CUrlLabel::BeginHover()
{
    if (isHovering)
        return;
    isHovering = true;
    ApplyLook();
    hoverTimer.start();
}

void CUrlLabel::CheckHover()
{
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        EndHover();
}

void CUrlLabel::EndHover()
{
    hoverTimer.stop();
    if (!isHovering)
        return;
    isHovering = false;
    ApplyLook();
}

void CUrlLabel::enterEvent(QEnterEvent* event)
{
    BeginHover();
    QLabel::enterEvent(event);
}

void CUrlLabel::mouseMoveEvent(QMouseEvent* event)
{
    BeginHover();
    QLabel::mouseMoveEvent(event);
}

void CUrlLabel::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void CUrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Activate();
}

void CUrlLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && modifiers == Qt::NoModifier) {
        event->accept();
        // A key held down opens the target once.
        if (!event->isAutoRepeat())
            Activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CUrlLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void CUrlLabel::Activate()
{
    EndHover();
    const int result = OpenTarget(url);
    const bool opened = result > openSucceededAbove;
    SetVisited(opened);
    if (!opened)
        ReportOpenError(result);
}

int CUrlLabel::OpenTarget(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return openFileNotFound;
    // Accepts what people type: "www.example.com", "mailto:...", a local path.
    const QUrl resolved = QUrl::fromUserInput(trimmed, QString(), QUrl::AssumeLocalFile);
    if (!resolved.isValid())
        return openFileNotFound;
    if (!opener || !opener(resolved))
        return openNoAssociation;
    return openSucceeded;
}

QString CUrlLabel::OpenErrorText(int code)
{
    switch (code) {
    case 0:
        return tr("The operating system is out\nof memory or resources.");
    case 2:
        return tr("The specified file was not found.");
    case 3:
        return tr("The specified path was not found.");
    case 5:
        return tr("The operating system denied\naccess to the specified file.");
    case 8:
        return tr("There was not enough memory to complete the operation.");
    case 11:
        return tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return tr("A sharing violation occurred. ");
    case 27:
        return tr("The filename association is\nincomplete or invalid.");
    case 28:
        return tr("The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return tr("The DDE transaction failed.");
    case 30:
        return tr("The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.");
    case 31:
        return tr("There is no application associated\nwith the given filename extension.");
    case 32:
        return tr("The specified dynamic-link library was not found.");
    default:
        return tr("Unknown Error (%1) occurred.").arg(code);
    }
}

void CUrlLabel::ReportOpenError(int code)
{
    QApplication::beep();
    prompt.ShowMessage(CoreText(tr("Unable to open hyperlink:\n\n%1").arg(OpenErrorText(code)).toStdString()));
}
