#pragma once

class QComboBox;
class QWidget;

// An editable list of the rates from 1 to 25 by 0,25, none chosen, showing
// `texte` until one is: any text may be typed, nothing is completed, and a
// screen reader hears what the list asks for apart from its value.
QComboBox* creer_liste_taux(QWidget* parent, const char* texte);
