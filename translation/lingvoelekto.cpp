#include "lingvoelekto.h"
#include "filedownloader.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "tradukolisto.h"
#include "ui_lingvoelekto.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>

lingvoelekto::lingvoelekto(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::lingvoelekto)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Elektu vian lingvon / Choose your language"));
    // The rows come in the desktop's face, often a generic one ("Sans
    // Serif") that the font configuration resolves for each script apart:
    // the dash of "हिन्दी — hinda" then came from the Devanagari face and
    // that of Korean from the Korean one. Named, the face that draws the
    // Latin rows draws every dash, and the other scripts still fall back.
    QFont tiparo = ui->Lingvo->font();
    tiparo.setFamily(QFontInfo(tiparo).family());
    ui->Lingvo->setFont(tiparo);
}

lingvoelekto::~lingvoelekto()
{
    delete ui;
}

void lingvoelekto::centras()
{
    const QList<QScreen*> ekranoj = QGuiApplication::screens();
    if (ekranoj.isEmpty())
        return;
    const QScreen* ekrano = ekranoj.first();
    setMinimumHeight(int(ekrano->geometry().height() * 0.9));
    adjustSize();
    const QRect havebla = ekrano->availableGeometry();
    const QRect kadro = frameGeometry();
    move((havebla.left() + havebla.right()) / 2 - (kadro.right() - kadro.left()) / 2,
         (havebla.top() + havebla.bottom()) / 2 - (kadro.bottom() - kadro.top()) / 2);
}

void lingvoelekto::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centras();

    m_Elsxutilo = new FileDownloader(FileDownloader::kursejo(QStringLiteral("/datumoj/traduklisto.ini")),
                                     QStringLiteral("traduklisto.ini"), this);
    connect(m_Elsxutilo.data(), SIGNAL(downloaded()), this, SLOT(elektasTradukFonton()));
    QCoreApplication::processEvents();
}

void lingvoelekto::elektasTradukFonton()
{
    const QList<QStringList> eroj = TradukoListo::elListo(savasLoko + QStringLiteral("traduklisto.ini"));
    if (eroj.isEmpty()) {
        komencasElDosierujo();
        return;
    }
    plenigas(eroj);
}

void lingvoelekto::komencasElDosierujo()
{
    plenigas(TradukoListo::enkonstruitaj(QStringLiteral("10.05.2020")));
}

void lingvoelekto::plenigas(const QList<QStringList>& eroj)
{
    m_Vicoj = eroj;
    ui->Lingvo->clear();
    for (const QStringList& ero : eroj)
        ui->Lingvo->addItem(ero.at(TradukoListo::Nomo));
    // As wide as the longest name, with room for the scroll bar the rows
    // need on a screen of ordinary height: the list scrolls up and down
    // only, and no name is cut at its edge ("Bahasa Indonesia — inde").
    ui->Lingvo->setMinimumWidth(ui->Lingvo->sizeHintForColumn(0) + 2 * ui->Lingvo->frameWidth()
                                + ui->Lingvo->verticalScrollBar()->sizeHint().width());
    if (isVisible()) {
        layout()->activate();
        centras();
    }

    const int vico = TradukoListo::antauElekto(m_Vicoj, TradukoListo::lokaKodo());
    if (vico < 0)
        return;
    const QList<QListWidgetItem*> trovitaj =
        ui->Lingvo->findItems(m_Vicoj.at(vico).at(TradukoListo::Nomo), Qt::MatchStartsWith);
    if (!trovitaj.isEmpty())
        ui->Lingvo->setCurrentItem(trovitaj.first());
}

void lingvoelekto::on_pushButton_clicked()
{
    QListWidgetItem* ero = ui->Lingvo->currentItem();
    const int vico = ui->Lingvo->currentRow();
    if (ero && ero->isSelected() && vico >= 0 && vico < m_Vicoj.size()) {
        sLingvo = m_Vicoj.at(vico).at(TradukoListo::Nomo);
        sTradukoDosiero = m_Vicoj.at(vico).at(TradukoListo::Dosiero);
        sTradukoDato = m_Vicoj.at(vico).at(TradukoListo::Dato);
    } else {
        // The name as the English file itself gives it, so that the settings
        // page finds the chosen row by its text.
        sLingvo = IniDosiero(QStringLiteral(":/tradukoj/angla.trd"))
                      .value(QStringLiteral("Traduko/Lingvo"), QStringLiteral("English — angla"))
                      .toString();
        sTradukoDosiero = QStringLiteral("angla.trd");
        sTradukoDato = QStringLiteral("10.05.2020");
    }

    m_Elsxutilo = new FileDownloader(FileDownloader::kursejo(QStringLiteral("/datumoj/tradukoj/") + sTradukoDosiero),
                                     sTradukoDosiero, this);
    connect(m_Elsxutilo.data(), SIGNAL(downloaded()), this, SLOT(fermasFenestron()));
    QCoreApplication::processEvents();
}

void lingvoelekto::fermasFenestron()
{
    close();
}

void lingvoelekto::reject()
{
    close();
}

void lingvoelekto::closeEvent(QCloseEvent* event)
{
    if (sLingvo.isEmpty() || sTradukoDosiero.isEmpty())
        on_pushButton_clicked();
    event->accept();
}
