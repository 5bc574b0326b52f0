#pragma once
#include <QLabel>

// A model answer on a send page. It starts hidden; the page's korekta_butono
// shows and hides it. The copy for the corrector leaves it out.
class korekta : public QLabel
{
    Q_OBJECT

public:
    explicit korekta(QWidget* parent = nullptr);
};
