#include "commun/fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

QString raison_d_echec(int erreur, const QString& chemin)
{
    QString dossier = QDir::toNativeSeparators(QFileInfo(chemin).absolutePath());
    switch (erreur) {
    case ENOENT:
    case ENOTDIR: return "le dossier « " + dossier + " » n'existe pas.";
    case EACCES:
    case EPERM: return "vous n'avez pas le droit d'écrire dans le dossier « " + dossier + " ».";
    case EROFS: return "le dossier « " + dossier + " » est en lecture seule.";
    case ENOSPC:
    case EDQUOT: return "le disque est plein.";
    case EIO: return "l'écriture s'est arrêtée avant la fin.";
    case EISDIR: return "« " + QDir::toNativeSeparators(chemin) + " » est un dossier.";
    default: return "le système a refusé de l'écrire (" + QString::fromLocal8Bit(strerror(erreur)) + ").";
    }
}

namespace {

// The likeliest cause once Qt has said no: it keeps no error number.
int cause(const QString& chemin, bool ouvert)
{
    QFileInfo dossier(QFileInfo(chemin).absolutePath());
    if (!dossier.isDir())
        return ENOENT;
    if (QFileInfo(chemin).isDir())
        return EISDIR;
    if (!ouvert && !dossier.isWritable())
        return EACCES;
    return QStorageInfo(dossier.absoluteFilePath()).bytesAvailable() < 1024 * 1024 ? ENOSPC : EIO;
}

}  // namespace

QString ecrire_entier(const QString& chemin, const QByteArray& contenu)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return raison_d_echec(cause(chemin, false), chemin);
    if (fichier.write(contenu) != contenu.size() || !fichier.commit())
        return raison_d_echec(cause(chemin, true), chemin);
    return {};
}
