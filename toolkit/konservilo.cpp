#include "konservilo.h"
#include "funkcioj.h"

Konservilo::Konservilo(std::function<bool()> savas, QObject* parent)
    : QObject(parent)
    , m_Savas(std::move(savas))
{
    m_Tempo.setSingleShot(true);
    connect(&m_Tempo, &QTimer::timeout, this, &Konservilo::konservas);
}

void Konservilo::sxangxis()
{
    m_Tempo.start(qMax(1, skalitaj_ms(PauzoMs)));
}

bool Konservilo::konservas()
{
    m_Tempo.stop();
    const bool bone = m_Savas();
    if (bone) {
        m_Raportita = false;
    } else if (!m_Raportita) {
        m_Raportita = true;
        emit malsukcesis();
    }
    return bone;
}
