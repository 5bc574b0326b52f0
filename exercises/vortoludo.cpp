#include "vortoludo.h"
#include "ui_vortoludo.h"

#include "ekzercfolio.h"
#include "ekzercilo.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "vortelektilo.h"

#include <QRadioButton>

vortoludo::vortoludo(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::vortoludo)
{
    ui->setupUi(this);
    ui->Grupo->hide();
    ekzercilo::kinetika(ui->scrollArea);
    ekzercilo::presbutono(ui->printilo_ps);
    tabulo.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);
}

vortoludo::~vortoludo()
{
    delete ui;
}

void vortoludo::on_BitBtn18_clicked()
{
    FinasBlinkojn(this);
    Butonoj = ui->Grupo->findChildren<QRadioButton*>();
    Etikedoj = ui->Grupo->findChildren<QLabel*>();
    const QString kodo = objectName().right(4);
    prefikso = objectName().left(6);
    const int kvanto = _Matriz(&D, kodo, QStringLiteral("D"));
    _Matriz(&R, kodo, QStringLiteral("R"));
    // Four distractors besides the right item: fewer than five items
    // cannot make a question.
    if (!kuro.komencu(kvanto, ekzercokuro::Limigita, vortelektilo::minimumo))
        return;

    ui->BitBtn18->setEnabled(false);
    ui->BitBtn20->setEnabled(true);
    uzataj.clear();
    Vortoj.clear();
    QWidget* leciono = ekzercilo::leciono(this);
    for (int i = 0; i < kvanto; ++i) {
        uzataj << false;
        Vortoj << vortoDe(leciono, prefikso, D.at(i));
    }
    tabulo.nuligas(kuro.restas());
    ui->Grupo->show();
    ui->Grupo->setEnabled(true);
    lOkupata = false;
    novafrazo();
    ui->Grupo->setFocus();
}

QString vortoludo::vortoDe(QWidget* leciono, const QString& prefikso, const QString& ero)
{
    if (vortelektilo::literala(ero))
        return ero;
    return ekzercilo::vorto(leciono, prefikso + QStringLiteral("Button") + ero);
}

QString vortoludo::tradukoDe(QWidget* leciono, const QString& prefikso, const QString& numero)
{
    return ekzercilo::teksto(leciono, prefikso + QStringLiteral("Label") + numero);
}

void vortoludo::novafrazo()
{
    for (bool& u : uzataj)
        u = false;
    const int nuna = kuro.tiru();
    if (nuna < 0)
        return;
    QWidget* leciono = ekzercilo::leciono(this);
    ui->Vorto->setText(vortoDe(leciono, prefikso, D.at(nuna)));
    vortelektilo::sammaskas(Vortoj, nuna, uzataj);
    const vortelektilo::Demando d = vortelektilo::faras(D.size(), nuna, uzataj);
    iGxusta = d.gxusta;
    for (int j = 0; j < d.eroj.size() && j + 1 < Etikedoj.size(); ++j)
        Etikedoj.at(j + 1)->setText(tradukoDe(leciono, prefikso, R.value(d.eroj.at(j))));
    ui->Grupo->setEnabled(true);
}

void vortoludo::grupoclick(int klakita)
{
    if (lOkupata)
        return;
    ui->Grupo->setEnabled(false);
    lOkupata = true;

    // The answer counts at once, so that it counts only once, and shows on
    // the board at once; a stop or a new start during the waits below ends
    // this check, which then leaves the questions to the run that follows.
    const int signo = kuro.signo();
    const bool gxusta = klakita == iGxusta;
    if (kuro.respondas(gxusta)) {
        tabulo.montras(kuro);
        bool plu = false;
        if (gxusta) {
            Jes();
            plu = kuro.sama(signo);
            if (plu) {
                Pauzu(2);
                plu = kuro.sama(signo);
            }
        } else {
            Ne();
            plu = kuro.sama(signo);
            if (plu) {
                tekstoblinko(Etikedoj.value(iGxusta + 1));
                plu = kuro.sama(signo);
                if (plu)
                    ui->Grupo->setEnabled(true);
            }
        }
        if (plu) {
            if (kuro.finita()) {
                Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
                on_BitBtn20_clicked();
            } else {
                novafrazo();
            }
        } else if (kuro.verdiktoSxuldata(signo)) {
            Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
        }
    }

    // A checked auto-exclusive radio button refuses to be unchecked.
    if (QRadioButton* b = Butonoj.value(klakita)) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    lOkupata = false;
}

void vortoludo::on_BitBtn20_clicked()
{
    kuro.haltu();
    FinasBlinkojn(this);
    ui->BitBtn18->setEnabled(true);
    ui->BitBtn20->setEnabled(false);
    ui->Grupo->hide();
    ui->BitBtn18->setFocus(Qt::OtherFocusReason);
}

void vortoludo::on_frazo0_clicked(bool checked)
{
    if (checked)
        grupoclick(0);
}
void vortoludo::on_frazo1_clicked(bool checked)
{
    if (checked)
        grupoclick(1);
}
void vortoludo::on_frazo2_clicked(bool checked)
{
    if (checked)
        grupoclick(2);
}
void vortoludo::on_frazo3_clicked(bool checked)
{
    if (checked)
        grupoclick(3);
}
void vortoludo::on_frazo4_clicked(bool checked)
{
    if (checked)
        grupoclick(4);
}

void vortoludo::on_teksto0_clicked()
{
    ui->frazo0->click();
}
void vortoludo::on_teksto1_clicked()
{
    ui->frazo1->click();
}
void vortoludo::on_teksto2_clicked()
{
    ui->frazo2->click();
}
void vortoludo::on_teksto3_clicked()
{
    ui->frazo3->click();
}
void vortoludo::on_teksto4_clicked()
{
    ui->frazo4->click();
}

void vortoludo::on_printilo_ps_clicked()
{
    ekzercfolio::presasFolion(objectName(), [this] { return folio(); });
}

QString vortoludo::folio() const
{
    const QString nomo = objectName();
    const QString kodo = nomo.right(4);
    const QString prefikso_ = nomo.left(6);
    QStringList d, r;
    const int n = _Matriz(&d, kodo, QStringLiteral("D"));
    _Matriz(&r, kodo, QStringLiteral("R"));
    QList<bool> uzitaj;
    for (int i = 0; i < n; ++i)
        uzitaj << false;
    const bool ltr = Direkto == QLatin1String("LTR");
    QWidget* leciono = ekzercilo::leciono(this);
    QStringList vortoj;
    for (const QString& ero : qAsConst(d))
        vortoj << vortoDe(leciono, prefikso_, ero);

    const QWidget* pagxo = parentWidget() ? parentWidget() : this;
    ekzercfolio f(Direkto, pagxo->font(), nomo, ui->Ekz_Vort1->text(), ui->Ekz_Vort2->text(), true,
                  QStringLiteral("<P dir=\"LTR\">Respondoj: <br>"));
    f.korpo(QStringLiteral("<table>"));
    // Fewer than five items cannot fill the options: the table stays empty.
    const int eroj = n >= vortelektilo::minimumo ? n : 0;
    for (int i = 0; i < eroj; ++i) {
        const bool para = i % 2 == 0;
        f.korpo(para ? QStringLiteral("<tr><td><B>") : QStringLiteral("<td><B>"));
        for (bool& u : uzitaj)
            u = false;
        f.korpo(vortelektilo::kapo(i + 1, vortoj.at(i), ltr) + QStringLiteral("</B><br>"));
        vortelektilo::sammaskas(vortoj, i, uzitaj);
        const vortelektilo::Demando q = vortelektilo::faras(n, i, uzitaj);
        for (int j = 0; j < vortelektilo::opcioj; ++j)
            f.korpo(vortelektilo::linio(j, tradukoDe(leciono, prefikso_, r.value(q.eroj.at(j))), ltr));
        if (para)
            f.korpo(i == eroj - 1 ? QStringLiteral("<br></td></tr>") : QStringLiteral("<br></td>"));
        else
            f.korpo(QStringLiteral("<br></td></tr>"));
        f.respondo(i + 1, vortelektilo::litero(q.gxusta));
    }
    f.korpo(QStringLiteral("</table>"));
    return f.html();
}
