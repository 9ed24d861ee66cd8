#pragma once

#include "imprimante.h"
#include "rapport.h"

#include <QString>

#include <functional>
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

struct TravailImpression {
    QString titre;                          // of the messages
    QString nom;                            // of the print job
    QString quoi;                           // what is printed, in a sentence: "le rapport"
    QString fichier;                        // offered when saving as PDF
    std::function<bool(QPrinter&)> tracer;  // false when the printer failed
};

// Prints on the default printer; where there is none, or it fails, offers to
// save the same pages as a PDF file.
void imprimer(QWidget* fenetre, const TravailImpression& travail);

// Today in the short French form, as reports are dated.
QString date_du_jour();
