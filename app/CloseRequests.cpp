#include "app/CloseRequests.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool IsTextField(const QObject* object) {
    if (const auto* line = qobject_cast<const QLineEdit*>(object)) return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(object)) return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(object)) return !plain->isReadOnly();
    return false;
}
}  // namespace

CloseRequests::CloseRequests(QWidget& window) : QObject(&window), window_(window) { qApp->installEventFilter(this); }

bool CloseRequests::eventFilter(QObject* watched, QEvent* event) {
    // Heard at the widget the key is for, after the window that passes it on, so that a text field
    // is known as such.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QKeyEvent*>(event)->keyCombination() != QKeyCombination(Qt::ControlModifier, Qt::Key_X) ||
        IsTextField(watched))
        return QObject::eventFilter(watched, event);
    window_.close();
    return true;
}
