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

Leciono lec03()
{
    Leciono l;
    l.numero = 3;
    l.klaso = QStringLiteral("lec03");
    // The form leaves the send page current; the main window chooses the real page.
    l.nunaPagho = 9;
    // The root takes the main window's font: it sets none, nor a window title.
    l.tiparo = false;
    l.paghoj = {
        {"tab_24", "1", "leciono", "klakbutono_nova 8, titolo 1, QLabel 12, QScrollArea 1"},
        {"tab_25", "2", "leciono", "klakbutono_nova 44, titolo 1, QLabel 45, QScrollArea 1"},
        {"Ekzerco1_Lec03", "3", "numeraloj", ""},
        {"tab_27", "4", "leciono", "klakbutono_nova 13, titolo 2, QLabel 15, label_sago_reversa 5, QScrollArea 1"},
        {"tab_28", "5", "leciono", "klakbutono_nova 26, titolo 1, QLabel 26, QScrollArea 1"},
        {"Ekzerco7_Lec03", "Frazo", "", ""},
        {"Ekzerco2_lec03", "6", "mikrofoneto", ""},
        {"Ekzerco3_Lec03", "7", "oreleto", ""},
        {"Ekzerco4_Lec03", "8", "vortoludo", ""},
        {"Sendas1_Lec03", "9", "sendas_24", "titolo 1, QLabel 12, korekta 12, cx_edit 12, sendujo 1, QScrollArea 1"},
    };
    // The numbers in digits beside their names, and the colour swatches.
    const QStringList ciferoj{
        "label_19", "label_26", "label_27", "label_30", "label_33", "label_34", "label_35", "label_36", "label_37",
        "label_38", "label_42", "label_43", "label_44", "label_45", "label_46", "label_47", "label_55", "label_57",
        "label_58", "label_59", "label_60", "label_61", "label_62", "label_63", "label_64", "label_65", "label_67",
        "label_68", "label_69", "label_70", "label_71", "label_72", "label_73", "label_74", "label_75", "label_76",
        "label_77", "label_78", "label_79", "label_80", "label_81", "label_82", "label_83", "label_84"};
    const QStringList koloroj{"label_85", "label_86", "label_87", "label_89", "label_90",
                              "label_91", "label_93", "label_94", "label_96"};
    l.aliajEtikedoj = ciferoj + koloroj;
    l.koloroj = koloroj;
    l.tipoj = QStringList{"frame_2=markebla"};
    for (const QString& c : ciferoj)
        l.lingvoj << c + QStringLiteral("=eo");
    l.ekzercoj = {
        {"Ekzerco1_Lec03", "ekznumeraloj", "Lec03_Ekz_0301"},
        {"Ekzerco7_Lec03", "frazokonstruo", "Lec03_Ekz_Frazo_0307"},
        {"Ekzerco2_lec03", "prononco", "Lec03_Ekz_Pron_0302"},
        {"Ekzerco3_Lec03", "audkompreno", "Lec03_Ekz_Aud_0302"},
        {"Ekzerco4_Lec03", "vortoludo", "Lec03_Ekz_Vorto_0303"},
    };
    l.kuroj = QStringList{"Lec03_Ekz_0301", "Lec03_Ekz_Frazo_0307", "Lec03_Ekz_Pron_0302", "Lec03_Ekz_Aud_0302",
                          "Lec03_Ekz_Vorto_0303"};
    l.sendoj = {
        {"Sendas1_Lec03",
         "frame",
         "Lec03_Label10",
         {
             {"Lec03_Label302", "lineEdit_31", "Lec03_Button901", "Li amas ŝin."},
             {"Lec03_Label303", "lineEdit_32", "Lec03_Button902", "Li amas ŝian fratinon."},
             {"Lec03_Label304", "lineEdit_33", "Lec03_Button903", "Ŝi amas lin."},
             {"Lec03_Label305", "lineEdit_34", "Lec03_Button904", "La unua viro amas la duan virinon."},
             {"Lec03_Label306", "lineEdit_35", "Lec03_Button905", "La dua virino malamas la unuan viron."},
             {"Lec03_Label308", "lineEdit_36", "Lec03_Button906", "La knaboj unue petis tri kukojn."},
             {"Lec03_Label309", "lineEdit_37", "Lec03_Button907", "Due ili petis limonadon."},
             {"Lec03_Label310", "lineEdit_38", "Lec03_Button908", "La butiko malbone faras la malgrandan panon."},
             {"Lec03_Label20", "lineEdit_39", "Lec03_Button909", "Mia frato matene promenas."},
             {"Lec03_Label21", "lineEdit_42", "Lec03_Button910", "Via amiko varme respondis."},
             {"Lec03_Label22", "lineEdit_41", "Lec03_Button911", "La instruisto bone skribas."},
             {"Lec03_Label231", "lineEdit_40", "Lec03_Button912", "La maljuna virino sane vivas."},
         }}};
    l.eroj = {{"0301", 24, 0}, {"0302", 49, 0}, {"0303", 31, 31}, {"0307", 18, 18}};
    // 62 of the form and the title and instruction of the numerals frame.
    l.etikedoj = 65;
    l.fotoj = QStringList{"tab_25", "Ekzerco1_Lec03", "tab_27", "tab_28", "Sendas1_Lec03"};
    return l;
}

Leciono lec04()
{
    Leciono l;
    l.numero = 4;
    l.klaso = QStringLiteral("lec04");
    l.nunaPagho = 0;
    l.paghoj = {
        {"tab_33", "1", "leciono", "klakbutono_nova 14, titolo 1, QLabel 14, label_sago_reversa 4, QScrollArea 1"},
        {"tab_34", "2", "leciono", "klakbutono_nova 10, titolo 1, QLabel 10, QScrollArea 1"},
        {"tab_35", "3", "leciono",
         "klakbutono_nova 12, neklakebla_nova 6, titolo 2, QLabel 13, label_sago 3, QScrollArea 1"},
        {"tab_36", "4", "leciono", "klakbutono_nova 4, titolo 1, QLabel 8, QScrollArea 1"},
        {"tab_37", "5", "leciono", "klakbutono_nova 20, titolo 1, QLabel 20, QScrollArea 1"},
        {"tab_38", "6", "parolo", "klakbutono_nova 11, titolo 2, QLabel 13, mp3ludilo 1, QScrollArea 1"},
        {"Ekzerco7_Lec04", "Frazo", "", ""},
        {"Ekzerco1_Lec04", "7", "mikrofoneto", ""},
        {"Ekzerco2_Lec04", "8", "oreleto", ""},
        {"Ekzerco3_Lec04", "9", "vortoludo", ""},
        {"Sendas1_Lec04", "10", "sendas_24", "titolo 1, QLabel 10, korekta 10, cx_edit 10, sendujo 1, QScrollArea 1"},
        {"Sendas2_Lec04", "11", "sendas_24",
         "klakbutono_nova 4, titolo 2, QLabel 10, korekta 5, cx_edit 5, sendujo 1, QScrollArea 1"},
    };
    // The written dates and their readings, the reading text, and the second
    // send page's Esperanto questions and their model answers.
    const QStringList datoj{"label_98", "label_101", "label_104", "label_122", "label_123", "label_124"};
    const QStringList demandoj{"Label385_2", "Label386_2", "Label387_2", "Label388_2", "Label389_2"};
    l.aliajEtikedoj =
        datoj + demandoj + QStringList{"Memo1_Lec04", "label_11", "label_12", "label_13", "label_14", "label_15"};
    for (const QString& d : datoj) {
        l.tipoj << d + QStringLiteral("=esperanta");
        l.lingvoj << d + QStringLiteral("=eo");
    }
    l.tipoj << QStringLiteral("Memo1_Lec04=teksta");
    l.lingvoj << QStringLiteral("Memo1_Lec04=eo");
    for (const QString& d : demandoj)
        l.lingvoj << d + QStringLiteral("=eo");
    // The words of those questions: the heading and the meanings name their
    // word boxes, and the copy leaves the list out.
    l.amikoj = QStringList{"Lec04_Label429>Lec04_Button481", "Lec04_Label430>Lec04_Button481",
                           "Lec04_Label431>Lec04_Button482", "Lec04_Label432>Lec04_Button483",
                           "Lec04_Label433>Lec04_Button484"};
    l.ekzercoj = {
        {"Ekzerco7_Lec04", "frazokonstruo", "Lec04_Ekz_Frazo_0407"},
        {"Ekzerco1_Lec04", "prononco", "Lec04_Ekz_Pronon_0403"},
        {"Ekzerco2_Lec04", "audkompreno", "Lec04_Ekz_Aud_0403"},
        {"Ekzerco3_Lec04", "vortoludo", "Lec04_Ekz_Vorto_0401"},
    };
    l.kuroj =
        QStringList{"Lec04_Ekz_Frazo_0407", "Lec04_Ekz_Pronon_0403", "Lec04_Ekz_Aud_0403", "Lec04_Ekz_Vorto_0401"};
    l.sendoj = {
        {"Sendas1_Lec04",
         "frame",
         "Lec04_Label5",
         {
             {"Lec04_Label385", "lineEdit_43", "Lec04_Button901", "Ĉu via patro kolektas poŝtmarkojn?"},
             {"Lec04_Label386", "lineEdit_44", "Lec04_Button902", "Ĉu la filo forgesis la lakton?"},
             {"Lec04_Label387", "lineEdit_45", "Lec04_Button903", "Ĉu la infanoj manĝas sandviĉon?"},
             {"Lec04_Label388", "lineEdit_46", "Lec04_Button904", "Ĉu sana knabo trinkas lakton?"},
             {"Lec04_Label389", "lineEdit_47", "Lec04_Button905", "Ĉu la patro lavos la malgrandajn tasojn?"},
             {"Lec04_Label391", "lineEdit_48", "Lec04_Button906", "Ĉu la nova instruistino forgesis la libron?"},
             {"Lec04_Label392", "lineEdit_49", "Lec04_Button907", "Ĉu ili vendas teon kaj kafon?"},
             {"Lec04_Label393", "lineEdit_50", "Lec04_Button908", "Ĉu la malsana filino malbone skribas?"},
             {"Lec04_Label394", "lineEdit_51", "Lec04_Button909", "Ĉu ili estas bonaj amikoj?"},
             {"Lec04_Label395", "lineEdit_52", "Lec04_Button910", "Ĉu via frato vendas librojn kaj ĵurnalojn?"},
         }},
        // Questions in Esperanto, answered in Esperanto: they are not translated.
        {"Sendas2_Lec04",
         "frame_2",
         "Lec04_Label6",
         {
             {"Label385_2", "lineEdit_53", "label_11", "Ne, la lakto ne estas varma."},
             {"Label386_2", "lineEdit_54", "label_12", "Jes, mi gustumis la kukon. "},
             {"Label387_2", "lineEdit_55", "label_13", "Ne, lia edzino ne estas la patrino de mia amiko. "},
             {"Label388_2", "lineEdit_56", "label_14", "Ne, majo ne estas la dua monato de la jaro."},
             {"Label389_2", "lineEdit_57", "label_15", "Jes, mi vidis la novan teatraĵon. "},
         }}};
    // 0402 is read by no frame (tst_lec04_legajho checks it).
    l.eroj = {{"0401", 63, 63}, {"0403", 48, 5}, {"0407", 16, 16}};
    l.etikedoj = 103;
    l.fotoj = QStringList{"tab_33", "tab_35", "tab_38", "Sendas2_Lec04"};
    return l;
}

Leciono lec05()
{
    Leciono l;
    l.numero = 5;
    l.klaso = QStringLiteral("lec05");
    // The form leaves the sentence-building page current; the main window chooses the real page.
    l.nunaPagho = 10;
    // The pages take the fonts the learner chose in the main window.
    l.tiparo = false;
    l.paghoj = {
        {"tab", "1", "leciono", "klakbutono_nova 10, titolo 1, QLabel 25, QScrollArea 1"},
        {"tab_3", "2", "leciono", "klakbutono_nova 10, QLabel 22, QScrollArea 1"},
        {"tab_5", "3", "leciono", "klakbutono_nova 10, QLabel 12, QScrollArea 1"},
        {"tab_6", "4", "leciono", "klakbutono_nova 10, QLabel 12, QScrollArea 1"},
        {"tab_7", "5", "leciono", "klakbutono_nova 3, titolo 1, QLabel 6, QScrollArea 1"},
        {"tab_8", "6", "leciono", "klakbutono_nova 23, titolo 1, QLabel 23, QScrollArea 1"},
        {"Ekzerco1_Lec05", "7", "vortoludo", ""},
        {"Ekzerco2_Lec05", "8", "plenigas_spacon2", ""},
        {"Ekzerco3_Lec05", "9", "mikrofoneto", ""},
        {"Ekzerco4_Lec05", "10", "oreleto", ""},
        {"FrazoKonstruo", "Frazo", "", ""},
        {"Sendas1_Lec05", "11", "sendas_24", "titolo 1, QLabel 10, korekta 10, cx_edit 10, sendujo 1, QScrollArea 1"},
    };
    // The beginnings and endings of the correlatives: labels named like buttons.
    l.aliajEtikedoj = QStringList{"pushButton",    "pushButton_2",  "pushButton_5",  "pushButton_14", "pushButton_11",
                                  "pushButton_8",  "pushButton_23", "pushButton_20", "pushButton_17", "pushButton_24",
                                  "pushButton_30", "pushButton_27", "pushButton_33", "pushButton_34"};
    for (const QString& a : qAsConst(l.aliajEtikedoj))
        l.tipoj << a + QStringLiteral("=afikso");
    l.tipoj << QStringLiteral("frame_21=markebla") << QStringLiteral("frame_23=markebla");
    // The heading of the page on ĉi, the word itself, untranslated.
    l.aliajEtikedoj << QStringLiteral("label_58");
    l.ekzercoj = {
        {"Ekzerco1_Lec05", "vortoludo", "Lec05_Ekz_Vorto_0501"},
        {"Ekzerco2_Lec05", "plenigas_spacon", "Lec05_Ekz_Plen_0502"},
        {"Ekzerco3_Lec05", "prononco", "Lec05_Ekz_Pron_0501"},
        {"Ekzerco4_Lec05", "audkompreno", "Lec05_Ekz_Aud_0501"},
        {"FrazoKonstruo", "frazokonstruo", "Lec05_Ekz_Frazo_0507"},
    };
    l.kuroj = QStringList{"Lec05_Ekz_Vorto_0501", "Lec05_Ekz_Plen_0502", "Lec05_Ekz_Pron_0501", "Lec05_Ekz_Aud_0501",
                          "Lec05_Ekz_Frazo_0507"};
    l.sendoj = {{"Sendas1_Lec05",
                 "frame_22",
                 "Lec05_Label8",
                 {
                     {"Lec05_Label464", "lineEdit_43", "label", "Kio estas tio?"},
                     {"Lec05_Label465", "lineEdit_44", "label_2", "Kie estas mia taso?"},
                     {"Lec05_Label466", "lineEdit_45", "label_3", "Kiu estas mia libro?"},
                     {"Lec05_Label467", "lineEdit_46", "label_4", "Kiu manĝis mian kukon?"},
                     {"Lec05_Label468", "lineEdit_47", "label_5", "Kiam vi manĝos?"},
                     {"Lec05_Label470", "lineEdit_48", "label_6", "Ĉio estas malseka."},
                     {"Lec05_Label471", "lineEdit_49", "label_7", "Mi forgesis ĉion."},
                     {"Lec05_Label472", "lineEdit_50", "label_8", "Mia libro estas ie."},
                     {"Lec05_Label473", "lineEdit_51", "label_9", "Tiam mi trinkis mian teon."},
                     {"Lec05_Label474", "lineEdit_52", "label_10", "Kiu estas tiu?"},
                 }}};
    // Three words of 0501 go by their button's number: their clips are named by it.
    l.eroj = {{"0501", 40, 3}, {"0502", 20, -1}, {"0507", 14, 14}};
    l.etikedoj = 99;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84"};
    l.fotoj = QStringList{"tab", "tab_6", "tab_7", "Ekzerco2_Lec05"};
    return l;
}

Leciono lec06()
{
    Leciono l;
    l.numero = 6;
    l.klaso = QStringLiteral("lec06");
    l.nunaPagho = 0;
    l.paghoj = {
        {"tab", "1", "leciono", "klakbutono_nova 10, titolo 1, QLabel 23, QScrollArea 1"},
        {"tab_3", "2", "leciono", "klakbutono_nova 10, QLabel 12, QScrollArea 1"},
        {"tab_4", "3", "leciono", "klakbutono_nova 10, QLabel 12, QScrollArea 1"},
        {"tab_5", "4", "leciono", "klakbutono_nova 10, QLabel 12, QScrollArea 1"},
        {"tab_6", "5", "leciono", "klakbutono_nova 10, QLabel 12, QScrollArea 1"},
        {"tab_7", "6", "leciono", "klakbutono_nova 7, titolo 1, QLabel 9, QScrollArea 1"},
        {"Ekzerco7_Lec06", "Frazo", "", ""},
        {"Ekzerco1_Lec06", "7", "vortoludo", ""},
        {"Ekzerco2_Lec06", "8", "plenigas_spacon2", ""},
        {"Ekzerco3_Lec06", "9", "mikrofoneto", ""},
        {"Ekzerco4_Lec06", "10", "oreleto", ""},
        {"Ekzerco5_Lec06", "11", "akuzativo", ""},
        {"Sendas1_Lec06", "12", "sendas_24", "titolo 1, QLabel 10, korekta 10, cx_edit 10, sendujo 1, QScrollArea 1"},
    };
    // The beginnings and endings of the correlatives: labels named like buttons.
    l.aliajEtikedoj = QStringList{"pushButton",    "pushButton_2",  "pushButton_5",  "pushButton_8",  "pushButton_11",
                                  "pushButton_14", "pushButton_23", "pushButton_34", "pushButton_35", "pushButton_36"};
    for (const QString& a : qAsConst(l.aliajEtikedoj))
        l.tipoj << a + QStringLiteral("=afikso");
    l.ekzercoj = {
        {"Ekzerco7_Lec06", "frazokonstruo", "Lec06_Ekz_Frazo_0607"},
        {"Ekzerco1_Lec06", "vortoludo", "Lec06_Ekz_Vorto_0601"},
        {"Ekzerco2_Lec06", "plenigas_spacon", "Lec06_Ekz_Plen_0602"},
        {"Ekzerco3_Lec06", "prononco", "Lec06_Ekz_Pron_0601"},
        {"Ekzerco4_Lec06", "audkompreno", "Lec06_Ekz_Aud_0601"},
        {"Ekzerco5_Lec06", "akuzativo", "Lec06_Ekz_Akuz_0605"},
    };
    l.kuroj = QStringList{"Lec06_Ekz_Frazo_0607", "Lec06_Ekz_Vorto_0601", "Lec06_Ekz_Plen_0602",
                          "Lec06_Ekz_Pron_0601",  "Lec06_Ekz_Aud_0601",   "Lec06_Ekz_Akuz_0605"};
    // Questions 9 and 10 are answered by label_10 and label_9, in that order.
    l.sendoj = {{"Sendas1_Lec06",
                 "frame_9",
                 "Lec06_Label25",
                 {
                     {"Lec06_Label475", "lineEdit_43", "label", "Kiel ŝi kuras?"},
                     {"Lec06_Label476", "lineEdit_44", "label_2", "Kion vi skribas?"},
                     {"Lec06_Label477", "lineEdit_45", "label_3", "Mi estas nenies edzino."},
                     {"Lec06_Label478", "lineEdit_46", "label_4", "Kiel vi faris tion?"},
                     {"Lec06_Label479", "lineEdit_47", "label_5", "Mi ne estas tia knabino."},
                     {"Lec06_Label481", "lineEdit_48", "label_6", "Ni havas ĉiajn tasojn."},
                     {"Lec06_Label482", "lineEdit_49", "label_7", "Kian sandviĉon vi havas?"},
                     {"Lec06_Label483", "lineEdit_50", "label_8", "Kion vi petis?"},
                     {"Lec06_Label484", "lineEdit_51", "label_10", "Ĉu ĉiuj estas sekaj?"},
                     {"Lec06_Label485", "lineEdit_52", "label_9", "Kiu estas tiu?"},
                 }}};
    l.eroj = {{"0601", 25, 0}, {"0602", 19, -1}, {"0605", 39, -1}, {"0607", 15, 15}};
    l.etikedoj = 83;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84"};
    l.akuzativo = QStringLiteral("0605");
    l.fotoj = QStringList{"tab", "tab_5", "Ekzerco5_Lec06"};
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
        {"tab_10", "2", "parolo", "klakbutono_nova 17, titolo 1, QLabel 18, mp3ludilo 1, QScrollArea 1"},
        {"Sendas1_Lec07", "3", "sendas_24", "titolo 1, QLabel 7, korekta 6, cx_edit 6, sendujo 1, QScrollArea 1"},
        {"tab_12", "4", "leciono",
         "klakbutono_nova 18, neklakebla_nova 18, titolo 1, QLabel 18, label_sago_reversa 18, QScrollArea 1"},
        {"tab_19", "5", "parolo", "klakbutono_nova 24, titolo 1, QLabel 25, mp3ludilo 1, QScrollArea 1"},
        {"Sendas2_Lec07", "6", "sendas_24", "titolo 1, QLabel 7, korekta 6, cx_edit 6, sendujo 1, QScrollArea 1"},
        {"tab_21", "7", "leciono", "klakbutono_nova 5, titolo 1, QLabel 9, QScrollArea 1"},
        {"tab_22", "8", "leciono", "klakbutono_nova 10, QLabel 10, label_sago 1, QScrollArea 1"},
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
    l.etikedoj = 108;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84"};
    l.fotoj = QStringList{"tab_3", "tab_10", "tab_19", "tab_21", "tab_22", "Sendas3_Lec07"};
    return l;
}

Leciono lec08()
{
    Leciono l;
    l.numero = 8;
    l.klaso = QStringLiteral("lec08");
    // The form leaves the last suffix page current; the main window chooses the real page.
    l.nunaPagho = 8;
    l.paghoj = {
        {"tab_11", "1", "leciono", "neklakebla_nova 9, titolo 1, QLabel 12, QScrollArea 1"},
        {"tab_20", "2", "leciono", "neklakebla_nova 6, titolo 1, QLabel 8, QScrollArea 1"},
        {"Ekzerco1_Plen_Lec08", "3", "plenigas_spacon2", ""},
        {"tab_26", "4", "leciono", "neklakebla_nova 16, titolo 1, QLabel 25, QScrollArea 1"},
        {"tab_29", "5", "leciono", "neklakebla_nova 18, QLabel 26, label_sago_reversa 5, QScrollArea 1"},
        {"tab_30", "6", "leciono", "neklakebla_nova 16, QLabel 22, label_sago_reversa 5, QScrollArea 1"},
        {"tab_31", "7", "leciono", "neklakebla_nova 18, titolo 1, QLabel 26, label_sago_reversa 7, QScrollArea 1"},
        {"tab_32", "8", "leciono", "neklakebla_nova 18, QLabel 26, label_sago_reversa 9, QScrollArea 1"},
        {"tab_39", "9", "leciono", "neklakebla_nova 18, QLabel 26, label_sago_reversa 9, QScrollArea 1"},
        {"Ekzerco2_Plen_Lec08", "10", "plenigas_spacon2", ""},
        {"Ekzerco3_Lec08", "11", "vortoludo", ""},
        {"Ekzerco4_Lec08", "12", "akuzativo", ""},
        {"Sendas1_Lec08", "13", "sendas_24", "titolo 1, QLabel 8, korekta 8, cx_edit 8, sendujo 1, QScrollArea 1"},
    };
    // The affix labels of the affix boxes: Esperanto, never translated.
    const QStringList afiksoj = {"label_217", "label_223", "label_229", "label_235", "label_259", "label_253",
                                 "label_247", "label_241", "label_283", "label_277", "label_271", "label_308",
                                 "label_302", "label_296", "label_290", "label_332", "label_326", "label_320",
                                 "label_314", "label_356", "label_393", "label_344", "label_338"};
    l.aliajEtikedoj = afiksoj;
    for (const QString& a : afiksoj)
        l.tipoj << a + QStringLiteral("=afikso");
    for (int n = 143; n <= 147; ++n)
        l.tipoj << QStringLiteral("Lec08_Label%1=suba").arg(n);
    l.tipoj << QStringLiteral("Lec08_Label166=suba");
    l.ekzercoj = {
        {"Ekzerco1_Plen_Lec08", "plenigas_spacon", "Lec08_Ekzerco_0801"},
        {"Ekzerco2_Plen_Lec08", "plenigas_spacon", "Lec08B_Ekzerco_0802"},
        {"Ekzerco3_Lec08", "vortoludo", "Lec08_Ekzerco_0803"},
        {"Ekzerco4_Lec08", "akuzativo", "Lec08_Ekzerco_0805"},
    };
    l.kuroj = QStringList{"Lec08_Ekzerco_0801", "Lec08B_Ekzerco_0802", "Lec08_Ekzerco_0803", "Lec08_Ekzerco_0805"};
    // The model answers are named "label", "label_2", ...: the keys of the
    // saved answers are the fields' names, which earlier runs stored.
    l.sendoj = {{"Sendas1_Lec08",
                 "frame",
                 "Lec08_Label72",
                 {
                     {"Lec08_Label302", "lineEdit_69", "label", "Mia bopatrino eklernis Esperanton."},
                     {"Lec08_Label303", "lineEdit_70", "label_2", "Miaj ekskolegoj disdonos ĵurnalon."},
                     {"Lec08_Label304", "lineEdit_71", "label_3", "Tiu fiviro faris mispaŝon."},
                     {"Lec08_Label305", "lineEdit_72", "label_4", "Miaj gepatroj vizitis siajn pranepojn."},
                     {"Lec08_Label306", "lineEdit_86", "label_5", "Mia patro estas pli aĝa ol mia patrino."},
                     {"Lec08_Label308", "lineEdit_87", "label_6", "Kiu estas la plej bela el la knabinoj?"},
                     {"Lec08_Label309", "lineEdit_88", "label_7", "Mia bofratino estas pli eleganta ol la najbarino."},
                     {"Lec08_Label310", "lineEdit_89", "label_8", "Mia avino legas pli ol mia bofilo."},
                 }}};
    l.eroj = {{"0801", 14, -1}, {"0802", 27, -1}, {"0803", 95, 95}, {"0805", 27, -1}};
    l.etikedoj = 161;
    // The instructions of the two gap-filling frames; the "B" of the second
    // frame's name picks the second key.
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84", "Frame42.Label84"};
    l.akuzativo = QStringLiteral("0802");
    l.fotoj = QStringList{"tab_11", "tab_26", "tab_31", "Ekzerco2_Plen_Lec08"};
    return l;
}

Leciono lec09()
{
    Leciono l;
    l.numero = 9;
    l.klaso = QStringLiteral("lec09");
    // The form leaves the last send page current; the main window chooses the real page.
    l.nunaPagho = 11;
    l.tiparo = false;
    l.paghoj = {
        {"tab", "1", "leciono", "neklakebla_nova 16, titolo 1, QLabel 24, label_sago_reversa 8, QScrollArea 1"},
        {"tab_2", "2", "leciono", "neklakebla_nova 18, QLabel 26, label_sago_reversa 9, QScrollArea 1"},
        {"tab_3", "3", "leciono", "neklakebla_nova 16, QLabel 22, label_sago_reversa 8, QScrollArea 1"},
        {"tab_4", "4", "leciono", "neklakebla_nova 20, QLabel 28, label_sago_reversa 10, QScrollArea 1"},
        {"tab_5", "5", "leciono", "neklakebla_nova 13, QLabel 19, label_sago 3, label_sago_reversa 4, QScrollArea 1"},
        {"Ekzerco_Vorto_Lec09", "6", "vortoludo", ""},
        {"Ekzerco_Plen_Lec09", "7", "plenigas_spacon2", ""},
        {"Sendas1_Lec09", "8", "sendas_24",
         "titolo 1, QLabel 25, QLineEdit 12, cx_edit 4, sendas_butono 1, QScrollArea 1"},
        {"tab_6", "9", "leciono", "neklakebla_nova 9, titolo 1, QLabel 10, QScrollArea 1"},
        {"tab_7", "10", "leciono", "neklakebla_nova 11, QLabel 13, QScrollArea 1"},
        {"tab_8", "11", "parolo", "neklakebla_nova 11, QLabel 17, mp3ludilo 1, QScrollArea 1"},
        {"Sendas2_Lec09", "12", "sendas_24", "titolo 1, QLabel 4, korekta 1, cx_plainedit 1, sendujo 1, QScrollArea 1"},
    };
    // The suffixes beside their boxes, the words of the first send page and
    // the verse on the reading and the second send page. (The boxes of the
    // example sentences keep the form's names, as boxes that do not speak.)
    l.aliajEtikedoj = QStringList{
        "label_308", "label_302", "label_296", "label_297", "label_309", "label_320",   "label_303", "label_298",
        "label_304", "label_321", "label_300", "label_305", "label_306", "label_307",   "label_322", "label_301",
        "label_323", "label_12",  "label_13",  "label_14",  "label_15",  "label_16",    "label_24",  "label_25",
        "label_26",  "label_27",  "label_28",  "label_18",  "label_19",  "label_20",    "label_21",  "label_22",
        "label_30",  "label_31",  "label_32",  "label_33",  "label_34",  "Memo1_Lec09", "label_67"};
    l.tipoj = QStringList{"label_308=afikso", "label_302=afikso",   "label_296=afikso", "label_297=afikso",
                          "label_309=afikso", "label_320=afikso",   "label_303=afikso", "label_298=afikso",
                          "label_304=afikso", "label_321=afikso",   "label_300=afikso", "label_305=afikso",
                          "label_306=afikso", "label_307=afikso",   "label_322=afikso", "label_301=afikso",
                          "label_323=afikso", "Memo1_Lec09=teksta", "label_67=teksta",  "frame1=markebla"};
    l.lingvoj = QStringList{"Memo1_Lec09=eo",      "label_67=eo",         "lineEdit_2=traduko",  "lineEdit_3=traduko",
                            "lineEdit_4=traduko",  "lineEdit_5=traduko",  "lineEdit_6=traduko",  "lineEdit_7=traduko",
                            "lineEdit_8=traduko",  "lineEdit_9=traduko",  "lineEdit_10=traduko", "lineEdit_11=traduko",
                            "lineEdit_12=traduko", "lineEdit_13=traduko", "lineEdit_14=traduko", "lineEdit_15=traduko",
                            "lineEdit_16=traduko", "lineEdit_17=traduko"};
    l.ekzercoj = {
        {"Ekzerco_Vorto_Lec09", "vortoludo", "Lec09_Ekz_Vorto_0903"},
        {"Ekzerco_Plen_Lec09", "plenigas_spacon", "Lec09_Ekz_Plen_0902"},
    };
    l.kuroj = QStringList{"Lec09_Ekz_Vorto_0903", "Lec09_Ekz_Plen_0902"};
    // Page 8: words derived from four roots, each beside its field; no model
    // answers (the texts are right answers for the suites to write), a lone
    // send button. Page 12: the verse to rewrite.
    Sendo derivitaj{"Sendas1_Lec09",
                    "pushButton",
                    "Lec09_Label86",
                    {
                        {"label_13", "lineEdit_2", "", "wife"},
                        {"label_14", "lineEdit_3", "", "to get married (of a man)"},
                        {"label_15", "lineEdit_4", "", "ex-husband"},
                        {"label_16", "lineEdit_5", "", "husband and wife"},
                        {"label_25", "lineEdit_10", "", "cow"},
                        {"label_26", "lineEdit_11", "", "calf"},
                        {"label_27", "lineEdit_12", "", "herd of cattle"},
                        {"label_28", "lineEdit_13", "", "cowshed"},
                        {"label_19", "lineEdit_6", "", "woman"},
                        {"label_20", "lineEdit_7", "", "little man"},
                        {"label_21", "lineEdit_8", "", "brute of a man"},
                        {"label_22", "lineEdit_9", "", "male"},
                        {"label_31", "lineEdit_14", "", "cold"},
                        {"label_32", "lineEdit_15", "", "warmth"},
                        {"label_33", "lineEdit_16", "", "lukewarm"},
                        {"label_34", "lineEdit_17", "", "to get cold"},
                    }};
    derivitaj.numeritaj = false;
    Sendo verso{"Sendas2_Lec09",
                "frame_5",
                "Lec09_Label82",
                {{"label_67", "Lec09_Memo4", "label",
                  QStringLiteral("— Mi vidis vin, ho trezoro!\n"
                                 "    Vi kaptis la koron tuj.\n"
                                 "— Mi ŝatas vin, ho sinjoro!\n"
                                 "    Sed la monujo tentas min.\n"
                                 "\n"
                                 "— Mia koro ja amas vin!\n"
                                 "    Monon? Mi ne havas ĝin.\n"
                                 "— Sen monero kaj sen oro\n"
                                 "    Vi ne taŭgas por reĝino.")}}};
    verso.numeritaj = false;
    verso.blokoj = false;
    l.sendoj = {derivitaj, verso};
    l.eroj = {{"0902", 29, -1}, {"0903", 80, 80}};
    l.etikedoj = 153;
    l.ekstrajSxlosiloj = QStringList{"TFrame41.Label84"};
    l.fotoj = QStringList{"tab", "tab_6", "tab_8", "Sendas1_Lec09", "Sendas2_Lec09"};
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
    // The reading text is the question; the answer is a whole translation,
    // typed line by line. The last page has no heading: its reading opens it.
    Sendo unua{"Sendas1_Lec10",
               "pushButton_8",
               "Lec10_Label8",
               {{"Memo4_Lec10", "plainTextEdit", "",
                 "Judge: You are accused of stealing a purse on the bus. What do you say?\n"
                 "Accused: I maintain that I am innocent, Your Honour.\n"
                 "Judge: But three witnesses saw you take it!\n"
                 "Accused: Well, I could bring a hundred witnesses who did not see it!\n"
                 "\n"
                 "On a tram:\n"
                 "Little boy: Mummy, why is that gentleman closing his eyes? Is he asleep?\n"
                 "Mother: Hush, dear! He must be very tired.\n"
                 "Little boy: I don't think he is asleep. He has closed his eyes so that he doesn't have to give "
                 "you his seat."}}};
    Sendo dua{"Sendas2_Lec10",
              "pushButton_9",
              "Lec10_Label10",
              {{"Memo6_Lec10", "plainTextEdit_2", "",
                "- My wife really gets on my nerves: she keeps talking to herself.\n"
                "- Mine too. But she thinks I'm listening to her.\n"
                "\n"
                "In a café:\n"
                "- Waiter, this is the second time I've found a fly in my coffee!\n"
                "- Don't worry, sir, it won't drink much."}}};
    Sendo tria{"Sendas3_Lec10",
               "pushButton_10",
               "",
               {{"Memo8_Lec10", "plainTextEdit_3", "",
                 "After their first quarrel a young married couple drove home. Neither of them said a word during "
                 "the whole drive. They passed a field where donkeys and pigs were grazing. The husband pointed at "
                 "them and asked sarcastically:\n"
                 "- Relatives of yours?\n"
                 "- Yes, the wife answered, my in-laws."}}};
    for (Sendo* sendo : {&unua, &dua, &tria})
        sendo->numeritaj = false;
    l.sendoj = {unua, dua, tria};
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
        {"tab_3", "3", "leciono", "neklakebla_nova 14, QLabel 14, QScrollArea 1"},
        {"tab_4", "4", "leciono", "neklakebla_nova 14, QLabel 15, QScrollArea 1"},
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
    // The numbered questions stand above their a) and b).
    l.sendoj = {{"Sendas1_Lec11",
                 "frame",
                 "Lec11_Label10",
                 {
                     {"label_179", "lineEdit", "label", "Viaj fratoj ankoraŭ studas en la urbo, ĉu ne?"},
                     {"label_180", "lineEdit_2", "label", "Viaj fratoj ankoraŭ studas en la urbo, ĉu?"},
                     {"label_181", "lineEdit_3", "label_2", "Ĉu la knabino ĵus eniris la domon?"},
                     {"label_182", "lineEdit_4", "label_2", "La knabino ĵus eniris la domon, ĉu?"},
                     {"label_183", "lineEdit_5", "label_3", "La instruisto jam foriris, ĉu ne?"},
                     {"label_184", "lineEdit_6", "label_3", "La instruisto jam foriris, ĉu?"},
                     {"label_185", "lineEdit_7", "label_4", "Ĉu vi ambaŭ ne estas geedzoj?"},
                     {"label_186", "lineEdit_8", "label_4", "Vi ambaŭ ne estas geedzoj, ĉu ne?"},
                     {"label_187", "lineEdit_9", "label_5", "Ĉu via patro revenos morgaŭ?"},
                     {"label_188", "lineEdit_10", "label_5", "Via patro revenos morgaŭ, ĉu?"},
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
    for (Sendo& sendo : l.sendoj)
        sendo.numeritaj = false;
    l.eroj = {{"1101", 14, -1}, {"1103", 22, 22}};
    l.etikedoj = 108;
    l.fotoj = QStringList{"Ekzerco2_Lec11", "tab_10", "tab_5"};
    return l;
}

Leciono lec12()
{
    Leciono l;
    l.numero = 12;
    l.klaso = QStringLiteral("lec12");
    // The form leaves the send page current; the main window chooses the real page.
    l.nunaPagho = 9;
    l.paghoj = {
        {"tab", "1", "leciono", "neklakebla_nova 9, titolo 1, QLabel 12, QScrollArea 1"},
        {"tab_2", "2", "leciono", "neklakebla_nova 7, QLabel 10, QScrollArea 1"},
        {"tab_3", "3", "leciono", "neklakebla_nova 6, QLabel 10, QScrollArea 1"},
        {"Ekzerco1_Akuz_Lec12", "4", "akuzativo", ""},
        {"tab_5", "5", "leciono", "neklakebla_nova 5, titolo 1, QLabel 4, QScrollArea 1"},
        {"tab_6", "6", "leciono", "neklakebla_nova 13, QLabel 14, QScrollArea 1"},
        {"tab_7", "7", "leciono", "neklakebla_nova 10, QLabel 7, label_sago_reversa 4, QScrollArea 1"},
        {"tab_8", "8", "muziko", "titolo 1, QLabel 11, mp3ludilo 1, QScrollArea 1"},
        {"tab_9", "9", "leciono", "neklakebla_nova 18, titolo 1, QLabel 22, QScrollArea 1"},
        {"Sendas1_Lec12", "10", "sendas_24",
         "neklakebla_nova 16, titolo 1, QLabel 18, QPlainTextEdit 1, sendas_butono 1, mp3ludilo 1, QScrollArea 1"},
    };
    // The equals signs, the band's picture, the album list, the five links,
    // the song's title and its two verses, and the article.
    l.aliajEtikedoj =
        QStringList{"label_10",  "label_5",   "label_3", "label_6",  "label_126", "label_127", "label_130",
                    "label_129", "label_131", "label",   "label_16", "label_17",  "label_104"};
    l.bildoj = QStringList{"label_10", "label_5", "label_3"};
    l.tipoj = QStringList{"Lec12_Label25=suba", "Lec12_Label26=suba", "Lec12_Label27=suba", "Lec12_Label28=suba",
                          "Lec12_Label31=suba", "Lec12_Label32=suba", "Lec12_Label35=suba", "Lec12_Label36=suba",
                          "frame_2=markebla",   "frame_3=markebla",   "frame_4=markebla",   "frame=markebla",
                          "label_10=egala",     "label_5=egala",      "label_104=teksta"};
    l.lingvoj = QStringList{"label_6=eo", "label_16=eo", "label_17=eo", "label_104=eo", "plainTextEdit=traduko"};
    // The meanings of the article's words name their word boxes; the copy leaves both out.
    l.amikoj =
        QStringList{"Lec12_Label850>pushButton_13", "Lec12_Label851>pushButton_14", "Lec12_Label863>pushButton_15",
                    "Lec12_Label852>pushButton_16", "Lec12_Label853>pushButton_17", "Lec12_Label854>pushButton_18",
                    "Lec12_Label860>pushButton_19", "Lec12_Label855>pushButton_20", "Lec12_Label856>pushButton_21",
                    "Lec12_Label857>pushButton_22", "Lec12_Label858>pushButton_23", "Lec12_Label861>pushButton_24",
                    "Lec12_Label862>pushButton_80", "Lec12_Label864>pushButton_81", "Lec12_Label865>pushButton_86",
                    "Lec12_Label866>pushButton_87"};
    l.ekzercoj = {{"Ekzerco1_Akuz_Lec12", "akuzativo", "Lec12_Ekz_Akuz_1202"}};
    l.kuroj = QStringList{"Lec12_Ekz_Akuz_1202"};
    Sendo artikolo{"Sendas1_Lec12",
                   "pushButton_65",
                   "Lec12_Label4",
                   {{"label_104", "plainTextEdit", "",
                     "The local Esperanto club proposed that the new town park should be named “Esperanto Park”. The "
                     "mayor supported the proposal, because by law all residents are equal, whatever language they "
                     "speak, and the town aims to honour all its languages. At the entrance of the park a large stone "
                     "with a green star has been placed, and the club has been given a room for its lessons in the "
                     "library next to the park. The park will stay open to everyone, day and night."}}};
    artikolo.numeritaj = false;
    l.sendoj = {artikolo};
    l.eroj = {{"1202", 65, -1}};
    l.etikedoj = 100;
    l.akuzativo = QStringLiteral("1202");
    l.fotoj = QStringList{"tab_5", "tab_7", "tab_8", "tab_9", "Sendas1_Lec12"};
    return l;
}

Leciono lec13()
{
    Leciono l;
    l.numero = 13;
    l.klaso = QStringLiteral("lec13");
    l.nunaPagho = 4;
    l.paghoj = {
        {"tab", "1", "ekzameno", "titolo 1, QLabel 31, cx_edit 27, QScrollArea 1"},
        {"tab_2", "2", "ekzameno", "QLabel 14, cx_edit 16, QScrollArea 1"},
        {"tab_3", "3", "ekzameno", "QLabel 12, cx_edit 10, QScrollArea 1"},
        {"tab_4", "4", "ekzameno", "QLabel 8, cx_edit 10, cx_plainedit 1, QScrollArea 1"},
        {"Sendas5_Lec13", "5", "ekzameno", "QLabel 2, QPlainTextEdit 1, sendas_butono 1, QScrollArea 1"},
    };
    // The Esperanto words and sentences of the tasks, and the letter.
    for (int n : {4,  5,  6,  7,  8,  9,  10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 26,
                  27, 28, 29, 30, 31, 32, 35, 38, 41, 44, 64, 66, 68, 72, 74, 71, 77, 79, 81, 83, 104})
        l.aliajEtikedoj << QStringLiteral("label_%1").arg(n);
    for (const QString& e : qAsConst(l.aliajEtikedoj))
        l.lingvoj << e + QStringLiteral("=eo");
    l.lingvoj << QStringLiteral("plainTextEdit_2=traduko");
    l.tipoj = QStringList{"Lec13_Label26=teksta", "label_104=teksta"};
    // One copy takes the whole examination, with every answer, named by a
    // question or not.
    Sendo ekzameno{
        "Sendas5_Lec13",
        "pushButton",
        "Lec13_Label3",
        {
            {"label_4", "lineEdit", "", "noktoj"},
            {"label_5", "lineEdit_2", "", "domoj"},
            {"label_6", "lineEdit_3", "", "grandaj"},
            {"label_7", "lineEdit_4", "", "kiuj"},
            {"label_8", "lineEdit_5", "", "fratoj"},
            {"label_9", "lineEdit_6", "", "legataj"},
            {"label_10", "lineEdit_7", "", "tabloj"},
            {"label_11", "lineEdit_8", "", "verdaj"},
            {"label_12", "lineEdit_9", "", "parolantaj"},
            {"label_14", "lineEdit_10", "", "patrino"},
            {"label_15", "lineEdit_11", "", "fratino"},
            {"label_16", "lineEdit_12", "", "knabino"},
            {"label_17", "lineEdit_13", "", "onklino"},
            {"label_18", "lineEdit_14", "", "filino"},
            {"label_19", "lineEdit_15", "", "reĝino"},
            {"label_20", "lineEdit_16", "", "instruistino"},
            {"label_21", "lineEdit_17", "", "sinjorino"},
            {"label_22", "lineEdit_18", "", "ĉevalino"},
            {"label_24", "lineEdit_19", "", "malfermi"},
            {"label_25", "lineEdit_20", "", "maljuna"},
            {"label_26", "lineEdit_21", "", "malofte"},
            {"label_27", "lineEdit_22", "", "sen"},
            {"label_28", "lineEdit_23", "", "malriĉa"},
            {"label_29", "lineEdit_24", "", "malami"},
            {"label_30", "lineEdit_25", "", "malfacila"},
            {"label_31", "lineEdit_26", "", "malŝlosi"},
            {"label_32", "lineEdit_27", "", "malvarma"},
            {"label_35", "lineEdit_28", "", "Kia estas la pano?"},
            {"label_38", "lineEdit_30", "", "Kie loĝas via frato?"},
            {"label_41", "lineEdit_32", "", "Kie ludas la infanoj?"},
            {"label_44", "lineEdit_34", "", "Kiom da libroj Petro aĉetis hieraŭ?"},
            {"Lec13_Label8", "lineEdit_36", "", "Mi amas mian patrinon."},
            {"Lec13_Label9", "lineEdit_37", "", "La infanoj manĝas ruĝajn pomojn."},
            {"Lec13_Label10", "lineEdit_38", "", "Ni vidis grandan ŝipon sur la maro."},
            {"Lec13_Label11", "lineEdit_39", "", "Mia fratino skribas longajn leterojn."},
            {"Lec13_Label12", "lineEdit_40", "", "La nova instruisto estas tre afabla."},
            {"Lec13_Label13", "lineEdit_41", "", "Kiun vi renkontis en la parko?"},
            {"Lec13_Label14", "lineEdit_42", "", "Li eniris en la domon."},
            {"Lec13_Label15", "lineEdit_43", "", "Ĉu vi parolas Esperanton?"},
            {"label_64", "lineEdit_44", "", "Kio estas tiu granda besto?"},
            {"label_66", "lineEdit_45", "", "Kiom da pomoj vi havas?"},
            {"label_68", "lineEdit_46", "", "La viro, kiu loĝas apud ni, estas instruisto."},
            {"label_72", "lineEdit_48", "", "Kiam vi venos? — Morgaŭ."},
            {"label_74", "lineEdit_49", "", "Ĉiu lernanto ricevis libron."},
            {"label_71", "lineEdit_47", "", "La libro estas sur la tablo."},
            {"label_77", "lineEdit_50", "", "Niaj amikoj estas en la domo."},
            {"label_79", "lineEdit_51", "", "Mi iras al la lernejo ĉiun tagon."},
            {"label_81", "lineEdit_52", "", "Ni parolis pri la nova filmo."},
            {"label_83", "lineEdit_53", "", "Ŝi trinkas kafon sen sukero."},
            {"Lec13_Label19", "lineEdit_59", "", "ge-"},
            {"Lec13_Label20", "lineEdit_60", "", "-ul-"},
            {"Lec13_Label21", "lineEdit_61", "", "mis-"},
            {"Lec13_Label22", "lineEdit_62", "", "-eg-"},
            {"Lec13_Label23", "lineEdit_63", "", "-ind-"},
            {"Lec13_Label26", "plainTextEdit", "",
             "Mi loĝas en malgranda urbo apud la maro. Mi komencis lerni Esperanton antaŭ unu jaro, ĉar mi volas "
             "vojaĝi kaj konatiĝi kun homoj el aliaj landoj. Ĉiun vesperon mi iom legas kaj lernas la novajn vortojn. "
             "Venontan someron mi iros al Esperanto-kongreso, kie mi esperas trovi multajn novajn amikojn."},
            {"label_104", "plainTextEdit_2", "",
             "Hello, my new friend! I was very glad when I received your first letter. My name is Andreo, I am twenty "
             "years old, and I study music in the capital. Six months ago I began to learn Esperanto from a book, and "
             "now I can already write to you in a language that we both understand! Do you like music? I play the "
             "piano, and I often sing in cafés with three friends. Please write to me about your town, about your "
             "parents, brothers and sisters, and about what you like doing most. I look forward to your answer with "
             "great interest. With friendly greetings, Andreo"},
        }};
    ekzameno.aliajKampoj = {
        {"", "lineEdit_29", "", "Kio estas blanka?"},
        {"", "lineEdit_31", "", "Kiu loĝas en Berlino?"},
        {"", "lineEdit_33", "", "Kiuj ludas en la ĝardeno?"},
        {"", "lineEdit_35", "", "Kiam Petro aĉetis tri librojn?"},
        {"", "lineEdit_54", "", "gepatroj"},
        {"", "lineEdit_55", "", "junulo"},
        {"", "lineEdit_56", "", "miskompreni"},
        {"", "lineEdit_57", "", "domego"},
        {"", "lineEdit_58", "", "leginda"},
    };
    ekzameno.kopiataj = QStringList{"tab", "tab_2", "tab_3", "tab_4", "Sendas5_Lec13"};
    ekzameno.numeritaj = false;
    l.sendoj = {ekzameno};
    l.etikedoj = 26;
    l.fotoj = QStringList{"tab", "tab_2", "tab_3", "tab_4", "Sendas5_Lec13"};
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

QStringList Sendo::kampoj() const
{
    QStringList el;
    for (const Demando& d : demandoj)
        el << d.kampo;
    for (const Demando& d : aliajKampoj)
        el << d.kampo;
    return el;
}

const QList<Leciono>& lecionoj()
{
    // One row per built lesson, in lesson order.
    static const QList<Leciono> tabelo = {
        lec01(), lec02(), lec03(), lec04(), lec05(), lec06(), lec07(),
        lec08(), lec09(), lec10(), lec11(), lec12(), lec13(),
    };
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
