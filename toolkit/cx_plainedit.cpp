#include "cx_plainedit.h"
#include "cxliteroj.h"
#include "funkcioj.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

cx_plainedit::cx_plainedit(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhPreferLatin | Qt::ImhMultiLine);
}

void cx_plainedit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_X && lCxapeligo) {
        const int p = textCursor().position() - 1;
        const QChar cxapelita = p >= 0 ? CxLiteroj::cxapelita(document()->characterAt(p)) : QChar();
        if (!cxapelita.isNull()) {
            QTextCursor forigo = textCursor();
            forigo.clearSelection();
            forigo.deletePreviousChar();
            QTextCursor enmeto = textCursor();
            enmeto.insertText(QString(cxapelita));
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

QString cx_plainedit::cxteksto(QString teksto)
{
    return CxLiteroj::konvertas(teksto);
}

void cx_plainedit::cx_ios()
{
    if (!lCxapeligo)
        return;
    const QString teksto = toPlainText();
    const int p = textCursor().position() - 1;
    if (p < 0 || p >= teksto.size())
        return;
    if (teksto.at(p) == QLatin1Char('x') || teksto.at(p) == QLatin1Char('X')) {
        setPlainText(cxteksto(teksto));
        QTextCursor c = textCursor();
        c.setPosition(p);
        setTextCursor(c);
    }
}
