#pragma once

#include <QRect>

class QWidget;

// Positions and sizes are designed in twips, 15 to the pixel.
QRect twips(int left, int top, int width, int height);

// Grows a control until its caption fits the font the platform gave it: wider to the right,
// taller around its middle, so that a row of controls stays centred on one line.
void fitText(QWidget* widget);
