#include "window/Accessible.h"

#include "window/Spin.h"
#include "window/SpinButton.h"
#include "window/TimerSpeedButton.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>

namespace zentolk {

namespace {
QString nameOf(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

// The field that a pair of arrows steps, if it belongs to one.
TSpinEdit* fieldOf(const QWidget* pair) {
    return pair != nullptr ? qobject_cast<TSpinEdit*>(pair->parentWidget()) : nullptr;
}

QString fieldName(const QWidget* pair) {
    TSpinEdit* field = fieldOf(pair);
    return field != nullptr ? nameOf(field) : QString();
}

class SpinArrow : public QAccessibleWidget {
public:
    explicit SpinArrow(TTimerSpeedButton* arrow) : QAccessibleWidget(arrow, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        auto* pair = qobject_cast<TSpinButton*>(widget()->parentWidget());
        const bool up = pair == nullptr || pair->UpButton() == widget();
        const QString field = fieldName(pair);
        if (field.isEmpty())
            return up ? QCoreApplication::translate("zentolk::Accessible", "Increase")
                      : QCoreApplication::translate("zentolk::Accessible", "Decrease");
        return (up ? QCoreApplication::translate("zentolk::Accessible", "Increase %1")
                   : QCoreApplication::translate("zentolk::Accessible", "Decrease %1"))
            .arg(field);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<TTimerSpeedButton*>(widget())->FireClick();
    }
};

class SpinPair : public QAccessibleWidget {
public:
    explicit SpinPair(QWidget* pair) : QAccessibleWidget(pair, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString field = fieldName(widget());
        return field.isEmpty()
                   ? QCoreApplication::translate("zentolk::Accessible", "Arrows")
                   : QCoreApplication::translate("zentolk::Accessible", "%1 arrows").arg(field);
    }
};

// Read-only text: the label's or field's text is the value. A field that
// cannot be typed in is not "editable", whatever the toolkit says.
class ReadingText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadingText(QWidget* reading)
        : QAccessibleWidget(reading, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectableText = field() != nullptr;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && field() != nullptr && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + static_cast<int>(field()->selectedText().size());
        }
    }
    int selectionCount() const override {
        return field() != nullptr && field()->hasSelectedText() ? 1 : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        if (field() != nullptr)
            field()->deselect();
    }
    void setSelection(int, int start, int end) override {
        if (field() != nullptr)
            field()->setSelection(start, end - start);
    }
    int cursorPosition() const override {
        return field() != nullptr ? field()->cursorPosition() : 0;
    }
    void setCursorPosition(int position) override {
        if (field() != nullptr)
            field()->setCursorPosition(position);
    }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

private:
    QLineEdit* field() const { return qobject_cast<QLineEdit*>(widget()); }
    QString shown() const {
        if (const QLineEdit* f = field())
            return f->text();
        return static_cast<QLabel*>(widget())->text();
    }
};

class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    // The items, in the pop-up list, as the toolkit's own list box has them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

class StatusText : public ReadingText {
public:
    explicit StatusText(QLabel* label) : ReadingText(label) {}

    QAccessible::State state() const override {
        QAccessible::State s = ReadingText::state();
        s.selectableText = false;
        return s;
    }

    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QString text(QAccessible::Text t) const override {
        const QString shown = static_cast<QLabel*>(widget())->text();
        switch (t) {
        case QAccessible::Name:
            return shown.isEmpty() ? widget()->accessibleName() : shown;
        case QAccessible::Description:
            return widget()->accessibleName();
        default:
            return ReadingText::text(t);
        }
    }
    using ReadingText::text;
};

// A window whose explicitly hidden children (a caption kept only for
// assistive technology to read) stay out of the tree it walks.
class WindowOfShownParts : public QAccessibleWidget {
public:
    explicit WindowOfShownParts(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = parts();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || !child->object() || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(parts().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> parts() const {
        QList<QWidget*> shown;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && !w->isWindow() &&
                !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                shown.append(w);
        }
        return shown;
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String("zentolk::TTimerSpeedButton"))
        return new SpinArrow(static_cast<TTimerSpeedButton*>(widget));
    if (className == QLatin1String("zentolk::TSpinButton"))
        return new SpinPair(widget);
    if (className == QLatin1String("zentolk::TReadingLabel") ||
        className == QLatin1String("zentolk::TReadingField"))
        return new ReadingText(widget);
    if (className == QLatin1String("zentolk::TNamedList"))
        return new NamedList(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("zentolk::TStatusLabel"))
        return new StatusText(static_cast<QLabel*>(widget));
    if (className == QLatin1String("zentolk::TFrmAlmanac"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("zentolk::TFrmCalc"))
        return new WindowOfShownParts(widget);
    return nullptr;
}
} // namespace

void TReadingLabel::ShowReading(const QString& text) {
    const QString old = this->text();
    if (text == old)
        return;
    setText(text);
    QAccessibleTextUpdateEvent event(this, 0, old, text);
    QAccessible::updateAccessibility(&event);
}

void TStatusLabel::Show(const QString& text) {
    if (text == this->text())
        return;
    setText(text);
    if (text.isEmpty())
        return; // a line cleared has nothing to announce
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void DescribeExamples(QWidget* root) {
    for (QLineEdit* field : root->findChildren<QLineEdit*>())
        if (!field->placeholderText().isEmpty() && field->accessibleDescription().isEmpty() &&
            field->toolTip().isEmpty())
            field->setAccessibleDescription(
                QCoreApplication::translate("zentolk::Accessible", "Example: %1")
                    .arg(field->placeholderText()));
}

void InstallAccessibility() {
    QAccessible::installFactory(factory); // a second install is ignored
}

} // namespace zentolk
