#pragma once

// A document printed on as many pages as it takes.

#include "impression/imprimante.h"
#include "report/document.h"

class QPrinter;

// The pages the document takes on this printer.
int nombre_de_pages(const rapport::Document& document, QPrinter& imprimante);

// Its table's heading row at the top of each page, "Page n / N" at their
// feet. False when the printer could not be opened or reported an error, or
// when `suivi` stopped the job.
bool jouer(const rapport::Document& document, QPrinter& imprimante, const Suivi& suivi = {});
