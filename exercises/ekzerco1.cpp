#include "ekzerco1.h"
#include "ui_ekzerco1.h"

#include "ekzercilo.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "klipoj.h"

ekzerco1::ekzerco1(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::ekzerco1)
{
    ui->setupUi(this);
    tabulo.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);
}

ekzerco1::~ekzerco1()
{
    delete ui;
}

void ekzerco1::on_BitBtn1_clicked()
{
    butonoj = ui->butonujo->findChildren<QPushButton*>();
    const int kvanto = _Matriz(&vortoj, kodo, QStringLiteral("D"));
    // Four targets and at least one other word for the distractors.
    FinasBlinkojn(this);
    if (!kuro.komencu(kvanto, kvanto / 4 * 4, 5))
        return;
    ui->BitBtn1->setEnabled(false);
    ui->BitBtn2->setEnabled(true);
    tabulo.nuligas(kuro.restas());
    uzataj.clear();
    for (int i = 0; i < kvanto; ++i)
        uzataj << false;
    okupata = false;
    ui->butonujo->setEnabled(true);
    novafrazo();
}

void ekzerco1::novafrazo()
{
    r = rondo::faras(vortoj.size(), uzataj, kuro.restas());
    for (int pozicio = 0; pozicio < butonoj.size() && pozicio < r.butonoj.size(); ++pozicio) {
        butonoj.at(pozicio)->setEnabled(true);
        butonoj.at(pozicio)->setText(vortoj.at(r.butonoj.at(pozicio)));
    }
    for (bool& s : solvitaj)
        s = false;
    fresxa = true;
    novavorto();
}

void ekzerco1::novavorto()
{
    int k = random(4);
    while (solvitaj[k])
        k = random(4);
    nunaCelo = k;
    kuro.montras(r.celoj[k]);
    nunaSono = klipoj::vorto(kodo.left(2), vortoj.at(r.celoj[k]));
    mp3(nunaSono);
    ui->BitBtn3->setEnabled(true);
    ui->butonujo->setFocus();
    okupata = false;
}

void ekzerco1::on_BitBtn3_clicked()
{
    mp3(nunaSono);
}

void ekzerco1::vortoklako(int pozicio)
{
    // One pick per word asked: clicks while a wrong pick blinks, or after
    // the word was already answered, are ignored.
    if (okupata || !kuro.atendas() || pozicio >= butonoj.size())
        return;
    const bool gxusta = butonoj.at(pozicio)->text() == vortoj.at(r.celoj[nunaCelo]);
    kuro.respondas(gxusta);
    tabulo.montras(kuro);
    const int signo = kuro.signo();

    if (gxusta) {
        solvitaj[nunaCelo] = true;
        butonoj.at(pozicio)->setEnabled(false);
        fresxa = false;
    } else {
        okupata = true;
        ui->BitBtn3->setEnabled(false);
        Ne();
        if (!kuro.sama(signo))
            return;
        ui->butonujo->setEnabled(false);
        tekstoblinko(butonoj.at(r.pozicioj[nunaCelo]));
        if (!kuro.sama(signo))
            return;
        ui->BitBtn3->setEnabled(true);
        ui->butonujo->setEnabled(true);
        okupata = false;
    }

    if (kuro.finita()) {
        Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
        on_BitBtn2_clicked();
    } else if (kuro.gxustaj() % 4 == 0 && !fresxa && solvitaj[0] && solvitaj[1] && solvitaj[2] && solvitaj[3]) {
        novafrazo();
    } else {
        novavorto();
    }
}

void ekzerco1::on_BitBtn2_clicked()
{
    kuro.haltu();
    FinasBlinkojn(this);
    ui->BitBtn1->setEnabled(true);
    ui->BitBtn2->setEnabled(false);
    ui->BitBtn3->setEnabled(false);
    for (QPushButton* b : qAsConst(butonoj))
        b->setEnabled(false);
    ui->BitBtn1->setFocus(Qt::OtherFocusReason);
}

void ekzerco1::on_butono0_clicked()
{
    vortoklako(0);
}
void ekzerco1::on_butono3_clicked()
{
    vortoklako(1);
}
void ekzerco1::on_butono1_clicked()
{
    vortoklako(2);
}
void ekzerco1::on_butono4_clicked()
{
    vortoklako(3);
}
void ekzerco1::on_butono2_clicked()
{
    vortoklako(4);
}
void ekzerco1::on_butono5_clicked()
{
    vortoklako(5);
}
