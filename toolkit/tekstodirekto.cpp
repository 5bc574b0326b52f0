#include "tekstodirekto.h"
#include "funkcioj.h"

#include <QLabel>
#include <QStringList>
#include <QTextDocument>

namespace {

const QChar MarkoRTL(0x200F);
const QString RtlBloko = QStringLiteral("<div dir=\"rtl\">");

// Whether the first strong letter of a line already turns it right to left.
bool komencasDekstre(const QString& linio)
{
    for (const QChar c : linio) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
            return true;
        case QChar::DirL:
            return false;
        default:
            break;
        }
    }
    return false;
}

bool estasRicxa(const QString& teksto, Qt::TextFormat formo)
{
    if (formo == Qt::RichText)
        return true;
    if (formo == Qt::AutoText)
        return Qt::mightBeRichText(teksto);
    return false;
}

} // namespace

namespace TekstoDirekto {

bool dekstrenMaldekstren(const QString& direkto)
{
    return direkto == QLatin1String("RTL");
}

QString dekstrenMaldekstre(const QString& teksto, Qt::TextFormat formo)
{
    if (teksto.isEmpty())
        return teksto;
    if (estasRicxa(teksto, formo)) {
        if (teksto.startsWith(RtlBloko))
            return teksto;
        return RtlBloko + teksto + QStringLiteral("</div>");
    }
    // A label draws plain text through a document, one paragraph a line,
    // when it can be selected (a message box's text); each line then needs
    // its own mark.
    QStringList linioj = teksto.split(QLatin1Char('\n'));
    for (QString& linio : linioj) {
        if (!linio.isEmpty() && !komencasDekstre(linio))
            linio.prepend(MarkoRTL);
    }
    return linioj.join(QLatin1Char('\n'));
}

QString tradukita(const QString& teksto, Qt::TextFormat formo)
{
    return dekstrenMaldekstren(Direkto) && teksto != NeTradukita ? dekstrenMaldekstre(teksto, formo) : teksto;
}

void metas(QLabel* etikedo, const QString& teksto, const QString& direkto)
{
    const bool turnas = dekstrenMaldekstren(direkto) && teksto != NeTradukita;
    etikedo->setText(turnas ? dekstrenMaldekstre(teksto, etikedo->textFormat()) : teksto);
}

QString esperanta(const QString& teksto)
{
    QString t = teksto;
    while (t.endsWith(MarkoLTR))
        t.chop(1);
    return t + MarkoLTR;
}

} // namespace TekstoDirekto
