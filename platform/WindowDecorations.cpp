#include "platform/WindowDecorations.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace zentolk::platform {

namespace {
// The Motif window-manager hints, as window managers read them.
constexpr std::uint32_t HintFunctions = 1, HintDecorations = 2;
constexpr std::uint32_t FunctionMove = 4;
constexpr std::uint32_t DecorBorder = 2, DecorTitle = 8;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

// The toolkit writes its own hints when it makes the window and gives an
// untitled window the program's name, so these are written over them on
// every showing, before the window manager sees the window.
void writeHints(xcb_connection_t* connection, xcb_window_t window) {
    const std::array<std::uint32_t, 5> motif{HintFunctions | HintDecorations, FunctionMove,
                                             DecorBorder | DecorTitle, 0, 0};
    const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    if (motifHints != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, motifHints, motifHints, 32,
                            motif.size(), motif.data());
    const xcb_atom_t netName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    if (netName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netName, utf8, 8, 0, "");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, "");
    xcb_flush(connection);
}

class BareTitleBar : public QObject {
public:
    explicit BareTitleBar(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
            auto* window = static_cast<QWidget*>(watched);
            if (x11 != nullptr && window->isWindow())
                writeHints(x11->connection(), static_cast<xcb_window_t>(window->winId()));
        }
        return false;
    }
};
} // namespace

void RequestBareTitleBar(QWidget* window) {
    new BareTitleBar(window);
}

} // namespace zentolk::platform
