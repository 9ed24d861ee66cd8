#pragma once

#include <QLineEdit>

// A number box that remembers the text it starts with; the main window keeps
// it to the characters of numbers.
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
