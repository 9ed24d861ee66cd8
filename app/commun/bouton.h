#pragma once

#include <QPushButton>

// A push button that Enter clicks, as Space does, when it has the focus.
QPushButton* creer_bouton(const QString& texte, QWidget* parent = nullptr);
