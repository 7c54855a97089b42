#pragma once
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

#include "dialogs/WholeTitles.h"
#include "dialogs/frmZprava.h"

// Watches for the modal boxes the game opens and deals with them as a quick player would:
// message boxes are answered with OK, input boxes with the scripted answer (or cancelled), the
// message window is closed with a key, any other dialog is closed. Each box is remembered once.
// The boxes come up wide enough for their whole titles, as in the game, and each is checked
// for it: the least width it asks of the window manager (on a real X server its geometry may
// still be on its way) holds the title.
class ModalBoxes {
public:
    struct Seen {
        QString kind;  // "critical", "information", "input", "message", "dialog"
        QString title;
        QString text;
    };

    ModalBoxes() {
        if (!qApp->findChild<WholeTitles*>()) new WholeTitles(*qApp);
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    QString answer;  // typed into the next input box
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
        auto* box = qobject_cast<QMessageBox*>(top);
        auto* input = qobject_cast<QInputDialog*>(top);
        auto* message = qobject_cast<frmZprava*>(top);
        auto* dialog = qobject_cast<QDialog*>(top);
        const QString kind = box       ? box->icon() == QMessageBox::Critical ? "critical" : "information"
                             : input   ? "input"
                             : message ? "message"
                                       : "dialog";
        const QString text = box       ? box->text()
                             : input   ? input->labelText()
                             : message ? message->findChild<QLabel*>(QStringLiteral("lblZprava"))->text()
                                       : QString();
        seen.push_back({kind, top->windowTitle(), text});
        if (whileOpen) whileOpen();
        if (input && !cancelInput) input->setTextValue(answer);
        if (message)
            QTest::keyClick(message, Qt::Key_Return);
        else if (box || (input && !cancelInput))
            dialog->accept();
        else if (dialog)
            dialog->reject();
        // Checked once the box is answered, so that a failure cannot leave it open.
        QVERIFY2(top->minimumWidth() >= WholeTitles::TitleWidth(*top), qPrintable(top->windowTitle() + " too narrow"));
    }

    QTimer timer_;
};
