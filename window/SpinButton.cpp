#include "window/SpinButton.h"

#include <QKeyEvent>

// The arrow images live in the library's resources; a static library must
// register them itself, from the global namespace.
static void InitSpinResources() {
    Q_INIT_RESOURCE(Spin);
}

namespace zentolk {

namespace {

bool CanTakeFocus(const QWidget& widget) {
    return widget.isEnabled() && widget.isVisible();
}

} // namespace

QPixmap TSpinButton::DefaultUpGlyph() {
    InitSpinResources();
    return QPixmap(QStringLiteral(":/SpinUp"));
}

QPixmap TSpinButton::DefaultDownGlyph() {
    InitSpinResources();
    return QPixmap(QStringLiteral(":/SpinDown"));
}

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), up_(new TTimerSpeedButton(this)), down_(new TTimerSpeedButton(this)),
      focused_(up_) {
    SetTabStop(false);
    setMinimumWidth(MinWidth);
    for (TTimerSpeedButton* button : {up_, down_}) {
        button->SetRepeatAllowed(true);
        connect(button, &QAbstractButton::pressed, this, [this, button] { ButtonPressed(button); });
    }
    connect(up_, &QAbstractButton::clicked, this, [this] { emit OnUpClick(this); });
    connect(down_, &QAbstractButton::clicked, this, [this] { emit OnDownClick(this); });
    SetUpGlyph({});
    SetDownGlyph({});
    resize(20, 25);
    LayoutButtons();
}

void TSpinButton::SetFocusedButton(TTimerSpeedButton* button) {
    if (button != up_ && button != down_)
        return;
    if (hasFocus()) {
        focused_->SetDrawFocusRect(false);
        button->SetDrawFocusRect(true);
    }
    focused_ = button;
}

void TSpinButton::SetUpGlyph(const QPixmap& glyph) {
    up_->SetGlyph(glyph.isNull() ? DefaultUpGlyph() : glyph);
}

void TSpinButton::SetDownGlyph(const QPixmap& glyph) {
    down_->SetGlyph(glyph.isNull() ? DefaultDownGlyph() : glyph);
}

// Only a left press reaches here.
void TSpinButton::ButtonPressed(TTimerSpeedButton* button) {
    SetFocusedButton(button);
    QWidget* control = focusControl_;
    if (control != nullptr && (control->focusPolicy() & Qt::TabFocus) && CanTakeFocus(*control) &&
        !control->hasFocus())
        control->setFocus(Qt::OtherFocusReason);
    else if (TabStop() && CanTakeFocus(*this) && !hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutButtons();
}

void TSpinButton::LayoutButtons() {
    // The halves share one row so that their borders meet as one line.
    const int w = std::max(width(), MinWidth);
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, w, upHeight);
    down_->setGeometry(0, upHeight - 1, w, height() - upHeight + 1);
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        SetFocusedButton(up_);
        up_->FireClick();
        break;
    case Qt::Key_Down:
        SetFocusedButton(down_);
        down_->FireClick();
        break;
    case Qt::Key_Space:
        focused_->FireClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TSpinButton::focusInEvent(QFocusEvent* event) {
    focused_->SetDrawFocusRect(true);
    QWidget::focusInEvent(event);
}

void TSpinButton::focusOutEvent(QFocusEvent* event) {
    focused_->SetDrawFocusRect(false);
    QWidget::focusOutEvent(event);
}

} // namespace zentolk
