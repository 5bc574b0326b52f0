#include "frazokonstruo.h"
#include "ui_frazokonstruo.h"

#include "FlowLayout.h"
#include "ekzercilo.h"
#include "erodosieroj.h"
#include "frazkonstruilo.h"
#include "funkcioj.h"
#include "tekstodirekto.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

static QString legasStilon(const QString& vojo)
{
    QFile f(vojo);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

frazokonstruo::frazokonstruo(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::frazokonstruo)
{
    ui->setupUi(this);
    setUpdatesEnabled(false);
    tabulo.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);

    // One sheet for each row of buttons, not one for each button: every
    // button's own sheet was read and styled apart (36 a frame, six frames
    // to lesson 1).
    ui->Vortoj->setStyleSheet(legasStilon(QStringLiteral(":/stiloj/butono_vortoj.qss")));
    ui->Disponeblaj->setStyleSheet(legasStilon(QStringLiteral(":/stiloj/butono_disponeblaj.qss")));
    auto* supra = new FlowLayout(6, 9);
    auto* suba = new FlowLayout(12, 12);
    for (int i = 0; i < frazkonstruilo::butonoj; ++i)
        supra->addWidget(new QPushButton(QString::number(i)));
    for (int i = 0; i < frazkonstruilo::butonoj; ++i)
        suba->addWidget(new QPushButton(QString::number(i)));
    ui->Vortoj->setLayout(supra);
    ui->Disponeblaj->setLayout(suba);

    ui->Vortoj->hide();
    ui->Disponeblaj->hide();
    ui->Antauen->hide();
    ui->Korekta->setText(QString());
    ui->Traduko1->setText(QString());

    metitaj = ui->Vortoj->findChildren<QPushButton*>();
    disponeblaj = ui->Disponeblaj->findChildren<QPushButton*>();

    const QSizePolicy politiko(QSizePolicy::Expanding, QSizePolicy::Preferred);
    for (QPushButton* b : qAsConst(metitaj)) {
        b->setSizePolicy(politiko);
        b->hide();
        connect(b, &QPushButton::clicked, this, &frazokonstruo::vortoforigo);
    }
    for (QPushButton* b : qAsConst(disponeblaj)) {
        b->setSizePolicy(politiko);
        b->hide();
        connect(b, &QPushButton::clicked, this, &frazokonstruo::vortoklako);
    }

    ekzercilo::kinetika(ui->scrollArea);
    setUpdatesEnabled(true);
    QCoreApplication::processEvents();
}

frazokonstruo::~frazokonstruo()
{
    delete ui;
}

void frazokonstruo::vortoklako()
{
    auto* klakita = qobject_cast<QPushButton*>(sender());
    if (!klakita)
        return;
    for (QPushButton* b : qAsConst(metitaj)) {
        if (b->isHidden()) {
            b->setText(klakita->text());
            b->show();
            klakita->hide();
            return;
        }
    }
}

void frazokonstruo::vortoforigo()
{
    auto* klakita = qobject_cast<QPushButton*>(sender());
    if (!klakita)
        return;
    for (QPushButton* b : qAsConst(disponeblaj)) {
        if (b->isHidden() && b->text() == klakita->text()) {
            b->show();
            klakita->hide();
            return;
        }
    }
}

void frazokonstruo::on_BitBtn1_clicked()
{
    leciono = ekzercilo::leciono(this);
    const QFont tiparo = ui->Korekta->font();
    for (QPushButton* b : qAsConst(metitaj))
        b->setFont(tiparo);
    for (QPushButton* b : qAsConst(disponeblaj))
        b->setFont(tiparo);

    D.clear();
    vortoj.clear();
    tradukoj.clear();
    R.clear();
    frazoj.clear();
    aliajOrdoj.clear();

    const QString kodo = objectName().right(4);
    const QString prefikso = objectName().left(6);
    const int kvanto = _Matriz(&D, kodo, QStringLiteral("D"));
    _Matriz(&R, kodo, QStringLiteral("R"));
    while (R.size() < D.size())
        R << QStringLiteral("ERARO");
    // Sentences whose words stand just as well in another order list those
    // orders here; an exercise without the section has none.
    QStringList A;
    _Matriz(&A, kodo, QStringLiteral("A"));

    const QStringList klasoj = {QStringLiteral("klakbutono_nova"), QStringLiteral("neklakebla_nova"),
                                QStringLiteral("korekta")};
    for (int i = 0; i < kvanto; ++i) {
        QLabel* vorto = ekzercilo::vortetikedo(leciono, prefikso + QStringLiteral("Button") + D.at(i), klasoj);
        frazoj << (vorto ? vorto->text() : QString());
        vortoj << frazkonstruilo::vortoj(vorto ? vorto->text() : QString(), vorto != nullptr);
        aliajOrdoj << frazkonstruilo::aliajOrdoj(A.value(i), vortoj.last());
        QLabel* traduko = ekzercilo::etikedo(leciono, prefikso + QStringLiteral("Label") + R.at(i));
        tradukoj << (traduko ? frazkonstruilo::senNumero(traduko->text()) : QStringLiteral("ERARO"));
    }

    // A distractor comes from another sentence: one sentence is not enough.
    if (!kuro.komencu(kvanto, ekzercokuro::CiujEroj, 2))
        return;

    ui->BitBtn1->setEnabled(false);
    ui->BitBtn3->setEnabled(true);
    tabulo.nuligas(kuro.restas());
    atendas = false;
    ui->Vortoj->show();
    ui->Disponeblaj->show();
    ui->BitBtn2->setEnabled(true);
    ui->BitBtn2->setFocus();
    novafrazo();
}

void frazokonstruo::novafrazo()
{
    setUpdatesEnabled(false);
    for (QPushButton* b : qAsConst(metitaj))
        b->hide();
    for (QPushButton* b : qAsConst(disponeblaj)) {
        b->setText(QString());
        b->hide();
    }

    const int nuna = kuro.tiru();
    if (nuna < 0) {
        setUpdatesEnabled(true);
        return;
    }
    ui->Korekta->setText(QString());
    ui->Traduko1->setText(TekstoDirekto::tradukita(tradukoj.at(nuna)));
    ui->Vortoj->setEnabled(true);
    ui->Disponeblaj->setEnabled(true);
    nunajVortoj = vortoj.at(nuna);

    const frazkonstruilo::Aro aro = frazkonstruilo::aro(vortoj, nuna);
    for (int i = 0; i < aro.tekstoj.size() && i < disponeblaj.size(); ++i) {
        if (!aro.uzataj.at(i))
            continue;
        disponeblaj.at(i)->setText(aro.tekstoj.at(i));
        disponeblaj.at(i)->show();
    }

    ui->BitBtn2->setEnabled(true);
    ui->BitBtn2->show();
    ui->BitBtn3->setEnabled(true);
    setUpdatesEnabled(true);
    QCoreApplication::processEvents();
}

void frazokonstruo::tekstoblinko()
{
    ui->Antauen->show();
    ui->BitBtn2->hide();
    ui->Vortoj->setEnabled(false);
    ui->Disponeblaj->setEnabled(false);
    ui->Korekta->setText(frazoj.value(kuro.nuna()));
}

void frazokonstruo::on_BitBtn3_clicked()
{
    kuro.haltu();
    ui->BitBtn1->setEnabled(true);
    ui->BitBtn2->setEnabled(false);
    ui->BitBtn3->setEnabled(false);
    ui->Vortoj->hide();
    ui->Disponeblaj->hide();
    ui->Antauen->hide();
    ui->Traduko1->setText(QString());
    ui->Korekta->setText(QString());
    ui->BitBtn1->setFocus(Qt::OtherFocusReason);
}

void frazokonstruo::on_BitBtn2_clicked()
{
    // Only the first check of a sentence shown counts; a second press while
    // the feedback still plays is ignored.
    if (!kuro.atendas())
        return;
    QStringList metitajVortoj;
    for (QPushButton* b : qAsConst(metitaj))
        if (!b->isHidden())
            metitajVortoj << b->text();
    const bool gxusta = frazkonstruilo::gxusta(metitajVortoj, nunajVortoj, aliajOrdoj.value(kuro.nuna()));
    kuro.respondas(gxusta);
    tabulo.montras(kuro);
    const int signo = kuro.signo();

    if (gxusta) {
        Jes();
        if (kuro.sama(signo)) {
            ui->BitBtn3->setEnabled(false);
            ui->BitBtn2->setEnabled(false);
            atendas = false;
            Pauzu(1);
        }
        if (!kuro.sama(signo)) {
            if (kuro.verdiktoSxuldata(signo))
                Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
            return;
        }
    } else {
        Ne();
        if (!kuro.sama(signo))
            return;
        atendas = true;
        tekstoblinko();
        return;
    }

    if (kuro.finita()) {
        Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
        on_BitBtn3_clicked();
    } else {
        novafrazo();
    }
}

void frazokonstruo::on_Antauen_clicked()
{
    ui->Korekta->setText(QString());
    ui->Antauen->hide();
    ui->BitBtn2->show();
    atendas = false;
    novafrazo();
}
