#include "fenetre_test.h"

#include "application.h"

#include <QAbstractButton>
#include <QApplication>

CapteurMessages::CapteurMessages()
{
    QObject::connect(&minuterie_, &QTimer::timeout, [this] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            vus.push_back({boite->text(), boite->windowTitle(), boite->icon()});
            if (pendant)
                pendant();
            boite->button(QMessageBox::Ok)->click();
        }
    });
    minuterie_.start(2);
}

QStringList CapteurMessages::textes() const
{
    QStringList liste;
    for (const auto& m : vus)
        liste << m.texte;
    return liste;
}

void FenetreTest::SetUp()
{
    fenetre = std::make_unique<tarvio>();
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
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
