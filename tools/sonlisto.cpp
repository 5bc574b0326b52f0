// Lists every clip the program can ask the media folder for, with the
// Esperanto text to voice it from: one line per clip,
//
//     sonoj/lec01/domo.oga<TAB>domo<TAB>eo
//
// (relative path, text, espeak-ng voice). The names come from the program's
// own forms and item files: every word label answers with its own klipo(), the
// exercise frames found in the lesson forms give their item lists, so a name
// here can never drift from what the program plays. A text "=tono F1 F2 ..."
// (voice "-") stands for a short tone of those frequencies instead of speech;
// "=muziko SCORE" for a song and "=video SCORE" for a video of one, made from
// the score SCORE (a file of the source tree) by tools/muziko/kantas.py.
//
//   sonlisto [--hashoj] [--nur REGEX] [--el FILE]
//                                       the list; --hashoj adds a fourth column,
//                                       a hash of text and voice; --nur keeps
//                                       only the paths that REGEX matches; --el
//                                       reads "path TAB text [TAB voice]" lines
//                                       from FILE instead of the course
//   sonlisto --tono F1 F2 ...           writes the tone as a WAV file to stdout
//
// Exit status 0; 2 when one name is asked for with two different texts (the
// first text is listed, the conflict is told on stderr); 1 on bad usage.

#include "erodosieroj.h"
#include "funkcioj.h"
#include "klakbutono_nova.h"
#include "lecionoj.h"
#include "saluto.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>
#include <QWidget>

#include <cmath>
#include <cstdio>

#include "auskultilo.h"
#include "ekzercilo.h"
#include "klipoj.h"
#include "prononcokuro.h"
#include "videoludilo.h"

namespace {

const QString kVocxo = QStringLiteral("eo");
// Variant voices, so that "jes1", "jes2", ... sound like different speakers.
const QStringList kVariantoj = {QStringLiteral("eo"), QStringLiteral("eo+f3"), QStringLiteral("eo+m3")};

struct Klipo
{
    QString teksto;
    QString vocxo;
    QString deveno; // where it was first asked for, for conflict reports
};

class Listo
{
public:
    // `minuskle`: the clip is played through mp3(), which lower-cases the path.
    void aldonu(const QString& vojo, const QString& teksto, const QString& vocxo, const QString& deveno,
                bool minuskle = true)
    {
        const QString nomo = minuskle ? vojo.toLower() : vojo;
        const QString puraTeksto = teksto.simplified();
        if (puraTeksto.isEmpty()) {
            std::fprintf(stderr, "sonlisto: %s (%s) has no text to voice; left out\n", qUtf8Printable(nomo),
                         qUtf8Printable(deveno));
            return;
        }
        auto it = klipoj.constFind(nomo);
        if (it == klipoj.constEnd()) {
            klipoj.insert(nomo, Klipo{puraTeksto, vocxo, deveno});
            return;
        }
        // One clip serves both askers; only the letter case may differ
        // ("Ĉu" on a page, "ĉu" in an item list), which sounds the same.
        if (it->teksto.compare(puraTeksto, Qt::CaseInsensitive) != 0 || it->vocxo != vocxo) {
            std::fprintf(stderr, "sonlisto: conflict for %s: \"%s\" (%s) and \"%s\" (%s)\n", qUtf8Printable(nomo),
                         qUtf8Printable(it->teksto), qUtf8Printable(it->deveno), qUtf8Printable(puraTeksto),
                         qUtf8Printable(deveno));
            konfliktoj = true;
        }
    }

    QMap<QString, Klipo> klipoj;
    bool konfliktoj = false;
};

// Plain text of a label, whatever markup it carries, without the
// left-to-right marks that right-to-left translations add.
QString plata(const QString& teksto)
{
    QString t = teksto;
    if (Qt::mightBeRichText(t)) {
        QTextDocument d;
        d.setHtml(t);
        t = d.toPlainText();
    }
    t.remove(MarkoLTR);
    return t.trimmed();
}

// --- Feedback, greetings and farewells -------------------------------------

// The program picks one of the files matching word + one character, so each
// word gets a few variants told apart by a digit.
void variantoj(Listo& l, const QString& vorto, const QStringList& tekstoj)
{
    for (int i = 0; i < tekstoj.size(); ++i)
        l.aldonu(QStringLiteral("sonoj/") + vorto + QString::number(i + 1) + mp3_finajho, tekstoj.at(i),
                 kVariantoj.at(i % kVariantoj.size()), QStringLiteral("feedback"));
}

void reagoj(Listo& l)
{
    // Praise after a right answer.
    variantoj(l, QStringLiteral("jes"),
              {QStringLiteral("Jes!"), QStringLiteral("Jes, ĝuste!"), QStringLiteral("Jes!")});
    variantoj(l, QStringLiteral("trebone"), {QStringLiteral("Tre bone!"), QStringLiteral("Tre bone!")});
    variantoj(l, QStringLiteral("bonege"), {QStringLiteral("Bonege!"), QStringLiteral("Bonege!")});
    variantoj(l, QStringLiteral("prave"), {QStringLiteral("Prave!"), QStringLiteral("Prave!")});
    variantoj(l, QStringLiteral("trafe"), {QStringLiteral("Trafe!"), QStringLiteral("Trafe!")});
    variantoj(l, QStringLiteral("korekte"), {QStringLiteral("Korekte!"), QStringLiteral("Korekte!")});
    // After a wrong answer.
    variantoj(l, QStringLiteral("ne"),
              {QStringLiteral("Ne."), QStringLiteral("Ne, ne ĝuste."), QStringLiteral("Ne, atentu!")});
    // Farewells when the program closes.
    variantoj(l, QStringLiteral("ghis"), {QStringLiteral("Ĝis!"), QStringLiteral("Ĝis la revido!")});
    variantoj(l, QStringLiteral("revido"), {QStringLiteral("Ĝis revido!"), QStringLiteral("Ĝis revido!")});
    variantoj(l, QStringLiteral("baldau"), {QStringLiteral("Ĝis baldaŭ!"), QStringLiteral("Ĝis baldaŭ!")});
    variantoj(l, QStringLiteral("adiau"), {QStringLiteral("Adiaŭ!"), QStringLiteral("Adiaŭ, kaj ĝis!")});
    // Greetings by the time of day: the words the main window can choose.
    const QMap<QString, QStringList> salutoj = {
        {QStringLiteral("saluton"),
         {QStringLiteral("Saluton!"), QStringLiteral("Saluton, kara lernanto!"), QStringLiteral("Saluton al vi!")}},
        {QStringLiteral("matenon"), {QStringLiteral("Bonan matenon!"), QStringLiteral("Bonan matenon al vi!")}},
        {QStringLiteral("tagon"), {QStringLiteral("Bonan tagon!"), QStringLiteral("Bonan tagon al vi!")}},
        {QStringLiteral("vespero"), {QStringLiteral("Bonan vesperon!"), QStringLiteral("Bonan vesperon al vi!")}},
        {QStringLiteral("nokton"),
         {QStringLiteral("Bonan nokton!"), QStringLiteral("Bonan nokton! Ĉu vi ankoraŭ lernas?")}},
    };
    QStringList vortoj;
    for (int horo = 0; horo < 24; ++horo)
        for (bool lauHoro : {false, true})
            for (bool tagon : {false, true})
                vortoj << Saluto::vorto(horo, lauHoro, tagon);
    vortoj.removeDuplicates();
    for (const QString& v : vortoj) {
        if (!salutoj.contains(v))
            std::fprintf(stderr, "sonlisto: no text for the greeting \"%s\"; left out\n", qUtf8Printable(v));
        else
            variantoj(l, v, salutoj.value(v));
    }

    // The verdict at the end of an exercise: passed, then failed.
    const QStringList gratuloj = {
        QStringLiteral("Gratulon! Vi sukcesis."),
        QStringLiteral("Bonege! Vi trapasis la ekzercon."),
        QStringLiteral("Tre bone farite!"),
        QStringLiteral("Gratulon, vi lernas rapide!"),
        QStringLiteral("Perfekte! Daŭrigu tiel."),
        QStringLiteral("Vi bone laboris. Gratulon!"),
        QStringLiteral("Brave! La ekzerco sukcesis."),
        QStringLiteral("Mirinde! Vi estas bona lernanto."),
    };
    const QStringList nebonaj = {
        QStringLiteral("Ne malesperu! Provu denove."),     QStringLiteral("Preskaŭ! Ankoraŭ unu fojon."),
        QStringLiteral("Ne ĉio sukcesis. Provu ree."),     QStringLiteral("Ekzercu iom pli, kaj vi sukcesos."),
        QStringLiteral("Ne gravas. Ni provu denove!"),     QStringLiteral("Paciencon! Praktiko helpas."),
        QStringLiteral("Relegu la lecionon kaj reprovu."), QStringLiteral("Kuraĝon! Venontfoje pli bone."),
    };
    for (int n = 1; n <= 8; ++n) {
        l.aldonu(QStringLiteral("sonoj/gratulo") + QString::number(n) + mp3_finajho, gratuloj.at(n - 1),
                 kVariantoj.at((n - 1) % kVariantoj.size()), QStringLiteral("verdict"));
        l.aldonu(QStringLiteral("sonoj/nebona") + QString::number(n) + mp3_finajho, nebonaj.at(n - 1),
                 kVariantoj.at((n - 1) % kVariantoj.size()), QStringLiteral("verdict"));
    }

    // Two short tones: rising for right, falling for wrong.
    l.aldonu(QStringLiteral("sonoj/noteto_jes") + mp3_finajho, QStringLiteral("=tono 660 880"), QStringLiteral("-"),
             QStringLiteral("note"));
    l.aldonu(QStringLiteral("sonoj/noteto_ne") + mp3_finajho, QStringLiteral("=tono 330 247"), QStringLiteral("-"),
             QStringLiteral("note"));
}

// --- Lessons -----------------------------------------------------------------

QString klaso(const QObject* o)
{
    return QString::fromLatin1(o->metaObject()->className());
}

// The text of word label "LecLL_ButtonN", as the exercises read it.
QString etikedoTeksto(QWidget* leciono, const QString& ll, const QString& n)
{
    return plata(ekzercilo::vorto(leciono, QStringLiteral("Lec") + ll + QStringLiteral("_Button") + n));
}

enum class Ekzerco { auskultu_elektu, auskultu_skribu, prononcu };

// The clip an exercise plays for an item, by the exercise's own rule.
QString eroKlipo(Ekzerco e, const QString& ero, const QString& kodo)
{
    const QString ll = kodo.left(2);
    switch (e) {
    case Ekzerco::auskultu_elektu:
        return klipoj::vorto(ll, ero);
    case Ekzerco::auskultu_skribu:
        return auskultilo::klipo(ero, kodo);
    case Ekzerco::prononcu:
        break;
    }
    return PrononcoKuro::klipo(ero, ll);
}

// Items of an exercise that plays them: a word is voiced as written, a
// number N with the text of word label N.
void eroj(Listo& l, QWidget* leciono, Ekzerco e, const QString& kodo, const QString& deveno)
{
    const QString ll = kodo.left(2);
    QStringList listo;
    _Matriz(&listo, kodo, QStringLiteral("D"));
    for (const QString& ero : listo) {
        const QString klipo = eroKlipo(e, ero, kodo);
        if (e != Ekzerco::auskultu_elektu && ero.toInt() > 0) {
            const QString teksto = etikedoTeksto(leciono, ll, ero);
            if (teksto.isEmpty())
                std::fprintf(stderr, "sonlisto: item %s of %sD names no word label Lec%s_Button%s\n",
                             qUtf8Printable(ero), qUtf8Printable(kodo), qUtf8Printable(ll), qUtf8Printable(ero));
            l.aldonu(klipo, teksto, kVocxo, deveno + QLatin1Char(' ') + kodo + QStringLiteral("D ") + ero);
        } else {
            l.aldonu(klipo, ero, kVocxo, deveno + QLatin1Char(' ') + kodo + QStringLiteral("D"));
        }
    }
}

// The reading text of a player's page: the labels marked as a reading text
// ("tipo" "teksta"), so that the word list beside a reading is not read out
// after it; on a page without one, every Esperanto label on it. In the order
// the form made them.
QString legajho(QWidget* ludilo)
{
    QWidget* pagho = ludilo;
    while (pagho->parentWidget() && !qobject_cast<QTabWidget*>(pagho->parentWidget()->parentWidget()))
        pagho = pagho->parentWidget();
    const auto etikedoj = pagho->findChildren<QLabel*>();
    bool legajhoj = false;
    for (auto* e : etikedoj)
        legajhoj = legajhoj || e->property("tipo").toString() == QLatin1String("teksta");
    QStringList partoj;
    for (auto* e : etikedoj) {
        const QString k = klaso(e);
        if (legajhoj ? e->property("tipo").toString() != QLatin1String("teksta")
                     : k != QLatin1String("klakbutono_nova") && k != QLatin1String("neklakebla_nova")
                           && e->property("lingvo").toString() != QLatin1String("eo"))
            continue;
        QString t = plata(e->text());
        if (t.isEmpty())
            continue;
        if (!QStringLiteral(".!?:;,…").contains(t.back()))
            t += QLatin1Char('.');
        partoj << t;
    }
    return partoj.join(QLatin1Char(' '));
}

// The score a song file is made from: "sonoj/lec12/fragoj.oga" and
// "video/lec12/fragoj.ogv" come from tools/muziko/lec12_fragoj.py.
QString partituro(const QString& vojo)
{
    const QStringList partoj = vojo.split(QLatin1Char('/'));
    const QString dosiero = partoj.last();
    return QStringLiteral("tools/muziko/") + partoj.at(partoj.size() - 2) + QLatin1Char('_')
           + dosiero.left(dosiero.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".py");
}

void leciono(Listo& l, int n, QWidget* patro)
{
    QFrame* frame = KreasLecionon(n, patro);
    if (!frame)
        return;
    const QString nomo = QStringLiteral("lesson %1").arg(n);

    for (auto* k : frame->findChildren<klakbutono_nova*>())
        l.aldonu(k->klipo(), plata(k->text()), kVocxo, nomo + QLatin1Char(' ') + k->objectName());

    for (auto* w : frame->findChildren<QWidget*>()) {
        const QString k = klaso(w);
        const QString on = w->objectName();
        if (k == QLatin1String("ekzerco1")) {
            // Hear and pick reads its fixed list whatever its name.
            eroj(l, frame, Ekzerco::auskultu_elektu, QStringLiteral("0101"), nomo + QStringLiteral(" hear and pick"));
        } else if (k == QLatin1String("audkompreno")) {
            eroj(l, frame, Ekzerco::auskultu_skribu, on.right(4), nomo + QStringLiteral(" listening"));
        } else if (k == QLatin1String("prononco")) {
            eroj(l, frame, Ekzerco::prononcu, on.right(4), nomo + QStringLiteral(" pronunciation"));
        } else if (k == QLatin1String("mp3ludilo")) {
            const QString dosiero = on.mid(6);
            // The player opens the file itself, exactly under this name.
            const QString vojo =
                QStringLiteral("sonoj/") + on.left(5).toLower() + QLatin1Char('/') + dosiero + mp3_finajho;
            if (dosiero.startsWith(QLatin1String("memo")))
                l.aldonu(vojo, legajho(w), kVocxo, nomo + QStringLiteral(" reading ") + on, false);
            else
                l.aldonu(vojo, QStringLiteral("=muziko ") + partituro(vojo), QStringLiteral("-"),
                         nomo + QStringLiteral(" song ") + on, false);
        } else if (k == QLatin1String("videoludilo")) {
            // The video, and beside it the song alone, which the video's sound is.
            const QString video = videoludilo::vojo();
            const QString sono = QStringLiteral("sonoj/") + video.mid(video.indexOf(QLatin1Char('/')) + 1);
            const QString kanto = sono.left(sono.lastIndexOf(QLatin1Char('.'))) + mp3_finajho;
            l.aldonu(video, QStringLiteral("=video ") + partituro(video), QStringLiteral("-"),
                     nomo + QStringLiteral(" video"), false);
            l.aldonu(kanto, QStringLiteral("=muziko ") + partituro(video), QStringLiteral("-"),
                     nomo + QStringLiteral(" video's song"), false);
        }
    }
    delete frame;
}

// --- Tones -----------------------------------------------------------------

// A WAV file (mono, 16 bit, 22050 Hz) of the given frequencies one after the
// other, each 0.12 s with soft edges so that it does not click.
QByteArray tono(const QList<double>& frekvencoj)
{
    const int rapido = 22050;
    const int longo = rapido * 12 / 100;
    const int rando = rapido / 200;
    QByteArray pcm;
    QDataStream s(&pcm, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    for (double f : frekvencoj) {
        for (int i = 0; i < longo; ++i) {
            double a = 0.5;
            if (i < rando)
                a *= double(i) / rando;
            else if (i > longo - rando)
                a *= double(longo - i) / rando;
            s << qint16(std::lround(a * 32767 * std::sin(2 * M_PI * f * i / rapido)));
        }
    }
    QByteArray wav;
    QDataStream w(&wav, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w.writeRawData("RIFF", 4);
    w << quint32(36 + pcm.size());
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(1) << quint32(rapido) << quint32(rapido * 2) << quint16(2) << quint16(16);
    w.writeRawData("data", 4);
    w << quint32(pcm.size());
    w.writeRawData(pcm.constData(), pcm.size());
    return wav;
}

int uzado()
{
    std::fprintf(stderr, "usage: sonlisto [--hashoj] [--nur REGEX] [--el FILE]\n       sonlisto --tono F1 [F2 ...]\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--tono") == 0) {
        QList<double> frekvencoj;
        for (int i = 2; i < argc; ++i) {
            bool bone = false;
            const double f = QString::fromLocal8Bit(argv[i]).toDouble(&bone);
            if (!bone || f <= 0 || f > 10000)
                return uzado();
            frekvencoj << f;
        }
        if (frekvencoj.isEmpty())
            return uzado();
        const QByteArray wav = tono(frekvencoj);
        std::fwrite(wav.constData(), 1, size_t(wav.size()), stdout);
        return 0;
    }

    // The forms are built but never shown; nothing plays.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_GSTREAMER_PLAYBIN_AUDIOSINK"))
        qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakesink");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("DarudAver"));
    QCoreApplication::setOrganizationName(QStringLiteral("Lerbo de Esperanto"));

    bool hashoj = false;
    QString el;
    QRegularExpression nur;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--hashoj")) {
            hashoj = true;
        } else if (args.at(i) == QLatin1String("--el") && i + 1 < args.size()) {
            el = args.at(++i);
        } else if (args.at(i) == QLatin1String("--nur") && i + 1 < args.size()) {
            nur.setPattern(args.at(++i));
            if (!nur.isValid()) {
                std::fprintf(stderr, "sonlisto: bad pattern: %s\n", qUtf8Printable(nur.errorString()));
                return 1;
            }
        } else {
            return uzado();
        }
    }

    lerbo_rimedoj();
    sSistemo = QStringLiteral("linux");
    Loko = QStringLiteral(":/");
    // Nothing is written; a throw-away folder keeps the learner's own safe.
    QTemporaryDir provizora;
    savasLoko = provizora.path() + QLatin1Char('/');
    mrLoko = kiuSistemo(QStringLiteral("multrimedoj"));

    Listo l;
    if (!el.isEmpty()) {
        QFile f(el);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "sonlisto: cannot read %s\n", qUtf8Printable(el));
            return 1;
        }
        int n = 0;
        while (!f.atEnd()) {
            ++n;
            const QStringList k = QString::fromUtf8(f.readLine()).remove(QLatin1Char('\n')).split(QLatin1Char('\t'));
            static const QRegularExpression klipo(QStringLiteral("^(sonoj/[^\\s].*\\.oga|video/[^\\s].*\\.ogv)$"));
            if (k.size() < 2 || k.size() > 3 || !klipo.match(k.at(0)).hasMatch()) {
                if (!k.join(QString()).trimmed().isEmpty())
                    std::fprintf(stderr, "sonlisto: %s:%d is not \"path TAB text [TAB voice]\"\n", qUtf8Printable(el),
                                 n);
                continue;
            }
            l.aldonu(k.at(0), k.at(1), k.size() > 2 && !k.at(2).isEmpty() ? k.at(2) : kVocxo,
                     el + QLatin1Char(':') + QString::number(n));
        }
    } else {
        reagoj(l);
        QWidget patro;
        for (int n = 1; n <= 13; ++n)
            leciono(l, n, &patro);
    }

    QTextStream eligo(stdout);
    eligo.setCodec("UTF-8");
    for (auto it = l.klipoj.constBegin(); it != l.klipoj.constEnd(); ++it) {
        if (!nur.pattern().isEmpty() && !nur.match(it.key()).hasMatch())
            continue;
        eligo << it.key() << '\t' << it->teksto << '\t' << it->vocxo;
        if (hashoj)
            eligo << '\t'
                  << QCryptographicHash::hash((it->teksto + QLatin1Char('\t') + it->vocxo).toUtf8(),
                                              QCryptographicHash::Sha1)
                         .toHex()
                         .left(16);
        eligo << '\n';
    }
    eligo.flush();
    return l.konfliktoj ? 2 : 0;
}
