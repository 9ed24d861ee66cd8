#pragma once

#include <QSize>

class QPaintDevice;
class QPainter;

// A line and a half at the foot of each page, for its number.
double hauteur_du_pied(QPaintDevice& appareil);

// "Page 2 / 7" centred in the foot of a page `taille` high; nothing on a single page.
void numeroter_la_page(QPainter& peintre, QSizeF taille, double pied, int page, int total);
