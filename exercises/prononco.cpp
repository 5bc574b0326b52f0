#include "prononco.h"
#include "tradukovojo.h"
#include "ui_prononco.h"

#include "ekzercilo.h"
#include "funkcioj.h"
#include "klipoj.h"
#include "specialadosiero.h"
#include "tekstodirekto.h"
#include "tradukdosiero.h"
#include "vocxregistrilo_qt.h"

#include <QApplication>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

bool prononco::lAvertisPriMikrofono = false;

// The notice about a missing microphone, in the learner's language; the
// English text stands in when the chosen translation lacks it.
static QString senMikrofonoTeksto()
{
    const QString sxlosilo = QStringLiteral("Gheneralaj/TFrame2.SenMikrofono");
    QString teksto = TradukDosiero(TradukoVojo(sTradukoDosiero)).value(sxlosilo).toString();
    if (teksto.isEmpty())
        teksto = TradukDosiero(TradukoVojo(QStringLiteral("angla.trd"))).value(sxlosilo).toString();
    return teksto.isEmpty() ? NeTradukita : teksto;
}

prononco::prononco(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::prononco)
{
    ui->setupUi(this);
    ui->PP_Prog->hide();
    ui->PP_Kiomope->hide();
    ekzercilo::kinetika(ui->scrollArea);
    sRegistrejo = savasLoko;
    metuRegistrilon(new VocxRegistriloQt);
    Haltigilo = new QTimer(this);
    Haltigilo->setObjectName(QStringLiteral("Haltigilo"));
    Haltigilo->setSingleShot(true);
    connect(Haltigilo, &QTimer::timeout, this, &prononco::ChesasRegistri);
}

prononco::~prononco()
{
    delete ui;
}

void prononco::metuRegistrilon(VocxRegistrilo* registrilo)
{
    delete Registrilo;
    Registrilo = registrilo;
    Registrilo->setParent(this);
    connect(Registrilo, &VocxRegistrilo::dauxro, this, &prononco::Progreso);
}

bool prononco::iras(int kuro) const
{
    return ui->PP_Haltu->isEnabled() && kuro == iKuro;
}

QMediaPlayer* prononco::ludilo()
{
    if (!Ludilo)
        Ludilo = new QMediaPlayer(this);
    return Ludilo;
}

void prononco::ludas(const QString& vojo)
{
    ludilo()->setMedia(klipoj::adreso(vojo));
    Ludilo->play();
}

void prononco::atendasModelon(int kuro)
{
    auto finita = [this, kuro] {
        const QMediaPlayer::MediaStatus stato = Ludilo->mediaStatus();
        return !iras(kuro) || Ludilo->state() == QMediaPlayer::StoppedState || stato == QMediaPlayer::EndOfMedia
               || stato == QMediaPlayer::InvalidMedia || stato == QMediaPlayer::NoMedia;
    };
    // Some backends forget the length once the clip has ended: keep the
    // longest one seen while it played.
    iModelaDauxro = ludilo()->duration();
    QEventLoop buklo;
    auto rigardas = [&] {
        iModelaDauxro = qMax(iModelaDauxro, Ludilo->duration());
        if (finita())
            buklo.quit();
    };
    if (finita())
        return;
    QTimer rigardo;
    connect(&rigardo, &QTimer::timeout, &buklo, rigardas);
    connect(Ludilo, &QMediaPlayer::mediaStatusChanged, &buklo, rigardas);
    connect(Ludilo, &QMediaPlayer::durationChanged, &buklo, rigardas);
    // No model clip of the course lasts a minute; a player that never
    // reports its end must not hold the exercise.
    QTimer::singleShot(60000, &buklo, &QEventLoop::quit);
    rigardo.start(20);
    buklo.exec();
}

QString prononco::tekstoDeButono(int numero, const QString& leciono) const
{
    const QString nomo = QStringLiteral("Lec") + leciono + QStringLiteral("_Button") + QString::number(numero);
    return ekzercilo::vorto(ekzercilo::leciono(const_cast<prononco*>(this)), nomo, {QStringLiteral("klakbutono_nova")});
}

void prononco::on_PP_Startu_clicked()
{
    ++iKuro;
    ui->PP_Startu->setEnabled(false);
    ui->PP_Haltu->setEnabled(true);
    Kuro.legu(objectName().right(4));
    ui->Placar->setValue(Kuro.limo());
    const int kuro = iKuro;
    lMikrofono = Registrilo->havasMikrofonon();
    if (!lMikrofono && !lAvertisPriMikrofono) {
        lAvertisPriMikrofono = true;
        QMessageBox::information(QApplication::activeWindow(), QString(),
                                 TekstoDirekto::tradukita(senMikrofonoTeksto()));
        if (!iras(kuro))
            return;
    }
    ui->PP_Haltu->setFocus(Qt::OtherFocusReason);
    novafrazo();
}

void prononco::novafrazo()
{
    const QString kodo = objectName().right(4);
    const QString leciono = kodo.left(2);
    if (!ui->PP_Haltu->isEnabled())
        return;
    const int kuro = iKuro;
    ui->butonujo->setEnabled(false);
    ui->PP_Kiomope->setEnabled(false);
    ui->Tempujo->setEnabled(false);
    int elektita = iKiomope;
    if (ui->radio1->isChecked())
        elektita = 1;
    else if (ui->radio2->isChecked())
        elektita = 2;
    else if (ui->radio4->isChecked())
        elektita = 4;
    iKiomope = 0;
    const int grandeco = PrononcoKuro::aroGrandeco(elektita, ui->Placar->value());
    for (int s = 0; s < grandeco; ++s) {
        const int i = Kuro.tiru();
        if (i < 0)
            break;
        const QString ero = Kuro.eroj().at(i);
        const int n = PrononcoKuro::numero(ero);
        Aro[s].teksto = n > 0 ? tekstoDeButono(n, leciono) : ero;
        Aro[s].dosiero = PrononcoKuro::klipo(ero, leciono);
        Realaj[s].clear();
        iKiomope = s + 1;
    }
    RegistrasVocxon();
    if (!iras(kuro))
        return;
    ui->butonujo->setEnabled(true);
    ui->PP_Kiomope->setEnabled(true);
    ui->Tempujo->setEnabled(true);
    ui->Placar->setValue(ui->Placar->value() - iKiomope);
    if (ui->Placar->value() < 1 || iKiomope == 0)
        on_PP_Haltu_clicked();
}

void prononco::RegistrasVocxon()
{
    if (!ui->PP_Haltu->isEnabled())
        return;
    const int kuro = iKuro;
    for (int s = 0; s < iKiomope && iras(kuro); ++s) {
        ui->PP_Vorto->setText(Aro[s].teksto);
        ui->bildo->setPixmap(QPixmap(QStringLiteral(":ikonoj/auskultilo.png")));
        ludas(mrLoko + Aro[s].dosiero);
        // Right after play() the player does not know the clip's length
        // yet; a phrase would still sound while the microphone listens.
        atendasModelon(kuro);
        iPauzoj[s] = PrononcoKuro::pauzo(iModelaDauxro);
        Pauzu(PrononcoKuro::pauzo(0));
        if (!iras(kuro))
            return;
        if (lMikrofono) {
            ui->bildo->setPixmap(QPixmap(QStringLiteral(":ikonoj/mikrofono.png")));
            ui->PP_Prog->show();
            Registru(s);
            Pauzu(ui->spinBox->value());
            if (!iras(kuro))
                return;
        }
        ui->bildo->setPixmap(QPixmap());
        ui->PP_Prog->hide();
        ui->PP_Prog->setValue(0);
    }
    if (iras(kuro))
        on_PP_Aud_re_clicked();
}

void prononco::Registru(int slot)
{
    iRegistrata = slot;
    Haltigilo->start(skalitaj_ms(ui->spinBox->value() * 1000.0));
    Registrilo->registru(PrononcoKuro::registrajxo(sRegistrejo, slot));
}

void prononco::ChesasRegistri()
{
    Registrilo->haltu();
    if (iRegistrata < 0 || iRegistrata > 3)
        return;
    // Keep where the recorder says it wrote, as long as that is this slot's
    // file (a recorder may add an extension of its own).
    const QString petita = PrononcoKuro::registrajxo(sRegistrejo, iRegistrata);
    const QString reala = Registrilo->realaVojo();
    if (reala == petita || reala.startsWith(petita + QLatin1Char('.')))
        Realaj[iRegistrata] = reala;
    iRegistrata = -1;
}

void prononco::Progreso(qint64 ms)
{
    ui->PP_Prog->setValue(PrononcoKuro::progreso(ms, ui->spinBox->value()));
}

void prononco::LudasRegistrita(int slot)
{
    if (slot < 0 || slot > 3)
        return;
    const QString vojo =
        Realaj[slot].isEmpty() ? PrononcoKuro::ludotaRegistrajxo(sRegistrejo, slot, sSistemo) : Realaj[slot];
    // Anything may stand where the recording should be; a FIFO would hold
    // the player, and the window with it.
    ludilo()->setMedia(QUrl::fromLocalFile(SpecialaDosiero::anstatauo(vojo)));
    Ludilo->play();
}

void prononco::on_PP_Aud_re_clicked()
{
    if (!ui->PP_Haltu->isEnabled())
        return;
    const int kuro = iKuro;
    ui->butonujo->setEnabled(false);
    ui->bildo->setPixmap(QPixmap(QStringLiteral(":ikonoj/auskultilo.png")));
    ui->PP_Kiomope->setEnabled(false);
    for (int s = 0; s < iKiomope && iras(kuro); ++s) {
        ui->PP_Vorto->setText(Aro[s].teksto);
        mp3(Aro[s].dosiero);
        Pauzu(iPauzoj[s]);
        if (!iras(kuro))
            return;
        if (lMikrofono) {
            LudasRegistrita(s);
            Pauzu(ui->spinBox->value());
        }
    }
    if (!iras(kuro))
        return;
    ui->bildo->setPixmap(QPixmap());
    ui->butonujo->setEnabled(true);
    ui->PP_Kiomope->setEnabled(true);
    ui->PP_Vorto->clear();
    ui->PP_Antauen->setFocus(Qt::OtherFocusReason);
}

void prononco::on_PP_Haltu_clicked()
{
    ui->PP_Kiomope->setEnabled(true);
    ui->bildo->setPixmap(QPixmap());
    ui->PP_Vorto->clear();
    ui->butonujo->setEnabled(false);
    ui->PP_Startu->setEnabled(true);
    ui->PP_Haltu->setEnabled(false);
    ui->Tempujo->setEnabled(true);
    ui->PP_Prog->hide();
    ui->Placar->setValue(0);
    ui->PP_Startu->setFocus(Qt::OtherFocusReason);
}

void prononco::on_PP_Antauen_clicked()
{
    if (ui->Placar->value() < 1)
        on_PP_Haltu_clicked();
    else
        novafrazo();
}

void prononco::on_PP_Mik_re_clicked()
{
    // While the batch is recorded again, next and listen again would start
    // a second sequence inside this one.
    ui->butonujo->setEnabled(false);
    RegistrasVocxon();
}
