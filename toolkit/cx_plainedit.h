#pragma once
#include <QPlainTextEdit>

// The multi-line answer field, with the same x-system typing as cx_edit.
class cx_plainedit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit cx_plainedit(QWidget* parent = nullptr);

public slots:
    QString cxteksto(QString teksto);
    void cx_ios();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
