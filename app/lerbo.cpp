#include "lerbo.h"
#include "agordoj.h"
#include "filedownloader.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "klipoj.h"
#include "konservilo.h"
#include "lecionoj.h"
#include "lingvoelekto.h"
#include "lingvolisto.h"
#include "saluto.h"
#include "stilfolio.h"
#include "trad.h"
#include "tradukdosiero.h"
#include "traduko.h"
#include "tradukokontrolo.h"
#include "tradukolisto.h"
#include "ui_lerbo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScroller>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

namespace {

const QString Angla = QStringLiteral("angla.trd");
const QString AnglaNomo = QStringLiteral("English — angla");

// A translation is a file; the writable folder or the resource folder itself is not.
bool estasDosiero(const QString& vojo)
{
    return QFileInfo(vojo).isFile();
}

// The label texts of one section, keyed by the object name from its eighth
// character on ("Konfig_Label3" reads "Label3").
void tradukasEtikedojn(QWidget* radiko, const QString& prefikso, const TradukDosiero& traduko, const QString& sekcio)
{
    const QList<QLabel*> etikedoj = radiko->findChildren<QLabel*>();
    for (QLabel* etikedo : etikedoj) {
        if (!etikedo->objectName().startsWith(prefikso))
            continue;
        const QString sxlosilo = sekcio + QLatin1Char('/') + etikedo->objectName().mid(7);
        etikedo->setText(traduko.value(sxlosilo, NeTradukita).toString());
    }
}

// The tab widget of the lesson shown on a page of the main window; null on
// the home, settings and credits pages.
QTabWidget* lecionaTabulo(QWidget* pagho)
{
    return pagho ? pagho->findChild<QTabWidget*>() : nullptr;
}

} // namespace

lerbo::lerbo(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui_lerbo)
{
    randomize();
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

// The first start: the language dialog, run modally without a parent, sets
// sLingvo and sTradukoDosiero and downloads the chosen file.
void lerbo::ElektasLingvon()
{
    sLingvo.clear();
    sTradukoDosiero.clear();
    {
        lingvoelekto dialogo;
        dialogo.exec();
    }

    // A dialog closed without a choice leaves no usable file name: English,
    // with nothing to tell. A chosen language whose file could not be fetched
    // keeps its name, so that Traduku() says which file is missing before it
    // falls back to English.
    if (sLingvo.isEmpty() || sTradukoDosiero.isEmpty()) {
        sLingvo = AnglaNomo;
        sTradukoDosiero = Angla;
    }
}

void lerbo::SavasKonfig()
{
    const QString vojo = Agordoj::dosiero();
    if (Agordoj::skribas(vojo))
        return;
    if (senHomo) {
        dirasPerdon();
        return;
    }
    perdoDirita = true;
    QMessageBox kesto(QApplication::activeWindow());
    kesto.setIcon(QMessageBox::Warning);
    kesto.setText(QStringLiteral("The settings could not be saved in ") + QDir::toNativeSeparators(vojo)
                  + QStringLiteral(". Your changes of this session are lost."));
    kesto.exec();
}

bool lerbo::konservas()
{
    // Only lessons whose answers changed since their last save are written:
    // a page turn would otherwise rewrite the file once for every lesson
    // opened in this session. A lesson whose write failed stays in the list.
    bool bone = true;
    const QList<QPointer<QTabWidget>> tabuloj = std::exchange(sxangxitaj, {});
    for (const QPointer<QTabWidget>& leciono : tabuloj) {
        if (leciono && !SxargxasEk(leciono, true)) {
            bone = false;
            sxangxitaj.append(leciono);
        }
    }
    return Agordoj::skribas(Agordoj::dosiero()) && bone;
}

void lerbo::konservasFine()
{
    if (!konservas())
        dirasPerdon();
}

void lerbo::dirasPerdon()
{
    if (perdoDirita)
        return;
    perdoDirita = true;
    const QString teksto = QStringLiteral("darudaver: The settings could not be saved in ")
                           + QDir::toNativeSeparators(Agordoj::dosiero())
                           + QStringLiteral(". The answers typed and the changes made in this session since the last "
                                            "save could not be written and are lost.\n");
    std::fputs(teksto.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void lerbo::sxangxisRespondon(QTabWidget* leciono)
{
    if (!sxangxitaj.contains(leciono))
        sxangxitaj.append(leciono);
    konservilo->sxangxis();
}

// Said when the save fails, the first time since one succeeded: at start
// before the window shows, or while the learner works, without stopping
// the exercise that runs.
void lerbo::avertasPriKonservado()
{
    const QString teksto = QStringLiteral("Your settings and answers cannot be saved in ")
                           + QDir::toNativeSeparators(Agordoj::dosiero())
                           + QStringLiteral(". What you change or type will be lost when the program ends, unless "
                                            "that folder can be written.");
    // At an end from outside the loss is said once, on standard error.
    if (senHomo)
        return;
    if (!isVisible()) {
        QMessageBox kesto(QMessageBox::Warning, QString(), teksto);
        kesto.exec();
        return;
    }
    auto* kesto = new QMessageBox(QMessageBox::Warning, QString(), teksto, QMessageBox::Ok, this);
    kesto->setAttribute(Qt::WA_DeleteOnClose);
    kesto->open();
}

// ---------------------------------------------------------------- greeting, shutdown

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

void lerbo::on_Eliri_clicked()
{
    close();
}

void lerbo::FermasOrde()
{
    senHomo = true;
    // Boxes and dialogs first: each runs a loop of its own that the close
    // would otherwise wait for. A few rounds, since one can open another.
    for (int i = 0; i < 8; ++i) {
        QWidget* modalo = QApplication::activeModalWidget();
        if (!modalo || modalo == this)
            break;
        modalo->close();
        QCoreApplication::processEvents();
    }
    if (ui->Paghujo->currentIndex() != 0)
        ui->Hejmo->click();
    if (close())
        QCoreApplication::quit();
    else
        senHomo = false;
}

void lerbo::closeEvent(QCloseEvent* e)
{
    if (ui->Paghujo->currentIndex() != 0) {
        ui->Hejmo->click();
        e->ignore();
        return;
    }
    // Unsaved work in the translation editor is saved first, or the volunteer
    // goes back to it and the window stays open. At an end from outside
    // nobody can go back: the work is kept without a question.
    if (redaktilo && senHomo) {
        redaktilo->GardasLaboron();
    } else if (redaktilo && !redaktilo->FinasLaboron()) {
        e->ignore();
        return;
    }
    Adiau();
    const QList<QTabWidget*> langetujoj = ui->Paghujo->findChildren<QTabWidget*>();
    for (QTabWidget* leciono : langetujoj) {
        if (leciono->objectName().startsWith(QLatin1String("Lec"))
            || leciono->objectName() == QLatin1String("Fina_Ekzameno"))
            savasRespondojn(leciono);
    }
    // Saved just now: no late save may warn again as the window goes.
    disconnect(konservilo, nullptr, this, nullptr);
    SavasKonfig();
    QString provizora = QDir::tempPath();
    if (!provizora.endsWith(QLatin1Char('/')))
        provizora += QLatin1Char('/');
    for (int n = 0; n < 4; ++n)
        QFile::remove(provizora + QStringLiteral("prononco") + QString::number(n) + QStringLiteral(".raw"));
    if (lSxaltilo)
        atendasAdiauon();
    e->accept();
}

// Lets the farewell be heard to its end, but not for ever: a clip that never
// loads (no sound device, a missing file) must not keep the program alive.
void lerbo::atendasAdiauon()
{
    if (!ludilo)
        return;
    auto okupata = [this] {
        const QMediaPlayer::MediaStatus stato = ludilo->mediaStatus();
        return stato == QMediaPlayer::LoadingMedia || stato == QMediaPlayer::BufferingMedia
               || ludilo->state() == QMediaPlayer::PlayingState;
    };
    if (!okupata())
        return;
    QEventLoop buklo;
    auto kontrolas = [&] {
        if (!okupata())
            buklo.quit();
    };
    connect(ludilo, &QMediaPlayer::stateChanged, &buklo, kontrolas);
    connect(ludilo, &QMediaPlayer::mediaStatusChanged, &buklo, kontrolas);
    QTimer::singleShot(qMax(1, skalitaj_ms(AdiauLimoMs)), &buklo, &QEventLoop::quit);
    buklo.exec();
}

// The learner's written answers of an opened lesson live in the settings file.
void lerbo::savasRespondojn(QTabWidget* leciono)
{
    SxargxasEk(leciono, true);
}

void lerbo::restarigasRespondojn(QTabWidget* leciono)
{
    SxargxasEk(leciono, false);
    gardasRespondojn(leciono);
}

// Typing is kept a moment after it stops, and a page turned keeps the
// page and the answers at once.
void lerbo::gardasRespondojn(QTabWidget* leciono)
{
    const auto sxangxis = [this, leciono] { sxangxisRespondon(leciono); };
    for (QWidget* kampo : RespondoKampoj(leciono)) {
        if (auto* linio = qobject_cast<QLineEdit*>(kampo))
            connect(linio, &QLineEdit::textChanged, konservilo, sxangxis);
        else if (auto* teksto = qobject_cast<QPlainTextEdit*>(kampo))
            connect(teksto, &QPlainTextEdit::textChanged, konservilo, sxangxis);
    }
    connect(leciono, &QTabWidget::currentChanged, this, &lerbo::forlasasPaghon);
}

// Leaving a lesson page for another page of the main window.
void lerbo::forlasasLecionon()
{
    if (lecionaTabulo(ui->Paghujo->currentWidget()))
        forlasasPaghon();
}

// Answers typed on the page left are written at once; a page turn alone
// only moves the page to reopen, which is written a moment later with the
// next save: a write reaches the disk before it returns, and a learner
// turning pages must not wait for the disk each time.
void lerbo::forlasasPaghon()
{
    if (sxangxitaj.isEmpty())
        konservilo->sxangxis();
    else
        konservilo->konservas();
}

// A lesson's texts come from its section of the translation; the widget-tree
// translation joins here (Trad(pagho, sekcio)).
void lerbo::tradukasLecionon(QWidget* pagho, const QString& sekcio)
{
    Trad(pagho, sekcio);
}

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
    QCoreApplication::processEvents();
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

void lerbo::on_label_Kie_clicked()
{
    on_KieButono_clicked();
}

void lerbo::on_label_Kio_clicked()
{
    on_KioEstas_clicked();
}

void lerbo::on_label_Kiel_clicked()
{
    on_KielUzi_clicked();
}

void lerbo::on_label_Eliri_clicked()
{
    on_Eliri_clicked();
}

void lerbo::on_label_Kreditoj_clicked()
{
    on_Kreditoj_clicked();
}

void lerbo::on_label_Konfiguroj_clicked()
{
    on_Konfigurado_clicked();
}

// ---------------------------------------------------------------- fonts and style sheets

void lerbo::ShanghasTiparStilon()
{
    const int t = ghustigas_tiparon(iLiterGrando);
    const int e = ghustigas_tiparon(iLiterGrandoEo);
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
    tiparo.setPointSize(t);
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

// ---------------------------------------------------------------- help, credits, footer

void lerbo::montrasPaghon(const QString& nomo)
{
    if (QWidget* pagho = ui->Paghujo->findChild<QWidget*>(nomo))
        ui->Paghujo->setCurrentWidget(pagho);
}

void lerbo::on_KioEstas_clicked()
{
    QDesktopServices::openUrl(QUrl(helpdosiero(QStringLiteral("kio"))));
}

void lerbo::on_KielUzi_clicked()
{
    QDesktopServices::openUrl(QUrl(helpdosiero(QStringLiteral("kiel"))));
}

void lerbo::on_Kreditoj_clicked()
{
    montrasPaghon(QStringLiteral("Pagho_Kreditoj"));
    ui->Kredit->setCurrentIndex(0);
    ui->butonujo->show();
}

void lerbo::on_Konfigurado_clicked()
{
    montrasPaghon(QStringLiteral("Pagho_Konfigurado"));
    ui->butonujo->show();
    ui->shanghasKonfigurojn->show();
}

void lerbo::on_butono_androjdo_clicked()
{
    ui->paghopiedo->setVisible(ui->paghopiedo->isHidden());
}

// The footer's send and print buttons stay hidden on this platform; the send
// page's own button is the learner's way to the corrector.
void lerbo::on_Sendas_clicked()
{
    QTabWidget* leciono = lecionaTabulo(ui->Paghujo->currentWidget());
    if (!leciono)
        return;
    Sendas(leciono->currentWidget(), leciono->currentIndex() + 1);
}

void lerbo::on_printilo_clicked()
{
    QTabWidget* leciono = lecionaTabulo(ui->Paghujo->currentWidget());
    if (!leciono)
        return;
    Sendas_Printilo(leciono, QStringLiteral("Leciono ") + leciono->objectName().mid(3, 2), ui->prog_printilo);
}

// For whoever prepares the list of keys the translation editor offers: the
// list lies among the resources, so it is written only where that path is a
// writable file.
void lerbo::listigas_trad()
{
    ListigasTradukendajn(ui->Paghujo, QStringLiteral(":/tradukoj/tradukendaj.tdf"));
}

// ---------------------------------------------------------------- the translation editor

void lerbo::on_tradukilo_clicked()
{
    if (!redaktilo) {
        redaktilo = new traduko(this);
        redaktilo->setWindowModality(Qt::NonModal);
        QCoreApplication::processEvents();
        QFont tiparo(sTiparoEo);
        tiparo.setPointSize(ghustigas_tiparon(iLiterGrandoEo));
        redaktilo->setFont(tiparo);
        connect(redaktilo, &traduko::novapagho, this, &lerbo::lokigas_paghotrad, Qt::DirectConnection);
        connect(redaktilo, &traduko::novafrazo, this, &lerbo::lokigas_frazotrad, Qt::DirectConnection);
    }
    redaktilo->show();
    redaktilo->raise();
    redaktilo->activateWindow();
}

void lerbo::lokigas_paghotrad(const QString& novapagho)
{
    static const QRegularExpression lecionaPagho(QStringLiteral("^Pagho(0[1-9]|1[0-3])$"));
    if (!lecionaPagho.match(novapagho).hasMatch())
        return;
    const int numero = novapagho.right(2).toInt();
    ShanghasPaghon(novapagho, lecionoj[numero - 1]);
}

// Frames the text the volunteer is translating and brings it into view;
// only one text carries the frame at a time.
void lerbo::lokigas_frazotrad(const QString& novapagho, const QString& novafrazo)
{
    QWidget* pagho = ui->Paghujo->findChild<QWidget*>(novapagho);
    if (!pagho)
        return;
    auto kadrigas = [this](QLabel* etikedo) {
        if (lastaKadro)
            lastaKadro->setFrameShape(QFrame::NoFrame);
        etikedo->setFrameShape(QFrame::Box);
        lastaKadro = etikedo;
    };
    if (novafrazo.startsWith(QLatin1String("Lec"))) {
        QTabWidget* leciono = lecionaTabulo(pagho);
        QLabel* etikedo = leciono ? leciono->findChild<QLabel*>(novafrazo) : nullptr;
        QScrollArea* rulumo = nullptr;
        for (QWidget* w = etikedo ? etikedo->parentWidget() : nullptr; w; w = w->parentWidget()) {
            if (QLatin1String(w->metaObject()->className()) == QLatin1String("QScrollArea")) {
                rulumo = static_cast<QScrollArea*>(w);
                break;
            }
        }
        // A label outside every scroll area has no page to turn to.
        const int indekso = rulumo ? leciono->indexOf(rulumo->parentWidget()) : -1;
        if (etikedo && indekso >= 0) {
            leciono->setCurrentIndex(indekso);
            komencas_navigujon();
            kadrigas(etikedo);
            rulumo->ensureWidgetVisible(etikedo, 50, 50);
        }
    }
    if (novapagho == QLatin1String("Pagho_Konfigurado")) {
        if (QLabel* etikedo = pagho->findChild<QLabel*>(novafrazo))
            kadrigas(etikedo);
    }
}

// ---------------------------------------------------------------- the translation

void lerbo::Traduku()
{
    // A refused download leaves the file that was there before; the learner
    // hears of it once.
    const QString malakceptita = FileDownloader::malakceptitaNeDirita();
    if (!malakceptita.isEmpty()) {
        QMessageBox kesto(QApplication::activeWindow());
        kesto.setIcon(QMessageBox::Warning);
        kesto.setText(QStringLiteral("The downloaded translation file ") + malakceptita
                      + QStringLiteral(" is damaged and was not used. The translation already on this computer "
                                       "stays in use."));
        kesto.exec();
    }

    // Only a bare file name may become a path; a damaged copy in the
    // writable folder gives way to the built-in one of the same name.
    const bool validaNomo = TradukoListo::ValidaDosierNomo(sTradukoDosiero);
    QString vojo;
    if (validaNomo && TradukoKontrolo::legeblaDosiero(savasLoko + sTradukoDosiero)) {
        vojo = savasLoko + sTradukoDosiero;
    } else if (validaNomo && TradukoKontrolo::legeblaDosiero(TradukUjo() + sTradukoDosiero)) {
        vojo = TradukUjo() + sTradukoDosiero;
    } else {
        QMessageBox kesto(QApplication::activeWindow());
        vojo = TradukUjo() + Angla;
        if (estasDosiero(vojo)) {
            kesto.setIcon(QMessageBox::Warning);
            kesto.setText(QStringLiteral("The translation file ") + sTradukoDosiero
                          + QStringLiteral(" could not be found. English translation will be used as default."));
            kesto.exec();
            sTradukoDosiero = Angla;
            sLingvo = AnglaNomo;
        } else {
            kesto.setIcon(QMessageBox::Critical);
            kesto.setText(QStringLiteral("The translation file ") + sTradukoDosiero
                          + QStringLiteral(" could not be found. The English translation file (angla.trd) could "
                                           "not be found either. \nPlease check the path or reinstall Lerbo. "
                                           "\nProgram will quit now."));
            kesto.exec();
            NeEkzistasTraduko = true;
            QCoreApplication::exit(1);
        }
    }

    TradukDosiero traduko(vojo);
    sTradukinto = traduko.value(QStringLiteral("Traduko/Tradukinto"), QString()).toString();
    sLingvoID = traduko.value(QStringLiteral("Traduko/LingvoID"), QStringLiteral("en")).toString();

    traduko.beginGroup(QStringLiteral("Mesagxoj"));
    const QList<QPair<QString*, QString>> mesagxoj = {
        {&smRekomencu, QStringLiteral("smRekomencu")}, {&smGratulon, QStringLiteral("smGratulon")},
        {&smDenove, QStringLiteral("smDenove")},       {&smModifis, QStringLiteral("smModifis")},
        {&smTondujo, QStringLiteral("smTondujo")},     {&smDevasHaviKor, QStringLiteral("smDevasHaviKor")},
        {&smDevasSavi, QStringLiteral("smDevasSavi")}, {&smKoverto, QStringLiteral("smKoverto")},
        {&smDisketo, QStringLiteral("smDisketo")},     {&smPordo, QStringLiteral("smPordo")},
        {&smLigilo, QStringLiteral("smLigilo")},       {&Antauen, QStringLiteral("Antauen")},
        {&Nuligi, QStringLiteral("Nuligi")},           {&smNeSono, QStringLiteral("smNeSono")}};
    for (const auto& m : mesagxoj)
        *m.first = traduko.value(m.second, NeTradukita).toString();
    traduko.endGroup();

    Direkto = traduko.value(QStringLiteral("Traduko/Direkto"), QStringLiteral("LTR")).toString();
    QGuiApplication::setLayoutDirection(Direkto == QLatin1String("LTR") ? Qt::LeftToRight : Qt::RightToLeft);

    traduko.beginGroup(QStringLiteral("Menuo"));
    ui->label_Kio->setText(traduko.value(QStringLiteral("KioEstas"), NeTradukita).toString());
    ui->label_Kiel->setText(traduko.value(QStringLiteral("KielUzi"), NeTradukita).toString());
    const QString konfigurado = traduko.value(QStringLiteral("Konfigurado"), NeTradukita).toString();
    ui->label_Konfiguroj->setText(konfigurado);
    ui->Label_Konfigurado->setText(konfigurado);
    const QString kreditoj = traduko.value(QStringLiteral("Kreditoj"), NeTradukita).toString();
    ui->label_Kreditoj->setText(kreditoj);
    ui->Label_Kreditoj->setText(kreditoj);
    ui->label_Eliri->setText(traduko.value(QStringLiteral("Eliri"), NeTradukita).toString());
    ui->label_Kie->setText(traduko.value(QStringLiteral("KieButono"), NeTradukita).toString());
    traduko.endGroup();

    tradukasEtikedojn(ui->Pagho_Konfigurado, QStringLiteral("Konfig"), traduko, QStringLiteral("Konfig"));
    // The letter-system buttons show Esperanto text: one mark keeps it
    // left-to-right in a right-to-left interface, however often the
    // translation is loaded.
    for (QRadioButton* butono : {ui->radioButton, ui->radioButton_2, ui->radioButton_3}) {
        QString teksto = butono->text();
        while (teksto.endsWith(MarkoLTR))
            teksto.chop(1);
        butono->setText(teksto + MarkoLTR);
    }
    tradukasEtikedojn(ui->Kredit, QStringLiteral("Kredit"), traduko, QStringLiteral("Menuo4"));
    ui->Tradukinto->setText(sTradukinto);

    ListigasLingvojn();
    // A fallback to English changed the language to keep.
    konservilo->sxangxis();
}

void lerbo::aktualigasTradukon()
{
    if (!TradukoListo::ValidaDosierNomo(sTradukoDosiero)) {
        Traduku();
        return;
    }
    IniDosiero loka(savasLoko + sTradukoDosiero);
    sLingvoID = loka.value(QStringLiteral("Traduko/LingvoID"), QStringLiteral("en")).toString();
    const QDate dato =
        QDate::fromString(loka.value(QStringLiteral("Traduko/Dato"), QStringLiteral("01.01.2000")).toString(),
                          QStringLiteral("dd.MM.yyyy"));
    if (Lingvolisto::pliNova(savasLoko + QStringLiteral("traduklisto.ini"), sTradukoDosiero, sLingvoID, dato)) {
        elshutilo = new FileDownloader(FileDownloader::kursejo(QStringLiteral("/datumoj/tradukoj/") + sTradukoDosiero),
                                       sTradukoDosiero, this);
        connect(elshutilo, SIGNAL(downloaded()), this, SLOT(Traduku()));
        return;
    }
    Traduku();
}

void lerbo::ListigasLingvojn()
{
    // A second load (after a change of language) lists the languages afresh
    // instead of appending them again; rows and entries stay aligned by index.
    lingvoj = TradukoListo::disponeblaj(savasLoko + QStringLiteral("traduklisto.ini"), QStringLiteral("?????????"));
    {
        const QSignalBlocker b(ui->Lingvo);
        ui->Lingvo->clear();
        for (const QStringList& ero : qAsConst(lingvoj))
            ui->Lingvo->addItem(ero.at(1));
    }
    Konfiguru();
}

// ---------------------------------------------------------------- lesson navigation

void lerbo::ShanghasPaghon(const QString& Nomo, QFrame* lecionujo)
{
    QWidget* pagho = ui->Paghujo->findChild<QWidget*>(Nomo);
    if (!pagho)
        return;
    if (pagho != ui->Paghujo->currentWidget())
        forlasasLecionon();
    const int numero = Nomo.right(2).toInt();
    // Set here rather than by the home page's buttons, so that a lesson
    // opened another way (the translation editor opens lessons by page
    // name) never shows the accusative exercise of the lesson opened before.
    if (const LecionaDatumo* d = LecionaDatumoj(numero); d && !d->akuzativo.isEmpty())
        EkzercoAkuzativoTrad = d->akuzativo;
    if (!lecionujo && numero >= 1 && numero <= 13) {
        // Before the lesson is built: set on a page that holds it, the sheet
        // styled every widget of the lesson once more.
        pagho->setStyleSheet(
            sSistemo == QLatin1String("osx")
                ? QStringLiteral("QTabWidget::pane {top: -1em;}   QTabBar::tab {height: 0px; width: 0px;} "
                                 "QTabWidget::tab-bar {height: 0px; width: 0px;}")
                : QStringLiteral("QTabBar::tab {height: 0px; width: 0px;} QTabWidget::tab-bar {height: 0px; "
                                 "width: 0px;}"));
        lecionujo = KreasLecionon(numero, pagho);
        if (lecionujo) {
            lecionoj[numero - 1] = lecionujo;
            if (pagho->layout())
                pagho->layout()->addWidget(lecionujo);
            const QList<QTabWidget*> tabuloj = pagho->findChildren<QTabWidget*>();
            for (QTabWidget* t : tabuloj) {
                if (t->objectName().startsWith(QLatin1String("Lec"))
                    || t->objectName() == QLatin1String("Fina_Ekzameno"))
                    restarigasRespondojn(t);
            }
            const QList<QScrollArea*> rulumoj = pagho->findChildren<QScrollArea*>();
            for (QScrollArea* sa : rulumoj)
                sa->setWidgetResizable(false);
            QCoreApplication::processEvents();
        }
    }
    ui->Paghujo->setCurrentWidget(pagho);

    if (QTabWidget* leciono = lecionaTabulo(pagho); leciono && numero >= 1 && numero <= 13) {
        if (tradukitaj.at(numero - 1) != sTradukoDosiero) {
            tradukasLecionon(pagho, leciono->objectName());
            tradukitaj[numero - 1] = sTradukoDosiero;
        }
        const int i = leciono->currentIndex();
        if (i == 0 || (i == LastaPagxo && ui->Paghujo->currentIndex() == LastaLeciono)) {
            if (QWidget* nuna = leciono->currentWidget()) {
                const QList<QScrollArea*> rulumoj = nuna->findChildren<QScrollArea*>();
                for (QScrollArea* sa : rulumoj)
                    sa->setWidgetResizable(true);
            }
        }
        // A page the lesson does not have (a damaged file) opens its first.
        if (LastaPagxo < 0 || LastaPagxo >= leciono->count())
            LastaPagxo = 0;
        if (ui->Paghujo->currentIndex() == LastaLeciono) {
            leciono->setCurrentIndex(LastaPagxo);
        } else {
            LastaPagxo = 0;
            leciono->setCurrentIndex(0);
        }
        LastaLeciono = ui->Paghujo->currentIndex();
    }
    ui->butonujo->show();
    ui->paghopiedo->hide();
    ui->navigujo->show();
    ui->Paghujo->updateGeometry();
    komencas_navigujon();
}

void lerbo::komencas_navigujon()
{
    const QString direkto = IniDosiero(TradukoVojo(sTradukoDosiero))
                                .value(QStringLiteral("Traduko/Direkto"), QStringLiteral("LTR"))
                                .toString();
    const QIcon malantauen(QStringLiteral(":/ikonoj_androjdo/baseline_arrow_back_black_36.png"));
    const QIcon antauen(QStringLiteral(":/ikonoj_androjdo/baseline_arrow_forward_black_36.png"));
    const bool ltr = direkto == QLatin1String("LTR");
    ui->maldekstren->setIcon(ltr ? malantauen : antauen);
    ui->dekstren->setIcon(ltr ? antauen : malantauen);

    if (QTabWidget* leciono = lecionaTabulo(ui->Paghujo->currentWidget())) {
        ui->kiom_da_paghoj->setText(QString::number(leciono->currentIndex() + 1) + QLatin1Char('/')
                                    + QString::number(leciono->count()));
        const QString kadro = leciono->parentWidget() ? leciono->parentWidget()->objectName() : QString();
        ui->leciono->setPixmap(
            QPixmap(QStringLiteral(":/ikonoj_androjdo/hejmo/leciono") + kadro.mid(3) + QStringLiteral(".png")));
    }
    ui->shanghasKonfigurojn->hide();
}

void lerbo::malfermasLecionon(int numero)
{
    ShanghasPaghon(QStringLiteral("Pagho%1").arg(numero, 2, 10, QLatin1Char('0')), lecionoj[numero - 1]);
}

void lerbo::on_Leciono1_clicked()
{
    malfermasLecionon(1);
}
void lerbo::on_Leciono2_clicked()
{
    malfermasLecionon(2);
}
void lerbo::on_Leciono3_clicked()
{
    malfermasLecionon(3);
}
void lerbo::on_Leciono4_clicked()
{
    malfermasLecionon(4);
}
void lerbo::on_Leciono5_clicked()
{
    malfermasLecionon(5);
}
void lerbo::on_Leciono6_clicked()
{
    malfermasLecionon(6);
}
void lerbo::on_Leciono7_clicked()
{
    malfermasLecionon(7);
}
void lerbo::on_Leciono8_clicked()
{
    malfermasLecionon(8);
}
void lerbo::on_Leciono9_clicked()
{
    malfermasLecionon(9);
}
void lerbo::on_Leciono10_clicked()
{
    malfermasLecionon(10);
}
void lerbo::on_Leciono11_clicked()
{
    malfermasLecionon(11);
}
void lerbo::on_Leciono12_clicked()
{
    malfermasLecionon(12);
}
void lerbo::on_Leciono13_clicked()
{
    malfermasLecionon(13);
}

void lerbo::on_KieButono_clicked()
{
    if (LastaLeciono < 1 || LastaLeciono > 13)
        return;
    if (auto* butono = findChild<QPushButton*>(QStringLiteral("Leciono") + QString::number(LastaLeciono)))
        butono->click();
}

// Pages turn round: past the last comes the first.
void lerbo::on_dekstren_clicked()
{
    QTabWidget* leciono = lecionaTabulo(ui->Paghujo->currentWidget());
    if (!leciono || leciono->count() == 0)
        return;
    const int n = leciono->count();
    const int nova = leciono->currentIndex() == n - 1 ? 0 : leciono->currentIndex() + 1;
    ui->kiom_da_paghoj->setText(QString::number(nova + 1) + QLatin1Char('/') + QString::number(n));
    leciono->setCurrentIndex(nova);
}

void lerbo::on_maldekstren_clicked()
{
    QTabWidget* leciono = lecionaTabulo(ui->Paghujo->currentWidget());
    if (!leciono || leciono->count() == 0)
        return;
    const int n = leciono->count();
    const int nova = leciono->currentIndex() == 0 ? n - 1 : leciono->currentIndex() - 1;
    ui->kiom_da_paghoj->setText(QString::number(nova + 1) + QLatin1Char('/') + QString::number(n));
    leciono->setCurrentIndex(nova);
}

void lerbo::on_Hejmo_clicked()
{
    forlasasLecionon();
    ui->shanghasKonfigurojn->hide();
    ui->navigujo->hide();
    ui->butonujo->hide();
    ui->paghopiedo->hide();
    ui->Paghujo->setCurrentIndex(0);
}

void lerbo::montras_koverton(bool sendas, int indekso)
{
    Q_UNUSED(sendas);
    LastaPagxo = indekso;
}
