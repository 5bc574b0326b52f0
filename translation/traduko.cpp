#include "traduko.h"
#include "ui_traduko.h"

#include "filedownloader.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "tekstodirekto.h"
#include "tradukdosiernomo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QScroller>
#include <QSignalBlocker>
#include <cstdio>

std::function<bool(const QUrl&)> traduko::MalfermasUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

namespace {

const QString MankasKampo = QStringLiteral("Bonvolu plenigi devigajn informojn (en la kampoj kun flava fono).");
const QString MalbonaNomo =
    QStringLiteral("La dosiernomo devas esti nura nomo de dosiero, kiu finiĝas per \".trd\", "
                   "sen \"/\", \"\\\" aŭ \"..\" (ekzemple: mia_traduko.trd). Ĝi rajtas enhavi nur literojn, "
                   "ciferojn, spacetojn, \"_\", \"-\" kaj \".\", ne komenciĝi per punkto aŭ spaceto, kaj havi "
                   "ne pli ol %1 signojn.\n"
                   "Nenio estas konservita.")
        .arg(TradukDosierNomo::MaksLongo);
const QString RestasMalfermita = QStringLiteral("La tradukilo restas malfermita, por ke viaj tradukoj ne perdiĝu.");

} // namespace

traduko::traduko(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::traduko)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Tradukilo"));
    // Its Esperanto keeps its own order in a right-to-left translation, as
    // the settings page's button that opens the editor does.
    ui->pushButton->setText(TekstoDirekto::esperanta(ui->pushButton->text()));
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    connect(ui->scrollArea->verticalScrollBar(), &QScrollBar::rangeChanged, this, &traduko::moveScrollBarToBottom);
    ui->Listo->addItems(TradukModelo::Sekcioj());
    ListigasLingvojn();
    konfiguro();
    OfertasRestarigon();
}

traduko::~traduko()
{
    delete ui;
}

QWidget* traduko::Gepatro()
{
    QWidget* aktiva = QApplication::activeWindow();
    return aktiva ? aktiva : this;
}

// --- Sections and entries ---------------------------------------------------

QStringList traduko::Ordigas(const QString& Sekcio)
{
    return TradukModelo::Ordigas(Sekcio);
}

QString traduko::PropraVojo() const
{
    const QString nomo = ui->Edit_dosiero->text();
    return TradukModelo::BonaDosiernomo(nomo) ? sDosierujo + nomo.trimmed() : QString();
}

void traduko::SharghasTrad(const QString& Sekcio)
{
    m_modelo.Sharghas(Sekcio, sReferenca1, sReferenca2, PropraVojo());
    sSekcio = Sekcio;
    lokigas_paghotrad(Sekcio);
}

void traduko::Movighas(const QString& direkto)
{
    if (!direkto.isEmpty())
        m_modelo.MetasPropran(ui->Memo1->toPlainText());
    m_modelo.Movighas(direkto);

    ui->Memo1->setPlainText(m_modelo.Propra());
    ui->Memo1->setEnabled(m_modelo.Nombro() > 0);
    ui->Memo2->setText(m_modelo.Referenco1());
    ui->Memo3->setText(m_modelo.Referenco2());
    ui->Button5->setEnabled(m_modelo.PovasReen());
    ui->Button1->setEnabled(m_modelo.PovasReen());
    ui->Button6->setEnabled(m_modelo.PovasAntauen());
    ui->Button2->setEnabled(m_modelo.PovasAntauen());
    ui->pozicio->setText(m_modelo.PozicioTeksto());
    if (m_modelo.Nombro() > 0)
        lokigas_frazotrad(m_modelo.Shlosilo());
    ui->Memo1->setFocus(Qt::OtherFocusReason);
}

void traduko::on_Button5_clicked()
{
    Movighas(QStringLiteral("komenca"));
}
void traduko::on_Button1_clicked()
{
    Movighas(QStringLiteral("antaua"));
}
void traduko::on_Button2_clicked()
{
    Movighas(QStringLiteral("posta"));
}
void traduko::on_Button6_clicked()
{
    Movighas(QStringLiteral("fina"));
}

void traduko::on_Button4_clicked()
{
    Movighas(QStringLiteral("nenien"));
    const int i = m_modelo.UnuaNetradukita();
    if (i >= 0) {
        m_modelo.MetasPozicion(i);
        Movighas(QString());
        return;
    }
    QMessageBox::information(Gepatro(), QString(),
                             QStringLiteral("En ĉi tiu sekcio, ĉiuj frazoj estas tradukitaj. \n"
                                            "Bonvolu kontroli ankaŭ la aliajn sekciojn."));
}

void traduko::on_Listo_activated(const QString& arg1)
{
    if (SavasTrad()) {
        m_modelo.MetasPozicion(0);
        SharghasTrad(arg1);
        QCoreApplication::processEvents();
        // The page first, then the text: opening the lesson again after the
        // text was framed would turn it back to the learner's page and hide
        // the framed text.
        lokigas_paghotrad(arg1);
        Movighas(QString());
        return;
    }
    ui->Listo->setCurrentText(sSekcio);
    MontrasKapon();
}

void traduko::on_lingvoj1_activated(int index)
{
    if (index < 0 || index >= Lingvoj.size())
        return;
    // Keep what is being typed: the refresh below shows the stored own text.
    m_modelo.MetasPropran(ui->Memo1->toPlainText());
    sReferenca1 = Lingvoj.at(index).at(2);
    m_modelo.RelegasReferencon(1, sReferenca1);
    Movighas(QString());
}

void traduko::on_lingvoj2_activated(int index)
{
    if (index < 0 || index >= Lingvoj.size())
        return;
    m_modelo.MetasPropran(ui->Memo1->toPlainText());
    sReferenca2 = Lingvoj.at(index).at(2);
    m_modelo.RelegasReferencon(2, sReferenca2);
    Movighas(QString());
}

// --- Saving and the settings --------------------------------------------------

TradukModelo::Kapo traduko::Kapo() const
{
    TradukModelo::Kapo k;
    k.lingvo = ui->Edit1->text();
    k.lingvoID = ui->dulitera_lingvokodo->text();
    k.tradukinto = ui->Edit2->text();
    k.dosiero = ui->Edit_dosiero->text();
    k.literGrando = ui->literGrando->value();
    return k;
}

QString traduko::KapoMesagho() const
{
    switch (TradukModelo::KontrolasKapon(Kapo())) {
    case TradukModelo::KapoEraro::MankasKampo:
        return MankasKampo;
    case TradukModelo::KapoEraro::MalbonaDosiernomo:
        return MalbonaNomo;
    case TradukModelo::KapoEraro::Neniu:
        break;
    }
    return QString();
}

bool traduko::Nekonservitaj()
{
    m_modelo.MetasPropran(ui->Memo1->toPlainText());
    return m_modelo.HavasNekonservitajn();
}

void traduko::MontrasKapon()
{
    ui->scrollArea->ensureWidgetVisible(ui->Edit_dosiero, 50, 50);
    ui->Edit_dosiero->setFocus(Qt::OtherFocusReason);
}

bool traduko::SavasTrad()
{
    const QString eraro = KapoMesagho();
    if (!eraro.isEmpty()) {
        QMessageBox::critical(Gepatro(), QString(), eraro);
        return false;
    }
    m_modelo.MetasPropran(ui->Memo1->toPlainText());
    const TradukModelo::SavRezulto r = m_modelo.Savas(Kapo(), sDosierujo, QDate::currentDate());
    if (!r.savita) {
        // The path names the writable folder, whatever it is called: shown as written.
        QMessageBox kesto(QMessageBox::Critical, QString(),
                          QStringLiteral("Ne eblis konservi la tradukon en la dosiero:\n")
                              + QDir::toNativeSeparators(r.vojo),
                          QMessageBox::Ok, Gepatro());
        kesto.setTextFormat(Qt::PlainText);
        kesto.exec();
        return false;
    }
    if (r.listo == TradukModelo::ListoRezulto::PlenaListo)
        QMessageBox::warning(Gepatro(), QString(),
                             QStringLiteral("Via traduko estas konservita, sed la listo de tradukoj "
                                            "(traduklisto.ini) jam enhavas %1 lingvojn kaj ne povas "
                                            "ricevi pliajn, do via dosiero ne aperas en ĝi.")
                                 .arg(TradukModelo::ListoGrupoj));
    else if (r.listo == TradukModelo::ListoRezulto::SkribEraro)
        QMessageBox::warning(Gepatro(), QString(),
                             QStringLiteral("Via traduko estas konservita, sed ne eblis "
                                            "aldoni ĝin al la listo de tradukoj "
                                            "(traduklisto.ini)."));
    return true;
}

void traduko::konfiguro()
{
    const TradukModelo::Agordoj a = TradukModelo::LegasAgordojn(savasLoko + QStringLiteral("darudaver.ini"));
    ui->dulitera_lingvokodo->setText(a.lingvoID);
    ui->Edit1->setText(a.lingvo);
    ui->Edit_dosiero->setText(a.dosiero);
    ui->Edit2->setText(a.tradukinto);
    sDosierujo = savasLoko;
    ui->vojo_dosierujo->setText(savasLoko);

    ui->dulitera_lingvokodo->setPlaceholderText(QStringLiteral("aa"));
    ui->Edit1->setPlaceholderText(QStringLiteral("Skribu ĉi tie la nomon de via lingvo"));
    ui->Edit2->setPlaceholderText(QStringLiteral("Skribu ĉi tie vian nomon"));
    ui->Edit_dosiero->setPlaceholderText(QStringLiteral("Skribu ĉi tie la nomon de la dosiero"));

    {
        const QSignalBlocker b1(ui->tiparo);
        const QSignalBlocker b2(ui->literGrando);
        const QSignalBlocker b3(ui->horizontalSlider);
        ui->tiparo->setCurrentFont(QFont(a.tiparo));
        ui->literGrando->setValue(a.literGrando);
        ui->horizontalSlider->setValue(a.literGrando);
    }
    on_tiparo_currentIndexChanged(a.tiparo);

    sReferenca1 = a.referenca1;
    sReferenca2 = a.referenca2;
    int i1 = -1;
    int i2 = -1;
    for (int i = 0; i < Lingvoj.size(); ++i) {
        if (i1 < 0 && Lingvoj.at(i).at(2) == sReferenca1)
            i1 = i;
        if (i2 < 0 && Lingvoj.at(i).at(2) == sReferenca2)
            i2 = i;
    }
    if (i1 >= 0)
        ui->lingvoj1->setCurrentIndex(i1);
    if (i2 >= 0)
        ui->lingvoj2->setCurrentIndex(i2);
    if (i1 < 0 || i2 < 0) {
        QMessageBox::warning(Gepatro(), QString(),
                             QStringLiteral("Mankas la tradukdosiero por antaŭe elektita "
                                            "referenca lingvo.\n"
                                            "Alia lingvo estas elektita por referenco.\n"
                                            "Bonvolu kontroli tion."));
        if (!Lingvoj.isEmpty()) {
            if (i1 < 0) {
                sReferenca1 = Lingvoj.at(0).at(2);
                ui->lingvoj1->setCurrentIndex(0);
                ui->lingvoj1->setFocus(Qt::OtherFocusReason);
            }
            if (i2 < 0) {
                sReferenca2 = Lingvoj.at(0).at(2);
                ui->lingvoj2->setCurrentIndex(0);
                ui->lingvoj2->setFocus(Qt::OtherFocusReason);
            }
        }
    }

    {
        const QSignalBlocker b(ui->Listo);
        ui->Listo->setCurrentIndex(a.lastaLeciono);
    }
    QCoreApplication::processEvents();
    sSekcio = ui->Listo->currentText();
    SharghasTrad(sSekcio);
    m_modelo.MetasPozicion(a.pozicio);
    Movighas(QString());
}

void traduko::SkribasAgordojn()
{
    TradukModelo::Agordoj a;
    a.lingvo = ui->Edit1->text();
    a.lingvoID = ui->dulitera_lingvokodo->text();
    a.dosiero = ui->Edit_dosiero->text();
    a.tradukinto = ui->Edit2->text();
    a.literGrando = ui->literGrando->value();
    a.tiparo = ui->tiparo->currentText();
    const int i1 = ui->lingvoj1->currentIndex();
    const int i2 = ui->lingvoj2->currentIndex();
    a.referenca1 = i1 >= 0 && i1 < Lingvoj.size() ? Lingvoj.at(i1).at(2) : sReferenca1;
    a.referenca2 = i2 >= 0 && i2 < Lingvoj.size() ? Lingvoj.at(i2).at(2) : sReferenca2;
    a.lastaLeciono = ui->Listo->currentIndex();
    a.pozicio = m_modelo.Pozicio();
    TradukModelo::SkribasAgordojn(savasLoko + QStringLiteral("darudaver.ini"), a);
}

void traduko::closeEvent(QCloseEvent* event)
{
    const bool sanghoj = Nekonservitaj();
    const QString eraro = KapoMesagho();
    if (sanghoj && !eraro.isEmpty()) {
        QMessageBox::critical(Gepatro(), QString(), eraro + QLatin1Char('\n') + RestasMalfermita);
        event->ignore();
        MontrasKapon();
        return;
    }
    // With nothing typed since the last save there is nothing to lose, so an
    // unfinished header need not hold the window open.
    if (eraro.isEmpty() && !SavasTrad() && Nekonservitaj()) {
        event->ignore();
        return;
    }
    QCoreApplication::processEvents();
    SkribasAgordojn();
    event->accept();
}

bool traduko::FinasLaboron()
{
    if (Nekonservitaj()) {
        const QString eraro = KapoMesagho();
        if (!eraro.isEmpty() || !SavasTrad()) {
            QString teksto = QStringLiteral("En la tradukilo estas tradukoj, kiuj ne estas "
                                            "konservitaj.\n");
            if (!eraro.isEmpty())
                teksto += eraro + QLatin1Char('\n');
            teksto += QStringLiteral("Ĉu vi volas reveni al la tradukilo por konservi ilin? "
                                     "Alie ili perdiĝos.");
            QMessageBox demando(QMessageBox::Question, QString(), teksto, QMessageBox::NoButton, Gepatro());
            QPushButton* reveni = demando.addButton(QStringLiteral("Reveni al la tradukilo"), QMessageBox::RejectRole);
            QPushButton* forjheti =
                demando.addButton(QStringLiteral("Forĵeti la tradukojn"), QMessageBox::DestructiveRole);
            demando.setDefaultButton(reveni);
            demando.setEscapeButton(reveni);
            demando.exec();
            if (demando.clickedButton() != forjheti) {
                show();
                raise();
                activateWindow();
                MontrasKapon();
                return false;
            }
        }
    }
    SkribasAgordojn();
    return true;
}

void traduko::GardasLaboron()
{
    if (Nekonservitaj()) {
        bool konservita = false;
        if (KapoMesagho().isEmpty()) {
            const TradukModelo::SavRezulto r = m_modelo.Savas(Kapo(), sDosierujo, QDate::currentDate());
            konservita = r.savita;
            if (r.savita && r.listo != TradukModelo::ListoRezulto::Registrita
                && r.listo != TradukModelo::ListoRezulto::SenListo)
                std::fputs(qPrintable(QStringLiteral("darudaver: La traduko estas konservita en ")
                                      + QDir::toNativeSeparators(r.vojo)
                                      + QStringLiteral(", sed ĝi ne aperas en la listo de tradukoj "
                                                       "(traduklisto.ini).\n")),
                           stderr);
        }
        if (!konservita && !m_modelo.SkribasRestarigon(RestarigoVojo(), Kapo()))
            std::fputs(qPrintable(QStringLiteral("darudaver: Ne eblis gardi la nekonservitajn tradukojn de la "
                                                 "tradukilo en ")
                                  + QDir::toNativeSeparators(RestarigoVojo()) + QStringLiteral("; ili perdiĝis.\n")),
                       stderr);
    }
    SkribasAgordojn();
}

QString traduko::RestarigoVojo() const
{
    return sDosierujo + TradukModelo::RestarigoNomo();
}

void traduko::OfertasRestarigon()
{
    TradukModelo::Restarigo r;
    if (!TradukModelo::LegasRestarigon(RestarigoVojo(), &r))
        return;
    QMessageBox demando(QMessageBox::Question, QString(),
                        QStringLiteral("Kiam la programo lastfoje finiĝis, en la tradukilo restis nekonservitaj "
                                       "tradukoj de la sekcio \"%1\". Ili estas gardataj en la dosiero:\n%2\n"
                                       "Ĉu vi volas restarigi ilin en la tradukilo aŭ forĵeti ilin?")
                            .arg(r.sekcio, QDir::toNativeSeparators(RestarigoVojo())),
                        QMessageBox::NoButton, Gepatro());
    // It names the writable folder, as the failed save does.
    demando.setTextFormat(Qt::PlainText);
    QPushButton* restarigi = demando.addButton(QStringLiteral("Restarigi la tradukojn"), QMessageBox::AcceptRole);
    QPushButton* forjheti = demando.addButton(QStringLiteral("Forĵeti la tradukojn"), QMessageBox::DestructiveRole);
    demando.setDefaultButton(restarigi);
    // The volunteer closing the box without a choice (Escape, its title bar)
    // restores: only the volunteer's own choice throws the texts away.
    demando.setEscapeButton(restarigi);
    demando.exec();
    // An end from outside dismisses the box with no button pressed: nobody
    // answered, so the copy stays as it is for the next start.
    if (!demando.clickedButton())
        return;
    if (demando.clickedButton() == forjheti) {
        QFile::remove(RestarigoVojo());
        return;
    }
    ui->Edit1->setText(r.kapo.lingvo);
    ui->dulitera_lingvokodo->setText(r.kapo.lingvoID);
    ui->Edit2->setText(r.kapo.tradukinto);
    ui->Edit_dosiero->setText(r.kapo.dosiero);
    ui->literGrando->setValue(r.kapo.literGrando);
    {
        const QSignalBlocker b(ui->Listo);
        ui->Listo->setCurrentText(r.sekcio);
    }
    SharghasTrad(r.sekcio);
    m_modelo.Restarigas(r);
    m_modelo.MetasPozicion(r.pozicio);
    Movighas(QString());
    // Back in the editor, the texts are unsaved work as any other.
    QFile::remove(RestarigoVojo());
}

// --- Window, references and links --------------------------------------------

void traduko::ListigasLingvojn()
{
    const QDir dosierujo(TradukModelo::Tradukujo());
    const QStringList dosieroj =
        dosierujo.entryList({QStringLiteral("*.trd")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& nomo : dosieroj) {
        IniDosiero dosiero(dosierujo.filePath(nomo));
        dosiero.beginGroup(QStringLiteral("Traduko"));
        const QString id = dosiero.value(QStringLiteral("LingvoID"), QStringLiteral("??")).toString();
        const QString lingvo = dosiero.value(QStringLiteral("Lingvo"), QStringLiteral("?????????")).toString();
        dosiero.endGroup();
        Lingvoj.append({id, lingvo, nomo});
        ui->lingvoj1->addItem(lingvo);
        ui->lingvoj2->addItem(lingvo);
    }
}

void traduko::lokigas_paghotrad(const QString& sekcio)
{
    QCoreApplication::processEvents();
    const QString pagho = TradukModelo::PaghoNomo(sekcio);
    if (!pagho.isEmpty())
        emit novapagho(pagho);
}

void traduko::lokigas_frazotrad(const QString& shlosilo)
{
    const QString sekcio = ui->Listo->currentText();
    const QString frazo = TradukModelo::FrazoNomo(sekcio, shlosilo);
    if (!frazo.isEmpty())
        emit novafrazo(TradukModelo::PaghoNomo(sekcio), frazo);
}

void traduko::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    lokigas_paghotrad(ui->Listo->currentText());
    if (m_modelo.Nombro() > 0)
        lokigas_frazotrad(m_modelo.Shlosilo());
}

void traduko::on_tiparo_currentIndexChanged(const QString& arg1)
{
    const QString baso = QStringLiteral("font-family: \"") + arg1 + QStringLiteral("\"; font-size: ")
                         + QString::number(ghustigas_tiparon(ui->literGrando->value()));
    ui->Memo1->setStyleSheet(baso + QStringLiteral("pt;"));
    ui->Memo2->setStyleSheet(baso + QStringLiteral("pt;background-color: rgb(199, 227, 255); padding: 5px;"));
    ui->Memo3->setStyleSheet(baso + QStringLiteral("pt;background-color: rgb(213, 255, 191); padding: 5px;"));
}

void traduko::on_literGrando_valueChanged(int arg1)
{
    Q_UNUSED(arg1)
    {
        const QSignalBlocker b(ui->horizontalSlider);
        ui->horizontalSlider->setValue(ui->literGrando->value());
    }
    on_tiparo_currentIndexChanged(ui->tiparo->currentText());
}

void traduko::on_horizontalSlider_valueChanged(int value)
{
    ui->literGrando->setValue(value);
}

void traduko::moveScrollBarToBottom(int min, int max)
{
    Q_UNUSED(min)
    ui->scrollArea->verticalScrollBar()->setValue(max);
}

void traduko::on_Button7_clicked()
{
    MalfermasUrl(FileDownloader::kursejo(QStringLiteral("/datumoj/tradukoj/rekomendoj.html")));
}

void traduko::on_dosierujo_clicked()
{
    MalfermasUrl(QUrl::fromLocalFile(savasLoko));
}

void traduko::on_pushButton_clicked()
{
    close();
}

void traduko::reject()
{
    close();
}
