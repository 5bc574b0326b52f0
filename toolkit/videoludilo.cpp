#include "videoludilo.h"
#include "funkcioj.h"
#include "klipoj.h"
#include "ui_videoludilo.h"

#include <QMediaPlayer>
#include <QMouseEvent>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace {
const QString kPostera = QStringLiteral("border: 8px solid Black; ");
const QString kLudanta = QStringLiteral("border: 16px solid Black; ");
} // namespace

videoludilo::videoludilo(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::videoludilo)
{
    ui->setupUi(this);
    if (sSistemo == QLatin1String("android"))
        return;

    ludilo = new QMediaPlayer(this);
    ujo = new QWidget(this);
    auto* ujaArangho = new QVBoxLayout(ujo);
    ujaArangho->setSpacing(0);
    ujaArangho->setContentsMargins(0, 0, 0, 0);
    ekrano = new QVideoWidget(ujo);
    ekrano->setMinimumSize(320, 240);
    ujaArangho->addWidget(ekrano);
    ludilo->setVideoOutput(ekrano);

    setMinimumSize(352, 272);
    setMaximumSize(352, 272);
    setStyleSheet(kPostera);
    ui->verticalLayout->addWidget(ujo, 0, Qt::AlignCenter);
    connect(ludilo, &QMediaPlayer::mediaStatusChanged, this, &videoludilo::finite);
    // A damaged or unreadable file shows itself only once the player tries
    // it; before the learner asks for the video nothing is said.
    connect(ludilo, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, [this](QMediaPlayer::Error e) {
        if (e != QMediaPlayer::NoError && !ujo->isHidden())
            neLudebla();
    });
    ujo->hide();
}

videoludilo::~videoludilo()
{
    delete ui;
}

QString videoludilo::vojo()
{
    return QStringLiteral("video/lec02/ziv_video") + video_finajho;
}

void videoludilo::showEvent(QShowEvent* e)
{
    QFrame::showEvent(e);
    if (preta || !ludilo)
        return;
    QWidget* w = parentWidget();
    while (w && qstrcmp(w->metaObject()->className(), "QScrollArea") != 0)
        w = w->parentWidget();
    rulumejo = static_cast<QScrollArea*>(w);
    // Once only: showing the page again must not rewind the video. A FIFO
    // there would hold the window until someone wrote to it.
    ludilo->setMedia(klipoj::adreso(mrLoko + vojo()));
    preta = true;
}

void videoludilo::mousePressEvent(QMouseEvent* e)
{
    if (!ludilo || e->buttons() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    if (ludilo->state() != QMediaPlayer::PlayingState) {
        if (ludilo->state() == QMediaPlayer::StoppedState) {
            const QString dosiero = mrLoko + vojo();
            // A missing or empty file may never make the player report an
            // error.
            if (!klipoj::ludebla(dosiero)) {
                neLudebla();
                e->accept();
                return;
            }
            // The media folder may have been made or mended since the file
            // failed, or since the page was shown with something else in its
            // place: the player takes the file afresh. A player that failed
            // on a file (when told to play, or as it loaded the file behind
            // the poster), or was handed one that was missing, would not try
            // it again.
            const QUrl adreso = klipoj::adreso(dosiero);
            if (malsukcesis || ludilo->error() != QMediaPlayer::NoError
                || ludilo->mediaStatus() == QMediaPlayer::InvalidMedia || ludilo->media().request().url() != adreso) {
                ludilo->setMedia(adreso);
                malsukcesis = false;
            }
        }
        ui->startilo->hide();
        setStyleSheet(kLudanta);
        ujo->show();
        ludilo->play();
        if (rulumejo)
            rulumejo->setWidgetResizable(true);
    } else {
        ludilo->pause();
    }
    e->accept();
}

void videoludilo::finite()
{
    if (!ludilo)
        return;
    if (ludilo->mediaStatus() == QMediaPlayer::InvalidMedia && !ujo->isHidden()) {
        neLudebla();
        return;
    }
    if (ludilo->mediaStatus() != QMediaPlayer::EndOfMedia)
        return;
    ujo->hide();
    setStyleSheet(kPostera);
    ui->startilo->show();
    if (rulumejo)
        rulumejo->setWidgetResizable(true);
}

void videoludilo::neLudebla()
{
    malsukcesis = true;
    ludilo->stop();
    ujo->hide();
    setStyleSheet(kPostera);
    ui->startilo->show();
    if (rulumejo)
        rulumejo->setWidgetResizable(true);
    if (neLudeblaDirita)
        return;
    neLudeblaDirita = true;
    DirasNeLudeblan(this);
}
