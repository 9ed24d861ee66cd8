#pragma once

#include <QLineEdit>

// A number box: it takes only the characters of numbers (see FiltreTouches)
// and remembers the text it starts with.
class ChampNombre : public QLineEdit {
    Q_OBJECT  // found by type among a panel's children
        public : ChampNombre(QWidget* parent, const QString& texte_de_depart);

    bool au_depart() const { return text() == depart_; }
    void remettre_au_depart() { setText(depart_); }

protected:
    // The start-up text is selected whole, so that typing replaces it.
    void focusInEvent(QFocusEvent* evenement) override;

private:
    QString depart_;
};
