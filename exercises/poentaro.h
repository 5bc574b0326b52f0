#pragma once

class QSpinBox;
class ekzercokuro;

// The four counters of an exercise frame: items still to answer right,
// right answers, wrong answers and percent right. The frame's form owns the
// spin boxes; this only writes the run's numbers into them.
class poentaro
{
public:
    void metas(QSpinBox* restas, QSpinBox* gxustaj, QSpinBox* malgxustaj, QSpinBox* procento);
    // Shows the run as it stands.
    void montras(const ekzercokuro& kuro) const;
    // Remaining as given, the other three 0: the board at the start of a run.
    void nuligas(int restas) const;

private:
    QSpinBox* restas_ = nullptr;
    QSpinBox* gxustaj_ = nullptr;
    QSpinBox* malgxustaj_ = nullptr;
    QSpinBox* procento_ = nullptr;
};
