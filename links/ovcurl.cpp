#include "links/ovcurl.h"

#include "links/LinkAccessible.h"
#include "platform/Os.h"
#include "ui/EventErrors.h"
#include "ui/ProgramServices.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

namespace zentolk {

std::function<QPoint()> TOvcURL::PointerPosition = [] { return QCursor::pos(); };

namespace {
// Longest address handed to the desktop, as the shell's own buffer allows.
constexpr qsizetype MaxAddressLength = 1023;
constexpr int HoverInterval = 100; // ms: the highlight ends at most this long after leaving

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
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText); // an address is shown as it is written
    InstallLinkAccessibility();
}

TOvcURL::~TOvcURL() = default; // a running hover timer is a child and goes with the label

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

void TOvcURL::SetHighlightColor(const QColor& color) {
    highlight_ = color.isValid() ? color : FontColor();
    normalColor_.reset();
}

void TOvcURL::SetVisitedColor(const QColor& color) {
    visited_ = color.isValid() ? color : FontColor();
    normalColor_.reset();
}

void TOvcURL::SetUnderlineURL(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

QColor TOvcURL::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TOvcURL::SetFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

bool TOvcURL::event(QEvent* event) {
    return HandleReportingErrors([&] { return QLabel::event(event); });
}

bool TOvcURL::StartHoverTimer(QTimer& timer) {
    timer.start();
    return timer.isActive();
}

void TOvcURL::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (hoverTimer_ != nullptr || !rect().contains(event->position().toPoint()))
        return;
    if (!normalColor_)
        normalColor_ = FontColor();
    SetFontColor(highlight_);
    hoverTimer_ = new QTimer(this);
    hoverTimer_->setTimerType(Qt::PreciseTimer);
    hoverTimer_->setInterval(HoverInterval);
    connect(hoverTimer_, &QTimer::timeout, this, &TOvcURL::hoverTick);
    if (!StartHoverTimer(*hoverTimer_)) {
        delete hoverTimer_;
        hoverTimer_ = nullptr;
        ReportError("Not enough timers available");
    }
}

void TOvcURL::hoverTick() {
    if (hoverTimer_ == nullptr)
        return;
    if (rect().contains(mapFromGlobal(PointerPosition())))
        return;
    hoverTimer_->deleteLater();
    hoverTimer_->stop();
    hoverTimer_ = nullptr;
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

void TOvcURL::Click() {
    if (!url_.isEmpty()) {
        const std::string address = LimitedAddress(url_).toStdString();
        platform::CurrentOs().OpenAddress(address, [] { platform::CurrentOs().Beep(); });
    }
    emit OnClick(this);
    // The label keeps the highlight while the pointer is over it and takes
    // the visited colour when the hover ends.
    if (useVisited_)
        normalColor_ = visited_;
}

} // namespace zentolk
