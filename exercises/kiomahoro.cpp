#include "kiomahoro.h"
#include "ui_kiomahoro.h"

#include "ekzercfolio.h"
#include "ekzercilo.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "kiomahoro_folio.h"
#include "kiomahoro_horo.h"

#include <QGuiApplication>
#include <QInputMethod>

// The clock-time items are always these, whatever the frame is called.
static const QString HoroKodo = QStringLiteral("1101");

kiomahoro::kiomahoro(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::kiomahoro)
{
    ui->setupUi(this);
    Poentaro.metas(ui->Placar1, ui->Placar2, ui->Placar3, ui->Placar4);
    ekzercilo::kinetika(ui->scrollArea);
    ui->Edit1->setInputMethodHints(Qt::ImhDigitsOnly);
    ekzercilo::presbutono(ui->printilo_ps);
}

kiomahoro::~kiomahoro()
{
    delete ui;
}

void kiomahoro::on_BitBtn1_clicked()
{
    _Matriz(&Frazoj, HoroKodo, QStringLiteral("D"));
    _Matriz(&Solvoj, HoroKodo, QStringLiteral("R"));
    // A phrase without its time could never be answered right.
    const int kvanto = qMin(Frazoj.size(), Solvoj.size());
    FinasBlinkojn(this);
    if (!Kuro.komencu(kvanto, ekzercokuro::CiujEroj)) {
        Poentaro.nuligas(0);
        return;
    }
    ui->BitBtn1->setEnabled(false);
    ui->BitBtn3->setEnabled(true);
    Poentaro.nuligas(Kuro.celo());
    ui->Vorto0->clear();
    ui->BitBtn2->setEnabled(true);
    novafrazo();
}

void kiomahoro::novafrazo()
{
    const int ero = Kuro.tiru();
    if (ero < 0)
        return;
    ui->Vorto0->setText(Frazoj.at(ero));
    ui->Edit1->clear();
    ui->Edit1->setCursorPosition(0);
    ui->BitBtn2->setEnabled(true);
    ui->Edit1->setEnabled(true);
    ui->Edit1->setFocus(Qt::OtherFocusReason);
    QGuiApplication::inputMethod()->show();
}

void kiomahoro::on_BitBtn2_clicked()
{
    // Outside a run, or a second check of a time already judged.
    if (!Kuro.atendas())
        return;
    if (kiomahoro_horo::malplena(ui->Edit1->text())) {
        ui->Edit1->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui->BitBtn2->setEnabled(false);
    ui->Edit1->setEnabled(false);
    const int signo = Kuro.signo();
    const QString atendata = Solvoj.at(Kuro.nuna());
    const bool gxusta = kiomahoro_horo::gxusta(ui->Edit1->text(), atendata);
    Kuro.respondas(gxusta);
    Poentaro.montras(Kuro);
    if (gxusta) {
        Jes();
    } else {
        ui->BitBtn3->setEnabled(false);
        Ne();
        ui->Korekta->setText(atendata);
        tekstoblinko(ui->Korekta);
        ui->Korekta->clear();
        if (Kuro.sama(signo))
            ui->BitBtn3->setEnabled(true);
    }
    // Stopped, or stopped and started anew, during the feedback: that run
    // has its own board and its own phrase; only a stop after the last
    // answer still owes this run's verdict.
    if (!Kuro.sama(signo)) {
        if (Kuro.verdiktoSxuldata(signo))
            Mesagxo(Kuro.malgxustaj(), Kuro.gxustaj());
        return;
    }
    if (!Kuro.finita()) {
        novafrazo();
        return;
    }
    Mesagxo(Kuro.malgxustaj(), Kuro.gxustaj());
    if (Kuro.sama(signo))
        on_BitBtn3_clicked();
}

void kiomahoro::on_Edit1_returnPressed()
{
    on_BitBtn2_clicked();
}

void kiomahoro::on_BitBtn3_clicked()
{
    Kuro.haltu();
    FinasBlinkojn(this);
    ui->BitBtn1->setEnabled(true);
    ui->BitBtn3->setEnabled(false);
    ui->BitBtn2->setEnabled(false);
    ui->Vorto0->clear();
    ui->Edit1->clear();
    ui->Edit1->setEnabled(false);
    ui->BitBtn1->setFocus(Qt::OtherFocusReason);
}

QString kiomahoro::folio() const
{
    QStringList frazoj, solvoj;
    _Matriz(&frazoj, HoroKodo, QStringLiteral("D"));
    _Matriz(&solvoj, HoroKodo, QStringLiteral("R"));
    const QFont tiparo = parentWidget() ? parentWidget()->font() : font();
    return kiomahoro_folio::html(Direkto, tiparo, objectName(), ui->Lec11_Label3->text(), ui->label->text(),
                                 ui->Lec11_Label12->text(), frazoj, solvoj);
}

void kiomahoro::on_printilo_ps_clicked()
{
    ekzercfolio::presasFolion(objectName(), [this] { return folio(); });
}
