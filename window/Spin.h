#pragma once

#include "window/SpinButton.h"
#include "window/TimerSpeedButton.h"

#include <QClipboard>
#include <QLineEdit>
#include <algorithm>
#include <cstdint>

namespace zentolk {

// A one-line numeric field with a pair of step buttons at its right edge.
// The text is kept as the user typed it; Value reads it as a whole number,
// and bounds are applied only when Value is written and when the focus
// leaves the field.
class TSpinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    // The text as a signed 32-bit number, or MinValue when it is none.
    std::int32_t Value() const;
    // Shows the bounded number in plain decimal; fires OnChange (before
    // returning) only if the text changes.
    void SetValue(std::int32_t value);
    // The value within MinValue..MaxValue; equal bounds mean no bounds.
    std::int32_t ClampToRange(std::int32_t value) const;

    // Changing the bounds leaves the text as it is.
    std::int32_t MinValue() const { return minValue_; }
    void SetMinValue(std::int32_t value) { minValue_ = value; }
    std::int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(std::int32_t value) { maxValue_ = value; }

    // False: typing, pasting and cutting cannot change the text; steps still do.
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled);
    // Most characters the user may type or paste (the design's MaxLength);
    // 0 for no limit. Text written by the program is never cut.
    int TypedLengthLimit() const { return typedLengthLimit_; }
    void SetTypedLengthLimit(int length) { typedLengthLimit_ = std::max(length, 0); }
    // True: nothing edits the text and steps beep instead (the design's
    // ReadOnly, which unlike QLineEdit's also stops the steps).
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    // Select the whole text when the focus comes from anywhere but a left
    // click in the text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }

    // Whether a typed character may reach the text.
    virtual bool IsAcceptedChar(QChar c) const;
    // The steps of the buttons and the arrow keys.
    virtual void StepUp();
    virtual void StepDown();

    TSpinButton* Button() const { return button_; }

    // Paste and cut requests; carried out only while the text is editable,
    // and a paste only as far as the typed length limit allows.
    void PasteIfEditable();
    void CutIfEditable();

    // Where the text is laid out, in the field's coordinates: the inside of
    // the frame, less the buttons and a gap of two pixels.
    QRect TextRect() const;
    // The least height the field takes for its font.
    int MinHeight() const;

    // Writes the text without reporting the change, for a caller that sets
    // several fields and then acts once.
    void SetTextUnreported(const QString& text);

signals:
    // Emitted once for every actual change of the text, synchronously,
    // nested when a listener writes the field.
    void OnChange(zentolk::TSpinEdit* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StepBy(std::int64_t delta);
    bool Editable() const { return editorEnabled_ && !locked_; }
    void UpdateEditable();
    void PasteFrom(QClipboard::Mode mode);
    // Passes a change of the text on as OnChange, unless it is unreported.
    void ReportChange();
    // Places the button pair at the right edge and keeps the text clear of it.
    void PlaceButtons();
    void UpdateMinimumHeight();

    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
    bool editorEnabled_ = true;
    int typedLengthLimit_ = 0;
    bool locked_ = false;
    bool autoSelect_ = true;
    // The focus came with a mouse press that has not been delivered yet.
    bool mouseFocusPending_ = false;
    // The field is its window's current control: it has had the focus and
    // has not lost it to another control since.
    bool current_ = false;
    // Text changes are not reported (SetTextUnreported).
    bool silent_ = false;
    TSpinButton* button_;
};

} // namespace zentolk
