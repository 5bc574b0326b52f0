#include "funkcioj.h"

QString sSistemo;
QString Loko;
QString mrLoko;
QString savasLoko;

QString sLingvo;
QString sLingvoID;
QString sTradukoDosiero;
QString sTradukoDato;
QString sTradukinto;
QString Direkto;
bool NeEkzistasTraduko = false;
QString EkzercoAkuzativoTrad;

QString smTondujo;
QString smGratulon;
QString smDenove;
QString smRekomencu;
QString smModifis;
QString smDevasHaviKor;
QString smDevasSavi;
QString smKoverto;
QString smDisketo;
QString smPordo;
QString smLigilo;
QString smNeSono;
QString smNeLudebla;
QString Antauen;
QString Nuligi;

bool lSxaltilo = false;
bool lNoteto = false;
bool lCxapeligo = false;
int iSistemo = 0;
QString sTiparo;
int iLiterGrando = 0;
QString sTiparoEo;
int iLiterGrandoEo = 0;
int iFenestraStilo = 0;

int LastaLeciono = 1;
int LastaPagxo = 1;

int Ofteco = 400;
int NumSec = 3;
int iLastaFojo = 0;
bool lNeSonoDirita = false;

double TempoSkalo = 1.0;

const QChar MarkoLTR(0x200E);

const QString mp3_finajho = QStringLiteral(".oga");
const QString video_finajho = QStringLiteral(".ogv");

const QString NeTradukita = QStringLiteral("Ne Tradukita");
const QString NeTradukitaEkzerco = QStringLiteral("Ne tradukita");
