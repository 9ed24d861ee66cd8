#pragma once

#include <QStringList>

// The dossiers last opened or saved, newest first, kept between runs (the
// only setting Tarvio writes, and only once a dossier is opened or saved).
QStringList dossiers_recents();

// Puts it first, five at most.
void retenir_dossier(const QString& chemin);
