#include "window/Accessible.h"

#include "window/Spin.h"
#include "window/SpinButton.h"
#include "window/TimerSpeedButton.h"

#include <QAccessibleWidget>

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

QString withField(const QString& words, const QWidget* pair) {
    TSpinEdit* field = fieldOf(pair);
    const QString name = field != nullptr ? nameOf(field) : QString();
    return name.isEmpty() ? words : words + QLatin1Char(' ') + name;
}

class SpinArrow : public QAccessibleWidget {
public:
    explicit SpinArrow(TTimerSpeedButton* arrow) : QAccessibleWidget(arrow, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        auto* pair = qobject_cast<TSpinButton*>(widget()->parentWidget());
        const bool up = pair == nullptr || pair->UpButton() == widget();
        return withField(up ? QStringLiteral("Increase") : QStringLiteral("Decrease"), pair);
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
        const QString field = withField(QString(), widget()).trimmed();
        return field.isEmpty() ? QStringLiteral("Arrows") : field + QStringLiteral(" arrows");
    }
};

// Read-only text: the label's text is the value.
class ReadingText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadingText(QLabel* label) : QAccessibleWidget(label, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.focusable = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

private:
    QString shown() const { return static_cast<QLabel*>(widget())->text(); }
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
    if (className == QLatin1String("zentolk::TReadingLabel"))
        return new ReadingText(static_cast<QLabel*>(widget));
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

void InstallAccessibility() {
    QAccessible::installFactory(factory); // a second install is ignored
}

} // namespace zentolk
