#pragma once
#include <QString>
#include <Qt>

class QLabel;

// The base direction of the texts a translation puts on the widgets. Qt
// gives a paragraph the direction of its first strong letter, so in a
// right-to-left translation a text that begins with an Esperanto word, with
// "a)" or with a left-to-right mark was laid out left to right: at the left
// edge, its full stop first and the Esperanto last. Each paragraph of such a
// text is turned right to left here, so that no translation file needs a
// mark for it.
namespace TekstoDirekto {

// Whether a translation's header direction ("Traduko/Direkto") lays its
// texts out right to left: the exact "RTL", as for the marks on Esperanto.
bool dekstrenMaldekstren(const QString& direkto);

// `teksto` with a right-to-left base direction in every paragraph: rich text
// inside a right-to-left block, plain text with a right-to-left mark before
// each line whose first strong letter is not a right-to-left one. AutoText
// is told apart as a label tells it. Doing it twice changes nothing more.
QString dekstrenMaldekstre(const QString& teksto, Qt::TextFormat formo = Qt::AutoText);

// A translated text as a widget shows it in the translation in use (the
// direction the main window took from it). The placeholder of a missing
// text (NeTradukita) is Esperanto and stays as it is, here and in metas().
QString tradukita(const QString& teksto, Qt::TextFormat formo = Qt::AutoText);

// Puts a translated text on a label, in the direction given by the
// translation's header value, by the label's own text format.
void metas(QLabel* etikedo, const QString& teksto, const QString& direkto);

// An Esperanto text in a right-to-left window keeps its own order: a mark
// after it holds its last punctuation at its end ("lingvo!", not "!lingvo").
// Once, however often it is applied.
QString esperanta(const QString& teksto);

} // namespace TekstoDirekto
