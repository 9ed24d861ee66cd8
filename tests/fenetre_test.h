#pragma once

// Helpers for driving the main window as a user would.

#include "tarvio.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct MessageVu {
    QString texte;
    QString titre;
    QMessageBox::Icon icone;
};

// Closes every message box that opens while it lives and keeps what each showed.
class CapteurMessages {
public:
    CapteurMessages();
    std::vector<MessageVu> vus;
    QStringList textes() const;

private:
    QTimer minuterie_;
};

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

    std::unique_ptr<tarvio> fenetre;
};
