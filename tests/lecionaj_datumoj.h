#pragma once
// What the lesson suites expect of each lesson, in one place: one row per
// lesson (lecionaj_datumoj.cpp), which the suites tst_lecionoj_* turn into
// rows of their own. Adding a lesson is adding its row there; what only that
// lesson has goes into a test of its own (tst_lecNN_*).
//
// How to fill a row (the rows of lessons 1 and 2 show every field in use; a
// list that disagrees with the form fails naming the names found but not
// expected and those expected but not found):
//  - numero, klaso: the lesson's number and its frame's class ("lec05").
//  - nunaPagho: the index the form leaves current (the designer's index).
//  - tiparo: the root frame sets the font Arial 11 and the window title
//    "Frame" (false: it sets neither and takes the main window's font).
//  - paghoj: every page in order, as {object name, tab text, tab picture,
//    count line}. The picture is the base name of the resource
//    ":/ikonoj/<name>.png" the tab shows, empty for none. The count line
//    counts the widgets the lesson placed on the page by exact class, in any
//    order, classes with none left out:
//        "klakbutono_nova 23, titolo 1, QLabel 23, QScrollArea 1"
//    The classes counted are those of lecionilo::kalkulatajKlasoj();
//    "QScrollArea" counts the page's own scroll areas (its direct children).
//    Widgets inside an exercise frame, the send panel or a media player are
//    not the lesson's and never count. A wrong line fails with the line the
//    form really has, ready to compare or paste.
//  - aliajEtikedoj: labels that are neither a translated text
//    ("LecNN_Label<K>"), a word box or model answer ("LecNN_Button<K>") nor an
//    arrow ("label", "label_<K>"): pictures, links, oddly named words.
//    bildoj: those of them that show only a picture; koloroj: those that
//    show only a colour (a style-sheet background, no text, no picture).
//  - tipoj: every widget with a "tipo" property, as "name=value".
//  - lingvoj: likewise every widget with a "lingvo" property: "eo" on the
//    Esperanto the style sheet gives the Esperanto font, "traduko" on answer
//    fields (a lesson placing none has none).
//  - amikoj: buddy pairs "label>field" beyond the send pages' questions.
//  - ekzercoj: every exercise frame as {page, class, object name}.
//  - kuroj: the frames the end-to-end run drives to their verdict.
//  - sendoj: each send page with its panel (a sendujo, or the send button
//    itself where the page has no panel), the heading label that opens the
//    copy (empty where the page has none and its first question opens it),
//    and per question {question label, field, model answer label, model
//    answer text}, in the order of the copy. A question label not named
//    "LecNN_Label<K>" is Esperanto that keeps its text in every language.
//    Where the page shows no model answers the label is empty and the text
//    is a right answer, which the suites write whole (a multi-line field's
//    line breaks and all). Where one model answer serves several fields
//    (a question's "a)" and "b)"), their rows name it alike and each holds
//    its own line of it, in order. aliajKampoj: fields
//    no question names, {"", field, "", what the suites write}; they are
//    copied and kept all the same. kopiataj: the pages one copy takes when it
//    takes more than its own (the examination's five, which begin with no
//    heading line). numeritaj: whether the questions read "1. ", "2. ", ...
//    in every language. blokoj: whether each question stands in a block of
//    its own with its field and its model answer (false where one model
//    answer follows a longer page, as lesson 9's verse).
//    A model answer is named like a word box ("LecNN_Button<K>") or, where
//    the lesson says so, as listed here.
//  - eroj: each item section the lesson's frames read, as {code, number of
//    items, how many of its D items are numbers of word labels (-1: not
//    counted)}. The frames that read a section decide what is checked of it.
//  - etikedoj: how many labels the translation pass fills from [LecNN].
//  - ekstrajSxlosiloj: keys of [LecNN] that name no label, such as
//    "TFrame41.Label84" (the gap-filling frame's instruction).
//  - akuzativo: the code whose sentence translations the accusative exercise
//    shows while the lesson is open (empty: the lesson sets none).
//  - fotoj: pages the end-to-end run photographs when LERBO_EKRANKOPIOJ
//    names a folder (object names).
#include <QList>
#include <QString>
#include <QStringList>

namespace lecionaj_datumoj {

struct Pagho
{
    QString nomo;
    QString langeto;
    QString ikono;
    QString kalkuloj;
};

struct Ekzerco
{
    QString pagho;
    QString klaso;
    QString nomo;
};

struct Demando
{
    QString demando;
    QString kampo;
    QString modelo;
    QString modelaTeksto;

    // The model answer as a learner types it: a model answer with two
    // accepted forms holds them on two lines, a line edit takes one. A right
    // answer that no model shows is typed whole.
    QString unuaFormo() const
    {
        return modelo.isEmpty() ? modelaTeksto : modelaTeksto.section(QLatin1Char('\n'), 0, 0).trimmed();
    }
};

struct Sendo
{
    QString pagho;
    QString panelo;
    QString kapo;
    QList<Demando> demandoj;
    // Most send pages have neither, so their braced lists leave them out.
    QList<Demando> aliajKampoj{};
    QStringList kopiataj{};
    bool numeritaj = true;
    bool blokoj = true;

    // Every field the copy takes: the questions' and the others.
    QStringList kampoj() const;
};

struct Eroj
{
    QString kodo;
    int kiom = 0;
    int nombroj = -1;
};

struct Leciono
{
    int numero = 0;
    QString klaso;
    int nunaPagho = 0;
    bool tiparo = true;
    QList<Pagho> paghoj;
    QStringList aliajEtikedoj;
    QStringList bildoj;
    QStringList koloroj;
    QStringList tipoj;
    QStringList lingvoj;
    QStringList amikoj;
    QList<Ekzerco> ekzercoj;
    QStringList kuroj;
    QList<Sendo> sendoj;
    QList<Eroj> eroj;
    int etikedoj = 0;
    QStringList ekstrajSxlosiloj;
    QString akuzativo;
    QStringList fotoj;

    // "Lec05", the tab widget and the translation section.
    QString sekcio() const;
    int indeksoDe(const QString& pagho) const;
    const Ekzerco* ekzerco(const QString& nomo) const;
    // The frames that read item section `kodo`.
    QList<Ekzerco> legantoj(const QString& kodo) const;
};

// Every lesson that exists, in order.
const QList<Leciono>& lecionoj();

// The exercise code a frame reads its items from: the last four characters
// of its name, except the hear-and-pick frame, which always reads "0101".
QString kodoDe(const Ekzerco& e);

} // namespace lecionaj_datumoj
