// The main window: its construction, its events, its start and the greeting.

#include "lerbo.h"
#include "agordoj.h"
#include "filedownloader.h"
#include "funkcioj.h"
#include "klipoj.h"
#include "konservilo.h"
#include "lingvolisto.h"
#include "saluto.h"
#include "ui_lerbo.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QMediaPlayer>
#include <QScreen>
#include <QScrollArea>
#include <QScroller>
#include <QTime>
#include <QUrl>

lerbo::lerbo(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui_lerbo)
{
    randomize();
    // The learner's font is the application's before the window's widgets
    // are made: set after, it went through all of them once more, and their
    // texts were first measured in Qt's default font, which was loaded for
    // nothing. The translation's language is known later; a language that
    // changes the font (Chinese, Japanese, Korean) sets it again then.
    Agordoj::legas(savasLoko + QStringLiteral("darudaver.ini"));
    QApplication::setFont(lernantaTiparo());
    ui->setupUi(this);

    for (QScrollArea* sa : {ui->scrollArea, ui->scrollArea_3, ui->scrollArea_2, ui->scrollArea_5})
        QScroller::grabGesture(sa->viewport(), QScroller::LeftMouseButtonGesture);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":lerbo5.ico")));

    // The corrector page lies on the course site this program was built for.
    const QUrl korektanto = FileDownloader::kursejo(QStringLiteral("/korektanto.php"));
    ui->label_126->setText(QStringLiteral("<a href=\"") + korektanto.toString(QUrl::FullyEncoded)
                           + QStringLiteral("\"><span style=\" text-decoration: underline; color:#0000ff;\">")
                           + korektanto.toDisplayString(QUrl::RemoveScheme).mid(2).toHtmlEscaped()
                           + QStringLiteral("</span></a>"));

    ui->prog_printilo->hide();
    ui->printilo->hide();
    ui->Sendas->hide();
    ui->Konfig_Label4->hide();
    ui->konfig_send_literoj->hide();
    if (sSistemo == QLatin1String("android") || sSistemo == QLatin1String("ios"))
        ui->tradukilo->hide();
    ui->shanghasKonfigurojn->hide();
    ui->butonujo->hide();
    ui->navigujo->hide();
    ui->paghopiedo->hide();

    // Creating a media player costs more than a sixth of the start; the home
    // page is shown first and the player made while the learner looks at it.
    RegistrasLudilon(this, [this] { return sonludilo(); });
    connect(this, &lerbo::unuaPentrado, this, &lerbo::sonludilo, Qt::QueuedConnection);
    for (int i = 0; i < 13; ++i)
        tradukitaj.append(QString());

    konservilo = new Konservilo([this] { return konservas(); }, this);
    connect(konservilo, &Konservilo::malsukcesis, this, &lerbo::avertasPriKonservado);

    komencakonfiguro();
    ui->Paghujo->setCurrentIndex(0);
    // The language just chosen is kept at once, and the write tells now,
    // not after a whole session, whether anything can be kept at all.
    if (!NeEkzistasTraduko)
        konservilo->konservas();
}

lerbo::~lerbo()
{
    delete ui;
}

void lerbo::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
}

bool lerbo::event(QEvent* e)
{
    const bool rezulto = QMainWindow::event(e);
    if (e->type() == QEvent::Paint && !pentrita) {
        pentrita = true;
        emit unuaPentrado();
    }
    return rezulto;
}

QMediaPlayer* lerbo::sonludilo()
{
    if (!ludilo) {
        ludilo = new QMediaPlayer(this);
        GardasLudilon(ludilo);
    }
    return ludilo;
}

// ---------------------------------------------------------------- window

void lerbo::Centrigas_Fenestron()
{
    const QList<QScreen*> ekranoj = QGuiApplication::screens();
    if (ekranoj.isEmpty())
        return;
    adjustSize();
    QCoreApplication::processEvents();
    const QRect f = frameGeometry();
    const QRect a = ekranoj.first()->availableGeometry();
    move((a.left() + a.right()) / 2 - (f.right() - f.left()) / 2,
         (a.top() + a.bottom()) / 2 - (f.bottom() - f.top()) / 2);
}

void lerbo::Ghustigas_fenestron() {}
void lerbo::Fenestra_Stilo() {}
void lerbo::ReGrandigas_Fenestron() {}
void lerbo::Malgrandigas() {}

// ---------------------------------------------------------------- settings file

void lerbo::komencakonfiguro()
{
    Agordoj::legas(savasLoko + QStringLiteral("darudaver.ini"));
    if (sLingvo.isEmpty() || sTradukoDosiero.isEmpty()) {
        ElektasLingvon();
        iLiterGrando = 11;
        Traduku();
        return;
    }
    if (Lingvolisto::malnova(savasLoko + QStringLiteral("traduklisto.ini"), QDate::currentDate())) {
        elshutilo = new FileDownloader(FileDownloader::kursejo(QStringLiteral("/datumoj/traduklisto.ini")),
                                       QStringLiteral("traduklisto.ini"), this);
        connect(elshutilo, SIGNAL(downloaded()), this, SLOT(aktualigasTradukon()));
    } else {
        Traduku();
    }
}

// ---------------------------------------------------------------- greeting

void lerbo::Saluton()
{
    if (!lSxaltilo)
        return;
    const bool lauHoro = random(2) == 1;
    const int horo = QTime::currentTime().hour();
    const bool tagon = lauHoro && horo >= 5 && horo <= 11 && random(2) == 1;
    const QString vorto = Saluto::vorto(horo, lauHoro, tagon);
    const QStringList klipoj =
        QDir(mrLoko + QStringLiteral("sonoj/"))
            .entryList({vorto + QStringLiteral("?") + mp3_finajho}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (klipoj.isEmpty())
        return;
    const QString nomo = (QStringLiteral("sonoj/") + klipoj.at(random(klipoj.size()))).toLower();
    const QString vojo = mrLoko + nomo;
    sonludilo()->setMedia(klipoj::adreso(vojo));
    ludilo->play();
}
