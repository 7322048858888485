#include "window/TimerSpeedButton.h"

#include "ui/EventErrors.h"
#include "ui/ProgramServices.h"

#include <QIcon>
#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>
#include <QTimer>
#include <algorithm>

namespace zentolk {

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : QWidget(parent) {
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

void TTimerSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    update();
}

void TTimerSpeedButton::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    update();
}

void TTimerSpeedButton::Click() {
    emit OnClick(this);
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
    return HandleReportingErrors([&] { return QWidget::event(event); });
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        held_ = true;
        SetDown(true);
    }
    // Neither a failing focus change nor a missing timer may leave the button
    // looking pressed: the release that would undo it may never come.
    try {
        emit OnMouseDown(this, event->button());
    } catch (...) {
        EndHold();
        throw;
    }
    // An error box shown while the press moved the focus ended the hold.
    if (event->button() == Qt::LeftButton && !held_) {
        event->accept();
        return;
    }
    if (repeatAllowed_) {
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = new QTimer(this);
            repeatTimer_->setTimerType(Qt::PreciseTimer);
            connect(repeatTimer_, &QTimer::timeout, this, &TTimerSpeedButton::RepeatTick);
        }
        if (!StartRepeatTimer(FirstRepeatDelay)) {
            EndHold();
            ReportError("Not enough timers available");
        }
    }
    event->accept();
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    if (held_)
        SetDown(rect().contains(event->position().toPoint()));
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (repeatTimer_ != nullptr)
        repeatTimer_->stop();
    if (event->button() != Qt::LeftButton || !held_)
        return;
    held_ = false;
    SetDown(false);
    if (rect().contains(event->position().toPoint()))
        Click();
}

void TTimerSpeedButton::RepeatTick() {
    repeatTimer_->setInterval(RepeatInterval);
    if (!down_ || !held_)
        return;
    HandleReportingErrors([&] {
        try {
            Click();
        } catch (...) {
            // The error box about to open takes the mouse, so the release
            // never reaches this button.
            EndHold();
            throw;
        }
        return true;
    });
}

void TTimerSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        EndHold();
    QWidget::changeEvent(event);
}

void TTimerSpeedButton::hideEvent(QHideEvent* event) {
    EndHold();
    QWidget::hideEvent(event);
}

void TTimerSpeedButton::SetDown(bool down) {
    if (down == down_)
        return;
    down_ = down;
    update();
}

void TTimerSpeedButton::EndHold() {
    held_ = false;
    SetDown(false);
    if (repeatTimer_ != nullptr)
        repeatTimer_->stop();
}

QPixmap TTimerSpeedButton::CurrentGlyph() const {
    if (glyph_.isNull())
        return {};
    const int width = glyph_.width() / numGlyphs_;
    const auto part = [&](int index) {
        return glyph_.copy(index * width, 0, width, glyph_.height());
    };
    if (!isEnabled()) {
        if (numGlyphs_ > 1)
            return part(1);
        QStyleOption option;
        option.initFrom(this);
        return style()->generatedIconPixmap(QIcon::Disabled, part(0), &option);
    }
    if (down_ && numGlyphs_ > 2)
        return part(2);
    return part(0);
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.state |= down_ ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawPrimitive(QStyle::PE_PanelButtonBevel, panel);

    const int shift = down_ ? 1 : 0;
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
