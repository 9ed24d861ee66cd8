#pragma once

#include "calculateurs.h"
#include "tableau.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class Dialog;
class GrilleHypotheses;
class QComboBox;
class QModelIndex;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The main window: three loan calculators and the choices they share.
class tarvio : public QMainWindow {
public:
    tarvio();
    ~tarvio() override;

    // "0" while no hypothesis check of the current run has failed.
    QString flag_erreur;
    // Index of the selected interest formula.
    std::int16_t choix_formule = 0;
    // The current hypothesis table: its inputs as read, its size and headings.
    calc::Grille grille;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void creer_controles();
    void creer_menus();
    void ordonner_tabulation();

    void Form_Load();
    void mise_en_forme();
    void Option2_Click(int index);
    void Option3_Click(int index);

    void Command1_Click();
    void prepare_grille();
    void calcul_hypotheses();
    void MSFlexGrid1_Click(const QModelIndex& cellule);
    void MSFlexGrid1_MouseDown(Qt::MouseButton bouton);

    void Command3_Click();
    void nb_mens();
    void Command2_Click();
    void calcul_taux();
    void appliquer(const calc::Resultat& resultat, int premier_champ, QLabel* legende);

    void mnimprim_Click();
    void mnapropos_Click();

    static std::optional<double> virg(const QString& texte);

    std::array<QGroupBox*, 7> Frame{};
    std::array<QLabel*, 15> Label{};
    std::array<QLineEdit*, 10> Text{};
    std::array<QPushButton*, 4> Command{};
    std::array<QRadioButton*, 2> Option2{};
    std::array<QRadioButton*, 3> Option3{};
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    GrilleHypotheses* MSFlexGrid1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* imgGraphic = nullptr;
    QLabel* Picture1 = nullptr;
    QPointer<Dialog> apropos_;
};
