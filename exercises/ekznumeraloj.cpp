#include "ekznumeraloj.h"
#include "ui_ekznumeraloj.h"

#include "ekzercfolio.h"
#include "ekzercilo.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "nombrilo.h"

ekznumeraloj::ekznumeraloj(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::ekznumeraloj)
{
    ui->setupUi(this);
    ekzercilo::kinetika(ui->scrollArea);
    ui->Edit1->setInputMethodHints(Qt::ImhDigitsOnly);
    ekzercilo::presbutono(ui->printilo_ps);
    tabulo.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);
}

ekznumeraloj::~ekznumeraloj()
{
    delete ui;
}

void ekznumeraloj::on_BitBtn1_clicked()
{
    const int kvanto = _Matriz(&frazoj, kodo, QStringLiteral("D"));
    _Matriz(&respondoj, kodo, QStringLiteral("R"));
    FinasBlinkojn(this);
    if (!kuro.komencu(kvanto, ekzercokuro::CiujEroj))
        return;
    ui->BitBtn1->setEnabled(false);
    ui->BitBtn3->setEnabled(true);
    tabulo.nuligas(kuro.restas());
    ui->Vorto0->setText(QString());
    ui->BitBtn2->setEnabled(true);
    novafrazo();
}

void ekznumeraloj::novafrazo()
{
    const int nuna = kuro.tiru();
    if (nuna < 0)
        return;
    ui->Vorto0->setText(frazoj.at(nuna));
    ui->Edit1->clear();
    ui->BitBtn2->setEnabled(true);
    ui->Edit1->setEnabled(true);
    ui->Edit1->setFocus();
}

void ekznumeraloj::on_BitBtn2_clicked()
{
    if (nombrilo::normigas(ui->Edit1->text()).isEmpty()) {
        ui->Edit1->setFocus();
        return;
    }
    // One answer per phrase shown.
    if (!kuro.atendas())
        return;
    ui->BitBtn2->setEnabled(false);
    ui->Edit1->setEnabled(false);
    const QString respondo = respondoj.value(kuro.nuna());
    const bool gxusta = nombrilo::gxusta(ui->Edit1->text(), respondo);
    kuro.respondas(gxusta);
    tabulo.montras(kuro);
    const int signo = kuro.signo();

    if (gxusta) {
        Jes();
        if (!kuro.sama(signo)) {
            if (kuro.verdiktoSxuldata(signo))
                Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
            return;
        }
    } else {
        ui->BitBtn3->setEnabled(false);
        Ne();
        if (!kuro.sama(signo))
            return;
        ui->Korekta->setText(respondo);
        tekstoblinko(ui->Korekta);
        ui->Korekta->setText(QString());
        if (!kuro.sama(signo))
            return;
        ui->BitBtn3->setEnabled(true);
    }

    if (!kuro.finita()) {
        novafrazo();
    } else {
        Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
        on_BitBtn3_clicked();
    }
}

void ekznumeraloj::on_Edit1_returnPressed()
{
    on_BitBtn2_clicked();
}

void ekznumeraloj::on_BitBtn3_clicked()
{
    kuro.haltu();
    FinasBlinkojn(this);
    ui->BitBtn1->setEnabled(true);
    ui->BitBtn3->setEnabled(false);
    ui->BitBtn2->setEnabled(false);
    ui->Vorto0->setText(QString());
    ui->Edit1->clear();
    ui->Edit1->setEnabled(false);
    ui->BitBtn1->setFocus(Qt::OtherFocusReason);
}

void ekznumeraloj::on_printilo_ps_clicked()
{
    ekzercfolio::presasFolion(objectName(), [this] { return folio(); });
}

QString ekznumeraloj::folio() const
{
    QStringList d, r;
    const int n = _Matriz(&d, kodo, QStringLiteral("D"));
    _Matriz(&r, kodo, QStringLiteral("R"));
    const QWidget* pagxo = parentWidget() ? parentWidget() : this;
    ekzercfolio f(Direkto, pagxo->font(), objectName(), ui->Lec03_Label11->text(), ui->Lec03_Label12->text(), false);
    const bool rtl = Direkto == QLatin1String("RTL");
    f.korpo(QStringLiteral("<ol>"));
    for (int i = 0; i < n; ++i) {
        f.korpo(nombrilo::folioEro(d.at(i), rtl));
        f.respondo(i + 1, r.value(i));
    }
    f.korpo(QStringLiteral("</ol>"));
    return f.html();
}
