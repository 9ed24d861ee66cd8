#include "messages.h"

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

}  // namespace

void afficher_message(QWidget* parent, const calc::Message& message)
{
    QMessageBox boite(icone_qt(message.icone), QString::fromStdString(message.titre),
                      QString::fromStdString(message.texte).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                      QMessageBox::Ok, parent);
    boite.exec();
}
