#pragma once
#include <QSize>
#include <QWidget>

#include "app/SpriteLists.h"
#include "pond/GameFrontEnd.h"

class PlayfieldCanvas;
class QLabel;
class StatusPanel;

// The window's client area: the title picture, the playfield canvas with the grey side panel
// beside it, and the hint labels, each where the game puts it for the title or for a level.
class GameScreen : public QWidget {
    Q_OBJECT
public:
    explicit GameScreen(QWidget* parent);

    PlayfieldCanvas& Canvas() const { return *canvas_; }

    // The title picture over everything and zeros on the panel; returns the client size it needs.
    QSize ShowTitle();
    void HideTitle();
    void HideStartPicture();
    // Lays the canvas, the panel and the pause label out for a level of fieldWidth x fieldHeight
    // cells drawn with spriteSet; returns the client size it needs.
    QSize LayOutForLevel(int fieldWidth, int fieldHeight, int spriteSet);
    void SetLabelVisible(HintLabel label, bool visible);
    void ShowPanel(const PanelValues& values);

private:
    void PlaceSidePanel(int canvasWidth, int canvasHeight);
    QLabel* Label(HintLabel label) const;

    SpriteLists sprites_;
    PlayfieldCanvas* canvas_;
    QWidget* picPodklad;
    StatusPanel* picPanel;
    QLabel* lblPauza;
    QLabel* lblUvod;
    QLabel* lblUvodKonec;
    QLabel* picPozadi;
    QLabel* picUvod;
};

// The large sprites (set 1, 20-pixel cells) when the level drawn with them and its side panel fits
// 95 % of the screen's width and 90 % of its height, else the small ones (set 0, 12 pixels).
int ChooseSpriteSet(int fieldWidth, int fieldHeight, QSize screen);
