#pragma once

#include <QObject>

class QLineEdit;

// True for the characters a number field takes: backspace, digits, ",", "-", ".".
bool touche_valide(int code);

// Keeps a field to the characters touche_valide accepts: a refused key is
// answered with a message and dropped; pastes and drops are held to the same
// characters.
class FiltreTouches : public QObject {
public:
    explicit FiltreTouches(QObject* parent) : QObject(parent) {}

    void surveiller(QLineEdit* champ);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
