#include "plenigas_spacon.h"
#include "ui_plenigas_spacon.h"

#include "ekzercfolio.h"
#include "ekzercilo.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "spacplenigilo.h"
#include "tekstodirekto.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>

plenigas_spacon::plenigas_spacon(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::plenigas_spacon)
{
    ui->setupUi(this);
    ekzercilo::kinetika(ui->scrollArea);
    tabulo.metas(ui->Placar25, ui->Placar26, ui->Placar27, ui->Placar28);

    ui->Tajpujo->hide();
    ui->antauen->hide();
    ekzercilo::presbutono(ui->printilo_ps);

    tekstoj = {ui->Vorto1, ui->Vorto2, ui->Vorto3, ui->Vorto4, ui->Vorto5, ui->Vorto6};
    korektoj = {ui->KorektaVorto1, ui->KorektaVorto2, ui->KorektaVorto3, ui->KorektaVorto4, ui->KorektaVorto5};
    kampoj = {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5};
    for (QLineEdit* k : qAsConst(kampoj))
        k->setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoAutoUppercase | Qt::ImhPreferLatin);

    // The text columns sit one pixel above the bottom, level with the
    // typed text of the fields.
    const QList<QLayout*> aranxoj = ui->Tajpujo->findChildren<QLayout*>();
    for (int i = 1; i < aranxoj.size() && i <= 11; i += 2) {
        QMargins m = aranxoj.at(i)->contentsMargins();
        m.setBottom(1);
        aranxoj.at(i)->setContentsMargins(m);
        aranxoj.at(i)->update();
    }
}

plenigas_spacon::~plenigas_spacon()
{
    delete ui;
}

void plenigas_spacon::on_BitBtn4_clicked()
{
    kodo = objectName().right(4);
    const int kvanto = _Matriz2(&D, kodo, QStringLiteral("D"), spacplenigilo::partoj);
    _Matriz2(&R, kodo, QStringLiteral("R"), spacplenigilo::partoj);
    while (R.size() < D.size())
        R << QStringList({QString(), QString(), QString(), QString(), QString(), QString()});
    // Sentences that other pieces fill just as rightly list them here; an
    // exercise without the section has none.
    QStringList A;
    _Matriz(&A, kodo, QStringLiteral("A"));
    aliajPecoj.clear();
    for (int i = 0; i < D.size(); ++i)
        aliajPecoj << spacplenigilo::aliajPecoj(A.value(i));
    _Matriz(&tradukoj, kodo, QStringLiteral("T"));
    while (tradukoj.size() < D.size())
        tradukoj << QString();

    if (!kuro.komencu(kvanto, ekzercokuro::Limigita))
        return;

    ui->Tajpujo->show();
    ui->Tajpujo->setEnabled(true);
    ui->BitBtn5->setEnabled(true);
    ui->BitBtn4->setEnabled(false);
    tabulo.nuligas(kuro.restas());
    atendas = false;
    ui->BitBtn6->setEnabled(true);
    novafrazo();
}

void plenigas_spacon::novafrazo()
{
    const int nuna = kuro.tiru();
    if (nuna < 0)
        return;
    const QStringList& partoj = D.at(nuna);
    const QStringList& pecoj = R.at(nuna);
    for (int j = 0; j < tekstoj.size(); ++j)
        tekstoj.at(j)->setText(partoj.value(j));
    for (int j = 0; j < korektoj.size(); ++j)
        korektoj.at(j)->setText(pecoj.value(j));
    ui->Traduko->setText(TekstoDirekto::tradukita(tradukoj.at(nuna)));

    // The field is as wide as the right piece plus one "M": its width tells
    // the length of the answer.
    const QFontMetrics metriko(ui->Vorto1->font());
    const int em = metriko.horizontalAdvance(QLatin1Char('M'));
    for (int j = 0; j < spacplenigilo::spacoj; ++j) {
        QLineEdit* kampo = kampoj.at(j);
        QLabel* korekto = korektoj.at(j);
        const QString peco = pecoj.value(j);
        if (peco.isEmpty()) {
            kampo->hide();
            korekto->hide();
        } else {
            kampo->setFixedWidth(metriko.horizontalAdvance(peco) + em);
            kampo->show();
            kampo->setEnabled(true);
            korekto->hide();
            const Qt::Alignment flanko =
                spacplenigilo::dekstren(partoj.value(j), partoj.value(j + 1)) ? Qt::AlignRight : Qt::AlignLeft;
            kampo->setAlignment(flanko | Qt::AlignVCenter);
            korekto->setAlignment(flanko | Qt::AlignVCenter);
        }
        kampo->clear();
    }
    ui->Edit1->setFocus(Qt::OtherFocusReason);
    QGuiApplication::inputMethod()->show();
}

void plenigas_spacon::on_BitBtn6_clicked()
{
    // One check per sentence shown: a second press (or Enter) while the
    // feedback plays would count the same answer twice.
    if (!kuro.atendas())
        return;
    QStringList tajpitaj;
    for (QLineEdit* k : qAsConst(kampoj))
        tajpitaj << k->text();
    const QList<bool> malgxustaj =
        spacplenigilo::malgxustaj(tajpitaj, R.at(kuro.nuna()), aliajPecoj.value(kuro.nuna()));
    const bool gxusta = !malgxustaj.contains(true);
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
        atendas = false;
    } else {
        Ne();
        if (!kuro.sama(signo))
            return;
        for (QLineEdit* k : qAsConst(kampoj))
            k->setEnabled(false);
        for (int j = 0; j < malgxustaj.size(); ++j)
            if (malgxustaj.at(j))
                korektoj.at(j)->show();
        atendas = true;
        ui->BitBtn6->hide();
        ui->antauen->show();
        return;
    }

    if (kuro.restas() > 0) {
        novafrazo();
    } else {
        Mesagxo(kuro.malgxustaj(), kuro.gxustaj());
        on_BitBtn5_clicked();
    }
}

void plenigas_spacon::on_BitBtn5_clicked()
{
    kuro.haltu();
    ui->BitBtn4->setEnabled(true);
    ui->BitBtn5->setEnabled(false);
    ui->BitBtn6->show();
    ui->BitBtn6->setEnabled(false);
    ui->antauen->hide();
    ui->Tajpujo->hide();
    ui->Traduko->setText(QString());
    ui->BitBtn4->setFocus(Qt::OtherFocusReason);
}

void plenigas_spacon::enigo(int kampo)
{
    if (kampo + 1 < kampoj.size() && !kampoj.at(kampo + 1)->isHidden())
        kampoj.at(kampo + 1)->setFocus(Qt::OtherFocusReason);
    else
        on_BitBtn6_clicked();
}

void plenigas_spacon::on_Edit1_returnPressed()
{
    enigo(0);
}
void plenigas_spacon::on_Edit2_returnPressed()
{
    enigo(1);
}
void plenigas_spacon::on_Edit3_returnPressed()
{
    enigo(2);
}
void plenigas_spacon::on_Edit4_returnPressed()
{
    enigo(3);
}
void plenigas_spacon::on_Edit5_returnPressed()
{
    enigo(4);
}

void plenigas_spacon::on_antauen_clicked()
{
    ui->BitBtn6->show();
    ui->antauen->hide();
    atendas = false;
    novafrazo();
}

void plenigas_spacon::on_printilo_ps_clicked()
{
    ekzercfolio::presasFolion(objectName(), [this] { return folio(); });
}

QString plenigas_spacon::folio() const
{
    const QString nomo = objectName();
    const QString kodo_ = nomo.right(4);
    QList<QStringList> partoj, pecoj;
    QStringList t;
    const int n = _Matriz2(&partoj, kodo_, QStringLiteral("D"), spacplenigilo::partoj);
    _Matriz2(&pecoj, kodo_, QStringLiteral("R"), spacplenigilo::partoj);
    _Matriz(&t, kodo_, QStringLiteral("T"));
    while (t.size() < n)
        t << QString();

    const QWidget* pagxo = parentWidget() ? parentWidget() : this;
    ekzercfolio f(Direkto, pagxo->font(), nomo, ui->Ekz_Plen1->text(), ui->Ekz_Plen2->text(), true);
    const bool rtl = Direkto == QLatin1String("RTL");
    f.korpo(QStringLiteral("<ol>"));
    for (int i = 0; i < n; ++i) {
        f.korpo(spacplenigilo::folioEro(t.at(i), partoj.at(i), pecoj.value(i), rtl));
        f.respondo(i + 1, spacplenigilo::sxlosilo(pecoj.value(i)));
    }
    f.korpo(QStringLiteral("</ol>"));
    return f.html();
}
