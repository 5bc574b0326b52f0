#include "ekzercfolio.h"
#include "agordo.h"
#include "funkcioj.h"

#include <QFont>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <cmath>

ekzercfolio::ekzercfolio(const QString& direkto, const QFont& tiparo, const QString& nomo, const QString& titolo,
                         const QString& instrukcio, bool spaco, const QString& sxlosilkapo)
{
    korpo_ = QStringLiteral("<body dir=") + direkto + QStringLiteral(" style=\" font-family:'") + tiparo.family()
             + QStringLiteral("'; font-size:") + QString::number(grando(tiparo))
             + QStringLiteral("pt; font-weight:400; font-style:normal;\">");
    korpo_ += QStringLiteral("<P><h2>Lerbo de Esperanto   -   ") + nomo + QStringLiteral("   (") + adreso()
              + QStringLiteral(")") + MarkoLTR + QStringLiteral("</h2></P>");
    korpo_ += QStringLiteral("<P><B>") + titolo + QStringLiteral("</B></P>");
    korpo_ +=
        QStringLiteral("<P>") + instrukcio + (spaco ? QStringLiteral("</P><P>&nbsp;</P>") : QStringLiteral("</P>"));
    sxlosilo_ = sxlosilkapo;
}

void ekzercfolio::korpo(const QString& html)
{
    korpo_ += html;
}

void ekzercfolio::respondo(int numero, const QString& respondo)
{
    sxlosilo_ += QString::number(numero) + QStringLiteral(")&nbsp;") + respondo + QStringLiteral("&nbsp;&nbsp;&nbsp; ");
}

QString ekzercfolio::html() const
{
    return korpo_ + sxlosilo_ + QStringLiteral("</P>") + QStringLiteral("</body>");
}

int ekzercfolio::grando(const QFont& tiparo)
{
    // A font set in points has no pixel size (Qt reports -1); a sheet in
    // -1 pt would fall back to the document's default, so take the points.
    if (tiparo.pixelSize() > 0)
        return int(std::floor(tiparo.pixelSize() / 1.33333 + 0.5));
    if (tiparo.pointSizeF() > 0)
        return int(std::floor(tiparo.pointSizeF() + 0.5));
    return QFont().pointSize();
}

QString ekzercfolio::adreso()
{
    return QStringLiteral("http://") + QStringLiteral(LERBO_KURSEJO);
}

bool ekzercfolio::demandas(QPrinter* printilo)
{
    QPrintDialog dialogo(printilo);
    return dialogo.exec() == QDialog::Accepted;
}

void ekzercfolio::presas(const QString& html, QPrinter* printilo)
{
    QTextDocument dokumento;
    dokumento.setHtml(html);
    dokumento.adjustSize();
    dokumento.print(printilo);
}

void ekzercfolio::presasFolion(const QString& nomo, const std::function<QString()>& faras)
{
    QPrinter printilo(QPrinter::HighResolution);
    printilo.setDocName(nomo);
    if (!demandas(&printilo))
        return;
    presas(faras(), &printilo);
}
