// The first start's language dialog with every translation that ships, as
// the learner sees it before any translation is loaded: each row shows its
// whole name, and the dash between the native name and the Esperanto one is
// drawn alike in every row.
//
// With LERBO_EKRANKOPIOJ set to a folder, the dialog is saved there in each
// face of the table as "lingvoelekto_<face>_1.png", "_2", ..., one picture a
// screenful of the list from its top to its bottom. Run it under xvfb-run to see what a real display
// draws.
#include "filedownloader.h"
#include "funkcioj.h"
#include "lingvoelekto.h"
#include "testilo.h"

#include <QDir>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QListWidget>
#include <QRawFont>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>

namespace {

const QChar Streko(0x2014);

// The font a row is drawn in: its own, where it has one, over the list's.
QFont tiparoDe(const QListWidget* l, const QListWidgetItem* ero)
{
    return ero->data(Qt::FontRole).value<QFont>().resolve(l->font());
}

// The dash of a row as the row's font draws it: its advance and the face
// it comes from.
struct StrekoDesegnita
{
    qreal largxo = 0;
    QString familio;
};

StrekoDesegnita strekoDe(const QString& teksto, const QFont& tiparo)
{
    QTextLayout aranghilo(teksto, tiparo);
    aranghilo.beginLayout();
    while (aranghilo.createLine().isValid()) {
    }
    aranghilo.endLayout();
    StrekoDesegnita s;
    for (const QGlyphRun& r : aranghilo.glyphRuns(int(teksto.indexOf(Streko)), 1)) {
        for (const QPointF& a : r.rawFont().advancesForGlyphIndexes(r.glyphIndexes()))
            s.largxo += a.x();
        s.familio = r.rawFont().familyName();
    }
    return s;
}

} // namespace

class TestoLingvoelekto : public QObject
{
    Q_OBJECT

    QFont aplika;

    static QListWidget* listo(lingvoelekto& d) { return d.findChild<QListWidget*>(QStringLiteral("Lingvo")); }

    // The dialog comes before the program sets its own font, in the face the
    // desktop gives: on X often the generic "Sans Serif", which the font
    // configuration resolves for each script apart; offscreen a named face.
    static void tiparoj()
    {
        QTest::addColumn<QString>("tiparo");
        QTest::newRow("generic face") << "Sans Serif";
        QTest::newRow("named face") << "DejaVu Sans";
    }

    // With LERBO_EKRANKOPIOJ set, the dialog from the list's top to its
    // bottom, a screenful a picture.
    static void fotas(lingvoelekto& d)
    {
        const QString dosierujo = qEnvironmentVariable("LERBO_EKRANKOPIOJ");
        if (dosierujo.isEmpty())
            return;
        QVERIFY(QDir().mkpath(dosierujo));
        QScrollBar* rulumilo = listo(d)->verticalScrollBar();
        rulumilo->setValue(rulumilo->minimum());
        for (int n = 1;; ++n) {
            QTest::qWait(50);
            const QString vojo = QStringLiteral("%1/lingvoelekto_%2_%3.png")
                                     .arg(dosierujo, QString::fromUtf8(QTest::currentDataTag()).replace(' ', '_'))
                                     .arg(n);
            QVERIFY2(d.grab().save(vojo), qPrintable(vojo));
            if (rulumilo->value() >= rulumilo->maximum())
                break;
            rulumilo->setValue(rulumilo->value() + rulumilo->pageStep());
        }
    }

private slots:
    void initTestCase() { aplika = QApplication::font(); }
    void cleanup() { QApplication::setFont(aplika); }
    void init()
    {
        QFETCH(QString, tiparo);
        QApplication::setFont(QFont(tiparo, aplika.pointSize()));
        sLingvo.clear();
        sTradukoDosiero.clear();
        QFile::remove(savasLoko + QStringLiteral("traduklisto.ini"));
        // No list from the site: the built-in files, every one that ships.
        FileDownloader::setKursejo(QStringLiteral("127.0.0.1:9"));
        QLocale::setDefault(QLocale::c());
    }

    // "Bahasa Indonesia — indonezia", "Nederlands — nederlanda" and
    // "Русский (на «ты») — rusa" were cut at the list's right edge.
    void vicojTutaj_data() { tiparoj(); }
    void vicojTutaj()
    {
        lingvoelekto d;
        d.show();
        QListWidget* l = listo(d);
        QTRY_COMPARE(l->count(), int(testilo::sendatajTradukoj().size()));
        fotas(d);
        if (QTest::currentTestFailed())
            return;
        // The room the list's rows give the text: their width less the
        // margin the style leaves on either side.
        const int margxeno = 2 * (l->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, l) + 1);
        const int cxambro = l->viewport()->width();
        QStringList trancxitaj;
        for (int i = 0; i < l->count(); ++i) {
            const QListWidgetItem* ero = l->item(i);
            const int largxo = QFontMetrics(tiparoDe(l, ero)).horizontalAdvance(ero->text()) + margxeno;
            if (largxo > cxambro)
                trancxitaj << QStringLiteral("\"%1\" needs %2 px").arg(ero->text()).arg(largxo);
        }
        QVERIFY2(trancxitaj.isEmpty(), qPrintable(QStringLiteral("rows wider than the list's %1 px: ").arg(cxambro)
                                                  + trancxitaj.join(QStringLiteral("; "))));
        // Nothing to scroll sideways to, and the dialog within the screen.
        QVERIFY(!l->horizontalScrollBar()->isVisible());
        QVERIFY2(d.screen()->availableGeometry().contains(d.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2 at %3,%4")
                                .arg(d.frameGeometry().width())
                                .arg(d.frameGeometry().height())
                                .arg(d.frameGeometry().x())
                                .arg(d.frameGeometry().y())));
    }

    // The dash of "हिन्दी — hinda" came from the Devanagari face, wider than
    // in the other rows.
    void strekoj_data() { tiparoj(); }
    void strekoj()
    {
        lingvoelekto d;
        d.show();
        QListWidget* l = listo(d);
        QTRY_COMPARE(l->count(), int(testilo::sendatajTradukoj().size()));
        const QList<QListWidgetItem*> anglaj = l->findItems(QStringLiteral("English — angla"), Qt::MatchExactly);
        QCOMPARE(anglaj.size(), 1);
        const StrekoDesegnita angla = strekoDe(anglaj.first()->text(), tiparoDe(l, anglaj.first()));
        QVERIFY(angla.largxo > 0);
        QStringList aliaj;
        int kunStreko = 0;
        for (int i = 0; i < l->count(); ++i) {
            const QListWidgetItem* ero = l->item(i);
            if (!ero->text().contains(Streko))
                continue;
            ++kunStreko;
            const StrekoDesegnita s = strekoDe(ero->text(), tiparoDe(l, ero));
            if (qAbs(s.largxo - angla.largxo) > 0.01)
                aliaj << QStringLiteral("\"%1\": %2 px from %3").arg(ero->text()).arg(s.largxo).arg(s.familio);
        }
        // Every row but Esperanto's names its language in both.
        QCOMPARE(kunStreko, l->count() - 1);
        QVERIFY2(
            aliaj.isEmpty(),
            qPrintable(QStringLiteral("the English row's dash is %1 px from %2; ").arg(angla.largxo).arg(angla.familio)
                       + aliaj.join(QStringLiteral("; "))));
    }
};

LERBO_TEST_MAIN(TestoLingvoelekto)
#include "tst_lingvoelekto.moc"
