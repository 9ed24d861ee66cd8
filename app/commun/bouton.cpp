#include "commun/bouton.h"

#include <QKeyEvent>

namespace {

class BoutonClavier : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* touche) override
    {
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(touche);
    }
};

}  // namespace

QPushButton* creer_bouton(const QString& texte, QWidget* parent)
{
    return new BoutonClavier(texte, parent);
}
