#include "links/ovcurl.h"

#include "links/LinkAccessible.h"
#include "platform/Os.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zentolk {

namespace {
// Longest address handed to the desktop, as the shell's own buffer allows.
constexpr qsizetype MaxAddressLength = 1023;

// The address cut to its first MaxAddressLength characters, never inside one.
QString LimitedAddress(const QString& address) {
    qsizetype end = 0;
    for (qsizetype count = 0; count < MaxAddressLength && end < address.size(); ++count)
        end += address.at(end).isHighSurrogate() && end + 1 < address.size() &&
                       address.at(end + 1).isLowSurrogate()
                   ? 2
                   : 1;
    return address.left(end);
}
} // namespace

TOvcURL::TOvcURL(QWidget* parent) : QLabel(parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus); // the mouse does not move the focus, Tab does
    setTextFormat(Qt::PlainText); // an address is shown as it is written
    InstallLinkAccessibility();
}

TOvcURL::~TOvcURL() = default;

void TOvcURL::SetCaption(const QString& caption) {
    caption_ = caption;
    showText();
}

void TOvcURL::SetURL(const QString& url) {
    url_ = url;
    showText();
}

void TOvcURL::showText() {
    setText(caption_.isEmpty() ? url_ : caption_);
}

void TOvcURL::SetVisitedColor(const QColor& color) {
    visited_ = color.isValid() ? color : FontColor();
    normalColor_.reset();
}

QColor TOvcURL::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TOvcURL::SetFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

// The highlight follows the pointer in and out, so it ends the moment the
// pointer leaves. Moves are watched too: while a press holds the mouse the
// label gets moves but no enter or leave.
void TOvcURL::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    StartHover();
}

void TOvcURL::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    EndHover();
}

void TOvcURL::hideEvent(QHideEvent* event) {
    QLabel::hideEvent(event);
    EndHover(); // a hidden label gets no leave
}

void TOvcURL::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (rect().contains(event->position().toPoint()))
        StartHover();
    else
        EndHover();
}

void TOvcURL::StartHover() {
    if (hovered_)
        return;
    if (!normalColor_)
        normalColor_ = FontColor();
    SetFontColor(highlight_);
    hovered_ = true;
}

void TOvcURL::EndHover() {
    if (!hovered_)
        return;
    hovered_ = false;
    SetFontColor(normalColor_.value_or(FontColor()));
}

void TOvcURL::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
}

void TOvcURL::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Click();
}

void TOvcURL::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Click();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TOvcURL::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void TOvcURL::Click() {
    if (!url_.isEmpty()) {
        const std::string address = LimitedAddress(url_).toStdString();
        platform::CurrentOs().OpenAddress(address, [] { platform::CurrentOs().Beep(); });
    }
    emit OnClick(this);
    // The label keeps the highlight while the pointer is over it and takes
    // the visited colour when the hover ends; followed from the keyboard or
    // a screen reader, with no hover to end, it takes it at once.
    if (useVisited_) {
        normalColor_ = visited_;
        if (!hovered_)
            SetFontColor(visited_);
    }
}

} // namespace zentolk
