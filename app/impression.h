#pragma once

#include "imprimante.h"
#include "rapport.h"

#include <memory>

class GrilleHypotheses;
class QPixmap;
class QWidget;

// The whole grid drawn off screen in black and white, headings included,
// whatever part of it the window shows.
class ImageDeLaGrille : public ImageDecoupable {
public:
    ImageDeLaGrille(const GrilleHypotheses& grille, const QPixmap& embleme);
    ~ImageDeLaGrille() override;

    QSize taille() const override;
    QList<int> coupes_x() const override;
    QList<int> coupes_y() const override;
    void dessiner(QPainter& peintre, const QRect& source) const override;

private:
    std::unique_ptr<GrilleHypotheses> vue_;
};

// Prints on the default printer; where there is none, or it fails, offers to
// save the same report as a PDF file.
void imprimer(QWidget* fenetre, const std::vector<rapport::Operation>& operations, const ImageDecoupable& image);
