#pragma once
#include <QDialog>

class QPushButton;
class QSlider;
class QTimer;

// The speed of the game: a slider from slow to fast that sets the step timer's interval
// at once, 150 - 10 * position milliseconds. Storno puts back the interval it found.
class frmNastav : public QDialog {
    Q_OBJECT
public:
    frmNastav(QTimer& tmrPohyb, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdStorno_Click();
    void sldRychlost_Change(int position);

    QTimer& tmrPohyb_;
    int SavedInterval;
    QSlider* sldRychlost;
    QPushButton* cmdOK;
    QPushButton* cmdStorno;
};
