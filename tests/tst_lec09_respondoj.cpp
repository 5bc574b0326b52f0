// Lesson 9's send pages mix three kinds of answer field: plain one-line
// fields without help for Esperanto letters, one-line fields that turn the
// x-system into letters, and a multi-line field for the rewritten verse. All
// of them are kept, brought back and copied for the corrector alike, with
// the line breaks of the verse.
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <memory>

namespace {

// The verse written out again, as a learner might: leading blanks, an empty
// line between the stanzas, Esperanto letters.
const QString kVerso = QStringLiteral("— Mi vidis vin, ho trezoro!\n"
                                      "    Vi kaptis la koron tuj.\n"
                                      "— Mi ŝatas vin, ho sinjoro!\n"
                                      "    Sed la monujo tentas min.\n"
                                      "\n"
                                      "— Mia koro ja amas vin!");

// The corrector's copy holds `respondo` right under `demando`: nothing but
// line breaks between them, and a line break after the answer.
bool sub(const QString& kopio, const QString& demando, const QString& respondo)
{
    const QRegularExpression re(QRegularExpression::escape(demando) + QStringLiteral("\\n+")
                                + QRegularExpression::escape(respondo) + QStringLiteral("\\n"));
    return re.match(kopio).hasMatch();
}

} // namespace

class TestoLec09Respondoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> kadro;
    QTabWidget* lec = nullptr;
    bool cxapeligo = false;

    QWidget* kampo(const QString& nomo) const { return lec->findChild<QWidget*>(nomo); }

    void konstruas()
    {
        kadro.reset(KreasLecionon(9, nullptr));
        lec = lecionilo::tabulo(kadro.get(), 9);
        QVERIFY(lec);
    }

    // Copies page `pagho` for the corrector with its copy button.
    QString kopias(const QString& pagho, const QString& butono)
    {
        lec->setCurrentWidget(lec->findChild<QWidget*>(pagho));
        QAbstractButton* kopiu = lecionilo::kopiilo(lec->currentWidget()->findChild<QWidget*>(butono));
        if (!kopiu)
            return QString();
        QGuiApplication::clipboard()->clear();
        testilo::kunModalo([&] { kopiu->click(); });
        return QGuiApplication::clipboard()->text();
    }

private slots:
    void initTestCase() { cxapeligo = lCxapeligo; }

    void init()
    {
        QFile::remove(savasLoko + QStringLiteral("darudaver.ini"));
        iSistemo = 0;
        lCxapeligo = true;
        konstruas();
    }

    void cleanup()
    {
        kadro.reset();
        lCxapeligo = cxapeligo;
    }

    void literoj_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<bool>("helpo");
        QTest::addColumn<QString>("tajpita");
        QTest::addColumn<QString>("atendata");
        QTest::newRow("plain field, help on") << "lineEdit_2" << true << "edzcxo"
                                              << "edzcxo";
        QTest::newRow("plain field, letter typed") << "lineEdit_9" << true << "viraĉo"
                                                   << "viraĉo";
        QTest::newRow("letter field, help on") << "lineEdit_14" << true << "cxu malvarma"
                                               << "ĉu malvarma";
        QTest::newRow("letter field, help off") << "lineEdit_14" << false << "cxu"
                                                << "cxu";
        QTest::newRow("verse field, help on") << "Lec09_Memo4" << true << "sxi\nkaj gxi"
                                              << "ŝi\nkaj ĝi";
    }
    void literoj()
    {
        // Only the fields of the fourth family and the verse turn "cx" into
        // "ĉ"; the others keep what is typed, Esperanto letters included.
        QFETCH(QString, nomo);
        QFETCH(bool, helpo);
        QFETCH(QString, tajpita);
        QFETCH(QString, atendata);
        lCxapeligo = helpo;
        QWidget* k = kampo(nomo);
        QVERIFY(k);
        testilo::tajpas(k, tajpita);
        QCOMPARE(lecionilo::enhavo(k), atendata);
    }

    void konservas()
    {
        // Every field of both pages is kept under its name, an empty one as
        // an empty value, the verse with its line breaks and blanks; a lesson
        // built later gets them all back.
        const QMap<QString, QString> skribitaj{{"lineEdit_2", "edzino"},
                                               {"lineEdit_6", "virino"},
                                               {"lineEdit_14", "ĉiam malvarma"},
                                               {"Lec09_Memo4", kVerso}};
        for (auto it = skribitaj.cbegin(); it != skribitaj.cend(); ++it) {
            auto* k = kampo(it.key());
            QVERIFY(k);
            if (auto* e = qobject_cast<QLineEdit*>(k))
                e->setText(it.value());
            else
                qobject_cast<QPlainTextEdit*>(k)->setPlainText(it.value());
        }
        SxargxasEk(lec, true);

        QStringList kampoj{"Lec09_Memo4"};
        for (int n = 2; n <= 17; ++n)
            kampoj << QStringLiteral("lineEdit_%1").arg(n);
        {
            IniDosiero ini(savasLoko + QStringLiteral("darudaver.ini"));
            ini.beginGroup(QStringLiteral("Lec09"));
            const QString diferenco = lecionilo::diferencoj(ini.childKeys(), kampoj);
            QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
            for (const QString& k : qAsConst(kampoj))
                QCOMPARE(ini.value(k).toString(), skribitaj.value(k));
        }

        konstruas();
        SxargxasEk(lec, false);
        for (const QString& k : qAsConst(kampoj))
            QCOMPARE(lecionilo::enhavo(kampo(k)), skribitaj.value(k));
    }

    void kopias_data()
    {
        QTest::addColumn<int>("sistemo");
        QTest::addColumn<QString>("sx");
        QTest::newRow("letters") << 0 << "ŝ";
        QTest::newRow("x-system") << 1 << "sx";
        QTest::newRow("h-system") << 2 << "sh";
    }
    void kopias()
    {
        // The corrector gets the verse and under it the learner's rewrite
        // line by line, and each derived word with its translation, in the
        // letters the learner chose.
        QFETCH(int, sistemo);
        QFETCH(QString, sx);
        testilo::tajpas(kampo(QStringLiteral("Lec09_Memo4")), kVerso);
        QCOMPARE(lecionilo::enhavo(kampo(QStringLiteral("Lec09_Memo4"))), kVerso);
        testilo::tajpas(kampo(QStringLiteral("lineEdit_2")), QStringLiteral("wife"));
        testilo::tajpas(kampo(QStringLiteral("lineEdit_14")), QStringLiteral("cold"));
        iSistemo = sistemo;

        const QString verso = kopias(QStringLiteral("Sendas2_Lec09"), QStringLiteral("frame_5"));
        QVERIFY2(verso.startsWith(CxSist(QStringLiteral("Leciono 09 - Paĝo 12\n\n"), sistemo)), qPrintable(verso));
        const QString demando = CxSist(lec->findChild<QLabel*>(QStringLiteral("label_67"))->text(), sistemo);
        QVERIFY2(demando.contains(QStringLiteral("—")) && demando.contains(QLatin1Char('\n')), qPrintable(demando));
        QVERIFY2(sub(verso, demando.trimmed(), CxSist(kVerso, sistemo)), qPrintable(verso));
        QVERIFY2(verso.contains(QStringLiteral("Mi ") + sx + QStringLiteral("atas vin")), qPrintable(verso));
        // The model answer stays out of the copy.
        QVERIFY(!verso.contains(CxSist(QStringLiteral("Vi ne taŭgas por reĝino"), sistemo)));

        const QString vortoj = kopias(QStringLiteral("Sendas1_Lec09"), QStringLiteral("pushButton"));
        QVERIFY2(vortoj.startsWith(CxSist(QStringLiteral("Leciono 09 - Paĝo 8\n\n"), sistemo)), qPrintable(vortoj));
        QVERIFY2(sub(vortoj, QStringLiteral("edzino"), QStringLiteral("wife")), qPrintable(vortoj));
        QVERIFY2(sub(vortoj, QStringLiteral("malvarma"), QStringLiteral("cold")), qPrintable(vortoj));
        // The root words open their families, as headings.
        QVERIFY2(vortoj.contains(QStringLiteral("\n\n1. edzo\n\n")), qPrintable(vortoj));
    }
};

LERBO_TEST_MAIN(TestoLec09Respondoj)
#include "tst_lec09_respondoj.moc"
