#include "korekta.h"

korekta::korekta(QWidget* parent)
    : QLabel(parent)
{
    setWordWrap(true);
    hide();
}
