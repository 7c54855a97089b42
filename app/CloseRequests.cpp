#include "app/CloseRequests.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {
std::uint32_t DeleteWindowAtom() {
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return 0;
    constexpr char name[] = "WM_DELETE_WINDOW";
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(x11->connection(), 1, sizeof name - 1, name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x11->connection(), cookie, nullptr), &std::free);
    return reply ? reply->atom : 0;
}
}  // namespace

CloseRequests::CloseRequests(QWidget& window)
    : QObject(&window), window_(window), deleteWindowAtom_(DeleteWindowAtom()) {
    qApp->installEventFilter(this);
    if (deleteWindowAtom_ != 0) qApp->installNativeEventFilter(this);
}

CloseRequests::~CloseRequests() {
    if (deleteWindowAtom_ != 0) qApp->removeNativeEventFilter(this);
}

bool CloseRequests::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->keyCombination() != QKeyCombination(Qt::ControlModifier, Qt::Key_X))
        return QObject::eventFilter(watched, event);
    window_.close();
    return true;
}

bool CloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !QApplication::activeModalWidget()) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    if (request->format != 32 || request->data.data32[0] != deleteWindowAtom_ ||
        request->window != static_cast<xcb_window_t>(window_.winId()))
        return false;
    window_.close();
    return true;
}
