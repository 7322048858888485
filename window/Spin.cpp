#include "window/Spin.h"

#include "engine/NumberText.h"
#include "platform/Os.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace zentolk {

namespace {

// The characters a key press types, as a classic desktop edit receives them:
// Return, Backspace and Escape are control characters, Control with a letter
// types that letter's control code, and Delete types nothing. Alt, Meta and
// Super change nothing: the edit types the key's text with them held, so it
// meets the same filter as without them.
QString TypedCharacters(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const int key = event.key();
    if (modifiers == Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QString(QChar(key - Qt::Key_A + 1));
        return {};
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Delete:
        return {};
    default:
        return event.text();
    }
}

qsizetype PrintableCount(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32; });
}

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool LeavesOrEntersForReal(Qt::FocusReason reason) {
    // Switching windows and opening a menu keep the field the window's
    // current control.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QLineEdit(parent), button_(new TSpinButton(this)) {
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &TSpinEdit::ReportChange);
    UpdateEditable();

    button_->resize(TSpinButton::MinWidth, 17);
    button_->setCursor(Qt::ArrowCursor);
    button_->SetFocusControl(this);
    // Through the virtual entries, so that a subclass's steps are the buttons' steps.
    connect(button_, &TSpinButton::OnUpClick, this, &TSpinEdit::StepUp);
    connect(button_, &TSpinButton::OnDownClick, this, &TSpinEdit::StepDown);
    button_->UpButton()->installEventFilter(this);
    button_->DownButton()->installEventFilter(this);

    UpdateMinimumHeight();
    PlaceButtons();
}

std::int32_t TSpinEdit::Value() const {
    const QByteArray bytes = text().toLatin1();
    std::int32_t value = 0;
    if (ParseInteger(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     value))
        return value;
    return minValue_;
}

void TSpinEdit::SetValue(std::int32_t value) {
    const QString shown = QString::number(ClampToRange(value));
    if (shown == text())
        return;
    setText(shown);
}

std::int32_t TSpinEdit::ClampToRange(std::int32_t value) const {
    if (minValue_ == maxValue_)
        return value;
    if (value < minValue_)
        return minValue_;
    if (value > maxValue_)
        return maxValue_;
    return value;
}

void TSpinEdit::SetEditorEnabled(bool enabled) {
    editorEnabled_ = enabled;
    UpdateEditable();
}

void TSpinEdit::SetLocked(bool locked) {
    locked_ = locked;
    UpdateEditable();
}

void TSpinEdit::UpdateEditable() {
    // With the editor disabled no key edits the text, not even those that
    // type no character (Delete, undo); the caret can still move and copy.
    setReadOnly(!Editable());
    // Numbers need no input method, and without one every typed character
    // arrives as a key press and passes the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Dropped text would bypass the filter and the length limit.
    setAcceptDrops(false);
}

bool TSpinEdit::IsAcceptedChar(QChar c) const {
    const char16_t code = c.unicode();
    const QChar separator = QChar::fromLatin1(platform::CurrentOs().Locale().decimalSeparator);
    bool accepted = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == separator ||
                    (code < 32 && code != 13);
    if (!editorEnabled_ && (code >= 32 || code == 8))
        accepted = false;
    return accepted;
}

void TSpinEdit::StepUp() {
    StepBy(1);
}

void TSpinEdit::StepDown() {
    StepBy(-1);
}

void TSpinEdit::StepBy(std::int64_t delta) {
    if (locked_) {
        platform::CurrentOs().Beep();
        return;
    }
    // Unbounded fields stop at the ends of the number range instead of
    // wrapping to the other end.
    SetValue(Saturate(Value() + delta));
}

void TSpinEdit::PasteIfEditable() {
    PasteFrom(QClipboard::Clipboard);
}

void TSpinEdit::PasteFrom(QClipboard::Mode mode) {
    if (!Editable())
        return;
    QString pasted = QGuiApplication::clipboard()->text(mode);
    if (typedLengthLimit_ > 0) {
        const qsizetype kept = text().size() - selectedText().size();
        pasted.truncate(std::max<qsizetype>(typedLengthLimit_ - kept, 0));
    }
    if (pasted.isEmpty())
        return;
    insert(pasted);
}

void TSpinEdit::CutIfEditable() {
    if (!Editable())
        return;
    cut();
}

void TSpinEdit::SetTextUnreported(const QString& text) {
    const bool wasSilent = std::exchange(silent_, true);
    setText(text);
    silent_ = wasSilent;
}

void TSpinEdit::ReportChange() {
    if (!silent_)
        emit OnChange(this);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    mouseFocusPending_ = false;
    // Stepping here rather than earlier lets a window that sees keys first
    // cancel the step by consuming the key. The key itself goes on.
    if (event->key() == Qt::Key_Up)
        StepUp();
    else if (event->key() == Qt::Key_Down)
        StepDown();

    const QString typed = TypedCharacters(*event);
    QString accepted;
    for (QChar c : typed) {
        if (IsAcceptedChar(c))
            accepted += c;
        else
            platform::CurrentOs().Beep();
    }
    if (accepted.isEmpty() && !typed.isEmpty()) {
        event->accept();
        return;
    }
    if (typedLengthLimit_ > 0 && PrintableCount(accepted) > 0 &&
        text().size() - selectedText().size() + PrintableCount(accepted) > typedLengthLimit_) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteIfEditable();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        CutIfEditable();
        event->accept();
        return;
    }
    if (accepted.size() != typed.size()) {
        QKeyEvent narrowed(event->type(), event->key(), event->modifiers(), accepted,
                           event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&narrowed);
        event->setAccepted(narrowed.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    // The toolkit selects all by itself on Tab; here AutoSelect decides.
    const bool keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason;
    QFocusEvent forwarded(event->type(), keyboard ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&forwarded);

    mouseFocusPending_ = false;
    // Focus given while the window was hidden arrives when the window is
    // first activated; that arrival counts as the focus coming in.
    const bool arrives = LeavesOrEntersForReal(reason) || !current_;
    current_ = true;
    if (!arrives)
        return;
    if (reason == Qt::MouseFocusReason) {
        // Whether the press is a left one in the text is known only when it
        // arrives, right after this.
        mouseFocusPending_ = true;
        return;
    }
    if (autoSelect_)
        selectAll();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    mouseFocusPending_ = false;
    if (!LeavesOrEntersForReal(event->reason()))
        return;
    current_ = false;
    // Only a number out of range changes: leading zeros and a "+" stay, and
    // text that is no number reads as MinValue, which is in range.
    const std::int32_t value = Value();
    if (ClampToRange(value) != value)
        SetValue(value);
}

void TSpinEdit::mousePressEvent(QMouseEvent* event) {
    const bool focusedByThisPress = std::exchange(mouseFocusPending_, false);
    QLineEdit::mousePressEvent(event);
    if (focusedByThisPress && autoSelect_ && event->button() != Qt::LeftButton)
        selectAll();
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* event) {
    // A press on the buttons that brought the focus is no click in the text.
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        std::exchange(mouseFocusPending_, false) && autoSelect_)
        selectAll();
    return QLineEdit::eventFilter(watched, event);
}

void TSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection where the system has one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (Editable()) {
            deselect();
            PasteFrom(QClipboard::Selection);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The menu's paste and cut go through the field's own, so that a paste
    // obeys the typed length limit. The actions are known only by their translated captions.
    const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
    const QString cutCaption = QCoreApplication::translate("QLineEdit", "Cu&t");
    for (QAction* action : menu->actions()) {
        const QString caption = action->text().section(u'\t', 0, 0);
        if (caption != pasteCaption && caption != cutCaption)
            continue;
        action->disconnect(this);
        if (caption == pasteCaption)
            connect(action, &QAction::triggered, this, &TSpinEdit::PasteIfEditable);
        else
            connect(action, &QAction::triggered, this, &TSpinEdit::CutIfEditable);
    }
    menu->exec(event->globalPos());
}

QRect TSpinEdit::TextRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins());
}

int TSpinEdit::MinHeight() const {
    constexpr int ThinBorder = 1; // the height of a thin system border
    const int text = QFontMetrics(font()).height();
    const int system = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    return 4 * ThinBorder + text + std::min(system, text) / 4 + 2;
}

void TSpinEdit::UpdateMinimumHeight() {
    setMinimumHeight(MinHeight());
}

void TSpinEdit::PlaceButtons() {
    const int pairWidth = button_->width();
    if (hasFrame()) {
        // Inside the frame, leaving one pixel to its right and below.
        QStyleOptionFrame option;
        initStyleOption(&option);
        const int frame = option.lineWidth;
        button_->setGeometry(width() - frame - 1 - pairWidth, frame, pairWidth,
                             height() - 2 * frame - 1);
    } else {
        button_->setGeometry(width() - pairWidth, 1, pairWidth, height() - 3);
    }
    // Text never runs under the buttons; the extra row at the bottom keeps
    // the text where a classic edit puts it.
    setTextMargins(0, 0, pairWidth + 2, -1);
}

void TSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceButtons();
}

void TSpinEdit::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    PlaceButtons();
}

void TSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        UpdateMinimumHeight();
        PlaceButtons();
    }
}

} // namespace zentolk
