#pragma once

#include "credit/pret.h"

#include <QWidget>

#include <vector>

class QListWidget;

// A loan's events, one a line as they read ("après l'échéance 84 :
// remboursement partiel de 30 000,00 €, durée réduite"): added, changed in a
// dialog (or by a double click), removed.
class EditeurEvenements : public QWidget {
    Q_OBJECT

public:
    explicit EditeurEvenements(QWidget* parent = nullptr);

    void montrer(const std::vector<credit::Evenement>& evenements);
    const std::vector<credit::Evenement>& evenements() const { return evenements_; }

signals:
    void modifie();

private:
    void ajouter();
    void modifier();
    void supprimer();
    void lister();

    std::vector<credit::Evenement> evenements_;
    QListWidget* liste_;
};
