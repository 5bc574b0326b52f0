// The main window: the lessons and their pages, the home page and the other
// pages it opens.

#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionoj.h"
#include "lerbo.h"
#include "lerbo_interna.h"
#include "tradukovojo.h"
#include "ui_lerbo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QScrollArea>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

// ---------------------------------------------------------------- home page

// The captions forward to their buttons.
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
