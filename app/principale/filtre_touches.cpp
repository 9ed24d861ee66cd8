#include "principale/filtre_touches.h"

#include "commun/messages.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

bool touche_valide(int code)
{
    return code == 8 || (code >= '0' && code <= '9') || (code >= ',' && code <= '.');
}

namespace {

// The character code that a key types, or -1 when it types none. Editing and
// clipboard combinations count as their control characters, so they are
// judged (and refused) like any other typed character.
int code_tape(const QKeyEvent& touche)
{
    for (auto raccourci : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
                           QKeySequence::Redo, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
                           QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (touche.matches(raccourci))
            return 0x16;
    auto mods = touche.modifiers();
    bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    int cle = touche.key();
    if (ctrl && cle >= Qt::Key_A && cle <= Qt::Key_Z)
        return cle - Qt::Key_A + 1;
    if (cle == Qt::Key_Backspace)
        return 8;
    if (cle == Qt::Key_Tab || cle == Qt::Key_Backtab || cle == Qt::Key_Delete || touche.text().isEmpty())
        return -1;
    return touche.text().at(0).unicode();
}

// Holds a field to the characters of numbers, whichever way they arrive.
class CaracteresDeNombre : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override
    {
        for (QChar c : texte)
            if (c.unicode() == 8 || !touche_valide(c.unicode()))
                return Invalid;
        return Acceptable;
    }
};

}  // namespace

void FiltreTouches::surveiller(QLineEdit* champ)
{
    champ->installEventFilter(this);
    champ->setAcceptDrops(false);
    // Pastes from the context menu or the selection never bring in other characters.
    champ->setValidator(new CaracteresDeNombre(champ));
}

bool FiltreTouches::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return false;
    int code = code_tape(*static_cast<QKeyEvent*>(evenement));
    if (code < 0 || touche_valide(code))
        return false;
    afficher_message(qobject_cast<QWidget*>(objet)->window(),
                     {"Seul les chiffres entiers sont permis !", "Montant", calc::Icone::exclamation});
    return true;
}
