#pragma once
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

#include "dialogs/frmZprava.h"

// Watches for the modal boxes a window opens and deals with them the way a quick player would:
// message boxes are answered with OK, input boxes with the scripted answer (or cancelled),
// the message window is left to close itself, any other dialog is closed. Each box is remembered once.
class ModalBoxes {
public:
    struct Seen {
        QString kind;  // "critical", "information", "input", "message", "dialog"
        QString title;
        QString text;
    };

    ModalBoxes() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    QString answer;        // typed into the next input box
    bool cancelInput = false;
    std::function<void()> whileOpen;  // run once while each box is open, before it is answered
    std::vector<Seen> seen;

    QStringList Texts(const QString& kind) const {
        QStringList texts;
        for (const Seen& box : seen)
            if (box.kind == kind) texts << box.text;
        return texts;
    }

private:
    void Poll() {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || top->property("seenByTest").toBool()) return;
        top->setProperty("seenByTest", true);
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            const QString kind = box->icon() == QMessageBox::Critical ? QStringLiteral("critical")
                                                                      : QStringLiteral("information");
            seen.push_back({kind, box->windowTitle(), box->text()});
            if (whileOpen) whileOpen();
            box->accept();
        } else if (auto* input = qobject_cast<QInputDialog*>(top)) {
            seen.push_back({QStringLiteral("input"), input->windowTitle(), input->labelText()});
            if (whileOpen) whileOpen();
            if (cancelInput) {
                input->reject();
            } else {
                input->setTextValue(answer);
                input->accept();
            }
        } else if (auto* message = qobject_cast<frmZprava*>(top)) {
            seen.push_back({QStringLiteral("message"), QString(), message->Text()});
            if (whileOpen) whileOpen();
        } else if (auto* dialog = qobject_cast<QDialog*>(top)) {
            seen.push_back({QStringLiteral("dialog"), dialog->windowTitle(), QString()});
            if (whileOpen) whileOpen();
            dialog->reject();
        }
    }

    QTimer timer_;
};
