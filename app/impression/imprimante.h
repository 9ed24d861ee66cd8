#pragma once

// Plays the report's operations on a printer, or on a PDF file through the
// same QPrinter.

#include "report/decoupage.h"
#include "report/document.h"
#include "report/rapport.h"

#include <QFont>
#include <QImage>

#include <functional>
#include <vector>

class QPrinter;

// The hypothesis grid as it is printed: its texts and sizes, its face, the emblem of its corner.
struct TableauImprime {
    rapport::GrilleImprimee grille;
    QFont police;
    QImage embleme;
};

// Told after each page the pages done and their number; false stops the job.
using Suivi = std::function<bool(int faites, int total)>;

// Gives the printer the report's orientation, which shapes every page.
void orienter(const std::vector<rapport::Operation>& operations, QPrinter& imprimante);

// The pages the report takes on this printer, after orienting it.
int nombre_de_pages(const std::vector<rapport::Operation>& operations, QPrinter& imprimante,
                    const TableauImprime& tableau);

// On the printer as it is oriented. False when the printer could not be
// opened or reported an error, or when `suivi` stopped the job. A table
// larger than the rest of the first page continues on further pages, after
// the report's own, with its headings repeated and every page numbered.
bool jouer(const std::vector<rapport::Operation>& operations, QPrinter& imprimante, const TableauImprime& tableau,
           const Suivi& suivi = {});
