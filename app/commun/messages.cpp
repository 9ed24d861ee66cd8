#include "commun/messages.h"

#include <QMessageBox>

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

int montrer(QWidget* parent, const calc::Message& message, QMessageBox::StandardButtons boutons)
{
    QMessageBox boite(icone_qt(message.icone), QString::fromStdString(message.titre),
                      QString::fromStdString(message.texte).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                      boutons, parent);
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
