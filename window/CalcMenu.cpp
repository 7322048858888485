// The calculator's window menu: a right-click on its background or a group
// box, Shift+F10 or the Menu key anywhere in it; and Ctrl+L, which opens the
// Almanac without the menu.
#include "window/CalcMenu.h"

#include "ui/SideWindow.h"
#include "window/Almanac.h"
#include "window/Calc.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace zentolk {

namespace {
const QKeySequence AlmanacKey(Qt::CTRL | Qt::Key_L);

TFrmAlmanac* almanacOf(TFrmCalc& calc) {
    return calc.findChild<TFrmAlmanac*>(QStringLiteral("FrmAlmanac"), Qt::FindDirectChildrenOnly);
}

class CalcMenu : public QObject {
public:
    explicit CalcMenu(TFrmCalc& calc) : QObject(&calc), calc_(calc) {
        // Right-clicks on the background, its labels and group boxes come
        // here; the fields keep their own edit menus for the mouse.
        calc.setContextMenuPolicy(Qt::CustomContextMenu);
        connect(&calc, &QWidget::customContextMenuRequested, this,
                [this](QPoint pos) { open(calc_.mapToGlobal(pos)); });
        auto* almanac = new QShortcut(AlmanacKey, &calc);
        almanac->setContext(Qt::WindowShortcut);
        connect(almanac, &QShortcut::activated, this, [this] { ShowAlmanac(calc_); });
        qApp->installEventFilter(this);
    }
    ~CalcMenu() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != &calc_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
            const bool shiftF10 =
                key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
            if (!menuKey && !shiftF10)
                return false;
            // The desktop may follow the Menu key with a context-menu event
            // of its own: that one is this menu too.
            menuKeyDown_ = menuKey;
            openAtFocus();
            return true;
        }
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu)
                menuKeyDown_ = false;
            return false;
        case QEvent::ContextMenu:
            // From the keyboard every control gives the window menu, the
            // fields included (their edit menus stay on the right button).
            if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Keyboard)
                return false;
            if (!open_ && !menuKeyDown_)
                openAtFocus();
            return true;
        default:
            return false;
        }
    }

private:
    void openAtFocus() {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus->window() != &calc_)
            focus = &calc_;
        open(focus->mapToGlobal(QPoint(0, focus->height())), true);
    }

    void open(QPoint at, bool fromKeyboard = false) {
        if (open_)
            return;
        open_ = true;
        QMenu menu(&calc_);
        menu.setObjectName(QStringLiteral("CalcMenu"));
        QAction* almanac =
            menu.addAction(QCoreApplication::translate("zentolk::TFrmCalc", "Almanac..."), &calc_,
                           [this] { ShowAlmanac(calc_); });
        almanac->setShortcut(AlmanacKey); // shown beside it
        // Opened from the keyboard, Enter at once chooses the first entry.
        if (fromKeyboard)
            QTimer::singleShot(0, &menu, [&menu, almanac] { menu.setActiveAction(almanac); });
        menu.exec(at);
        open_ = false;
    }

    TFrmCalc& calc_;
    bool open_ = false;
    bool menuKeyDown_ = false;
};
} // namespace

void InstallAlmanacMenu(TFrmCalc& calc) {
    new CalcMenu(calc);
}

TFrmAlmanac* ShowAlmanac(TFrmCalc& calc) {
    TFrmAlmanac* almanac = almanacOf(calc);
    if (almanac == nullptr) {
        almanac = new TFrmAlmanac(calc, &calc);
        QObject::connect(&calc, &TFrmCalc::ReadingsShown, almanac, &TFrmAlmanac::FollowDate);
        QObject::connect(&calc, &TFrmCalc::ReadingsCleared, almanac, &TFrmAlmanac::ClearDay);
        // As narrow as its layout allows beside the calculator; shorter, or
        // narrower under a large font, it scrolls rather than cover it.
        const QSize wanted = ScrollingPageHint(almanac);
        PlaceBesideWindow(almanac, wanted, &calc,
                          QSize(std::min(ScrollingPageMinimum(almanac).width(), 320), 240));
        CloseOnEscape(almanac);
    }
    almanac->show();
    almanac->raise();
    almanac->activateWindow();
    return almanac;
}

} // namespace zentolk
