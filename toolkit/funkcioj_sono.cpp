#include "funkcioj.h"
#include "klipoj.h"
#include "tekstodirekto.h"
#include "verdikto.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

namespace {
QPointer<QWidget> cxefaFenestro;
std::function<QMediaPlayer*()> cxefaLudilo;
} // namespace

// A clip that cannot be played (no media folder, an empty or damaged file,
// no sound device) is told once per run, so that silence is not taken for
// the exercise.
static void NeSono(const QString& teksto)
{
    if (lNeSonoDirita || !cxefaFenestro)
        return;
    lNeSonoDirita = true;
    auto* kesto = new QMessageBox(QMessageBox::Warning, QString(), TekstoDirekto::tradukita(teksto), QMessageBox::Ok,
                                  cxefaFenestro);
    kesto->setAttribute(Qt::WA_DeleteOnClose);
    kesto->open();
}

void DirasNeLudeblan(QWidget* ludilo)
{
    if (!ludilo)
        return;
    auto* kesto = new QMessageBox(QMessageBox::Warning, QString(), TekstoDirekto::tradukita(smNeLudebla),
                                  QMessageBox::Ok, ludilo->window());
    kesto->setAttribute(Qt::WA_DeleteOnClose);
    kesto->open();
}

void RegistrasLudilon(QWidget* fenestro, std::function<QMediaPlayer*()> ludilo)
{
    cxefaFenestro = fenestro;
    cxefaLudilo = std::move(ludilo);
}

void GardasLudilon(QMediaPlayer* ludilo)
{
    QObject::connect(ludilo, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), ludilo,
                     [](QMediaPlayer::Error e) {
                         if (e != QMediaPlayer::NoError)
                             NeSono(smNeSono);
                     });
    QObject::connect(ludilo, &QMediaPlayer::mediaStatusChanged, ludilo, [](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::InvalidMedia)
            NeSono(smNeSono);
    });
}

void mp3(const QString& nomo)
{
    // Only the main window speaks: no clip while a message box, a dialog or
    // the translation editor has the focus.
    if (!cxefaFenestro || !cxefaLudilo || QApplication::activeWindow() != cxefaFenestro)
        return;
    QMediaPlayer* ludilo = cxefaLudilo();
    if (!ludilo)
        return;
    const QString vojo = mrLoko + nomo.toLower();
    // A missing or empty file may never make the player report an error.
    // Told before the player tries it: the error it may report then would
    // blame the sound device.
    if (!klipoj::ludebla(vojo))
        NeSono(smNeLudebla);
    ludilo->setMedia(klipoj::adreso(vojo));
    ludilo->play();
}

void Noteto(bool gxusta)
{
    if (!lNoteto)
        return;
    mp3(gxusta ? QStringLiteral("sonoj/noteto_jes") + mp3_finajho : QStringLiteral("sonoj/noteto_ne") + mp3_finajho);
}

// One of the recorded variants of a word ("jes1.oga", "jes2.oga", ...), or an
// empty text when none is recorded.
static QString variantoDe(const QString& vorto)
{
    const QStringList dosieroj =
        QDir(mrLoko + QStringLiteral("sonoj/"))
            .entryList({vorto + QStringLiteral("?") + mp3_finajho}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (dosieroj.isEmpty())
        return QString();
    return QStringLiteral("sonoj/") + dosieroj.at(random(dosieroj.size()));
}

void Ne()
{
    if (lNoteto) {
        mp3(QStringLiteral("sonoj/noteto_ne") + mp3_finajho);
        Pauzu(2);
    }
    if (lSxaltilo) {
        const QString klipo = variantoDe(QStringLiteral("ne"));
        if (!klipo.isEmpty())
            mp3(klipo);
    }
}

void Jes()
{
    static const QStringList laudoj = {QStringLiteral("jes"),   QStringLiteral("trebone"), QStringLiteral("bonege"),
                                       QStringLiteral("prave"), QStringLiteral("trafe"),   QStringLiteral("korekte")};
    if (lNoteto) {
        mp3(QStringLiteral("sonoj/noteto_jes") + mp3_finajho);
        Pauzu(2);
    }
    if (!lSxaltilo)
        return;
    int w = random(laudoj.size());
    while (w == iLastaFojo)
        w = random(laudoj.size());
    iLastaFojo = w;
    const QString klipo = variantoDe(laudoj.at(w));
    if (!klipo.isEmpty())
        mp3(klipo);
}

void Adiau()
{
    static const QStringList adiauoj = {QStringLiteral("ghis"), QStringLiteral("revido"), QStringLiteral("baldau"),
                                        QStringLiteral("adiau")};
    if (!lSxaltilo)
        return;
    const QString klipo = variantoDe(adiauoj.at(random(adiauoj.size())));
    if (!klipo.isEmpty())
        mp3(klipo);
}

void Mesagxo(int malgxustaj, int gxustaj)
{
    QMessageBox* kesto = new QMessageBox(QApplication::activeWindow());
    kesto->setAttribute(Qt::WA_DeleteOnClose);
    const bool trapasis = Verdikto::trapasas(gxustaj, malgxustaj);
    const QString radiko = trapasis ? QStringLiteral("sonoj/gratulo") : QStringLiteral("sonoj/nebona");
    if (lSxaltilo) {
        QString klipo = radiko + QString::number(random(8) + 1) + mp3_finajho;
        for (int provo = 0; provo < 8 && !QFile::exists(mrLoko + klipo); ++provo)
            klipo = radiko + QString::number(random(8) + 1) + mp3_finajho;
        mp3(klipo);
    } else if (lNoteto) {
        mp3((trapasis ? QStringLiteral("sonoj/noteto_jes") : QStringLiteral("sonoj/noteto_ne")) + mp3_finajho);
    }
    kesto->setText(TekstoDirekto::tradukita(trapasis ? smGratulon : smDenove));
    kesto->setIcon(QMessageBox::Information);
    kesto->exec();
}

namespace {
// A blink running now: its widget, the widget's own style and its wait.
struct Blinko
{
    QPointer<QWidget> w;
    QString propra;
    QEventLoop* buklo = nullptr;
    bool finita = false;
};
QList<Blinko*>& blinkoj()
{
    static QList<Blinko*> listo;
    return listo;
}
} // namespace

void FinasBlinkojn(QWidget* radiko)
{
    if (!radiko)
        return;
    for (Blinko* b : qAsConst(blinkoj())) {
        if (b->finita || !b->w || (b->w != radiko && !radiko->isAncestorOf(b->w)))
            continue;
        b->finita = true;
        b->w->setStyleSheet(b->propra);
        b->buklo->quit();
    }
}

void tekstoblinko(QWidget* w)
{
    if (!w)
        return;
    const QString propra = w->styleSheet();
    QString a, b;
    if (qobject_cast<QRadioButton*>(w)) {
        a = QStringLiteral("background: white;");
        b = QStringLiteral("background: lightBlue;");
    } else {
        const QFont f = w->font();
        const QString grando = f.pointSize() > 0 ? QString::number(f.pointSize()) + QStringLiteral("pt; font-family: ")
                                                 : QString::number(f.pixelSize()) + QStringLiteral("px; font-family: ");
        a = QStringLiteral("font-weight: bold; color: red; font-size: ") + grando + f.family();
        b = QStringLiteral("font-weight: bold; color: white; font-size: ") + grando + f.family();
    }
    const int fazo = skalitaj_ms(Ofteco);
    const int fino = skalitaj_ms(NumSec * 1000.0);
    QPointer<QWidget> gardata(w);
    QElapsedTimer tempo;
    tempo.start();
    int k = 0;
    QEventLoop buklo;
    Blinko blinko{gardata, propra, &buklo};
    QTimer tiktako;
    tiktako.setTimerType(Qt::PreciseTimer);
    auto tiko = [&] {
        if (!gardata || blinko.finita) {
            buklo.quit();
            return;
        }
        const qint64 pasinta = tempo.elapsed();
        if (pasinta >= fino) {
            buklo.quit();
            return;
        }
        if (pasinta >= qint64(fazo) * k) {
            ++k;
            gardata->setStyleSheet(k % 2 ? a : b);
            gardata->update();
        }
    };
    QObject::connect(&tiktako, &QTimer::timeout, &buklo, tiko);
    tiktako.start(qMax(1, fazo / 8));
    tiko();
    if (tempo.elapsed() < fino && gardata) {
        blinkoj().append(&blinko);
        buklo.exec();
        blinkoj().removeAll(&blinko);
    }
    if (gardata && !blinko.finita)
        gardata->setStyleSheet(propra);
}
