#pragma once

#include <QString>

class QWidget;

// The help document: beside the program, or where it is installed. Empty
// when there is none.
QString chemin_aide(const QString& dossier_programme);

// Opens the help document in a viewer window of the main window; shows
// nothing when there is no document. The viewer is reused while it lives.
void ouvrir_aide(QWidget* fenetre);
