#pragma once
// The readers of the exercise item files built into the program and of the
// sentence translations ("T", from the translation's [Ekzerco-NNNN] section).

#include <QList>
#include <QString>
#include <QStringList>

int _Matriz(QStringList* el, const QString& kodo, const QString& speco);
int _Matriz2(QList<QStringList>* el, const QString& kodo, const QString& speco, int kolumnoj);
