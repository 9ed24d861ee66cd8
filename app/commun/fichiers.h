#pragma once

#include <QByteArray>
#include <QString>

// Why a file could not be written, in French, from the error number of the system.
QString raison_d_echec(int erreur, const QString& chemin);

// Writes `contenu` in place of `chemin`, whole or not at all: an older file
// stays as it was until the new one is complete. Empty when written, else why not.
QString ecrire_entier(const QString& chemin, const QByteArray& contenu);
