#pragma once

// Plays the report's operations on a printer, or on a PDF file through the
// same QPrinter.

#include "document.h"
#include "rapport.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;
class QPrinter;

// A picture drawn on demand, region by region, so that a large table never
// has to exist as one huge image. Sizes are screen pixels (15 twips each).
class ImageDecoupable {
public:
    virtual ~ImageDecoupable() = default;
    virtual QSize taille() const = 0;
    // Where the picture may be cut between pages (column and row edges).
    virtual QList<int> coupes_x() const = 0;
    virtual QList<int> coupes_y() const = 0;
    // Draws `source` with its top left corner at the painter's origin.
    virtual void dessiner(QPainter& peintre, const QRect& source) const = 0;
};

// False when the printer could not be opened or reported an error. A
// picture larger than the page continues on further pages, cut between
// cells where possible, after the report's own page.
bool jouer(const std::vector<rapport::Operation>& operations, QPrinter& imprimante, const ImageDecoupable& image);

// A document on as many pages as it takes, its table's heading row at the top
// of each, the page numbers at their feet. False as above.
bool jouer(const rapport::Document& document, QPrinter& imprimante);
