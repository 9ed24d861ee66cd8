#pragma once

#include <QString>

class QWidget;

// The help document: beside the program, or where it is installed.
QString chemin_aide();

// Opens the help document in a viewer window of the main window; shows
// nothing when there is no document. The viewer is reused while it lives.
void ouvrir_aide(QWidget* fenetre);
