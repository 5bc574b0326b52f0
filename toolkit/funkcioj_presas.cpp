#include "agordo.h"
#include "funkcioj.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QTabWidget>

namespace {

bool ekzercoPagho(const QWidget* pagho)
{
    return pagho && pagho->objectName().startsWith(QLatin1String("Ekzerco"));
}

QString kursejo()
{
    // The host of the course site without a port, as the learner knows it.
    return QStringLiteral(LERBO_KURSEJO).section(QLatin1Char(':'), 0, 0);
}

QString presaTitolo(const QString& titolo)
{
    return titolo == QLatin1String("Leciono 13") ? QStringLiteral("Fina Ekzameno") : titolo;
}

} // namespace

void Sendas_Printilo(QTabWidget* leciono, QString titolo, QProgressBar* progreso)
{
    if (!leciono)
        return;
    QPrinter presilo(QPrinter::HighResolution);
    presilo.setDocName(presaTitolo(titolo));
    QPrintDialog dialogo(&presilo, leciono);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    PresasEkzercojn(&presilo, leciono, titolo, progreso);
}

// Pictures of the lesson's exercise pages, two to a sheet, under one title
// line on the first sheet. Every tab is shown in turn so that each page is
// laid out before it is drawn.
void PresasEkzercojn(QPrinter* presilo, QTabWidget* leciono, QString titolo, QProgressBar* progreso)
{
    if (!presilo || !leciono || !leciono->currentWidget())
        return;
    titolo = presaTitolo(titolo);
    presilo->setDocName(titolo);

    QPainter pentrilo;
    if (!pentrilo.begin(presilo))
        return;
    const QRect folio = presilo->pageLayout().paintRectPixels(presilo->resolution());
    const QSize grando = leciono->currentWidget()->size();
    const int w = grando.width();
    const int h = grando.height();
    const double sx = double(folio.width()) / (w + 140);
    const double sy = double(folio.height() / 2) / (h + 140);
    const double s = qMin(sx, sy);
    pentrilo.scale(s, s);
    pentrilo.translate(70, 70);

    QFont tiparo = QApplication::font();
    tiparo.setPixelSize(20);
    pentrilo.setFont(tiparo);
    pentrilo.drawText(0, 0,
                      QStringLiteral("Lerbo de Esperanto  -  ") + titolo + QStringLiteral("   (") + kursejo()
                          + QLatin1Char(')'));

    const int kiom = leciono->count();
    if (progreso) {
        progreso->show();
        progreso->setMaximum(kiom + 1);
        progreso->reset();
    }
    const int antaua = leciono->currentIndex();

    // A new sheet is started only for an exercise page still to come, so no
    // empty sheet follows the last one.
    int lasta = -1;
    for (int i = 0; i < kiom; ++i)
        if (ekzercoPagho(leciono->widget(i)))
            lasta = i;

    bool subaDuono = false;
    for (int i = 0; i < kiom; ++i) {
        leciono->setCurrentIndex(i);
        QApplication::processEvents();
        QWidget* pagho = leciono->currentWidget();
        if (ekzercoPagho(pagho)) {
            pagho->render(&pentrilo, pagho->pos(), QRegion(0, 0, pagho->width(), pagho->height()),
                          QWidget::DrawChildren);
            if (subaDuono) {
                if (i < lasta) {
                    presilo->newPage();
                    pentrilo.translate(0, -(h + 70));
                }
                subaDuono = false;
            } else {
                pentrilo.translate(0, h + 70);
                subaDuono = true;
            }
        }
        if (progreso)
            progreso->setValue(i + 1);
    }

    leciono->setCurrentIndex(antaua);
    if (progreso) {
        progreso->reset();
        progreso->hide();
    }
    pentrilo.end();
}
