// Texts from outside made safe for rich text. Qt's own rich-text reader is
// the judge: a document that records every resource it asks for reads the
// text before and after, so markup that Qt reads in a way the rule did not
// foresee shows up here.
#include "tekstosekurigilo.h"
#include "testilo.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace {

class Registranta : public QTextDocument
{
public:
    QStringList petitaj;

protected:
    QVariant loadResource(int tipo, const QUrl& nomo) override
    {
        petitaj << nomo.toString();
        Q_UNUSED(tipo)
        return QVariant();
    }
};

// Every resource a label would ask for to lay out and paint `html`.
QStringList petitajRimedoj(const QString& html)
{
    Registranta d;
    d.setHtml(html);
    d.setTextWidth(400);
    QImage bildo(400, 400, QImage::Format_ARGB32);
    QPainter p(&bildo);
    d.drawContents(&p);
    return d.petitaj;
}

bool ekstera(const QString& nomo)
{
    return !(nomo.startsWith(QLatin1String(":/")) || nomo.startsWith(QLatin1String("qrc:/")))
           || nomo.contains(QLatin1String(".."));
}

} // namespace

class TestoTekstoSekurigilo : public QObject
{
    Q_OBJECT

private slots:
    // Markup that makes Qt ask for something outside the resources: none of
    // it may survive, and the words around it stay.
    void dangxera_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::addColumn<QString>("vortoj"); // the plain text that must remain
        QTest::newRow("picture /dev/zero") << "<img src=/dev/zero>Kie"
                                           << "Kie";
        QTest::newRow("upper case, quoted") << "<IMG SRC=\"/dev/zero\">Kie"
                                            << "Kie";
        QTest::newRow("blank after <") << "< img src=/dev/zero>Kie"
                                       << "Kie";
        QTest::newRow("file URL") << "Kie<img src='file:///etc/passwd'>"
                                  << "Kie";
        QTest::newRow("http URL") << "<img src=\"http://127.0.0.1:9/x.png\">Kie"
                                  << "Kie";
        QTest::newRow("relative name") << "<img src=\"bildo.png\">Kie"
                                       << "Kie";
        QTest::newRow("entities in the address") << "<img src=\"&#47;dev&#47;zero\">Kie"
                                                 << "Kie";
        QTest::newRow("resource name climbing out") << "<img src=\":/../../dev/zero\">Kie"
                                                    << "Kie";
        QTest::newRow("second address") << "<img src=\":/ikonoj/a.png\" src=\"/dev/zero\">Kie"
                                        << "Kie";
        QTest::newRow("table background") << "<table background=\"/dev/zero\"><tr><td>Kie</td></tr></table>"
                                          << "Kie";
        QTest::newRow("cell background") << "<table><tr><td background=\"/dev/zero\">Kie</td></tr></table>"
                                         << "Kie";
        QTest::newRow("body background") << "<body background=\"/dev/zero\">Kie</body>"
                                         << "Kie";
        QTest::newRow("style sheet link") << "<html><head><link rel=\"stylesheet\" type=\"text/css\" "
                                             "href=\"/dev/zero\"></head><body>Kie</body></html>"
                                          << "Kie";
        QTest::newRow("style sheet import") << "<style>@import url(/dev/zero);</style>Kie"
                                            << "Kie";
        QTest::newRow("style background")
            << "<table><tr><td style=\"background-image: url(/dev/zero)\">Kie</td></tr></table>"
            << "Kie";
        QTest::newRow("style with an escape")
            << "<table><tr><td style=\"background-image: \\75rl(/dev/zero)\">Kie</td></tr></table>"
            << "Kie";
    }
    void dangxera()
    {
        QFETCH(QString, teksto);
        QFETCH(QString, vortoj);
        const QStringList krudaj = petitajRimedoj(teksto);
        QVERIFY2(std::any_of(krudaj.begin(), krudaj.end(), ekstera), "Qt asks for nothing here even unmended");
        const QString sekura = TekstoSekurigilo::sekurigas(teksto);
        const QStringList petitaj = petitajRimedoj(sekura);
        for (const QString& nomo : petitaj)
            QVERIFY2(!ekstera(nomo), qPrintable(sekura + " asks for " + nomo));
        QTextDocument d;
        d.setHtml(sekura);
        QCOMPARE(d.toPlainText().remove(QChar::ObjectReplacementCharacter).trimmed(), vortoj);
    }

    // Markup Qt reads in its own way: whatever it makes of the text, it asks
    // for nothing outside.
    void strangaMarkado_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::newRow("entity in the tag name") << "<&#105;mg src=/dev/zero>Kie";
        QTest::newRow("quoted tag name") << "<\"img\" src=/dev/zero>Kie";
        QTest::newRow("never closed") << "Kie <img src=/dev/zero";
        QTest::newRow("entity in the attribute name") << "<img &#115;rc=/dev/zero>Kie";
        QTest::newRow("> inside quotes") << "<img alt=\">\" src=/dev/zero>Kie";
        QTest::newRow("< inside a tag") << "<b <img src=/dev/zero>>Kie";
        QTest::newRow("comment around a picture") << "<!-- x --><img src=/dev/zero><!-- -->Kie";
        QTest::newRow("style left open") << "<style>@import url(/dev/zero);";
        QTest::newRow("tag in an unknown tag") << "<x a=\"<img src=/dev/zero>\">Kie";
        QTest::newRow("self-closing") << "<img src=/dev/zero/>Kie";
        QTest::newRow("unknown tag with a style") << "<x style=\"background-image: url(/dev/zero)\">Kie</x>";
        QTest::newRow("declaration") << "<!DOCTYPE html><img src=/dev/zero>Kie";
    }
    void strangaMarkado()
    {
        QFETCH(QString, teksto);
        const QString sekura = TekstoSekurigilo::sekurigas(teksto);
        const QStringList petitaj = petitajRimedoj(sekura);
        for (const QString& nomo : petitaj)
            QVERIFY2(!ekstera(nomo), qPrintable(sekura + " asks for " + nomo));
        // Run again on its own result, the rule changes nothing more.
        QCOMPARE(TekstoSekurigilo::sekurigas(sekura), sekura);
    }

    // What may stay: plain text whole, simple formatting, the program's own
    // pictures.
    void restas_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::addColumn<QString>("atendita");
        QTest::newRow("plain") << "Kie mi haltis"
                               << "Kie mi haltis";
        QTest::newRow("plain with symbols") << "1 > 0 & 2 > 1"
                                            << "1 > 0 & 2 > 1";
        QTest::newRow("bold and line break") << "<b>Kie</b><br>mi"
                                             << "<b>Kie</b><br>mi";
        QTest::newRow("font colour") << "<font color=\"#ff0000\">Kie</font>"
                                     << "<font color=\"#ff0000\">Kie</font>";
        QTest::newRow("own picture") << "<img src=\":/ikonoj/sago_antauen.png\">Kie"
                                     << "<img src=\":/ikonoj/sago_antauen.png\">Kie";
        QTest::newRow("own picture, qrc") << "<img src='qrc:/ikonoj/sago_antauen.png' width=20>"
                                          << "<img src=\"qrc:/ikonoj/sago_antauen.png\" width=\"20\">";
        QTest::newRow("plain style") << "<span style=\"color: red\">Kie</span>"
                                     << "<span style=\"color: red\">Kie</span>";
        QTest::newRow("link keeps its words") << "<a href=\"file:///etc/passwd\">Kie</a>"
                                              << "Kie";
        QTest::newRow("a lone <") << "I <3 Esperanto"
                                  << "I &lt;3 Esperanto";
        QTest::newRow("< before a word") << "x < y, kaj 3 > 2"
                                         << "x &lt; y, kaj 3 > 2";
    }
    void restas()
    {
        QFETCH(QString, teksto);
        QFETCH(QString, atendita);
        QCOMPARE(TekstoSekurigilo::sekurigas(teksto), atendita);
    }
};

LERBO_TEST_MAIN(TestoTekstoSekurigilo)
#include "tst_tekstosekurigilo.moc"
