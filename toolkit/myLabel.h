#pragma once
#include <QLabel>

// A label that reports a click when the mouse button is released over it.
class myLabel : public QLabel
{
    Q_OBJECT

public:
    explicit myLabel(QWidget* parent = nullptr);

signals:
    void clicked();

public slots:
    void slotClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
