#include "window/TimerSpeedButton.h"

#include "ui/Colours.h"
#include "ui/ProgramServices.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>
#include <QTimer>
#include <algorithm>

namespace zentolk {

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TTimerSpeedButton::SetRepeatAllowed(bool allowed) {
    repeatAllowed_ = allowed;
    if (!allowed && repeatTimer_ != nullptr)
        repeatTimer_->stop();
}

void TTimerSpeedButton::SetDrawFocusRect(bool draw) {
    if (draw == drawFocusRect_)
        return;
    drawFocusRect_ = draw;
    update();
}

namespace {
// A glyph of black alone on transparency is a shape, drawn in the colour of
// the button's text rather than in black, which a dark face would swallow.
bool IsShape(const QPixmap& glyph) {
    const QImage image = glyph.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0 && (pixel & 0xffffff) != 0)
                return false;
        }
    return !glyph.isNull();
}

QPixmap Coloured(const QPixmap& shape, const QColor& colour) {
    QPixmap coloured(shape.size());
    coloured.setDevicePixelRatio(shape.devicePixelRatio());
    coloured.fill(Qt::transparent);
    QPainter painter(&coloured);
    painter.drawPixmap(0, 0, shape);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(coloured.rect(), colour);
    return coloured;
}
} // namespace

void TTimerSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    shape_ = IsShape(glyph);
    update();
}

void TTimerSpeedButton::FireClick() {
    emit clicked(false);
}

QSize TTimerSpeedButton::sizeHint() const {
    return {15, 8};
}

bool TTimerSpeedButton::StartRepeatTimer(int interval) {
    repeatTimer_->start(interval);
    return repeatTimer_->isActive();
}

bool TTimerSpeedButton::event(QEvent* event) {
    // An error box takes the mouse: the release would never come.
    if (event->type() == CancelHoldEvent()) {
        EndHold();
        return true;
    }
    return QAbstractButton::event(event);
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    // Shows pressed and emits pressed(), whose listener may move the focus;
    // an error box shown on the way has ended the hold by the time it returns.
    QAbstractButton::mousePressEvent(event);
    event->accept(); // no press of any button goes on to the field below
    if (event->button() != Qt::LeftButton || !isDown() || !repeatAllowed_)
        return;
    if (repeatTimer_ == nullptr) {
        repeatTimer_ = new QTimer(this);
        repeatTimer_->setTimerType(Qt::PreciseTimer);
        connect(repeatTimer_, &QTimer::timeout, this, &TTimerSpeedButton::RepeatTick);
    }
    if (!StartRepeatTimer(FirstRepeatDelay)) {
        EndHold();
        ReportError(tr("Not enough timers available").toStdString());
    }
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event); // off the button shows released, back on pressed
    event->accept(); // a drag off the button selects no text in the field below
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (repeatTimer_ != nullptr)
        repeatTimer_->stop();
    QAbstractButton::mouseReleaseEvent(event); // clicks when released over the button
    event->accept();
}

void TTimerSpeedButton::RepeatTick() {
    repeatTimer_->setInterval(RepeatInterval);
    // Shown pressed only while held with the pointer over it. A click whose
    // handler shows an error box ends the hold through that box.
    if (isDown())
        FireClick();
}

void TTimerSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        EndHold();
    QAbstractButton::changeEvent(event);
}

void TTimerSpeedButton::hideEvent(QHideEvent* event) {
    EndHold();
    QAbstractButton::hideEvent(event);
}

void TTimerSpeedButton::EndHold() {
    setDown(false);
    if (repeatTimer_ != nullptr)
        repeatTimer_->stop();
}

QPixmap TTimerSpeedButton::CurrentGlyph() const {
    const QPixmap glyph = shape_
                              ? Coloured(glyph_, ReadableOn(palette().color(QPalette::Button),
                                                            palette().color(QPalette::ButtonText)))
                              : glyph_;
    if (glyph.isNull() || isEnabled())
        return glyph;
    QStyleOption option;
    option.initFrom(this);
    return style()->generatedIconPixmap(QIcon::Disabled, glyph, &option);
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawPrimitive(QStyle::PE_PanelButtonBevel, panel);

    const int shift = isDown() ? 1 : 0;
    const QPixmap glyph = CurrentGlyph();
    if (!glyph.isNull()) {
        const QSize size = glyph.deviceIndependentSize().toSize();
        painter.drawPixmap((width() - size.width()) / 2 + shift,
                           (height() - size.height()) / 2 + shift, glyph);
    }

    if (drawFocusRect_) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3).translated(shift, shift);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace zentolk
