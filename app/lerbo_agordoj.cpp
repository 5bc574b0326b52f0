// The main window: the settings page, the fonts and the style sheets.

#include "filedownloader.h"
#include "funkcioj.h"
#include "konservilo.h"
#include "lerbo.h"
#include "stilfolio.h"
#include "ui_lerbo.h"

#include <QApplication>
#include <QFile>

// ---------------------------------------------------------------- settings page

void lerbo::Konfiguru()
{
    {
        // A language no longer in the list (a downloaded one whose entry is
        // gone) selects no row rather than the first one.
        const QSignalBlocker b(ui->Lingvo);
        ui->Lingvo->setCurrentIndex(ui->Lingvo->findText(sLingvo, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    if (iSistemo == 0)
        ui->radioButton->setChecked(true);
    else if (iSistemo == 1)
        ui->radioButton_2->setChecked(true);
    else
        ui->radioButton_3->setChecked(true);
    ui->Cxapeligo->setChecked(lCxapeligo);
    ui->Parolo->setChecked(lSxaltilo);
    ui->Noteto->setChecked(lNoteto);
    {
        const QSignalBlocker b1(ui->Tiparo), b2(ui->TiparoEo), b3(ui->LiterGrando), b4(ui->LiterGrandoEo),
            b5(ui->glitilo_eo), b6(ui->glitilo_traduko);
        ui->Tiparo->setCurrentFont(QFont(sTiparo));
        ui->TiparoEo->setCurrentFont(QFont(sTiparoEo));
        ui->LiterGrando->setValue(iLiterGrando);
        ui->glitilo_traduko->setValue(iLiterGrando);
        ui->LiterGrandoEo->setValue(iLiterGrandoEo);
        ui->glitilo_eo->setValue(iLiterGrandoEo);
        ui->tekstoEo->setStyleSheet(Stilfolio::specimeno(sTiparoEo, ghustigas_tiparon(iLiterGrandoEo)));
        ui->tekstoLingvo->setStyleSheet(Stilfolio::specimeno(sTiparo, ghustigas_tiparon(iLiterGrando)));
    }
    ui->tekstoLingvo->setText(sLingvo);
    Stilo();
}

void lerbo::shanghitajKonfiguroj()
{
    const int sistemo = ui->radioButton_3->isChecked() ? 2 : ui->radioButton_2->isChecked() ? 1 : 0;
    const bool aliaLingvo = ui->Lingvo->currentIndex() >= 0 && ui->Lingvo->currentText() != sLingvo;
    const bool shanghita = aliaLingvo || ui->Tiparo->currentText() != sTiparo
                           || ui->TiparoEo->currentText() != sTiparoEo || ui->LiterGrando->value() != iLiterGrando
                           || ui->LiterGrandoEo->value() != iLiterGrandoEo || sistemo != iSistemo;
    ui->shanghasKonfigurojn->setEnabled(shanghita);
}

void lerbo::on_shanghasKonfigurojn_clicked()
{
    if (ui->radioButton->isChecked())
        iSistemo = 0;
    else if (ui->radioButton_2->isChecked())
        iSistemo = 1;
    else if (ui->radioButton_3->isChecked())
        iSistemo = 2;

    const int vico = ui->Lingvo->currentIndex();
    // With no row chosen there is no language to switch to.
    if (ui->Lingvo->currentText() != sLingvo && vico >= 0 && vico < lingvoj.size() && lingvoj.at(vico).size() > 2) {
        sLingvo = lingvoj.at(vico).at(1);
        sTradukoDosiero = lingvoj.at(vico).at(2);
        elshutilo = new FileDownloader(FileDownloader::kursejo(QStringLiteral("/datumoj/tradukoj/") + sTradukoDosiero),
                                       sTradukoDosiero, this);
        connect(elshutilo, SIGNAL(downloaded()), this, SLOT(Traduku()));
    }

    bool tiparoShanghita = false;
    if (ui->Tiparo->currentText() != sTiparo) {
        sTiparo = ui->Tiparo->currentText();
        tiparoShanghita = true;
    }
    if (ui->TiparoEo->currentText() != sTiparoEo) {
        sTiparoEo = ui->TiparoEo->currentText();
        tiparoShanghita = true;
    }
    if (ui->LiterGrando->value() != iLiterGrando) {
        iLiterGrando = ui->LiterGrando->value();
        if (ui->LiterGrandoEo->value() != iLiterGrandoEo)
            iLiterGrandoEo = ui->LiterGrandoEo->value();
        ShanghasTiparStilon();
    } else if (ui->LiterGrandoEo->value() != iLiterGrandoEo) {
        iLiterGrandoEo = ui->LiterGrandoEo->value();
        ShanghasTiparStilon();
    } else if (tiparoShanghita) {
        ShanghasTiparStilon();
    }

    ui->shanghasKonfigurojn->setEnabled(false);
    ui->shanghasKonfigurojn->hide();
    konservilo->konservas();
    ui->Hejmo->click();
}

void lerbo::on_Lingvo_activated(int)
{
    ui->tekstoLingvo->setText(ui->Lingvo->currentText());
    shanghitajKonfiguroj();
}

void lerbo::on_Tiparo_currentIndexChanged(const QString& familio)
{
    ui->tekstoLingvo->setStyleSheet(Stilfolio::specimeno(familio, ghustigas_tiparon(ui->LiterGrando->value())));
    shanghitajKonfiguroj();
}

void lerbo::on_TiparoEo_currentIndexChanged(const QString& familio)
{
    ui->tekstoEo->setStyleSheet(Stilfolio::specimeno(familio, ghustigas_tiparon(ui->LiterGrandoEo->value())));
    shanghitajKonfiguroj();
}

void lerbo::on_LiterGrando_valueChanged(int grando)
{
    ui->tekstoLingvo->setStyleSheet(Stilfolio::specimeno(ui->Tiparo->currentText(), ghustigas_tiparon(grando)));
    {
        const QSignalBlocker b(ui->glitilo_traduko);
        ui->glitilo_traduko->setValue(grando);
    }
    shanghitajKonfiguroj();
}

void lerbo::on_LiterGrandoEo_valueChanged(int grando)
{
    ui->tekstoEo->setStyleSheet(Stilfolio::specimeno(ui->TiparoEo->currentText(), ghustigas_tiparon(grando)));
    {
        const QSignalBlocker b(ui->glitilo_eo);
        ui->glitilo_eo->setValue(grando);
    }
    shanghitajKonfiguroj();
}

void lerbo::on_glitilo_traduko_valueChanged(int v)
{
    ui->LiterGrando->setValue(v);
}

void lerbo::on_glitilo_eo_valueChanged(int v)
{
    ui->LiterGrandoEo->setValue(v);
}

void lerbo::on_Cxapeligo_toggled(bool b)
{
    lCxapeligo = b;
}

void lerbo::on_Parolo_toggled(bool b)
{
    lSxaltilo = b;
}

void lerbo::on_Noteto_toggled(bool b)
{
    lNoteto = b;
}

// The letter system is read from the buttons when the settings are applied.
void lerbo::on_radioButton_clicked(bool) {}
void lerbo::on_radioButton_2_clicked(bool) {}
void lerbo::on_radioButton_3_clicked(bool) {}

// ---------------------------------------------------------------- fonts and style sheets

QFont lerbo::lernantaTiparo()
{
    QFont tiparo(sTiparo);
    // Chinese, Japanese and Korean write many of the same characters in
    // different forms. Left to itself the font fallback follows the system's
    // locale, so a learner on an English desktop reading the Chinese
    // translation got Japanese forms; the translation's language decides.
    // Its face leads: Qt 5 keeps one font engine per leading face whatever
    // follows it, so a face behind sTiparo kept the first language's forms
    // after a switch from Chinese to Japanese.
    const QString han = hanTiparo(sLingvoID, sTiparo);
    if (!han.isEmpty()) {
        tiparo.setFamily(han);
        tiparo.setFamilies({han, sTiparo});
    }
    tiparo.setPointSize(ghustigas_tiparon(iLiterGrando));
    return tiparo;
}

void lerbo::ShanghasTiparStilon()
{
    const int t = ghustigas_tiparon(iLiterGrando);
    const int e = ghustigas_tiparon(iLiterGrandoEo);
    // Set anew, even the same font goes through every widget of the window.
    const QFont tiparo = lernantaTiparo();
    if (!(QApplication::font() == tiparo && QApplication::font().families() == tiparo.families()))
        QApplication::setFont(tiparo);
    ui->centralWidget->setStyleSheet(Stilfolio::generas(t, sTiparoEo, e));
}

void lerbo::ShanghasTiparon()
{
    const QCursor kursoro = cursor();
    setCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    ShanghasTiparStilon();
    QCoreApplication::processEvents();
    setCursor(kursoro);
}

void lerbo::Stilo()
{
    setUpdatesEnabled(false);
    ShanghasTiparStilon();
    QString stilo;
    QFile dosiero(QStringLiteral(":/stiloj/lerbo.qss"));
    if (dosiero.open(QIODevice::ReadOnly)) {
        const QByteArray bajtoj = dosiero.readAll();
        const int nul = bajtoj.indexOf('\0');
        stilo = QString::fromLatin1(nul >= 0 ? bajtoj.left(nul) : bajtoj);
    }
    ui->Paghujo->setStyleSheet(stilo);
    setUpdatesEnabled(true);
}
