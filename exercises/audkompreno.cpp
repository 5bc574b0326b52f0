#include "audkompreno.h"
#include "ui_audkompreno.h"

#include "auskultilo.h"
#include "ekzercilo.h"
#include "erodosieroj.h"
#include "funkcioj.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethod>
#include <QLabel>
#include <QVBoxLayout>

audkompreno::audkompreno(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::audkompreno)
{
    ui->setupUi(this);
    ekzercilo::kinetika(ui->scrollArea);
    tabulo.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);

    // The grid of words found: as many cells as a run asks at most, in
    // four columns.
    const int n = limigo(48);
    const int vice = (n / 4) + ((n % 4) ? 1 : 0);
    auto* vico = new QHBoxLayout;
    int faritaj = 0;
    while (faritaj < n) {
        auto* kolumno = new QVBoxLayout;
        for (int i = 0; i < vice && faritaj < n; ++i, ++faritaj)
            kolumno->addWidget(new QLabel(QStringLiteral(" ")));
        vico->addLayout(kolumno);
    }
    ui->vortujo->setLayout(vico);
}

audkompreno::~audkompreno()
{
    delete ui;
}

void audkompreno::on_BitBtn8_clicked()
{
    etikedoj = ui->vortujo->findChildren<QLabel*>();
    kodo = objectName().right(4);
    prefikso = objectName().left(5);
    const int kvanto = _Matriz(&eroj, kodo, QStringLiteral("D"));
    FinasBlinkojn(this);
    if (!kuro.komencu(kvanto, ekzercokuro::Limigita))
        return;

    ui->BitBtn8->setEnabled(false);
    ui->BitBtn9->setEnabled(true);
    ui->BitBtn10->setEnabled(true);
    ui->Edit1->setEnabled(true);
    ui->finita->setEnabled(true);
    tabulo.nuligas(kuro.restas());
    for (QLabel* l : qAsConst(etikedoj))
        l->setText(QStringLiteral(" "));
    novavorto();
}

void audkompreno::novavorto()
{
    const int nuna = kuro.tiru();
    if (nuna < 0)
        return;
    nunaSono = auskultilo::klipo(eroj.at(nuna), kodo);
    mp3(nunaSono);
    ui->Edit1->clear();
    ui->Edit1->setFocus(Qt::OtherFocusReason);
    QGuiApplication::inputMethod()->show();
}

QString audkompreno::atendata() const
{
    const QString ero = eroj.value(kuro.nuna());
    if (auskultilo::estasVorto(ero))
        return ero;
    QWidget* leciono = ekzercilo::leciono(this);
    return auskultilo::atendata(
        ekzercilo::vorto(leciono, prefikso + QStringLiteral("_Button") + ero, {QStringLiteral("klakbutono_nova")}));
}

void audkompreno::analizu()
{
    const QString tajpita = ui->Edit1->text().trimmed();
    if (tajpita.isEmpty() || !kuro.atendas())
        return;
    const QString atendita = atendata();
    const bool gxusta = auskultilo::gxusta(tajpita, atendita);
    kuro.respondas(gxusta);
    tabulo.montras(kuro);
    const int signo = kuro.signo();

    if (gxusta) {
        if (kuro.gxustaj() - 1 < etikedoj.size())
            etikedoj.at(kuro.gxustaj() - 1)->setText(purigas(tajpita, true));
        Sinkronigu();
    } else {
        Noteto(false);
        ui->BitBtn9->setEnabled(false);
        ui->BitBtn10->setEnabled(false);
        ui->Edit1->setEnabled(false);
        ui->finita->setEnabled(false);
        ui->Korekta->setText(purigas(atendita, true));
        tekstoblinko(ui->Korekta);
        if (!kuro.sama(signo))
            return;
        ui->BitBtn9->setEnabled(true);
        ui->BitBtn10->setEnabled(true);
        ui->Edit1->setEnabled(true);
        ui->Korekta->setText(QString());
        ui->finita->setEnabled(true);
    }

    if (kuro.restas() <= 0) {
        Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
        on_BitBtn10_clicked();
    } else {
        novavorto();
    }
}

void audkompreno::on_BitBtn9_clicked()
{
    ui->Edit1->setFocus(Qt::OtherFocusReason);
    QGuiApplication::inputMethod()->show();
    mp3(nunaSono);
}

void audkompreno::on_finita_clicked()
{
    analizu();
}

void audkompreno::on_Edit1_returnPressed()
{
    analizu();
}

void audkompreno::on_BitBtn10_clicked()
{
    kuro.haltu();
    FinasBlinkojn(this);
    ui->BitBtn8->setEnabled(true);
    ui->BitBtn9->setEnabled(false);
    ui->BitBtn10->setEnabled(false);
    ui->Edit1->clear();
    ui->Edit1->setEnabled(false);
    ui->finita->setEnabled(false);
    ui->BitBtn8->setFocus(Qt::OtherFocusReason);
}
