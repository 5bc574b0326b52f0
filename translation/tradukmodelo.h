#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// The translation editor's working state without any widget: the section
// being translated, its keys in display order, the two reference columns and
// the volunteer's own texts, the current entry, and the rules for saving the
// volunteer's file, its entry in the translation list and the editor's
// settings. The dialog `traduko` only shows this state and drives it.
class TradukModelo
{
public:
    // --- Where things are read from -------------------------------------
    // Folder of the built-in translation files and of the key list
    // "tradukendaj.tdf": Loko + "tradukoj/". Tests point it at fixtures;
    // an empty string restores the built-in folder.
    static QString Tradukujo();
    static void MetasTradukujon(const QString& dosierujo);

    // The sections of the editor's list, in list order (the setting
    // LastaLeciono is an index into it).
    static const QStringList& Sekcioj();
    // Exercise sections ("Ekz...") are numbered "0".."n-1" after reference 1;
    // every other section takes its keys from the key list.
    static bool EstasNumerita(const QString& sekcio);
    // The keys of a listed section in display order ("000", "001", ...).
    static QStringList Ordigas(const QString& sekcio);

    // --- Loading --------------------------------------------------------
    // Reads the section from both references (built-in files) and from the
    // own file at `propraVojo` (empty: no own file). Keeps the position;
    // callers clamp or reset it.
    void Sharghas(const QString& sekcio, const QString& referenca1, const QString& referenca2,
                  const QString& propraVojo);
    // Rereads one reference column (1 or 2) for the keys already loaded.
    void RelegasReferencon(int kiu, const QString& dosiero);

    // --- Entries --------------------------------------------------------
    QString Sekcio() const { return m_sekcio; }
    const QStringList& Shlosiloj() const { return m_shlosiloj; }
    const QStringList& Propraj() const { return m_propraj; }
    int Nombro() const { return m_shlosiloj.size(); }
    int Pozicio() const { return m_pozicio; }
    // Any value is accepted and clamped into the section (0 when empty).
    void MetasPozicion(int pozicio);
    QString Shlosilo() const; // current key, "" in an empty section
    QString Referenco1() const;
    QString Referenco2() const;
    QString Propra() const;
    // Stores the entry box's text as the current entry's own text.
    void MetasPropran(const QString& teksto);
    // "komenca", "antaua", "posta", "fina"; any other word keeps the position.
    void Movighas(const QString& direkto);
    bool PovasReen() const { return m_pozicio >= 1; }
    bool PovasAntauen() const { return m_pozicio < Nombro() - 1; }
    // "Pozicio: 3 / 123        (Label7)   "
    QString PozicioTeksto() const;
    // Index of the first own text that is empty after trimming, or -1.
    int UnuaNetradukita() const;
    // Own texts differ from what was loaded or last saved.
    bool HavasNekonservitajn() const { return m_propraj != m_konservitaj; }

    // --- Links to the main window ----------------------------------------
    // Page the main window should open for a section; "" for none.
    static QString PaghoNomo(const QString& sekcio);
    // Object name of the text of `shlosilo`; "" where nothing is followed.
    static QString FrazoNomo(const QString& sekcio, const QString& shlosilo);

    // --- Saving ---------------------------------------------------------
    struct Kapo
    {
        QString lingvo; // written untrimmed to the file's header
        QString lingvoID;
        QString tradukinto;
        QString dosiero; // as typed; trimmed before use
        int literGrando = 12;
    };
    enum class KapoEraro { Neniu, MankasKampo, MalbonaDosiernomo };
    // The four required fields filled, and a file name that stays inside
    // the writable folder.
    static KapoEraro KontrolasKapon(const Kapo& kapo);
    // The name, trimmed, is a safe translation file name (TradukDosierNomo):
    // the same rule the downloader's list check uses.
    static bool BonaDosiernomo(const QString& nomo);

    enum class ListoRezulto { Registrita, SenListo, PlenaListo, SkribEraro };
    struct SavRezulto
    {
        bool savita = false; // the own file was written
        QString vojo; // the file written to
        ListoRezulto listo = ListoRezulto::SenListo;
        int grupo = -1; // the list group used
    };
    // Writes the header and the loaded section's non-empty own texts into
    // dosierujo + the trimmed file name, then records the file in
    // dosierujo + "traduklisto.ini" when that list exists. The caller has
    // checked the header with KontrolasKapon.
    SavRezulto Savas(const Kapo& kapo, const QString& dosierujo, const QDate& hodiau);

    // Adds or updates the entry of `dosiero` in the translation list at
    // `listoVojo`: its earlier group, else the first free one of "0".."199".
    // The list is never created here, and a full list is left unchanged.
    static ListoRezulto Registras(const QString& listoVojo, const QString& lingvoID, const QString& lingvo,
                                  const QString& dosiero, const QDate& hodiau, int* grupo = nullptr);
    static constexpr int ListoGrupoj = 200;

    // --- Texts kept aside at an end that could ask nothing ------------------
    // The file, in the writable folder, shaped like a translation file: the
    // header in [Traduko], where the texts belong in [Restarigo] (Dosiero,
    // Sekcio, Pozicio), and every own text of that section under its key.
    static QString RestarigoNomo() { return QStringLiteral("tradukilo_restarigo.ini"); }
    struct Restarigo
    {
        Kapo kapo;
        QString sekcio;
        int pozicio = 0;
        QStringList shlosiloj;
        QStringList tekstoj;
    };
    // Writes the loaded section's own texts with `kapo`, replacing an earlier
    // copy; whether it reached the disk.
    bool SkribasRestarigon(const QString& vojo, const Kapo& kapo) const;
    // False when there is no copy or it names no section of the editor.
    static bool LegasRestarigon(const QString& vojo, Restarigo* restarigo);
    // The copy's texts as the own texts of the loaded section (the copy's
    // section), not yet saved; keys the section lacks are passed over.
    void Restarigas(const Restarigo& restarigo);

    // --- The editor's settings (group [Tradukilo] of darudaver.ini) -------
    struct Agordoj
    {
        QString lingvoID;
        QString lingvo;
        QString dosiero = QStringLiteral("mia_traduko.trd");
        QString tradukinto;
        int literGrando = 12;
        QString tiparo = QStringLiteral("DejaVu Sans");
        QString referenca1 = QStringLiteral("esperanto.trd");
        QString referenca2 = QStringLiteral("angla.trd");
        int lastaLeciono = 0; // index into Sekcioj(), clamped when read
        int pozicio = 0; // clamped once its section is loaded
    };
    static Agordoj LegasAgordojn(const QString& vojo);
    static void SkribasAgordojn(const QString& vojo, const Agordoj& agordoj);

private:
    QString m_sekcio;
    int m_pozicio = 0;
    QStringList m_shlosiloj;
    QStringList m_referenco1;
    QStringList m_referenco2;
    QStringList m_propraj;
    QStringList m_konservitaj; // own texts as last loaded or saved
};
