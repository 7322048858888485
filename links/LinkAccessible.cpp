#include "links/LinkAccessible.h"

#include "links/ovcurl.h"

#include <QAccessibleWidget>

namespace zentolk {

namespace {
class LinkInterface : public QAccessibleWidget {
public:
    explicit LinkInterface(TOvcURL* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (!own.isEmpty())
            return own;
        switch (t) {
        case QAccessible::Name:
            return link()->text();
        case QAccessible::Description:
        case QAccessible::Value:
            return link()->URL();
        default:
            return own;
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !link()->isEnabled())
            return;
        link()->Click();
    }

private:
    TOvcURL* link() const { return static_cast<TOvcURL*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("zentolk::TOvcURL"))
        return new LinkInterface(static_cast<TOvcURL*>(object));
    return nullptr;
}
} // namespace

void InstallLinkAccessibility() {
    QAccessible::installFactory(factory); // a second install is ignored
}

} // namespace zentolk
