#pragma once
#include <QDialog>
#include <QPixmap>
#include <QTimer>

class QLabel;

// The end-of-level message: one line in large letters, in a window of its own without an owner in
// the middle of the screen, that closes itself after a while, or at once when the player types a
// character.
class frmZprava : public QDialog {
    Q_OBJECT
public:
    explicit frmZprava(const QString& text);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    QLabel* lblZprava;
    QTimer tmrPryc;
};
