// The main window: the translation and the language list, the first start's
// language dialog and the translation editor's link.

#include "filedownloader.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "konservilo.h"
#include "lerbo.h"
#include "lerbo_interna.h"
#include "lingvoelekto.h"
#include "lingvolisto.h"
#include "tekstodirekto.h"
#include "trad.h"
#include "tradukdosiero.h"
#include "traduko.h"
#include "tradukokontrolo.h"
#include "tradukolisto.h"
#include "tradukovojo.h"
#include "ui_lerbo.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>

namespace {

const QString Angla = QStringLiteral("angla.trd");
const QString AnglaNomo = QStringLiteral("English — angla");

// A translation is a file; the writable folder or the resource folder itself is not.
bool estasDosiero(const QString& vojo)
{
    return QFileInfo(vojo).isFile();
}

// The label texts of one section, keyed by the object name from its eighth
// character on ("Konfig_Label3" reads "Label3").
void tradukasEtikedojn(QWidget* radiko, const QString& prefikso, const TradukDosiero& traduko, const QString& sekcio)
{
    const QString direkto = traduko.value(QStringLiteral("Traduko/Direkto")).toString();
    const QList<QLabel*> etikedoj = radiko->findChildren<QLabel*>();
    for (QLabel* etikedo : etikedoj) {
        if (!etikedo->objectName().startsWith(prefikso))
            continue;
        const QString sxlosilo = sekcio + QLatin1Char('/') + etikedo->objectName().mid(7);
        TekstoDirekto::metas(etikedo, traduko.value(sxlosilo, NeTradukita).toString(), direkto);
    }
}

} // namespace

// ---------------------------------------------------------------- the language dialog

// The first start: the language dialog, run modally without a parent, sets
// sLingvo and sTradukoDosiero and downloads the chosen file.
void lerbo::ElektasLingvon()
{
    sLingvo.clear();
    sTradukoDosiero.clear();
    {
        lingvoelekto dialogo;
        dialogo.exec();
    }

    // A dialog closed without a choice leaves no usable file name: English,
    // with nothing to tell. A chosen language whose file could not be fetched
    // keeps its name, so that Traduku() says which file is missing before it
    // falls back to English.
    if (sLingvo.isEmpty() || sTradukoDosiero.isEmpty()) {
        sLingvo = AnglaNomo;
        sTradukoDosiero = Angla;
    }
}

// A lesson's texts come from its section of the translation; the widget-tree
// translation joins here (Trad(pagho, sekcio)).
void lerbo::tradukasLecionon(QWidget* pagho, const QString& sekcio)
{
    Trad(pagho, sekcio);
}

// For whoever prepares the list of keys the translation editor offers: the
// list lies among the resources, so it is written only where that path is a
// writable file.
void lerbo::listigas_trad()
{
    ListigasTradukendajn(ui->Paghujo, QStringLiteral(":/tradukoj/tradukendaj.tdf"));
}

// ---------------------------------------------------------------- the translation editor

void lerbo::on_tradukilo_clicked()
{
    if (!redaktilo) {
        redaktilo = new traduko(this);
        redaktilo->setWindowModality(Qt::NonModal);
        QCoreApplication::processEvents();
        QFont tiparo(sTiparoEo);
        tiparo.setPointSize(ghustigas_tiparon(iLiterGrandoEo));
        redaktilo->setFont(tiparo);
        connect(redaktilo, &traduko::novapagho, this, &lerbo::lokigas_paghotrad, Qt::DirectConnection);
        connect(redaktilo, &traduko::novafrazo, this, &lerbo::lokigas_frazotrad, Qt::DirectConnection);
    }
    redaktilo->show();
    redaktilo->raise();
    redaktilo->activateWindow();
}

void lerbo::lokigas_paghotrad(const QString& novapagho)
{
    static const QRegularExpression lecionaPagho(QStringLiteral("^Pagho(0[1-9]|1[0-3])$"));
    if (!lecionaPagho.match(novapagho).hasMatch())
        return;
    const int numero = novapagho.right(2).toInt();
    ShanghasPaghon(novapagho, lecionoj[numero - 1]);
}

// Frames the text the volunteer is translating and brings it into view;
// only one text carries the frame at a time.
void lerbo::lokigas_frazotrad(const QString& novapagho, const QString& novafrazo)
{
    QWidget* pagho = ui->Paghujo->findChild<QWidget*>(novapagho);
    if (!pagho)
        return;
    auto kadrigas = [this](QLabel* etikedo) {
        if (lastaKadro)
            lastaKadro->setFrameShape(QFrame::NoFrame);
        etikedo->setFrameShape(QFrame::Box);
        lastaKadro = etikedo;
    };
    if (novafrazo.startsWith(QLatin1String("Lec"))) {
        QTabWidget* leciono = lecionaTabulo(pagho);
        QLabel* etikedo = leciono ? leciono->findChild<QLabel*>(novafrazo) : nullptr;
        QScrollArea* rulumo = nullptr;
        for (QWidget* w = etikedo ? etikedo->parentWidget() : nullptr; w; w = w->parentWidget()) {
            if (QLatin1String(w->metaObject()->className()) == QLatin1String("QScrollArea")) {
                rulumo = static_cast<QScrollArea*>(w);
                break;
            }
        }
        // A label outside every scroll area has no page to turn to.
        const int indekso = rulumo ? leciono->indexOf(rulumo->parentWidget()) : -1;
        if (etikedo && indekso >= 0) {
            leciono->setCurrentIndex(indekso);
            komencas_navigujon();
            kadrigas(etikedo);
            rulumo->ensureWidgetVisible(etikedo, 50, 50);
        }
    }
    if (novapagho == QLatin1String("Pagho_Konfigurado")) {
        if (QLabel* etikedo = pagho->findChild<QLabel*>(novafrazo))
            kadrigas(etikedo);
    }
}

// ---------------------------------------------------------------- the translation

void lerbo::Traduku()
{
    // A refused download leaves the file that was there before; the learner
    // hears of it once.
    const QString malakceptita = FileDownloader::malakceptitaNeDirita();
    if (!malakceptita.isEmpty()) {
        QMessageBox kesto(QApplication::activeWindow());
        kesto.setIcon(QMessageBox::Warning);
        kesto.setTextFormat(Qt::PlainText);
        kesto.setText(malakceptita);
        kesto.exec();
    }

    // Only a bare file name may become a path; a damaged copy in the
    // writable folder gives way to the built-in one of the same name.
    const bool validaNomo = TradukoListo::ValidaDosierNomo(sTradukoDosiero);
    QString vojo;
    if (validaNomo && TradukoKontrolo::legeblaDosiero(savasLoko + sTradukoDosiero)) {
        vojo = savasLoko + sTradukoDosiero;
    } else if (validaNomo && TradukoKontrolo::legeblaDosiero(TradukUjo() + sTradukoDosiero)) {
        vojo = TradukUjo() + sTradukoDosiero;
    } else {
        // The name is the settings file's, whatever it holds: shown as
        // written, a picture named in it is never read.
        QMessageBox kesto(QApplication::activeWindow());
        kesto.setTextFormat(Qt::PlainText);
        vojo = TradukUjo() + Angla;
        if (estasDosiero(vojo)) {
            kesto.setIcon(QMessageBox::Warning);
            kesto.setText(QStringLiteral("The translation file ") + sTradukoDosiero
                          + QStringLiteral(" could not be found. English translation will be used as default."));
            kesto.exec();
            sTradukoDosiero = Angla;
            sLingvo = AnglaNomo;
        } else {
            kesto.setIcon(QMessageBox::Critical);
            kesto.setText(QStringLiteral("The translation file ") + sTradukoDosiero
                          + QStringLiteral(" could not be found. The English translation file (angla.trd) could "
                                           "not be found either. \nPlease check the path or reinstall Lerbo. "
                                           "\nProgram will quit now."));
            kesto.exec();
            NeEkzistasTraduko = true;
            QCoreApplication::exit(1);
        }
    }

    TradukDosiero traduko(vojo);
    sTradukinto = traduko.value(QStringLiteral("Traduko/Tradukinto"), QString()).toString();
    sLingvoID = traduko.value(QStringLiteral("Traduko/LingvoID"), QStringLiteral("en")).toString();

    traduko.beginGroup(QStringLiteral("Mesagxoj"));
    const QList<QPair<QString*, QString>> mesagxoj = {
        {&smRekomencu, QStringLiteral("smRekomencu")}, {&smGratulon, QStringLiteral("smGratulon")},
        {&smDenove, QStringLiteral("smDenove")},       {&smModifis, QStringLiteral("smModifis")},
        {&smTondujo, QStringLiteral("smTondujo")},     {&smDevasHaviKor, QStringLiteral("smDevasHaviKor")},
        {&smDevasSavi, QStringLiteral("smDevasSavi")}, {&smKoverto, QStringLiteral("smKoverto")},
        {&smDisketo, QStringLiteral("smDisketo")},     {&smPordo, QStringLiteral("smPordo")},
        {&smLigilo, QStringLiteral("smLigilo")},       {&Antauen, QStringLiteral("Antauen")},
        {&Nuligi, QStringLiteral("Nuligi")},           {&smNeSono, QStringLiteral("smNeSono")},
        {&smNeLudebla, QStringLiteral("smNeLudebla")}};
    for (const auto& m : mesagxoj)
        *m.first = traduko.value(m.second, NeTradukita).toString();
    traduko.endGroup();

    Direkto = traduko.value(QStringLiteral("Traduko/Direkto"), QStringLiteral("LTR")).toString();
    QGuiApplication::setLayoutDirection(Direkto == QLatin1String("LTR") ? Qt::LeftToRight : Qt::RightToLeft);

    traduko.beginGroup(QStringLiteral("Menuo"));
    ui->label_Kio->setText(TekstoDirekto::tradukita(traduko.value(QStringLiteral("KioEstas"), NeTradukita).toString()));
    ui->label_Kiel->setText(TekstoDirekto::tradukita(traduko.value(QStringLiteral("KielUzi"), NeTradukita).toString()));
    const QString konfigurado =
        TekstoDirekto::tradukita(traduko.value(QStringLiteral("Konfigurado"), NeTradukita).toString());
    ui->label_Konfiguroj->setText(konfigurado);
    ui->Label_Konfigurado->setText(konfigurado);
    const QString kreditoj =
        TekstoDirekto::tradukita(traduko.value(QStringLiteral("Kreditoj"), NeTradukita).toString());
    ui->label_Kreditoj->setText(kreditoj);
    ui->Label_Kreditoj->setText(kreditoj);
    ui->label_Eliri->setText(TekstoDirekto::tradukita(traduko.value(QStringLiteral("Eliri"), NeTradukita).toString()));
    ui->label_Kie->setText(
        TekstoDirekto::tradukita(traduko.value(QStringLiteral("KieButono"), NeTradukita).toString()));
    traduko.endGroup();

    tradukasEtikedojn(ui->Pagho_Konfigurado, QStringLiteral("Konfig"), traduko, QStringLiteral("Konfig"));
    // The letter-system buttons and the translator's button show Esperanto
    // text: one mark keeps it left-to-right in a right-to-left interface,
    // however often the translation is loaded.
    for (QAbstractButton* butono :
         std::initializer_list<QAbstractButton*>{ui->radioButton, ui->radioButton_2, ui->radioButton_3, ui->tradukilo})
        butono->setText(TekstoDirekto::esperanta(butono->text()));
    tradukasEtikedojn(ui->Kredit, QStringLiteral("Kredit"), traduko, QStringLiteral("Menuo4"));
    ui->Tradukinto->setText(sTradukinto);

    ListigasLingvojn();
    // A fallback to English changed the language to keep.
    konservilo->sxangxis();
}

void lerbo::aktualigasTradukon()
{
    if (!TradukoListo::ValidaDosierNomo(sTradukoDosiero)) {
        Traduku();
        return;
    }
    IniDosiero loka(savasLoko + sTradukoDosiero);
    sLingvoID = loka.value(QStringLiteral("Traduko/LingvoID"), QStringLiteral("en")).toString();
    const QDate dato =
        QDate::fromString(loka.value(QStringLiteral("Traduko/Dato"), QStringLiteral("01.01.2000")).toString(),
                          QStringLiteral("dd.MM.yyyy"));
    if (Lingvolisto::pliNova(savasLoko + QStringLiteral("traduklisto.ini"), sTradukoDosiero, sLingvoID, dato)) {
        elshutilo = new FileDownloader(FileDownloader::kursejo(QStringLiteral("/datumoj/tradukoj/") + sTradukoDosiero),
                                       sTradukoDosiero, this);
        connect(elshutilo, SIGNAL(downloaded()), this, SLOT(Traduku()));
        return;
    }
    Traduku();
}

void lerbo::ListigasLingvojn()
{
    // A second load (after a change of language) lists the languages afresh
    // instead of appending them again; rows and entries stay aligned by index.
    lingvoj = TradukoListo::disponeblaj(savasLoko + QStringLiteral("traduklisto.ini"), QStringLiteral("?????????"));
    {
        const QSignalBlocker b(ui->Lingvo);
        ui->Lingvo->clear();
        for (const QStringList& ero : qAsConst(lingvoj))
            ui->Lingvo->addItem(ero.at(1));
    }
    Konfiguru();
}
