#pragma once
#include <QString>
#include <functional>

class QFont;
class QPrinter;

// A printed exercise sheet: the body (header line, title, instruction, the
// items with their blanks) and the answer key, joined only at the end.
// The frames write their items; the frame of the sheet is the same for all.
class ekzercfolio
{
public:
    // `direkto` is "LTR" or "RTL"; `tiparo` the font of the exercise page;
    // `spaco` adds an empty paragraph after the instruction.
    ekzercfolio(const QString& direkto, const QFont& tiparo, const QString& nomo, const QString& titolo,
                const QString& instrukcio, bool spaco,
                const QString& sxlosilkapo = QStringLiteral("<P dir=\"ltr\">Respondoj: <br>"));

    // Appends HTML to the body.
    void korpo(const QString& html);
    // Appends item `numero` (counted from 1) and its answer to the key.
    void respondo(int numero, const QString& respondo);
    // Body and key, closed.
    QString html() const;

    // The body's font size in points: the pixel size divided by 1.33333 and
    // rounded, or the point size when the font was set in points.
    static int grando(const QFont& tiparo);
    // The course site as the header shows it.
    static QString adreso();

    // Asks the learner for a printer (modal print dialog); false when the
    // dialog was not accepted.
    static bool demandas(QPrinter* printilo);
    // Lays the HTML out on a text document and prints it.
    static void presas(const QString& html, QPrinter* printilo);
    // The whole print of a sheet: printer named `nomo`, dialog, print.
    // `faras` builds the HTML only once the dialog was accepted.
    static void presasFolion(const QString& nomo, const std::function<QString()>& faras);

private:
    QString korpo_;
    QString sxlosilo_;
};
