#pragma once
// Where the program finds a translation file.

#include <QString>

// The folder of the translations built into the program.
QString TradukUjo();
// The copy of a translation file that the program reads: the downloaded one
// in savasLoko when it exists, else the one built into the resources.
QString TradukoVojo(const QString& dosiero);
