#pragma once

// The hypothesis grid drawn on paper as text and lines, piece by piece.

#include "report/decoupage.h"

class QFont;
class QPainter;

// Draws the piece's cells under and beside their headings, black on white,
// with its top left corner at the painter's origin, the corner cell left for
// the emblem; `par_pixel` device units a screen pixel.
void dessiner(QPainter& peintre, const rapport::GrilleImprimee& grille, const QFont& police,
              const rapport::Morceau& morceau, double par_pixel);
