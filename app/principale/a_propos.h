#pragma once

#include <QDialog>

// The About window: product name, version, OK. It has no parent, so that it
// outlives the main window, and it is deleted when closed.
class FenetreAPropos : public QDialog {
public:
    FenetreAPropos();
};

// "Version 1.00" for version 1.0.0: no point between minor and revision.
QString texte_version();
