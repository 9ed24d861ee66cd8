#pragma once

#include "calc/message.h"

class QWidget;

// Shows a message modally and returns once the user has closed it.
void afficher_message(QWidget* parent, const calc::Message& message);

// The same with Yes and No buttons; true for Yes.
bool demander(QWidget* parent, const calc::Message& question);

// Before what is typed would be lost: "Enregistrer", "Ne pas enregistrer" or "Annuler".
enum class Choix { enregistrer, ne_pas_enregistrer, annuler };
Choix demander_enregistrement(QWidget* parent, const calc::Message& question);
