#include "akuzativo.h"
#include "ui_akuzativo.h"

#include "ekzercilo.h"
#include "funkcioj.h"
#include "tekstodirekto.h"

#include <QBitmap>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

static const QString Nigra = QStringLiteral("color: rgb(0, 0, 0);");
static const QString Verda = QStringLiteral("color: rgb(0, 150, 0);");
static const QString Malhelruga = QStringLiteral("color: rgb(150, 0, 0);");
static const QString Ruga = QStringLiteral("color: rgb(200, 0, 0);");
static const QString Blanka = QStringLiteral("color: rgb(255, 255, 255);");

akuzativo::akuzativo(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::akuzativo)
{
    ui->setupUi(this);
    Poentaro.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);
    QPixmap kursoro(QStringLiteral(":ikonoj/kursoro_n.png"));
    kursoro.setMask(QBitmap(QStringLiteral(":ikonoj/kursoro_n_masko.png")));
    Etikedoj = ui->Vortoj->findChildren<QLabel*>();
    for (QLabel* l : qAsConst(Etikedoj))
        l->setCursor(QCursor(kursoro, -1, -1));
    ekzercilo::kinetika(ui->scrollArea);
}

akuzativo::~akuzativo()
{
    delete ui;
}

void akuzativo::on_BitBtn1_clicked()
{
    const QString kodo = objectName().right(4);
    const int kvanto = Datumoj.legu(kodo, EkzercoAkuzativoTrad);
    if (!Kuro.komencu(kvanto, ekzercokuro::CiujEroj)) {
        // Nothing to ask: the frame stays as it was before the start.
        Poentaro.nuligas(0);
        return;
    }
    ui->BitBtn1->setEnabled(false);
    ui->BitBtn3->setEnabled(true);
    Poentaro.nuligas(Kuro.celo());
    novafrazo();
    ui->Vortoj->setEnabled(true);
    ui->BitBtn2->setEnabled(true);
    ui->BitBtn2->setFocus();
}

void akuzativo::novafrazo()
{
    const int ero = Kuro.tiru();
    if (ero < 0)
        return;
    Frazo.metas(&Datumoj, ero);
    for (int k = 0; k < Etikedoj.size(); ++k) {
        const QString vorto = k < akuzativo_datumoj::Pozicioj ? Datumoj.vorto(ero, k) : QString();
        Etikedoj.at(k)->setText(vorto);
        Etikedoj.at(k)->setVisible(!vorto.isEmpty());
    }
    ui->Traduko1->setText(TekstoDirekto::tradukita(Datumoj.traduko(ero)));
    ui->Klarigo->clear();
    for (QLabel* l : qAsConst(Etikedoj))
        l->setStyleSheet(Nigra);
    ui->BitBtn2->setEnabled(true);
    ui->BitBtn3->setEnabled(true);
}

void akuzativo::vortoklako(int klakita)
{
    // Outside a run, and once the sentence has been judged, a click has
    // nothing left to judge.
    if (!Kuro.atendas() || klakita < 0 || klakita >= Etikedoj.size())
        return;
    QLabel* etikedo = Etikedoj.at(klakita);
    const int ero = Kuro.nuna();
    switch (Frazo.klaku(klakita)) {
    case akuzativo_frazo::Malgxusta:
        // An error that does not end the sentence: count it, then the same
        // sentence waits on for its confirmation.
        Kuro.respondas(false);
        Kuro.montras(ero);
        Poentaro.montras(Kuro);
        Noteto(false);
        etikedo->setStyleSheet(Malhelruga);
        break;
    case akuzativo_frazo::Gxusta:
        etikedo->setText(etikedo->text() + QLatin1Char('n'));
        etikedo->setStyleSheet(Verda);
        Noteto(true);
        break;
    case akuzativo_frazo::JamFarita:
        break;
    case akuzativo_frazo::Nenio:
        return;
    }
    ui->Klarigo->setText(TekstoDirekto::tradukita(Datumoj.klarigteksto(ero, klakita)));
    Pauzu(1);
}

void akuzativo::tekstoblinko()
{
    ui->BitBtn2->setEnabled(false);
    ui->BitBtn3->setEnabled(false);
    const QList<int> maltrafitaj = Frazo.maltrafitaj();
    const int signo = Kuro.signo();
    const int fazo = skalitaj_ms(Ofteco);
    const int fino = skalitaj_ms(NumSec * 1000.0);
    QElapsedTimer tempo;
    tempo.start();
    int t = 0;
    QEventLoop buklo;
    QTimer tiktako;
    tiktako.setTimerType(Qt::PreciseTimer);
    auto tiko = [&] {
        // A stop or a new start ends the blink of a sentence no longer shown.
        if (!Kuro.sama(signo) || tempo.elapsed() >= fino) {
            buklo.quit();
            return;
        }
        if (tempo.elapsed() >= qint64(fazo) * t) {
            ++t;
            for (int k : maltrafitaj) {
                Etikedoj.at(k)->setStyleSheet(t % 2 ? Ruga : Blanka);
                Etikedoj.at(k)->repaint();
            }
        }
    };
    connect(&tiktako, &QTimer::timeout, &buklo, tiko);
    tiktako.start(qMax(1, fazo / 8));
    tiko();
    if (Kuro.sama(signo) && tempo.elapsed() < fino)
        buklo.exec();
}

void akuzativo::on_BitBtn2_clicked()
{
    // A second confirmation during the feedback would judge the sentence
    // twice.
    if (!Kuro.atendas())
        return;
    const int signo = Kuro.signo();
    const bool gxusta = Frazo.gxusta();
    Kuro.respondas(gxusta);
    Poentaro.montras(Kuro);
    if (gxusta) {
        Jes();
        if (Kuro.sama(signo)) {
            ui->BitBtn3->setEnabled(false);
            ui->BitBtn2->setEnabled(false);
            Pauzu(1);
        }
    } else {
        Ne();
        if (!Kuro.sama(signo))
            return;
        tekstoblinko();
    }
    // A stop or a new start during the feedback has its own board and its
    // own sentence; only a stop after the last answer still owes this
    // run's verdict.
    if (!Kuro.sama(signo)) {
        if (Kuro.verdiktoSxuldata(signo))
            Mesagxo(Kuro.malgxustaj(), Kuro.gxustaj());
        return;
    }
    if (Kuro.finita()) {
        Mesagxo(Kuro.malgxustaj(), Kuro.gxustaj());
        if (Kuro.sama(signo))
            on_BitBtn3_clicked();
    } else {
        novafrazo();
    }
}

void akuzativo::on_BitBtn3_clicked()
{
    Kuro.haltu();
    ui->BitBtn1->setEnabled(true);
    ui->BitBtn2->setEnabled(false);
    ui->BitBtn3->setEnabled(false);
    ui->Vortoj->setEnabled(false);
    ui->Traduko1->clear();
    ui->Klarigo->clear();
    for (QLabel* l : qAsConst(Etikedoj))
        l->clear();
    ui->BitBtn1->setFocus();
}

void akuzativo::on_label_164_clicked()
{
    vortoklako(0);
}
void akuzativo::on_label_165_clicked()
{
    vortoklako(1);
}
void akuzativo::on_label_166_clicked()
{
    vortoklako(2);
}
void akuzativo::on_label_167_clicked()
{
    vortoklako(3);
}
void akuzativo::on_label_168_clicked()
{
    vortoklako(4);
}
void akuzativo::on_label_169_clicked()
{
    vortoklako(5);
}
void akuzativo::on_label_170_clicked()
{
    vortoklako(6);
}
void akuzativo::on_label_171_clicked()
{
    vortoklako(7);
}
void akuzativo::on_label_172_clicked()
{
    vortoklako(8);
}
void akuzativo::on_label_173_clicked()
{
    vortoklako(9);
}
