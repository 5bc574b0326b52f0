// The base direction of the texts a right-to-left translation puts on the
// widgets. A paragraph takes its direction from its first strong letter, so
// a Persian or Arabic text that begins with an Esperanto word, with "a)" or
// with a left-to-right mark was laid out left to right: pushed to the left
// edge, its full stop first and the Esperanto last. An Arabic comma between
// two Esperanto runs took their direction and joined them into one run,
// read in the wrong order ("sur، -n"). And an Esperanto text in a
// right-to-left window must keep its own order.
//
// The texts are drawn onto a device that records each run of glyphs the
// painter gets (its text, where it starts, how wide it is), so the checks
// compare where the glyphs stand, not pictures. With LERBO_EKRANKOPIOJ set
// to a folder, the translation editor is saved there as each translation
// of the test of the Esperanto buttons shows it ("tradukilo_persa.png").
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionoj.h"
#include "trad.h"
#include "tst_lerbo_komuna.h"

#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextItem>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace {

// One run of glyphs as the painter drew it.
struct Ero
{
    QString teksto;
    qreal x;
    qreal y;
    qreal largxo;
};

class Registrilo : public QPaintEngine
{
public:
    QList<Ero> eroj;
    QList<QRectF> bildoj; // where each picture (an icon) went

    Registrilo()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override
    {
        bildoj << painter()->transform().mapRect(r);
    }
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& ero) override
    {
        const QPointF loko = painter()->transform().map(p);
        eroj << Ero{ero.text(), loko.x(), loko.y(), ero.width()};
    }
    Type type() const override { return User; }
};

class Aparato : public QPaintDevice
{
public:
    explicit Aparato(const QSize& grando)
        : m_grando(grando)
    {
    }
    QPaintEngine* paintEngine() const override { return &m_registrilo; }
    QList<Ero> eroj() const { return m_registrilo.eroj; }
    QList<QRectF> bildoj() const { return m_registrilo.bildoj; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_grando.width();
        case PdmHeight:
            return m_grando.height();
        case PdmWidthMM:
            return m_grando.width() * 254 / 960;
        case PdmHeightMM:
            return m_grando.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_grando;
    mutable Registrilo m_registrilo;
};

bool estasMarko(QChar c)
{
    return c.unicode() == 0x200E || c.unicode() == 0x200F || c.unicode() == 0x200C || c.isSpace();
}

// The run's text without the marks and blanks at either end.
QString nuda(const QString& t)
{
    int a = 0;
    int b = t.size();
    while (a < b && estasMarko(t.at(a)))
        ++a;
    while (b > a && estasMarko(t.at(b - 1)))
        --b;
    return t.mid(a, b - a);
}

// The lines of a widget's text as it paints them, top to bottom, each its
// runs of glyphs from left to right, and where its pictures went. The
// painter starts in the widget's own direction, as it does on screen.
QList<QList<Ero>> linioj(QWidget* w, QList<QRectF>* bildoj = nullptr)
{
    Aparato aparato(w->size());
    {
        QPainter p(&aparato);
        p.setLayoutDirection(w->layoutDirection());
        w->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    if (bildoj)
        *bildoj = aparato.bildoj();
    QList<Ero> eroj;
    for (const Ero& e : aparato.eroj())
        if (e.largxo > 0.5 && !nuda(e.teksto).isEmpty())
            eroj << e;
    std::sort(eroj.begin(), eroj.end(),
              [](const Ero& a, const Ero& b) { return qAbs(a.y - b.y) > 1 ? a.y < b.y : a.x < b.x; });
    QList<QList<Ero>> rezulto;
    for (const Ero& e : eroj) {
        if (rezulto.isEmpty() || qAbs(rezulto.last().first().y - e.y) > 1)
            rezulto.append(QList<Ero>());
        rezulto.last().append(e);
    }
    return rezulto;
}

// With LERBO_EKRANKOPIOJ set to a folder, a picture of the window `w`
// there, as "NAME.png", for a person to look at.
void fotas(QWidget* w, const QString& nomo)
{
    const QString dosierujo = qEnvironmentVariable("LERBO_EKRANKOPIOJ");
    if (dosierujo.isEmpty())
        return;
    QVERIFY(QDir().mkpath(dosierujo));
    QTest::qWait(50);
    QVERIFY2(w->grab().save(dosierujo + QLatin1Char('/') + nomo + QStringLiteral(".png")), qPrintable(nomo));
}

QString priskribas(const QList<Ero>& linio)
{
    QStringList s;
    for (const Ero& e : linio)
        s << QStringLiteral("[%1 at %2..%3]").arg(nuda(e.teksto)).arg(e.x, 0, 'f', 0).arg(e.x + e.largxo, 0, 'f', 0);
    return s.join(QLatin1Char(' '));
}

// The first word of a text: its first letters or digits after any marks,
// blanks or punctuation.
QString unuaVorto(const QString& t)
{
    int a = 0;
    while (a < t.size() && !t.at(a).isLetterOrNumber())
        ++a;
    int b = a;
    while (b < t.size() && (t.at(b).isLetterOrNumber() || t.at(b).isMark()))
        ++b;
    return t.mid(a, b - a);
}

// Whether each paragraph of the text stands right to left in `w`: its
// first word in the rightmost run of its first line and, where the widget
// aligns to the start of the line, that run at the right edge. One entry
// of `alineoj` per paragraph (its text or its first word), each paragraph
// one line long.
QString malgxustaDekstrenMaldekstren(QWidget* w, const QStringList& alineoj, bool alRando)
{
    const QList<QList<Ero>> l = linioj(w);
    // Read after the drawing, which lays the page out.
    const int dekstraRando = w->contentsRect().right() + 1;
    if (l.size() < alineoj.size())
        return QStringLiteral("%1 lines drawn, %2 expected").arg(l.size()).arg(alineoj.size());
    for (int i = 0; i < alineoj.size(); ++i) {
        const QString vorto = unuaVorto(alineoj.at(i));
        const Ero& dekstra = l.at(i).last();
        if (!nuda(dekstra.teksto).startsWith(vorto))
            return QStringLiteral("line %1: \"%2\" is not at the right end: %3")
                .arg(i + 1)
                .arg(vorto, priskribas(l.at(i)));
        // A wrapped line keeps the blank it broke at, one blank's width.
        const int rando = w->fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 1;
        if (alRando && qAbs(dekstra.x + dekstra.largxo - dekstraRando) > rando)
            return QStringLiteral("line %1 ends at %2, not at the right edge %3: %4")
                .arg(i + 1)
                .arg(dekstra.x + dekstra.largxo, 0, 'f', 0)
                .arg(dekstraRando)
                .arg(priskribas(l.at(i)));
    }
    return QString();
}

// A label aligned to the start of its lines (the default) shows a
// right-to-left paragraph at its right edge.
bool alKomenco(const QLabel* l)
{
    return !(l->alignment() & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify | Qt::AlignAbsolute));
}

// Every text of the lesson sections of a built-in translation whose first
// strong letter is a left-to-right one: section, key, text.
QList<QStringList> eoKomencaj(const QString& dosiero)
{
    QList<QStringList> rezulto;
    QSettings ini(QStringLiteral(":/tradukoj/") + dosiero, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    for (const QString& grupo : ini.childGroups()) {
        if (!grupo.startsWith(QLatin1String("Lec")))
            continue;
        ini.beginGroup(grupo);
        for (const QString& sxlosilo : ini.childKeys()) {
            const QString t = ini.value(sxlosilo).toString();
            for (const QChar c : t) {
                const QChar::Direction d = c.direction();
                if (d == QChar::DirR || d == QChar::DirAL)
                    break;
                if (d == QChar::DirL) {
                    rezulto << QStringList{grupo, sxlosilo, t};
                    break;
                }
            }
        }
        ini.endGroup();
    }
    return rezulto;
}

const QString LRM(QChar(0x200E));

// The places of `teksto` where an Arabic comma stands between two
// left-to-right runs: the nearest strong letters on both sides of it are
// left-to-right ones (a left-to-right mark counts as one, a right-to-left
// mark as a right-to-left letter). Such a comma takes the direction of the
// Esperanto around it, and the two runs read as one, in the wrong order.
QList<int> virgolojInterEsperantaj(const QString& teksto)
{
    auto forta = [&](int i) {
        const QChar::Direction d = teksto.at(i).direction();
        return d == QChar::DirL ? 1 : d == QChar::DirR || d == QChar::DirAL ? -1 : 0;
    };
    QList<int> lokoj;
    for (int i = 0; i < teksto.size(); ++i) {
        if (teksto.at(i) != QChar(0x060C))
            continue;
        int antaue = 0;
        for (int j = i - 1; j >= 0 && !antaue; --j)
            antaue = forta(j);
        int poste = 0;
        for (int j = i + 1; j < teksto.size() && !poste; ++j)
            poste = forta(j);
        if (antaue == 1 && poste == 1)
            lokoj << i;
    }
    return lokoj;
}

// The places of `teksto` where an Esperanto run closed by a left-to-right
// mark is followed by blanks and an opening bracket whose content begins
// with another such run, with no right-to-left mark between them: the
// bracket stands between two left-to-right runs, and only the bidi rule for
// bracket pairs (which looks inside the pair for the Arabic after the
// Esperanto) keeps it right to left; a renderer without that rule joins
// the two runs and their bracket into one, in the wrong order. The mark
// after the closing one settles it on its own ("-O" + LRM + RLM + " (").
QList<int> krampojInterEsperantaj(const QString& teksto)
{
    QList<int> lokoj;
    for (int i = 0; i + 1 < teksto.size(); ++i) {
        if (teksto.at(i) != QLatin1Char('(') || teksto.at(i + 1) != LRM.at(0))
            continue;
        int j = i - 1;
        while (j >= 0 && teksto.at(j) == QLatin1Char(' '))
            --j;
        if (j == i - 1 || j < 0 || teksto.at(j) != LRM.at(0))
            continue;
        // The mark closes a run when the nearest strong letter before it is
        // a left-to-right one (one that opens a run follows Arabic).
        int k = j - 1;
        while (k >= 0 && teksto.at(k).direction() != QChar::DirL && teksto.at(k).direction() != QChar::DirR
               && teksto.at(k).direction() != QChar::DirAL)
            --k;
        if (k >= 0 && teksto.at(k).direction() == QChar::DirL)
            lokoj << i;
    }
    return lokoj;
}

// Each place that `trovas` finds in the built-in copy of `dosiero`, as
// "Section/Key: \"…text around it…\"".
QStringList senMarkoj(const QString& dosiero, QList<int> (*trovas)(const QString&))
{
    QSettings ini(QStringLiteral(":/tradukoj/") + dosiero, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    QStringList eraroj;
    for (const QString& sxlosilo : ini.allKeys()) {
        const QString t = ini.value(sxlosilo).toString();
        for (const int i : trovas(t))
            eraroj << QStringLiteral("%1: \"%2\"").arg(sxlosilo, nuda(t.mid(qMax(0, i - 12), 24)));
    }
    return eraroj;
}

// The built-in translations that are written right to left.
QStringList dekstrajTradukoj()
{
    QStringList rezulto;
    for (const QString& dosiero : testilo::tradukoj())
        if (IniDosiero(QStringLiteral(":/tradukoj/") + dosiero).value(QStringLiteral("Traduko/Direkto")).toString()
            == QLatin1String("RTL"))
            rezulto << dosiero;
    return rezulto;
}

// The runs of `linio` that hold `vorto` as a whole word.
QList<Ero> kun(const QList<Ero>& linio, const QString& vorto)
{
    const QRegularExpression tuta(
        QStringLiteral("(?<![\\p{L}\\p{M}])%1(?![\\p{L}\\p{M}])").arg(QRegularExpression::escape(vorto)));
    QList<Ero> rezulto;
    for (const Ero& e : linio)
        if (tuta.match(e.teksto).hasMatch())
            rezulto << e;
    return rezulto;
}

QByteArray provaTraduko(const QByteArray& direkto, const QByteArray& lec08)
{
    return "[Traduko]\r\nLingvo=Provo\r\nLingvoID=fa\r\nDirekto=" + direkto + "\r\n" + testilo::CxefajGrupoj
           + "[Lec08]\r\n" + lec08;
}

} // namespace

class TestoTradukoDirekto : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QApplication::setLayoutDirection(Qt::LeftToRight);
        Direkto = QStringLiteral("LTR");
    }

    // The Persian and Arabic texts of the lessons that begin with Esperanto
    // or "a)", on their own labels in the course's own lessons.
    void lecionajEtikedoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<QString>("sekcio");
        QTest::addColumn<QString>("sxlosilo");
        QTest::addColumn<QString>("teksto");
        for (const QString& dosiero : {QStringLiteral("persa.trd"), QStringLiteral("araba.trd")}) {
            const QList<QStringList> eroj = eoKomencaj(dosiero);
            QVERIFY2(eroj.size() >= 20, qPrintable(dosiero));
            for (const QStringList& e : eroj)
                QTest::newRow(qPrintable(dosiero + QLatin1Char(' ') + e.at(0) + QLatin1Char('/') + e.at(1)))
                    << dosiero << e.at(0) << e.at(1) << e.at(2);
        }
    }
    void lecionajEtikedoj()
    {
        QFETCH(QString, dosiero);
        QFETCH(QString, sekcio);
        QFETCH(QString, sxlosilo);
        QFETCH(QString, teksto);
        QFile::remove(savasLoko + dosiero);
        sTradukoDosiero = dosiero;
        QApplication::setLayoutDirection(Qt::RightToLeft);
        std::unique_ptr<QFrame> leciono(KreasLecionon(sekcio.mid(3).toInt(), nullptr));
        QVERIFY(leciono);
        Trad(leciono.get(), sekcio);
        auto* l = testilo::trovas<QLabel>(leciono.get(), sekcio + QLatin1Char('_') + sxlosilo);
        // Wide enough for a line of every text, so that the first line
        // holds the first word whatever the page's width.
        const int largxo = l->fontMetrics().horizontalAdvance(teksto) + 40;
        l->resize(largxo, l->sizeHint().height());
        const QString eraro = malgxustaDekstrenMaldekstren(l, teksto.split(QLatin1Char('\n')), alKomenco(l));
        QVERIFY2(eraro.isEmpty(), qPrintable(eraro));
    }

    // Every Arabic comma of a right-to-left translation that stands between
    // two Esperanto runs has a right-to-left mark after it.
    void virgoloj_data()
    {
        QTest::addColumn<QString>("dosiero");
        const QStringList dosieroj = dekstrajTradukoj();
        QVERIFY(!dosieroj.isEmpty());
        for (const QString& dosiero : dosieroj)
            QTest::newRow(qPrintable(dosiero)) << dosiero;
    }
    void virgoloj()
    {
        QFETCH(QString, dosiero);
        const QStringList eraroj = senMarkoj(dosiero, virgolojInterEsperantaj);
        QVERIFY2(eraroj.isEmpty(), qPrintable(QString::number(eraroj.size())
                                              + QStringLiteral(" commas between Esperanto runs without a "
                                                               "right-to-left mark after them (U+200F): ")
                                              + eraroj.join(QStringLiteral("; "))));
    }

    // Every opening bracket of a right-to-left translation that stands
    // between two Esperanto runs has a right-to-left mark before its blank.
    void krampoj_data() { virgoloj_data(); }
    void krampoj()
    {
        QFETCH(QString, dosiero);
        const QStringList eraroj = senMarkoj(dosiero, krampojInterEsperantaj);
        QVERIFY2(eraroj.isEmpty(), qPrintable(QString::number(eraroj.size())
                                              + QStringLiteral(" brackets between Esperanto runs without a "
                                                               "right-to-left mark before their blank (U+200F): ")
                                              + eraroj.join(QStringLiteral("; "))));
    }

    // Esperanto runs on either side of such a comma, or of a bracket, colon
    // or '=' between two of them, on their own lesson label: the earlier one
    // at the right, where a right-to-left line begins, and the two apart.
    void virgolojLegataj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<QString>("sekcio");
        QTest::addColumn<QString>("sxlosilo");
        QTest::addColumn<QString>("unua");
        QTest::addColumn<QString>("dua");
        QTest::newRow("persa sur, -n") << "persa.trd"
                                       << "Lec12"
                                       << "Label38"
                                       << "sur"
                                       << "-n";
        QTest::newRow("persa min, vin") << "persa.trd"
                                        << "Lec02"
                                        << "Label140"
                                        << "min"
                                        << "vin";
        QTest::newRow("persa vi (via)") << "persa.trd"
                                        << "Lec07"
                                        << "Label568"
                                        << "vi"
                                        << "via";
        QTest::newRow("persa plej: la pli forta") << "persa.trd"
                                                  << "Lec08"
                                                  << "Label141"
                                                  << "plej"
                                                  << "la pli forta el la du";
        QTest::newRow("persa monuj' = monujo") << "persa.trd"
                                               << "Lec09"
                                               << "Label80"
                                               << "monuj'"
                                               << "monujo";
        QTest::newRow("araba ĵur-NA-lo, sci-EN-co") << "araba.trd"
                                                    << "Lec01"
                                                    << "Label2"
                                                    << "ĵur-NA-lo"
                                                    << "sci-EN-co";
        QTest::newRow("araba Mi lavas min, Vi lavas vin") << "araba.trd"
                                                          << "Lec10"
                                                          << "Label758"
                                                          << "Mi lavas min"
                                                          << "Vi lavas vin";
        // A colon or an opening bracket between two runs joins them the same way.
        QTest::newRow("araba vi (via)") << "araba.trd"
                                        << "Lec07"
                                        << "Label568"
                                        << "vi"
                                        << "via";
        QTest::newRow("araba plej: la pli forta el la du") << "araba.trd"
                                                           << "Lec08"
                                                           << "Label141"
                                                           << "plej"
                                                           << "la pli forta el la du";
        // A blank and a bracket between two runs, the bracket's content
        // beginning with the second.
        QTest::newRow("araba ilin (Ŝi vidas lin") << "araba.trd"
                                                  << "Lec02"
                                                  << "Label140"
                                                  << "ilin"
                                                  << "Ŝi vidas lin";
    }
    void virgolojLegataj()
    {
        QFETCH(QString, dosiero);
        QFETCH(QString, sekcio);
        QFETCH(QString, sxlosilo);
        QFETCH(QString, unua);
        QFETCH(QString, dua);
        if (!testilo::tradukoj().contains(dosiero))
            QSKIP("this translation is checked in the normal build only");
        QFile::remove(savasLoko + dosiero);
        sTradukoDosiero = dosiero;
        QApplication::setLayoutDirection(Qt::RightToLeft);
        std::unique_ptr<QFrame> leciono(KreasLecionon(sekcio.mid(3).toInt(), nullptr));
        QVERIFY(leciono);
        Trad(leciono.get(), sekcio);
        auto* l = testilo::trovas<QLabel>(leciono.get(), sekcio + QLatin1Char('_') + sxlosilo);
        // One line, so that both runs stand on it: out of the page's layout,
        // which would give it the page's width again.
        for (QLayout* aranghilo : l->parentWidget()->findChildren<QLayout*>())
            if (aranghilo->indexOf(l) >= 0)
                aranghilo->removeWidget(l);
        l->resize(l->fontMetrics().horizontalAdvance(l->text()) + 40, l->sizeHint().height());
        const QList<QList<Ero>> desegnitaj = linioj(l);
        QCOMPARE(desegnitaj.size(), 1);
        const QList<Ero>& linio = desegnitaj.first();
        const QList<Ero> unuaj = kun(linio, unua);
        QVERIFY2(unuaj.size() == 1, qPrintable(priskribas(linio)));
        const Ero a = unuaj.first();
        // Of the runs that hold the second word, the one next to the first.
        QList<Ero> duaj = kun(linio, dua);
        QVERIFY2(!duaj.isEmpty(), qPrintable(priskribas(linio)));
        std::sort(duaj.begin(), duaj.end(),
                  [&](const Ero& x, const Ero& y) { return qAbs(x.x - a.x) < qAbs(y.x - a.x); });
        const Ero b = duaj.first();
        QVERIFY2(a.x != b.x, qPrintable(QStringLiteral("\"%1\" and \"%2\" drawn as one left-to-right run: [%3]")
                                            .arg(unua, dua, nuda(a.teksto))));
        QVERIFY2(
            b.x + b.largxo <= a.x + 0.5,
            qPrintable(QStringLiteral("\"%1\" is not to the right of \"%2\": %3").arg(unua, dua, priskribas(linio))));
    }

    // Translated labels of a right-to-left translation, whatever their first
    // letter and their kind of text; the same texts in a left-to-right one
    // keep their order and stand at the left.
    void tradukitajEtikedoj_data()
    {
        QTest::addColumn<QByteArray>("direkto");
        QTest::addColumn<QString>("teksto");
        QTest::addColumn<bool>("dokumento");
        // The first word of each paragraph.
        QTest::addColumn<QStringList>("vortoj");
        const QString fa = QStringLiteral("به چیزی اشاره می‌کند.");
        const QString eo = LRM + QStringLiteral("TI-") + LRM + QLatin1Char(' ') + fa;
        const QString be = QStringLiteral("به");
        QTest::newRow("Esperanto first") << QByteArray("RTL") << eo << false << QStringList{"TI"};
        QTest::newRow("a) first") << QByteArray("RTL") << QStringLiteral("a) ") + fa << false << QStringList{"a"};
        QTest::newRow("digits only") << QByteArray("RTL") << QStringLiteral("1887") << false << QStringList{"1887"};
        QTest::newRow("Persian first") << QByteArray("RTL") << fa << false << QStringList{be};
        QTest::newRow("rich text, Esperanto first")
            << QByteArray("RTL") << QStringLiteral("<b>TI-</b> ") + fa << false << QStringList{"TI"};
        QTest::newRow("second line begins with Esperanto, on a document")
            << QByteArray("RTL") << fa + QLatin1Char('\n') + eo << true << QStringList{be, "TI"};
        QTest::newRow("rich paragraphs, on a document")
            << QByteArray("RTL")
            << QStringLiteral("<p>") + fa + QStringLiteral("</p><p>TI- ") + fa + QStringLiteral("</p>") << true
            << QStringList{be, "TI"};
    }
    void tradukitajEtikedoj()
    {
        QFETCH(QByteArray, direkto);
        QFETCH(QString, teksto);
        QFETCH(bool, dokumento);
        QFETCH(QStringList, vortoj);
        testilo::skribas(savasLoko + QStringLiteral("direkto.trd"),
                         provaTraduko(direkto, "Label4=\"" + teksto.toUtf8().replace('\n', "\\n") + "\"\r\n"));
        sTradukoDosiero = QStringLiteral("direkto.trd");
        QApplication::setLayoutDirection(Qt::RightToLeft);
        QWidget radiko;
        radiko.setObjectName(QStringLiteral("Pagho08"));
        auto* l = new QLabel(&radiko);
        l->setObjectName(QStringLiteral("Lec08_Label4"));
        // A label whose text can be selected is drawn through a document,
        // one direction per paragraph, as a message box's text is.
        if (dokumento)
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Trad(&radiko, QStringLiteral("Lec08"));
        l->resize(500, l->sizeHint().height());
        const QString eraro = malgxustaDekstrenMaldekstren(l, vortoj, true);
        QVERIFY2(eraro.isEmpty(), qPrintable(eraro));
    }

    void maldekstrenDekstrenRestas()
    {
        testilo::skribas(savasLoko + QStringLiteral("ltr.trd"), provaTraduko("LTR", "Label4=TI- shows that.\r\n"));
        sTradukoDosiero = QStringLiteral("ltr.trd");
        QWidget radiko;
        radiko.setObjectName(QStringLiteral("Pagho08"));
        auto* l = new QLabel(&radiko);
        l->setObjectName(QStringLiteral("Lec08_Label4"));
        Trad(&radiko, QStringLiteral("Lec08"));
        QCOMPARE(l->text(), QStringLiteral("TI- shows that."));
        l->resize(500, l->sizeHint().height());
        const QList<QList<Ero>> l1 = linioj(l);
        QCOMPARE(l1.size(), 1);
        QVERIFY2(nuda(l1.first().first().teksto).startsWith(QLatin1String("TI")), qPrintable(priskribas(l1.first())));
        QVERIFY(qAbs(l1.first().first().x - l->contentsRect().left()) <= 2);
    }

    // The verdict of an exercise in a message box.
    void mesagxoKesto()
    {
        Direkto = QStringLiteral("RTL");
        QApplication::setLayoutDirection(Qt::RightToLeft);
        const QString antaue = smGratulon;
        smGratulon = QStringLiteral("آفرین!\n") + LRM + QStringLiteral("Bone!") + LRM + QStringLiteral(" درست است.");
        const bool sxaltilo = std::exchange(lSxaltilo, false);
        const bool noteto = std::exchange(lNoteto, false);
        QString eraro = QStringLiteral("no box came");
        testilo::kunModalo(
            [] { Mesagxo(0, 10); },
            [&](QWidget* modalo) {
                auto* kesto = qobject_cast<QMessageBox*>(modalo);
                QLabel* l = kesto ? kesto->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
                if (l)
                    eraro = malgxustaDekstrenMaldekstren(l, {QStringLiteral("آفرین"), QStringLiteral("Bone")}, false);
                modalo->close();
            });
        smGratulon = antaue;
        lSxaltilo = sxaltilo;
        lNoteto = noteto;
        QVERIFY2(eraro.isEmpty(), qPrintable(eraro));
    }

    // The settings page and the translation editor: their Esperanto buttons
    // read left to right, their last mark at the right end, in a
    // right-to-left translation as in a left-to-right one; the buttons with
    // an icon (the translator's, the editor's close button) keep icon and
    // text together in their middle.
    void esperantajButonoj_data()
    {
        QTest::addColumn<QString>("lingvo");
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<bool>("redaktilo");
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<QString>("unua");
        QTest::addColumn<QString>("lasta");
        QTest::addColumn<bool>("centrita");
        for (const QStringList& t :
             {QStringList{"العربية — araba", "araba.trd"}, QStringList{"فارسی — persa", "persa.trd"},
              QStringList{"English — angla", "angla.trd"}}) {
            QTest::newRow(qPrintable(t.at(1) + QStringLiteral(" translate the course")))
                << t.at(0) << t.at(1) << false << "tradukilo"
                << "Traduku"
                << "!" << true;
            QTest::newRow(qPrintable(t.at(1) + QStringLiteral(" letter system")))
                << t.at(0) << t.at(1) << false << "radioButton"
                << "Unikodo"
                << ")" << false;
            QTest::newRow(qPrintable(t.at(1) + QStringLiteral(" close the editor")))
                << t.at(0) << t.at(1) << true << "pushButton"
                << "Fermi"
                << "tradukilon" << true;
        }
    }
    void esperantajButonoj()
    {
        QFETCH(QString, lingvo);
        QFETCH(QString, dosiero);
        QFETCH(bool, redaktilo);
        QFETCH(QString, nomo);
        QFETCH(QString, unua);
        QFETCH(QString, lasta);
        QFETCH(bool, centrita);
        lerbotesto::purigas();
        lerbotesto::lernantoKun(lingvo, dosiero);
        auto w = lerbotesto::kreas();
        QWidget* radiko = w.get();
        if (redaktilo) {
            QVERIFY(lerbotesto::montras(w.get()));
            lerbotesto::el<QAbstractButton>(w.get(), "Konfigurado")->click();
            lerbotesto::el<QAbstractButton>(w.get(), "tradukilo")->click();
            radiko = w->findChild<QDialog*>(QStringLiteral("traduko"));
            QVERIFY(radiko && radiko->isVisible());
            fotas(radiko, QStringLiteral("tradukilo_") + dosiero.section(QLatin1Char('.'), 0, 0));
        }
        auto* b = testilo::trovas<QAbstractButton>(radiko, nomo);
        // As wide as the settings page makes it, wider than its contents.
        b->resize(b->sizeHint().width() + 200, b->sizeHint().height());
        QList<QRectF> bildoj;
        const QList<QList<Ero>> l = linioj(b, &bildoj);
        QCOMPARE(l.size(), 1);
        QVERIFY2(nuda(l.first().first().teksto).startsWith(unua), qPrintable(priskribas(l.first())));
        QVERIFY2(nuda(l.first().last().teksto).endsWith(lasta), qPrintable(priskribas(l.first())));
        if (!centrita)
            return;
        // The icon, among the pictures the style draws the button with.
        bildoj.erase(std::remove_if(bildoj.begin(), bildoj.end(),
                                    [&](const QRectF& r) { return r.size().toSize() != b->iconSize(); }),
                     bildoj.end());
        QCOMPARE(bildoj.size(), 1);
        const qreal maldekstre = qMin(l.first().first().x, bildoj.first().left());
        const qreal dekstre = qMax(l.first().last().x + l.first().last().largxo, bildoj.first().right());
        const qreal antau = maldekstre - b->rect().left();
        const qreal post = b->rect().right() + 1 - dekstre;
        // The style rounds, and measures the text a little apart from how
        // it draws it.
        QVERIFY2(qAbs(antau - post) <= 8,
                 qPrintable(QStringLiteral("icon at %1..%2, text %3; %4 px free on the left, %5 on the right")
                                .arg(bildoj.first().left(), 0, 'f', 0)
                                .arg(bildoj.first().right(), 0, 'f', 0)
                                .arg(priskribas(l.first()))
                                .arg(antau, 0, 'f', 0)
                                .arg(post, 0, 'f', 0)));
        // Nor text and icon apart: the icon's own spacing at most between them.
        const qreal inter = qMax(bildoj.first().left() - (l.first().last().x + l.first().last().largxo),
                                 l.first().first().x - bildoj.first().right());
        QVERIFY2(inter <= 8, qPrintable(QStringLiteral("%1 px between icon and text").arg(inter, 0, 'f', 0)));
    }
};

LERBO_TEST_MAIN(TestoTradukoDirekto)
#include "tst_traduko_direkto.moc"
