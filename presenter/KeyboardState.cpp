#include "presenter/KeyboardState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace presenter {

bool StillHeldDown(const QKeyEvent& release) {
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const quint32 keycode = release.nativeScanCode();  // the X key code
    if (!x11 || keycode == 0 || keycode > 255) return false;
    xcb_connection_t* connection = x11->connection();
    xcb_query_keymap_reply_t* keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!keymap) return false;
    const bool down = (keymap->keys[keycode / 8] >> (keycode % 8)) & 1;
    std::free(keymap);
    return down;
#else
    (void)release;
    return false;
#endif
}

}  // namespace presenter
