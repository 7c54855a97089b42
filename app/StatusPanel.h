#pragma once
#include <QWidget>

#include "pond/GameFrontEnd.h"

class QLabel;

// The grey panel beside the pond, in pixels: the window is this much wider than the pond.
constexpr int SidePanelWidth = 89;

// picPanel: points, level, lives, required and current length, and the "Bonus" mark.
class StatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent);

    // UkazDispleje's five values and the length box's colour.
    void ShowValues(const PanelValues& values);
    // The title screen's zeros.
    void Reset();

    QLabel* Bonus() const { return lblBonus; }

private:
    QLabel* AddCaption(const char* name, const QString& text, QRect place, Qt::Alignment alignment);
    QLabel* AddValueBox(const char* name, QRect place);
    static void SetBackground(QLabel* label, const QColor& colour);

    QLabel* lblBody;
    QLabel* lblUroven;
    QLabel* lblZivoty;
    QLabel* lblNutnaDelka;
    QLabel* lblDelka;
    QLabel* lblBonus;
};
