#include "commun/messages.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <utility>

namespace {

QMessageBox::Icon icone_qt(calc::Icone icone)
{
    switch (icone) {
    case calc::Icone::critique: return QMessageBox::Critical;
    case calc::Icone::exclamation: return QMessageBox::Warning;
    case calc::Icone::aucune: break;
    }
    return QMessageBox::NoIcon;
}

int montrer(QWidget* parent, const calc::Message& message, QMessageBox::StandardButtons boutons,
            QMessageBox::StandardButton defaut = QMessageBox::NoButton)
{
    QMessageBox boite(icone_qt(message.icone), QString::fromStdString(message.titre),
                      QString::fromStdString(message.texte).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                      boutons, parent);
    for (auto [bouton, texte] : {std::pair{QMessageBox::Save, "&Enregistrer"},
                                 {QMessageBox::Discard, "&Ne pas enregistrer"},
                                 {QMessageBox::Cancel, "Annuler"}})
        if (QAbstractButton* b = boite.button(bouton))
            b->setText(texte);
    if (defaut != QMessageBox::NoButton)
        boite.setDefaultButton(defaut);
    return boite.exec();
}

}  // namespace

void afficher_message(QWidget* parent, const calc::Message& message)
{
    montrer(parent, message, QMessageBox::Ok);
}

bool demander(QWidget* parent, const calc::Message& question)
{
    return montrer(parent, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Choix demander_enregistrement(QWidget* parent, const calc::Message& question)
{
    switch (
        montrer(parent, question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return Choix::enregistrer;
    case QMessageBox::Discard: return Choix::ne_pas_enregistrer;
    default: return Choix::annuler;
    }
}
