// The main window: saving the answers and the settings, and the orderly end.

#include "agordoj.h"
#include "funkcioj.h"
#include "konservilo.h"
#include "lerbo.h"
#include "lerbo_interna.h"
#include "traduko.h"
#include "ui_lerbo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <utility>

// ---------------------------------------------------------------- saving

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
    // The path is anyone's folder name: as rich text a picture named in it
    // would be read, and markup would show as something else.
    kesto.setTextFormat(Qt::PlainText);
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
    // The path, as in SavasKonfig, is shown as written.
    if (!isVisible()) {
        QMessageBox kesto(QMessageBox::Warning, QString(), teksto);
        kesto.setTextFormat(Qt::PlainText);
        kesto.exec();
        return;
    }
    auto* kesto = new QMessageBox(QMessageBox::Warning, QString(), teksto, QMessageBox::Ok, this);
    kesto->setTextFormat(Qt::PlainText);
    kesto->setAttribute(Qt::WA_DeleteOnClose);
    kesto->open();
}

// ---------------------------------------------------------------- the orderly end

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
        // Dismissed, not answered: closing a box would press its escape button.
        if (auto* dialogo = qobject_cast<QDialog*>(modalo))
            dialogo->reject();
        else
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
