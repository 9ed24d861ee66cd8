#pragma once

#include "impression/imprimante.h"

#include <QString>

#include <functional>

class QWidget;

struct TravailImpression {
    QString titre;                                        // of the messages
    QString nom;                                          // of the print job
    QString quoi;                                         // what is printed, in a sentence: "le rapport"
    QString fichier;                                      // offered when saving as PDF
    std::function<bool(QPrinter&, const Suivi&)> tracer;  // false when the printer failed or the user stopped
    std::function<int(QPrinter&)> pages;                  // the pages it takes, where it can say before drawing
};

// Prints on the default printer, asking first beyond 10 pages; where there is
// none, or it fails, offers to save the same pages as a PDF file. A busy
// cursor shows while the pages are drawn and, past half a second, a dialog
// whose "Annuler" stops the job before anything reaches the printer.
void imprimer(QWidget* fenetre, const TravailImpression& travail);

// The same pages in a preview, from which another printer or a PDF file may
// be chosen; `preparer` readies the printer once (the preview's own buttons
// may then turn the pages).
void apercu(QWidget* fenetre, const QString& nom, const std::function<void(QPrinter&)>& tracer,
            const std::function<void(QPrinter&)>& preparer = {});

// Today in the short French form, as reports are dated.
QString date_du_jour();
