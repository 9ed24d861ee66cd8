#pragma once

// Helpers for driving the main window as a user would.

#include "principale/fenetre_principale.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

// Readable QStrings in failure reports.
inline void PrintTo(const QString& texte, std::ostream* sortie)
{
    *sortie << '"' << texte.toStdString() << '"';
}

// Each caption of the window and the box it stands for.
inline constexpr std::pair<const char*, const char*> legendes_et_cases[] = {
    {"Label1", "Text1"},  {"Label2", "Text2"},  {"Label5", "Text3"},  {"Label3", "Combo1"},
    {"Label4", "Combo2"}, {"Label6", "Text4"},  {"Label7", "Text5"},  {"Label9", "Text6"},
    {"Label11", "Text7"}, {"Label12", "Text8"}, {"Label13", "Text9"},
};

struct MessageVu {
    QString texte;
    QString titre;
    QMessageBox::Icon icone;
};

// Closes every message box that opens while it lives, once `pendant` has run,
// and keeps what each showed, answering `reponse` where asked; a file dialog
// gets `fichier`; any other dialog goes to `dialogue`, which must close it.
// With `annuler`, a progress dialog is cancelled as soon as it exists.
class CapteurMessages {
public:
    CapteurMessages();
    std::vector<MessageVu> vus;
    QString fichier;
    std::function<void()> pendant;
    QMessageBox::StandardButton reponse = QMessageBox::Yes;
    std::function<void(QDialog*)> dialogue;
    bool annuler = false;

private:
    QTimer minuterie_;
};

// Output of a poppler tool on a PDF file ("pdfinfo", "pdftotext" ...).
QString poppler(const QString& outil, const QStringList& arguments);

class FenetreTest : public ::testing::Test {
protected:
    void SetUp() override;

    template <typename T = QWidget>
    T* controle(const QString& nom) const
    {
        auto* w = fenetre->findChild<T*>(nom);
        if (!w)
            ADD_FAILURE() << "no control " << nom.toStdString();
        return w;
    }

    // Gives Text1, Text2 ... these texts, in order, and the rate lists 4 and 5.
    void remplir_les_cases(const QStringList& textes) const;

    std::unique_ptr<FenetrePrincipale> fenetre;
};
