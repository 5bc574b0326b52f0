#include "lecionaj_datumoj.h"

namespace lecionaj_datumoj {

namespace {

Leciono lec01()
{
    Leciono l;
    l.numero = 1;
    l.klaso = QStringLiteral("lec01");
    l.nunaPagho = 0;
    l.paghoj = {
        {"tab", "1", "leciono", "klakbutono_nova 84, titolo 1, QLabel 1, QScrollArea 1"},
        {"Ekzerco1_Lec01", "2", "oreleto", "titolo 1, QLabel 1, QScrollArea 1"},
        {"tab_2", "3", "leciono", "klakbutono_nova 10, titolo 1, QLabel 13, QScrollArea 1"},
        {"tab_4", "4", "leciono", "klakbutono_nova 14, titolo 3, QLabel 17, QScrollArea 1"},
        {"tab_5", "5", "leciono", "klakbutono_nova 23, titolo 1, QLabel 23, QScrollArea 1"},
        {"tab_6", "6", "leciono", "klakbutono_nova 16, titolo 1, QLabel 17, label_sago_reversa 8, QScrollArea 1"},
        {"tab_7", "7", "leciono",
         "klakbutono_nova 18, titolo 1, QLabel 14, label_sago 7, label_sago_reversa 2, QScrollArea 1"},
        {"tab_8", "8", "leciono", "klakbutono_nova 14, titolo 2, QLabel 15, label_sago_reversa 4, QScrollArea 1"},
        {"Ekzerco7_Lec01", "Frazo", "", ""},
        {"Ekzerco2_Lec01", "9", "mikrofoneto", ""},
        {"Ekzerco3_Lec01", "10", "oreleto", ""},
        {"Ekzerco4_Lec01", "11", "vortoludo", ""},
        {"Sendas1_Lec01", "12", "sendas_24", "titolo 1, QLabel 10, korekta 10, cx_edit 10, sendujo 1, QScrollArea 1"},
    };
    // Two example words of the alphabet page have no number of their own.
    l.aliajEtikedoj = QStringList{"Lec01_XButton1", "Lec01_XButton2"};
    l.tipoj = QStringList{"Lec01_Label104=suba", "Lec01_Label105=suba", "Lec01_Label106=suba",
                          "Lec01_Label107=suba", "Lec01_Label108=suba", "Lec01_Label109=suba"};
    l.ekzercoj = {
        {"Ekzerco1_Lec01", "ekzerco1", "frame"},
        {"Ekzerco7_Lec01", "frazokonstruo", "Lec01_Ekz_Frazo_0107"},
        {"Ekzerco2_Lec01", "prononco", "Lec01_Ekz_Pron_0102"},
        {"Ekzerco3_Lec01", "audkompreno", "Lec01_Ekz_0102"},
        {"Ekzerco4_Lec01", "vortoludo", "Lec01_0103"},
    };
    l.kuroj = QStringList{"frame", "Lec01_Ekz_Frazo_0107", "Lec01_Ekz_Pron_0102", "Lec01_Ekz_0102", "Lec01_0103"};
    l.sendoj = {{"Sendas1_Lec01",
                 "sendujo_panelo",
                 "Lec01_Label99",
                 {
                     {"Lec01_Label121", "lineEdit", "Lec01_Button901", "La teo estas varma."},
                     {"Lec01_Label122", "lineEdit_2", "Lec01_Button902", "Instruisto estas patro."},
                     {"Lec01_Label123", "lineEdit_3", "Lec01_Button903", "Via patro estis bona."},
                     {"Lec01_Label110", "lineEdit_4", "Lec01_Button904", "La novaj instruistoj estos bonaj."},
                     {"Lec01_Label125", "lineEdit_5", "Lec01_Button905", "Mia frato estos instruisto."},
                     {"Lec01_Label126", "lineEdit_6", "Lec01_Button906", "Viaj filoj estos amikoj."},
                     {"Lec01_Label127", "lineEdit_7", "Lec01_Button907", "La kukoj estis bonaj."},
                     {"Lec01_Label128", "lineEdit_8", "Lec01_Button908", "La pano estas seka."},
                     {"Lec01_Label129", "lineEdit_9", "Lec01_Button909", "La nova knabo estis mia amiko."},
                     {"Lec01_Label130", "lineEdit_10", "Lec01_Button910", "La knaboj estos bonaj amikoj."},
                 }}};
    l.eroj = {{"0101", 56, 0}, {"0102", 48, 16}, {"0103", 45, 45}, {"0107", 15, 15}};
    l.etikedoj = 123;
    l.fotoj = QStringList{"tab", "Ekzerco1_Lec01", "tab_6", "tab_7", "Sendas1_Lec01"};
    return l;
}

Leciono lec02()
{
    Leciono l;
    l.numero = 2;
    l.klaso = QStringLiteral("lec02");
    // The form leaves the music page current; the main window chooses the real page.
    l.nunaPagho = 3;
    l.paghoj = {
        {"tab_13", "1", "leciono", "klakbutono_nova 11, titolo 1, QLabel 13, label_sago_reversa 4, QScrollArea 1"},
        {"tab_14", "2", "leciono", "klakbutono_nova 5, titolo 1, QLabel 10, QScrollArea 1"},
        {"tab_15", "3", "leciono", "klakbutono_nova 14, titolo 2, QLabel 16, label_sago_reversa 5, QScrollArea 1"},
        {"tab_16", "4", "muziko", "titolo 1, QLabel 3, videoludilo 1, QScrollArea 1"},
        {"tab_17", "5", "leciono", "klakbutono_nova 25, titolo 1, QLabel 25, QScrollArea 1"},
        {"Ekzerco7_Lec02", "Frazo", "", ""},
        {"Ekzerco1_Lec02", "6", "mikrofoneto", ""},
        {"Ekzerco2_Lec02", "7", "oreleto", ""},
        {"Ekzerco3_Lec02", "8", "vortoludo", ""},
        {"Ekzerco4_Lec02", "9", "akuzativo", ""},
        {"Ekzerco5_Lec02", "10", "plenigas_spacon2", ""},
        {"Sendas1_Lec02", "11", "sendas_24", "titolo 1, QLabel 10, korekta 10, cx_edit 10, sendujo 1, QScrollArea 1"},
    };
    // The equals signs of the mal- page, the music page's cart and its link.
    l.aliajEtikedoj = QStringList{"label_28", "label_29", "label", "label_21"};
    l.bildoj = QStringList{"label_28", "label_29", "label"};
    l.tipoj = QStringList{"label_28=egala", "label_29=egala"};
    l.ekzercoj = {
        {"Ekzerco7_Lec02", "frazokonstruo", "Lec02_Ekz_Frazo_0207"},
        {"Ekzerco1_Lec02", "prononco", "Lec02_Ekz_Pron_0201"},
        {"Ekzerco2_Lec02", "audkompreno", "Lec02_Ekz_Aud_0201"},
        {"Ekzerco3_Lec02", "vortoludo", "Lec02_Ekz_Vorto_0203"},
        {"Ekzerco4_Lec02", "akuzativo", "Lec02_Ekz_Akuz_0202"},
        {"Ekzerco5_Lec02", "plenigas_spacon", "Lec02_Ekz_Plen_0204"},
    };
    l.kuroj = QStringList{"Lec02_Ekz_Frazo_0207", "Lec02_Ekz_Pron_0201", "Lec02_Ekz_Aud_0201",
                          "Lec02_Ekz_Vorto_0203", "Lec02_Ekz_Akuz_0202", "Lec02_Ekz_Plen_0204"};
    l.sendoj = {{"Sendas1_Lec02",
                 "frame",
                 "Lec02_Label236",
                 {
                     {"Lec02_Label237", "lineEdit_11", "Lec02_Button901", "Sana knabo trinkas varman lakton."},
                     {"Lec02_Label238", "lineEdit_12", "Lec02_Button902", "La malnova butiko ne vendas sekajn kukojn."},
                     {"Lec02_Label22", "lineEdit_13", "Lec02_Button903", "La instruisto renkontis la novajn amikojn."},
                     {"Lec02_Label240", "lineEdit_14", "Lec02_Button904", "La novaj amikoj faros bonan kukon."},
                     {"Lec02_Label241", "lineEdit_15", "Lec02_Button905", "La knabino ne trovis la fratinojn."},
                     {"Lec02_Label242", "lineEdit_16", "Lec02_Button906",
                      "La malgranda fratino estas malsana, la frato estas sana."},
                     {"Lec02_Label243", "lineEdit_17", "Lec02_Button907", "La patro ne lavos la malgrandajn tasojn."},
                     {"Lec02_Label244", "lineEdit_18", "Lec02_Button908", "La bela birdo kaptis malgrandan insekton."},
                     {"Lec02_Label245", "lineEdit_19", "Lec02_Button909", "La knabo estis mia malnova amiko."},
                     {"Lec02_Label246", "lineEdit_20", "Lec02_Button910", "La knaboj estis grandaj amikoj."},
                 }}};
    l.eroj = {{"0201", 40, 0}, {"0202", 28, -1}, {"0203", 42, 42}, {"0204", 28, -1}, {"0207", 16, 16}};
    l.etikedoj = 80;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84"};
    l.akuzativo = QStringLiteral("0204");
    l.fotoj = QStringList{"tab_16", "Ekzerco4_Lec02", "Sendas1_Lec02"};
    return l;
}

Leciono lec07()
{
    Leciono l;
    l.numero = 7;
    l.klaso = QStringLiteral("lec07");
    // The form leaves the accusative page current; the main window chooses the real page.
    l.nunaPagho = 7;
    l.paghoj = {
        {"tab_3", "1", "leciono",
         "klakbutono_nova 12, neklakebla_nova 12, titolo 1, QLabel 13, label_sago_reversa 12, QScrollArea 1"},
        {"tab_10", "2", "parolo", "klakbutono_nova 14, titolo 1, QLabel 15, mp3ludilo 1, QScrollArea 1"},
        {"Sendas1_Lec07", "3", "sendas_24", "titolo 1, QLabel 7, korekta 6, cx_edit 6, sendujo 1, QScrollArea 1"},
        {"tab_12", "4", "leciono",
         "klakbutono_nova 18, neklakebla_nova 18, titolo 1, QLabel 18, label_sago_reversa 18, QScrollArea 1"},
        {"tab_19", "5", "parolo", "klakbutono_nova 20, titolo 1, QLabel 21, mp3ludilo 1, QScrollArea 1"},
        {"Sendas2_Lec07", "6", "sendas_24", "titolo 1, QLabel 7, korekta 6, cx_edit 6, sendujo 1, QScrollArea 1"},
        {"tab_21", "7", "leciono", "klakbutono_nova 5, titolo 1, QLabel 9, QScrollArea 1"},
        {"tab_22", "8", "leciono", "klakbutono_nova 10, QLabel 9, label_sago 1, QScrollArea 1"},
        {"Ekzerco1_Lec07", "9", "vortoludo", ""},
        {"Ekzerco2_Lec07", "10", "plenigas_spacon2", ""},
        {"Ekzerco3_Lec07", "11", "mikrofoneto", ""},
        {"Ekzerco4_Lec07", "12", "oreleto", ""},
        {"Sendas3_Lec07", "13", "sendas_24", "titolo 1, QLabel 10, korekta 10, cx_edit 10, sendujo 1, QScrollArea 1"},
    };
    // The example sentences of the prepositions and the model answers carry
    // the names the saved forms gave them; the readings and their questions
    // are Esperanto that no translation touches; three equals signs.
    QStringList ekzemploj;
    for (int n : {139, 141, 143, 145, 147, 202, 204, 206, 208, 210, 212, 214, 163, 165, 167,
                  169, 171, 173, 175, 177, 179, 181, 216, 218, 220, 222, 224, 226, 228, 230})
        ekzemploj << QStringLiteral("label_%1").arg(n);
    QStringList modeloj{QStringLiteral("label")};
    for (int n = 2; n <= 22; ++n)
        modeloj << QStringLiteral("label_%1").arg(n);
    const QStringList demandoj{"Label385_4", "Label386_4", "Label387_4", "Label388_4", "Label389_4", "Label388_5",
                               "Label385_6", "Label386_6", "Label387_6", "Label388_8", "Label389_6", "Label388_9"};
    l.bildoj = QStringList{"label_136", "label_190", "label_191"};
    l.aliajEtikedoj = ekzemploj + modeloj + demandoj + l.bildoj + QStringList{"Memo2_Lec07", "Memo3_Lec07"};
    for (const QString& e : qAsConst(ekzemploj)) {
        l.tipoj << e + QStringLiteral("=esperanta");
        l.lingvoj << e + QStringLiteral("=eo");
    }
    l.tipoj << QStringList{"Memo2_Lec07=teksta", "Memo3_Lec07=teksta", "label_136=egala", "label_190=egala",
                           "label_191=egala"};
    l.lingvoj << QStringList{"Memo2_Lec07=eo", "Memo3_Lec07=eo"};
    for (const QString& d : demandoj)
        l.lingvoj << d + QStringLiteral("=eo");
    l.ekzercoj = {
        {"Ekzerco1_Lec07", "vortoludo", "Lec07_Ekzerco_0701"},
        {"Ekzerco2_Lec07", "plenigas_spacon", "Lec07_Ekz_Plen_0702"},
        {"Ekzerco3_Lec07", "prononco", "Lec07_Ekzerco_0709"},
        {"Ekzerco4_Lec07", "audkompreno", "Lec07_Ekzerco_0703"},
    };
    l.kuroj = QStringList{"Lec07_Ekzerco_0701", "Lec07_Ekz_Plen_0702", "Lec07_Ekzerco_0703"};
    l.sendoj = {
        {"Sendas1_Lec07",
         "frame",
         "Lec07_Label4",
         {
             {"Label385_4", "lineEdit_63", "label", "Vi estas membro de la Junulara Esperantista Klubo."},
             {"Label386_4", "lineEdit_64", "label_2", "Ĝi estas klubo de Esperanto. \nĜi estas esperantista klubo."},
             {"Label387_4", "lineEdit_65", "label_3", "Vi portis kun vi sandviĉojn."},
             {"Label388_4", "lineEdit_66", "label_4", "Ili estis sub la seĝoj sur kiuj vi sidis."},
             {"Label389_4", "lineEdit_67", "label_5",
              "En San-Francisko okazis Esperanto-Kongreso. \nEn San-Francisko okazis kongreso de Esperanto."},
             {"Label388_5", "lineEdit_68", "label_6", "Vi vojaĝis dum tri tagoj."},
         }},
        {"Sendas2_Lec07",
         "frame_2",
         "Lec07_Label7",
         {
             {"Label385_6", "lineEdit_76", "label_7", "Vi veturis al la zoo per aŭtomobilo."},
             {"Label386_6", "lineEdit_75", "label_8", "La zoo estas ekster la urbo."},
             {"Label387_6", "lineEdit_77", "label_9",
              "Al via frato tre plaĉis la ursoj apud la enirejo. \nLa ursoj apud la enirejo tre plaĉis al via frato."},
             {"Label388_8", "lineEdit_78", "label_10",
              "La kaĝo de la nigra urso estas inter la kaĝoj de la brunaj kaj blankaj ursoj."},
             {"Label389_6", "lineEdit_79", "label_11", "La blanka urso estas el Arkto."},
             {"Label388_9", "lineEdit_80", "label_12", "La grandaj simioj tre similas al la homoj."},
         }},
        {"Sendas3_Lec07",
         "frame_3",
         "Lec07_Label10",
         {
             {"Lec07_Label569", "lineEdit_58", "label_13", "Mi venis per biciklo."},
             {"Lec07_Label570", "lineEdit_59", "label_14", "Mi biciklis en San-Franciskon."},
             {"Lec07_Label571", "lineEdit_60", "label_15", "Mi biciklis en San-Francisko."},
             {"Lec07_Label572", "lineEdit_61", "label_16", "Ŝi kuris sur la herbo."},
             {"Lec07_Label573", "lineEdit_62", "label_17", "Ŝi kuris sur la herbon."},
             {"Lec07_Label575", "lineEdit_81", "label_18", "Li kuris malantaŭ la arbo."},
             {"Lec07_Label576", "lineEdit_82", "label_19", "Li fumis malantaŭ la arbo."},
             {"Lec07_Label577", "lineEdit_83", "label_20", "Ŝi vojaĝis kun amiko."},
             {"Lec07_Label578", "lineEdit_84", "label_21", "Ŝi skribis per krajono."},
             {"Lec07_Label579", "lineEdit_85", "label_22", "Li metis la krajonon sub la paperon."},
         }},
    };
    l.eroj = {{"0701", 63, 63}, {"0702", 61, -1}, {"0709", 77, 21}, {"0703", 56, 0}};
    l.etikedoj = 100;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84"};
    l.fotoj = QStringList{"tab_3", "tab_10", "tab_19", "tab_21", "tab_22", "Sendas3_Lec07"};
    return l;
}

Leciono lec10()
{
    Leciono l;
    l.numero = 10;
    l.klaso = QStringLiteral("lec10");
    // The form leaves page 2 current; the main window chooses the real page.
    l.nunaPagho = 1;
    l.paghoj = {
        {"tab", "1", "leciono", "neklakebla_nova 7, titolo 1, QLabel 10, QScrollArea 1"},
        {"tab_2", "2", "leciono", "neklakebla_nova 8, QLabel 11, QScrollArea 1"},
        {"tab_3", "3", "leciono", "neklakebla_nova 17, titolo 1, QLabel 17, QScrollArea 1"},
        {"Ekzerco1_Lec10", "4", "plenigas_spacon2", ""},
        {"tab_5", "5", "leciono", "neklakebla_nova 7, titolo 1, QLabel 17, QScrollArea 1"},
        {"tab_6", "6", "leciono", "neklakebla_nova 11, QLabel 11, QScrollArea 1"},
        {"Sendas1_Lec10", "7", "sendas_24",
         "neklakebla_nova 10, titolo 1, QLabel 11, QPlainTextEdit 1, sendas_butono 1, mp3ludilo 1, QScrollArea 1"},
        {"tab_9", "8", "leciono", "neklakebla_nova 6, titolo 1, QLabel 8, QScrollArea 1"},
        {"Ekzerco2_Lec10", "9", "plenigas_spacon2", ""},
        {"Ekzerco3_Lec10", "10", "akuzativo", ""},
        {"Sendas2_Lec10", "11", "sendas_24",
         "neklakebla_nova 9, titolo 1, QLabel 10, QPlainTextEdit 1, sendas_butono 1, mp3ludilo 1, QScrollArea 1"},
        {"Sendas3_Lec10", "12", "sendas_24",
         "neklakebla_nova 13, QLabel 14, QPlainTextEdit 1, sendas_butono 1, mp3ludilo 1, QScrollArea 1"},
    };
    // The three reading texts.
    l.aliajEtikedoj = QStringList{"Memo4_Lec10", "Memo6_Lec10", "Memo8_Lec10"};
    l.tipoj = QStringList{"Lec10_Label721=suba", "Lec10_Label724=suba", "Lec10_Label6=suba",
                          "Lec10_Label744=suba", "Lec10_Label745=suba", "Lec10_Label747=suba",
                          "Memo4_Lec10=teksta",  "Memo6_Lec10=teksta",  "Memo8_Lec10=teksta"};
    l.lingvoj = QStringList{"Memo4_Lec10=eo",        "Memo6_Lec10=eo",          "Memo8_Lec10=eo",
                            "plainTextEdit=traduko", "plainTextEdit_2=traduko", "plainTextEdit_3=traduko"};
    // Each word of the reading pages' word lists is the buddy of its meaning,
    // which keeps the list out of the copy for the corrector.
    l.amikoj =
        QStringList{"Lec10_Label768>pushButton_62",  "Lec10_Label769>pushButton_63", "Lec10_Label770>pushButton_64",
                    "Lec10_Label771>pushButton_65",  "Lec10_Label772>pushButton_66", "Lec10_Label773>pushButton_67",
                    "Lec10_Label774>pushButton_68",  "Lec10_Label775>pushButton_69", "Lec10_Label776>pushButton_70",
                    "Lec10_Label777>pushButton_71",  "Lec10_Label779>pushButton_80", "Lec10_Label780>pushButton_81",
                    "Lec10_Label781>pushButton_82",  "Lec10_Label782>pushButton_83", "Lec10_Label783>pushButton_85",
                    "Lec10_Label784>pushButton_86",  "Lec10_Label785>pushButton_87", "Lec10_Label786>pushButton_88",
                    "Lec10_Label787>pushButton_89",  "Lec10_Label788>pushButton_84", "Lec10_Label789>pushButton_90",
                    "Lec10_Label800>pushButton_91",  "Lec10_Label801>pushButton_92", "Lec10_Label790>pushButton_98",
                    "Lec10_Label791>pushButton_99",  "Lec10_Label792>pushButton_93", "Lec10_Label798>pushButton_94",
                    "Lec10_Label793>pushButton_95",  "Lec10_Label794>pushButton_96", "Lec10_Label795>pushButton_97",
                    "Lec10_Label796>pushButton_100", "Lec10_Label799>pushButton_101"};
    l.ekzercoj = {
        {"Ekzerco1_Lec10", "plenigas_spacon", "Lec10_Ekz_Plen_1002"},
        {"Ekzerco2_Lec10", "plenigas_spacon", "Lec10B_Ekz_Plen_1001"},
        {"Ekzerco3_Lec10", "akuzativo", "Lec10_Ekz_Akuz_1005"},
    };
    l.kuroj = QStringList{"Lec10_Ekz_Plen_1002", "Lec10B_Ekz_Plen_1001", "Lec10_Ekz_Akuz_1005"};
    // The reading text is the question; the answer is a whole translation.
    l.sendoj = {
        {"Sendas1_Lec10", "pushButton_8", "Lec10_Label8", {{"Memo4_Lec10", "plainTextEdit", "", ""}}},
        {"Sendas2_Lec10", "pushButton_9", "Lec10_Label10", {{"Memo6_Lec10", "plainTextEdit_2", "", ""}}},
        {"Sendas3_Lec10", "pushButton_10", "", {{"Memo8_Lec10", "plainTextEdit_3", "", ""}}},
    };
    l.eroj = {{"1001", 31, -1}, {"1002", 55, -1}, {"1005", 31, -1}};
    l.etikedoj = 112;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84", "Frame42.Label84"};
    l.akuzativo = QStringLiteral("1001");
    l.fotoj = QStringList{"tab_5", "Sendas1_Lec10"};
    return l;
}

Leciono lec11()
{
    Leciono l;
    l.numero = 11;
    l.klaso = QStringLiteral("lec11");
    // The form leaves the first writing page current; the main window chooses the real page.
    l.nunaPagho = 10;
    l.paghoj = {
        {"tab", "1", "leciono", "neklakebla_nova 10, titolo 1, QLabel 11, QScrollArea 1"},
        {"tab_2", "2", "leciono", "neklakebla_nova 12, QLabel 12, QScrollArea 1"},
        {"tab_3", "3", "leciono", "neklakebla_nova 12, QLabel 12, QScrollArea 1"},
        {"tab_4", "4", "leciono", "neklakebla_nova 12, QLabel 12, QScrollArea 1"},
        {"Ekzerco1_Lec11", "5", "vortoludo", ""},
        {"tab_6", "6", "leciono", "neklakebla_nova 22, titolo 1, QLabel 12, QScrollArea 1"},
        {"Ekzerco2_Lec11", "7", "horlogho", ""},
        {"tab_8", "8", "leciono", "neklakebla_nova 15, titolo 1, QLabel 16, QScrollArea 1"},
        {"tab_9", "9", "leciono", "neklakebla_nova 6, titolo 1, QLabel 7, QScrollArea 1"},
        {"tab_10", "10", "leciono", "neklakebla_nova 20, titolo 2, QLabel 20, QScrollArea 1"},
        {"Sendas1_Lec11", "11", "sendas_24", "titolo 1, QLabel 16, korekta 5, cx_edit 10, sendujo 1, QScrollArea 1"},
        {"tab_5", "12", "sendas_24", "QLabel 11, korekta 5, cx_edit 10, sendujo 1, QScrollArea 1"},
    };
    // The clock times of page 6, the questions and their a) and b) of page
    // 11, the clock times of page 12: Esperanto that no translation touches.
    l.aliajEtikedoj =
        QStringList{"label_51",  "label_53",  "label_55",  "label_57",  "label_59",  "label_61",  "label_66",
                    "label_64",  "label_68",  "label_70",  "label_74",  "label_75",  "label_76",  "label_77",
                    "label_78",  "label_179", "label_180", "label_181", "label_182", "label_183", "label_184",
                    "label_185", "label_186", "label_187", "label_188", "label_79",  "label_80",  "label_82",
                    "label_83",  "label_84",  "label_85",  "label_86",  "label_87",  "label_88",  "label_89"};
    l.lingvoj = QStringList{
        "Lec11_Button709=eo", "Lec11_Button711=eo", "Lec11_Button715=eo", "Lec11_Button718=eo", "label_51=eo",
        "label_53=eo",        "label_55=eo",        "label_57=eo",        "label_59=eo",        "label_61=eo",
        "label_66=eo",        "label_64=eo",        "label_68=eo",        "label_70=eo",        "label_74=eo",
        "label_75=eo",        "label_76=eo",        "label_77=eo",        "label_78=eo",        "label_179=eo",
        "label_180=eo",       "label_181=eo",       "label_182=eo",       "label_183=eo",       "label_184=eo",
        "label_185=eo",       "label_186=eo",       "label_187=eo",       "label_188=eo",       "label_79=eo",
        "label_80=eo",        "label_82=eo",        "label_83=eo",        "label_84=eo",        "label_85=eo",
        "label_86=eo",        "label_87=eo",        "label_88=eo",        "label_89=eo"};
    l.ekzercoj = {
        {"Ekzerco1_Lec11", "vortoludo", "Lec11_Ekz_Vorto_1103"},
        {"Ekzerco2_Lec11", "kiomahoro", "Lec11_Ekzerco_Horo"},
    };
    l.kuroj = QStringList{"Lec11_Ekz_Vorto_1103", "Lec11_Ekzerco_Horo"};
    // Each question has two fields, a) and b), and one model answer that
    // holds a line for each. The last page is no "Sendas" page, but its
    // panel copies it for the corrector, so its answers are kept as well.
    l.sendoj = {{"Sendas1_Lec11",
                 "frame",
                 "Lec11_Label10",
                 {
                     {"label_179", "lineEdit", "label", "Viaj fratoj ankoraŭ studas en la urbo, ĉu ne?"},
                     {"label_180", "lineEdit_2", "label", "Viaj fratoj ne plu studas en la urbo, ĉu?"},
                     {"label_181", "lineEdit_3", "label_2", "Ĉu la knabino ĵus eniris la domon?"},
                     {"label_182", "lineEdit_4", "label_2", "La knabino ankoraŭ ne eniris la domon, ĉu?"},
                     {"label_183", "lineEdit_5", "label_3", "La trajno jam foriris, ĉu ne?"},
                     {"label_184", "lineEdit_6", "label_3", "La trajno ankoraŭ ne foriris, ĉu?"},
                     {"label_185", "lineEdit_7", "label_4", "Ĉu vi ambaŭ estas geedzoj?"},
                     {"label_186", "lineEdit_8", "label_4", "Vi ambaŭ estas geedzoj, ĉu ne?"},
                     {"label_187", "lineEdit_9", "label_5", "Ĉu via patro revenos morgaŭ?"},
                     {"label_188", "lineEdit_10", "label_5", "Via patro ne revenos morgaŭ, ĉu?"},
                 }},
                {"tab_5",
                 "frame_2",
                 "Lec11_Label2",
                 {
                     {"label_79", "lineEdit_11", "label_6", "La dek-tria kaj kvardek kvin"},
                     {"label_80", "lineEdit_12", "label_6", "Kvarono antaŭ la dua posttagmeze"},
                     {"label_82", "lineEdit_13", "label_7", "La dua kaj duono"},
                     {"label_83", "lineEdit_14", "label_7", "Duono post la dua"},
                     {"label_84", "lineEdit_15", "label_8", "La dek-naŭa kaj dek kvin"},
                     {"label_85", "lineEdit_16", "label_8", "Kvarono post la sepa vespere"},
                     {"label_86", "lineEdit_17", "label_9", "La kvina kaj kvindek kvin"},
                     {"label_87", "lineEdit_18", "label_9", "Kvin minutoj antaŭ la sesa matene"},
                     {"label_88", "lineEdit_19", "label_10", "La oka"},
                     {"label_89", "lineEdit_20", "label_10", "La oka matene"},
                 }}};
    l.eroj = {{"1101", 14, -1}, {"1103", 22, 22}};
    l.etikedoj = 103;
    l.fotoj = QStringList{"Ekzerco2_Lec11", "tab_10", "tab_5"};
    return l;
}
} // namespace

QString Leciono::sekcio() const
{
    return QStringLiteral("Lec%1").arg(numero, 2, 10, QLatin1Char('0'));
}

int Leciono::indeksoDe(const QString& pagho) const
{
    for (int i = 0; i < paghoj.size(); ++i)
        if (paghoj.at(i).nomo == pagho)
            return i;
    return -1;
}

const Ekzerco* Leciono::ekzerco(const QString& nomo) const
{
    for (const Ekzerco& e : ekzercoj)
        if (e.nomo == nomo)
            return &e;
    return nullptr;
}

QList<Ekzerco> Leciono::legantoj(const QString& kodo) const
{
    QList<Ekzerco> rezulto;
    for (const Ekzerco& e : ekzercoj)
        if (kodoDe(e) == kodo)
            rezulto << e;
    return rezulto;
}

const QList<Leciono>& lecionoj()
{
    static const QList<Leciono> tabelo = {lec01(), lec02(), lec07(), lec10(), lec11()};
    return tabelo;
}

QString kodoDe(const Ekzerco& e)
{
    if (e.klaso == QLatin1String("ekzerco1"))
        return QStringLiteral("0101");
    if (e.klaso == QLatin1String("kiomahoro"))
        return QStringLiteral("1101");
    return e.nomo.right(4);
}

} // namespace lecionaj_datumoj
