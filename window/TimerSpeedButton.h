#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QTimer;

namespace zentolk {

// A flat push button that clicks when the left mouse button is released over
// it and, while held, repeats the click. It never takes the keyboard focus;
// the widget hosting it decides whether it draws a focus rectangle.
//
// Pressing, showing pressed, the mouse capture and the click on release are
// the toolkit's button. The repeat has a timer of its own rather than the
// toolkit's auto-repeat: a timer that cannot be started must be reported as
// "Not enough timers available", and moving the pointer back onto the held
// button resumes the 100 ms ticks where the toolkit would wait the first
// delay again.
class TTimerSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int FirstRepeatDelay = 400; // ms from the press to the first repeat
    static constexpr int RepeatInterval = 100;   // ms between later repeats

    explicit TTimerSpeedButton(QWidget* parent = nullptr);

    bool RepeatAllowed() const { return repeatAllowed_; }
    void SetRepeatAllowed(bool allowed);
    bool DrawFocusRect() const { return drawFocusRect_; }
    void SetDrawFocusRect(bool draw);

    // The image; a disabled button shows it greyed by the style. One drawn in
    // black alone is drawn in the button's text colour.
    const QPixmap& Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);

    // Made at the first press while repeating is allowed; null before.
    QTimer* RepeatTimer() const { return repeatTimer_; }

    // Emits clicked() alone: no press, no focus change, nothing shown
    // pressed (a repeat tick, an arrow key on the pair, an accessible press).
    void FireClick();

    QSize sizeHint() const override;

protected:
    // Starts (or restarts) the repeat timer; false when the system cannot
    // supply a timer.
    virtual bool StartRepeatTimer(int interval);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void RepeatTick();

private:
    // Forgets a press: shows released, stops repeating.
    void EndHold();
    QPixmap CurrentGlyph() const;

    bool repeatAllowed_ = false;
    bool drawFocusRect_ = false;
    QPixmap glyph_;
    bool shape_ = false; // the glyph is black alone
    QTimer* repeatTimer_ = nullptr;
};

} // namespace zentolk
