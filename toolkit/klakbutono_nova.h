#pragma once
#include <QLabel>

// An Esperanto word on an explanation page; a click speaks it. The object
// name "LecNN_ButtonK" gives the lesson folder and, for phrases and long
// words, the clip number.
class klakbutono_nova : public QLabel
{
    Q_OBJECT

public:
    explicit klakbutono_nova(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());

    // The clip of this label, relative to the media folder, e.g. "sonoj/lec01/domo.oga".
    QString klipo() const;

signals:
    void clicked();

public slots:
    void klakita();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};
