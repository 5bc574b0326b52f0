#include "mp3ludilo.h"
#include "funkcioj.h"
#include "klipoj.h"
#include "ui_mp3ludilo.h"

#include <QMediaPlayer>
#include <QTabWidget>
#include <QUrl>

mp3ludilo::mp3ludilo(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::mp3ludilo)
{
    ui->setupUi(this);
    ui->Ludu->setEnabled(true);
    ui->Pauzu->hide();
    ui->Chesu->hide();
}

mp3ludilo::~mp3ludilo()
{
    delete ui;
}

QMediaPlayer* mp3ludilo::sonludilo()
{
    if (!ludilo) {
        ludilo = new QMediaPlayer(this);
        connect(ludilo, SIGNAL(mediaStatusChanged(QMediaPlayer::MediaStatus)), this, SLOT(finite()));
        // A damaged or unreadable file shows itself only once the player tries it.
        connect(ludilo, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, [this](QMediaPlayer::Error e) {
            if (e != QMediaPlayer::NoError)
                neLudebla();
        });
    }
    return ludilo;
}

bool mp3ludilo::ludas() const
{
    return ludilo && ludilo->state() == QMediaPlayer::PlayingState;
}

void mp3ludilo::on_Ludu_clicked()
{
    // Remember the page the recording belongs to; a player outside every
    // lesson keeps none and is never stopped by a page change.
    QWidget* w = parentWidget();
    while (w && qstrcmp(w->metaObject()->className(), "QTabWidget") != 0)
        w = w->parentWidget();
    if (w)
        pagho = static_cast<QTabWidget*>(w)->currentIndex();

    if (ludas()) {
        ludilo->pause();
        setUpdatesEnabled(false);
        ui->Pauzu->hide();
        ui->Ludu->show();
        setUpdatesEnabled(true);
    } else if (ludilo && ludilo->state() == QMediaPlayer::PausedState) {
        ludilo->play();
        setUpdatesEnabled(false);
        ui->Pauzu->show();
        ui->Ludu->hide();
        setUpdatesEnabled(true);
    } else {
        const QString vojo = mrLoko + QStringLiteral("sonoj/") + objectName().left(5).toLower() + QLatin1Char('/')
                             + objectName().mid(6) + mp3_finajho;
        // A missing or empty file may never make the player report an error,
        // and pause and stop would stand there as if it played.
        if (!klipoj::ludebla(vojo)) {
            neLudebla();
            return;
        }
        sonludilo()->setMedia(klipoj::adreso(vojo));
        ludilo->play();
        ui->Chesu->show();
        ui->Pauzu->show();
        ui->Pauzu->setEnabled(true);
        ui->Ludu->hide();
    }
}

void mp3ludilo::on_Pauzu_clicked()
{
    if (!ludas())
        return;
    ludilo->pause();
    setUpdatesEnabled(false);
    ui->Pauzu->hide();
    ui->Ludu->show();
    setUpdatesEnabled(true);
    repaint();
}

void mp3ludilo::on_Chesu_clicked()
{
    ui->Chesu->hide();
    ui->Pauzu->hide();
    ui->Ludu->show();
    if (ludilo)
        ludilo->stop();
    repaint();
}

void mp3ludilo::finite()
{
    if (!ludilo)
        return;
    if (ludilo->mediaStatus() == QMediaPlayer::EndOfMedia)
        on_Chesu_clicked();
    else if (ludilo->mediaStatus() == QMediaPlayer::InvalidMedia)
        neLudebla();
}

void mp3ludilo::neLudebla()
{
    on_Chesu_clicked();
    if (neLudeblaDirita)
        return;
    neLudeblaDirita = true;
    DirasNeLudeblan(this);
}

void mp3ludilo::PaghoShanghita(int indekso)
{
    if (pagho < 0 || indekso == pagho || !ludas())
        return;
    on_Chesu_clicked();
}

void mp3ludilo::PaghoFragoj(int indekso)
{
    // The song's text runs on over the next page.
    if (pagho < 0 || indekso == pagho || indekso == pagho + 1 || !ludas())
        return;
    on_Chesu_clicked();
}
