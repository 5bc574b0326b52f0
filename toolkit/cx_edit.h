#pragma once
#include <QLineEdit>

// A one-line answer field: with lCxapeligo on, an x typed after c g h j s u
// turns that letter into ĉ ĝ ĥ ĵ ŝ ŭ.
class cx_edit : public QLineEdit
{
    Q_OBJECT

public:
    explicit cx_edit(QWidget* parent = nullptr);

public slots:
    QString cxteksto(QString teksto);
    void cx_ios(QString teksto);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
