#pragma once

#include "window/TimerSpeedButton.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace zentolk {

// Two stacked repeating buttons, up over down. Inside a spin field the pair
// never takes the focus; used on its own it can, and then steps with the
// arrow keys and Space.
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int MinWidth = 15;

    explicit TSpinButton(QWidget* parent = nullptr);

    TTimerSpeedButton* UpButton() const { return up_; }
    TTimerSpeedButton* DownButton() const { return down_; }

    // The button that Space clicks and that shows the focus rectangle.
    TTimerSpeedButton* FocusedButton() const { return focused_; }
    void SetFocusedButton(TTimerSpeedButton* button);

    // The control that takes the keyboard focus when a button is pressed;
    // cleared when that control is destroyed.
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    // A null image brings back the default arrow.
    const QPixmap& UpGlyph() const { return up_->Glyph(); }
    void SetUpGlyph(const QPixmap& glyph);
    const QPixmap& DownGlyph() const { return down_->Glyph(); }
    void SetDownGlyph(const QPixmap& glyph);

    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus); }

    static QPixmap DefaultUpGlyph();
    static QPixmap DefaultDownGlyph();

signals:
    void OnUpClick(zentolk::TSpinButton* sender);
    void OnDownClick(zentolk::TSpinButton* sender);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ButtonPressed(TTimerSpeedButton* button);
    void LayoutButtons();

    TTimerSpeedButton* up_;
    TTimerSpeedButton* down_;
    TTimerSpeedButton* focused_;
    QPointer<QWidget> focusControl_;
};

} // namespace zentolk
