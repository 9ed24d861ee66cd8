#include "impression.h"

#include "apparence.h"
#include "grille.h"
#include "messages.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The grid's texts without its colours or marks.
class SansCouleurs : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::FontRole)
            return {};
        return QIdentityProxyModel::data(index, role);
    }
};

QList<int> bords(const QHeaderView* en_tete, int depart)
{
    QList<int> liste;
    for (int i = 0; i < en_tete->count(); ++i)
        liste << (depart += en_tete->sectionSize(i));
    return liste;
}

}  // namespace

ImageDeLaGrille::ImageDeLaGrille(const GrilleHypotheses& grille, const QPixmap& embleme)
    : vue_(std::make_unique<GrilleHypotheses>(nullptr))
{
    auto* noir_et_blanc = new SansCouleurs(vue_.get());
    noir_et_blanc->setSourceModel(grille.model());
    vue_->setModel(noir_et_blanc);
    colorer(vue_.get(), {QPalette::Base, QPalette::Window, QPalette::Button, QPalette::Light, QPalette::Midlight},
            Qt::white);
    colorer(vue_.get(), {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::Mid, QPalette::Dark},
            Qt::black);
    vue_->setFrameShape(QFrame::NoFrame);
    vue_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vue_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vue_->preparer_coin(QPixmap::fromImage(embleme.toImage().convertToFormat(QImage::Format_Mono)));
    for (int c = 0; c < grille.horizontalHeader()->count(); ++c)
        vue_->horizontalHeader()->resizeSection(c, grille.horizontalHeader()->sectionSize(c));

    QList<int> x = coupes_x(), y = coupes_y();
    vue_->resize(x.isEmpty() ? embleme.width() : x.back(), y.isEmpty() ? embleme.height() : y.back());
    vue_->setAttribute(Qt::WA_DontShowOnScreen);
    vue_->show();  // lays the view out at its full size, off screen
}

ImageDeLaGrille::~ImageDeLaGrille() = default;

QSize ImageDeLaGrille::taille() const
{
    return vue_->size();
}

QList<int> ImageDeLaGrille::coupes_x() const
{
    return bords(vue_->horizontalHeader(), vue_->verticalHeader()->width());
}

QList<int> ImageDeLaGrille::coupes_y() const
{
    return bords(vue_->verticalHeader(), vue_->horizontalHeader()->height());
}

// Drawn at three times the screen's resolution, about what a printer shows,
// then reduced to one bit a pixel: a true black and white picture, small in
// the print job.
void ImageDeLaGrille::dessiner(QPainter& peintre, const QRect& source) const
{
    constexpr int finesse = 3;
    QImage image(source.size() * finesse, QImage::Format_RGB32);
    image.setDevicePixelRatio(finesse);
    image.fill(Qt::white);
    {
        QPainter sur_image(&image);
        vue_->render(&sur_image, QPoint(0, 0), QRegion(source), QWidget::DrawChildren);
    }
    peintre.drawImage(QRect(QPoint(0, 0), source.size()),
                      image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither));
}

namespace {

bool enregistrer_en_pdf(QWidget* fenetre, const TravailImpression& travail)
{
    QString chemin = QFileDialog::getSaveFileName(fenetre, "Enregistrer en PDF", QDir::home().filePath(travail.fichier),
                                                  "Documents PDF (*.pdf)");
    if (chemin.isEmpty())
        return true;  // the user chose not to
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(chemin);
    pdf.setDocName(travail.nom);
    return travail.tracer(pdf);
}

}  // namespace

void imprimer(QWidget* fenetre, const TravailImpression& travail)
{
    QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    std::string panne, quoi = travail.quoi.toStdString(), titre = travail.titre.toStdString();
    if (defaut.isNull()) {
        panne = "Aucune imprimante par défaut n'est installée.";
    } else {
        QPrinter imprimante(defaut, QPrinter::HighResolution);
        imprimante.setDocName(travail.nom);
        if (travail.tracer(imprimante))
            return;
        panne = "L'imprimante « " + defaut.printerName().toStdString() + " » n'a pas pu imprimer " + quoi + ".";
    }
    if (!demander(fenetre, {panne + "\r\nVoulez-vous enregistrer " + quoi + " dans un fichier PDF ?", titre,
                            calc::Icone::exclamation}))
        return;
    if (!enregistrer_en_pdf(fenetre, travail))
        afficher_message(fenetre, {"Le fichier PDF n'a pas pu être écrit.", titre, calc::Icone::critique});
}

QString date_du_jour()
{
    return QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat);
}
