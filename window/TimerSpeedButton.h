#pragma once

#include <QPixmap>
#include <QWidget>

class QTimer;

namespace zentolk {

// A flat push button that clicks when the left mouse button is released over
// it and, while held, repeats the click. It never takes the keyboard focus;
// the widget hosting it decides whether it draws a focus rectangle.
class TTimerSpeedButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int FirstRepeatDelay = 400; // ms from the press to the first repeat
    static constexpr int RepeatInterval = 100;   // ms between later repeats

    explicit TTimerSpeedButton(QWidget* parent = nullptr);

    bool RepeatAllowed() const { return repeatAllowed_; }
    void SetRepeatAllowed(bool allowed);
    bool DrawFocusRect() const { return drawFocusRect_; }
    void SetDrawFocusRect(bool draw);

    // Shows pressed: held down with the pointer over it.
    bool IsDown() const { return down_; }

    // The image, NumGlyphs equal parts side by side: normal, disabled, pressed.
    const QPixmap& Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);

    // Made at the first press while repeating is allowed; null before.
    QTimer* RepeatTimer() const { return repeatTimer_; }

    // Emits OnClick.
    void Click();

    QSize sizeHint() const override;

signals:
    void OnClick(zentolk::TTimerSpeedButton* sender);
    // On every mouse press, after the button shows pressed and before the
    // repeat timer starts.
    void OnMouseDown(zentolk::TTimerSpeedButton* sender, Qt::MouseButton button);

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

private:
    void RepeatTick();
    void SetDown(bool down);
    // Forgets a press: shows released, stops repeating.
    void EndHold();
    QPixmap CurrentGlyph() const;

    bool repeatAllowed_ = false;
    bool drawFocusRect_ = false;
    bool down_ = false;
    // The left button went down on this button and has not come up yet.
    bool held_ = false;
    QPixmap glyph_;
    int numGlyphs_ = 1;
    QTimer* repeatTimer_ = nullptr;
};

} // namespace zentolk
