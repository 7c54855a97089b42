#pragma once
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

#include "dialogs/WholeTitles.h"
#include "dialogs/frmZprava.h"

// Watches for the boxes the game opens and deals with them as a quick player would: message
// boxes are answered with OK, input boxes with the scripted answer (or cancelled), the message
// window is closed with a key, any other dialog is closed. Each box is remembered as it shows,
// and answered once the program is back in its event loop, as a player can only answer then.
// The boxes come up wide enough for their whole titles, as in the game, and each is checked for
// it: the least width it asks of the window manager (on a real X server its geometry may still
// be on its way) holds the title.
class ModalBoxes : public QObject {
public:
    struct Seen {
        QString kind;  // "critical", "information", "input", "message", "dialog"
        QString title;
        QString text;
    };

    ModalBoxes() {
        if (!qApp->findChild<WholeTitles*>()) new WholeTitles(*qApp);
        qApp->installEventFilter(this);
    }

    QString answer;  // typed into the next input box
    bool cancelInput = false;
    std::function<void()> whileOpen;  // run once while each box is open, before it is answered
    QWidget* current = nullptr;       // the box being answered, while whileOpen runs
    std::vector<Seen> seen;

    // The texts of the boxes of that kind, or of every box.
    QStringList Texts(const QString& kind = QString()) const {
        QStringList texts;
        for (const Seen& box : seen)
            if (kind.isNull() || box.kind == kind) texts << box.text;
        return texts;
    }

    // Whether a dialog of the game is still open.
    static bool AnyOpen() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(top) && top->isVisible()) return true;
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isWindow() && !dialog->property("seenByTest").toBool()) {
            dialog->setProperty("seenByTest", true);
            Remember(*dialog);
            QTimer::singleShot(0, dialog, [this, box = QPointer<QDialog>(dialog)] {
                if (box) Answer(*box);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Remember(QDialog& top) {
        auto* box = qobject_cast<QMessageBox*>(&top);
        auto* input = qobject_cast<QInputDialog*>(&top);
        auto* message = qobject_cast<frmZprava*>(&top);
        const QString kind = box       ? box->icon() == QMessageBox::Critical ? "critical" : "information"
                             : input   ? "input"
                             : message ? "message"
                                       : "dialog";
        const QString text = box       ? box->text()
                             : input   ? input->labelText()
                             : message ? message->findChild<QLabel*>(QStringLiteral("lblZprava"))->text()
                                       : QString();
        seen.push_back({kind, top.windowTitle(), text});
    }

    void Answer(QDialog& top) {
        current = &top;
        if (whileOpen) whileOpen();
        current = nullptr;
        if (!top.isVisible()) return;  // closed meanwhile, as by a quit
        auto* input = qobject_cast<QInputDialog*>(&top);
        if (input && !cancelInput) input->setTextValue(answer);
        // Checked before it is answered, while its geometry is still there to read.
        const bool wideEnough = top.minimumWidth() >= WholeTitles::TitleWidth(top);
        const QString title = top.windowTitle();
        if (qobject_cast<frmZprava*>(&top))
            QTest::keyClick(&top, Qt::Key_Return);
        else if (qobject_cast<QMessageBox*>(&top) || (input && !cancelInput))
            top.accept();
        else
            top.reject();
        QVERIFY2(wideEnough, qPrintable(title + " too narrow"));
    }
};
