#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"
#include "tst_sendoj_fiksajho.h"

#include <QFile>

// The learner's written answers survive a restart: saved from one lesson
// form, restored into a freshly built one.
class TestoRespondoj : public QObject
{
    Q_OBJECT

    QString dosiero() const { return savasLoko + QStringLiteral("darudaver.ini"); }

    static void skribas(QTabWidget* l, const QString& nomo, const QString& t)
    {
        if (auto* e = l->findChild<QLineEdit*>(nomo))
            e->setText(t);
        else if (auto* p = l->findChild<QPlainTextEdit*>(nomo))
            p->setPlainText(t);
        else
            QTest::qFail(qPrintable(QStringLiteral("no field ") + nomo), __FILE__, __LINE__);
    }

    static QString legas(QTabWidget* l, const QString& nomo)
    {
        if (auto* e = l->findChild<QLineEdit*>(nomo))
            return e->text();
        return l->findChild<QPlainTextEdit*>(nomo)->toPlainText();
    }

private slots:
    void init() { QFile::remove(dosiero()); }

    // Send pages, writing pages with a send panel and every page the
    // examination's copy button takes are kept; exercise pages are not.
    void konservas_kaj_restarigas_data()
    {
        QTest::addColumn<QString>("nn");
        QTest::addColumn<QStringList>("konservataj");
        QTest::addColumn<QStringList>("ne");
        QTest::newRow("lesson 7") << "07" << QStringList{"lineEdit", "plainTextEdit", "lineEdit_2", "lineEdit_3"}
                                  << QStringList{"lineEdit_90"};
        QTest::newRow("examination") << "13"
                                     << QStringList{"lineEdit",    "lineEdit_28", "lineEdit_29",   "lineEdit_44",
                                                    "lineEdit_59", "lineEdit_54", "plainTextEdit", "plainTextEdit_2"}
                                     << QStringList{};
    }
    void konservas_kaj_restarigas()
    {
        QFETCH(QString, nn);
        QFETCH(QStringList, konservataj);
        QFETCH(QStringList, ne);
        auto konstruas = [&](QFrame** k) {
            return nn == QLatin1String("07") ? fiksajho::lec07(k) : fiksajho::lec13(k);
        };

        QFrame* k1 = nullptr;
        QTabWidget* l1 = konstruas(&k1);
        QScopedPointer<QFrame> g1(k1);
        for (const QString& n : konservataj + ne)
            skribas(l1, n, QStringLiteral("respondo de ") + n);
        SxargxasEk(l1, true);

        IniDosiero ini(dosiero());
        ini.beginGroup(QStringLiteral("Lec") + nn);
        const QStringList sxlosiloj = ini.childKeys();
        QCOMPARE(QSet<QString>(sxlosiloj.begin(), sxlosiloj.end()),
                 QSet<QString>(konservataj.begin(), konservataj.end()));
        ini.endGroup();

        QFrame* k2 = nullptr;
        QTabWidget* l2 = konstruas(&k2);
        QScopedPointer<QFrame> g2(k2);
        SxargxasEk(l2, false);
        for (const QString& n : konservataj)
            QCOMPARE(legas(l2, n), QStringLiteral("respondo de ") + n);
        for (const QString& n : ne)
            QCOMPARE(legas(l2, n), QString());

        // An emptied field overwrites what was kept before.
        skribas(l2, konservataj.first(), QString());
        SxargxasEk(l2, true);
        QFrame* k3 = nullptr;
        QTabWidget* l3 = konstruas(&k3);
        QScopedPointer<QFrame> g3(k3);
        SxargxasEk(l3, false);
        QCOMPARE(legas(l3, konservataj.first()), QString());
        QCOMPARE(legas(l3, konservataj.last()), QStringLiteral("respondo de ") + konservataj.last());
    }

    // Whatever the learner types comes back byte for byte, in one-line and
    // multi-line fields alike.
    void sama_teksto_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::newRow("commas and quotes") << QStringLiteral("Jes, \"mi\" venos, 'morgaŭ', ĉu ne?");
        QTest::newRow("line breaks") << QStringLiteral("Unua linio\nDua linio\r\nTria\n\n");
        QTest::newRow("Esperanto letters") << QStringLiteral("ĈĜĤĴŜŬ ĉĝĥĵŝŭ eĥoŝanĝo ĉiuĵaŭde");
        QTest::newRow("ini syntax") << QStringLiteral("[Lec07]\nkey=value ; # \\ \\n @Variant(x) %U0109");
        QTest::newRow("leading and trailing blanks") << QStringLiteral("  spacoj  \t");
        QTest::newRow("at sign first") << QStringLiteral("@hejmo");
    }
    void sama_teksto()
    {
        QFETCH(QString, teksto);
        QFrame* k1 = nullptr;
        QTabWidget* l1 = fiksajho::lec07(&k1);
        QScopedPointer<QFrame> g1(k1);
        const QString unulinia = QString(teksto).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
        skribas(l1, QStringLiteral("lineEdit"), unulinia);
        skribas(l1, QStringLiteral("plainTextEdit"), teksto);
        SxargxasEk(l1, true);

        QFrame* k2 = nullptr;
        QTabWidget* l2 = fiksajho::lec07(&k2);
        QScopedPointer<QFrame> g2(k2);
        SxargxasEk(l2, false);
        QCOMPARE(legas(l2, QStringLiteral("lineEdit")).toUtf8(), unulinia.toUtf8());
        QCOMPARE(legas(l2, QStringLiteral("plainTextEdit")).toUtf8(),
                 l1->findChild<QPlainTextEdit*>(QStringLiteral("plainTextEdit"))->toPlainText().toUtf8());
    }

    // Restoring inserts at the cursor; the main window restores only into a
    // lesson it has just built, so this never doubles an answer there.
    void enmetas_che_kursoro()
    {
        QFrame* k1 = nullptr;
        QTabWidget* l1 = fiksajho::lec07(&k1);
        QScopedPointer<QFrame> g1(k1);
        skribas(l1, QStringLiteral("lineEdit"), QStringLiteral("meze"));
        SxargxasEk(l1, true);
        auto* e = l1->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        e->setText(QStringLiteral("[]"));
        e->setCursorPosition(1);
        SxargxasEk(l1, false);
        QCOMPARE(e->text(), QStringLiteral("[meze]"));
    }

    // Other groups and keys of the settings file stay as they were.
    void aliaj_grupoj_restas()
    {
        {
            IniDosiero ini(dosiero());
            ini.setValue(QStringLiteral("Gxenerala/iSistemo"), 2);
            ini.setValue(QStringLiteral("Lec13/plainTextEdit_2"), QStringLiteral("malnova"));
        }
        QFrame* k = nullptr;
        QTabWidget* l = fiksajho::lec07(&k);
        QScopedPointer<QFrame> g(k);
        SxargxasEk(l, true);
        IniDosiero ini(dosiero());
        QCOMPARE(ini.value(QStringLiteral("Gxenerala/iSistemo")).toInt(), 2);
        QCOMPARE(ini.value(QStringLiteral("Lec13/plainTextEdit_2")).toString(), QStringLiteral("malnova"));
        QVERIFY(ini.contains(QStringLiteral("Lec07/lineEdit")));
    }
};

LERBO_TEST_MAIN(TestoRespondoj)
#include "tst_sendoj_respondoj.moc"
