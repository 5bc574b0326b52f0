#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>

// The developer's list of translatable label keys, made from the open forms.
class TestoListo : public QObject
{
    Q_OBJECT

    static QLabel* etikedo(QWidget* patro, const QString& nomo)
    {
        auto* l = new QLabel(patro);
        l->setObjectName(nomo);
        return l;
    }

    static QWidget* pagho(QTabWidget* t)
    {
        auto* p = new QWidget();
        t->addTab(p, QString());
        return p;
    }

    static QStringList sekcio(const QString& dosiero, const QString& grupo)
    {
        IniDosiero ini(dosiero);
        ini.beginGroup(grupo);
        QStringList valoroj;
        const QStringList sxlosiloj = ini.childKeys();
        for (const QString& k : sxlosiloj)
            valoroj << k + QLatin1Char('=') + ini.value(k).toString();
        valoroj.sort();
        return valoroj;
    }

private slots:
    void listo()
    {
        QStackedWidget paghujo;
        auto* kreditoj = new QTabWidget();
        kreditoj->setObjectName(QStringLiteral("Kredit"));
        paghujo.addWidget(kreditoj);
        QWidget* k0 = pagho(kreditoj);
        etikedo(k0, QStringLiteral("Kredit_Label1"));
        etikedo(k0, QStringLiteral("label"));
        etikedo(pagho(kreditoj), QStringLiteral("Kredit_Label2"));

        auto* kadro = new QFrame();
        kadro->setObjectName(QStringLiteral("lec10"));
        paghujo.addWidget(kadro);
        auto* lec = new QTabWidget(kadro);
        lec->setObjectName(QStringLiteral("Lec10"));
        QWidget* p0 = pagho(lec);
        etikedo(p0, QStringLiteral("Lec10_Label4"));
        etikedo(p0, QStringLiteral("Lec10_Pan3"));
        etikedo(p0, QStringLiteral("Lec10_Memo1"));
        etikedo(p0, QStringLiteral("label_7"));
        etikedo(p0, QStringLiteral("Lec10_"));
        auto* b = new QFrame(p0);
        b->setObjectName(QStringLiteral("Lec10B_Ekz_Plen_1001"));
        etikedo(b, QStringLiteral("Ekz_Plen2"));
        QWidget* p1 = pagho(lec);
        auto* a = new QFrame(p1);
        a->setObjectName(QStringLiteral("Lec10_Ekz_Plen_1002"));
        etikedo(a, QStringLiteral("Ekz_Plen2"));
        etikedo(p1, QStringLiteral("Lec10_Label5"));

        const QString dosiero = savasLoko + QStringLiteral("tradukendaj.tdf");
        QFile::remove(dosiero);
        ListigasTradukendajn(&paghujo, dosiero);
        QCOMPARE(sekcio(dosiero, QStringLiteral("Kredit")), (QStringList{"000=Label1", "001=Label2"}));
        QCOMPARE(sekcio(dosiero, QStringLiteral("Lec10")),
                 (QStringList{"000=Label4", "001=Frame42.Label84", "002=TFrame41.Label84", "003=Label5"}));
    }

    // Past a thousand keys the numbering goes on instead of starting over.
    void pli_ol_mil()
    {
        QStackedWidget paghujo;
        auto* t = new QTabWidget();
        t->setObjectName(QStringLiteral("Lec12"));
        paghujo.addWidget(t);
        QWidget* p = pagho(t);
        for (int i = 0; i < 1001; ++i)
            etikedo(p, QStringLiteral("Lec12_Label%1").arg(i));
        const QString dosiero = savasLoko + QStringLiteral("granda.tdf");
        QFile::remove(dosiero);
        ListigasTradukendajn(&paghujo, dosiero);
        IniDosiero ini(dosiero);
        QCOMPARE(ini.value(QStringLiteral("Lec12/000")).toString(), QStringLiteral("Label0"));
        QCOMPARE(ini.value(QStringLiteral("Lec12/999")).toString(), QStringLiteral("Label999"));
        QCOMPARE(ini.value(QStringLiteral("Lec12/1000")).toString(), QStringLiteral("Label1000"));
    }
};

LERBO_TEST_MAIN(TestoListo)
#include "tst_sendoj_listo.moc"
