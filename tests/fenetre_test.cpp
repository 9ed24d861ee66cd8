#include "fenetre_test.h"

#include "commun/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>

CapteurMessages::CapteurMessages()
{
    QObject::connect(&minuterie_, &QTimer::timeout, [this] {
        QWidget* modale = QApplication::activeModalWidget();
        if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            vus.push_back({boite->text(), boite->windowTitle(), boite->icon()});
            if (pendant)
                pendant();
            if (QAbstractButton* bouton = boite->button(reponse))
                bouton->click();  // Qt's own boxes read the button clicked
            else
                boite->done(reponse);
        } else if (auto* choix = qobject_cast<QFileDialog*>(modale); choix && !choix->property("choisi").toBool()) {
            choix->setProperty("choisi", true);
            choix->selectFile(fichier);
            // Queued: the dialog may ask whether to replace the file, which this timer must answer.
            QMetaObject::invokeMethod(static_cast<QDialog*>(choix), &QDialog::accept, Qt::QueuedConnection);
        } else if (auto* autre = qobject_cast<QDialog*>(modale); autre && dialogue) {
            dialogue(autre);
        }
        for (QWidget* w : QApplication::allWidgets())
            if (auto* progression = qobject_cast<QProgressDialog*>(w); progression && annuler)
                progression->cancel();
    });
    minuterie_.start(2);
}

QString poppler(const QString& outil, const QStringList& arguments)
{
    QProcess processus;
    processus.start(outil, arguments);
    processus.waitForFinished();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

void FenetreTest::SetUp()
{
    fenetre = std::make_unique<FenetrePrincipale>();
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
}

void FenetreTest::remplir_les_cases(const QStringList& textes) const
{
    for (int i = 0; i < textes.size(); ++i)
        controle<QLineEdit>(QString("Text%1").arg(i + 1))->setText(textes[i]);
    controle<QComboBox>("Combo1")->setCurrentText("4");
    controle<QComboBox>("Combo2")->setCurrentText("5");
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // No display needed, and none disturbed: the window lives off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    preparer_application(application);
    return RUN_ALL_TESTS();
}
