#include "cx_edit.h"
#include "cxliteroj.h"
#include "funkcioj.h"

#include <QKeyEvent>

cx_edit::cx_edit(QWidget* parent)
    : QLineEdit(parent)
{
    setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhPreferLatin);
}

void cx_edit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_X && lCxapeligo) {
        const int p = cursorPosition() - 1;
        const QChar cxapelita = p >= 0 ? CxLiteroj::cxapelita(text().at(p)) : QChar();
        if (!cxapelita.isNull()) {
            setSelection(p, 1);
            insert(QString(cxapelita));
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

QString cx_edit::cxteksto(QString teksto)
{
    return CxLiteroj::konvertas(teksto);
}

void cx_edit::cx_ios(QString teksto)
{
    if (!lCxapeligo)
        return;
    const int p = cursorPosition() - 1;
    if (p < 0 || p >= teksto.size())
        return;
    if (teksto.at(p) == QLatin1Char('x') || teksto.at(p) == QLatin1Char('X')) {
        setText(cxteksto(teksto));
        setCursorPosition(p);
    }
}
