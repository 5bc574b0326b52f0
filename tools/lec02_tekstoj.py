# Texts of lesson 2's translated labels: key -> (Portuguese placeholder of the
# form, English, Esperanto). The order is the order of the labels in the form.
# The Esperanto file explains rather than translates: a learner who works in
# Esperanto gets definitions, paraphrases and hints that do not give away the
# answers of the exercises and of the send page.
TEKSTOJ = [
    # page 1: the suffix -ino
    ("Label131", "O sufixo -ino", "The suffix -ino", "La sufikso -ino"),
    ("Label132",
     "Os adjetivos concordam com o substantivo em número, mas nunca em gênero: a mesma palavra, como bela, "
     "descreve tanto um homem como uma mulher.",
     "Adjectives agree with their noun in number, but never in gender: the same word, such as bela, "
     "describes a man or a woman alike.",
     "Adjektivoj akordiĝas kun sia substantivo laŭ nombro, sed neniam laŭ sekso: la sama vorto, ekzemple bela, "
     "priskribas same viron kaj virinon."),
    ("Label133",
     "Só os nomes de seres que têm sexo o indicam: a palavra terminada em -o designa o macho (ou o ser em geral), "
     "e o sufixo -ino forma a fêmea.",
     "Only the names of beings that have a sex show it: the word ending in -o names the male (or the being in "
     "general), and the suffix -ino forms the female.",
     "Nur la nomoj de estaĵoj, kiuj havas sekson, montras ĝin: la vorto kun la finaĵo -o nomas la virseksan "
     "(aŭ la estaĵon ĝenerale), kaj la sufikso -ino formas la inseksan."),
    ("Label11", "homem", "man", "plenkreska vira homo"),
    ("Label134", "mulher", "woman", "plenkreska ina homo"),
    ("Label12", "amigo", "friend", "persono, kiun oni ŝatas kaj fidas"),
    ("Label135", "amiga", "friend (a woman)", "ina amiko"),
    ("Label13", "filho", "son", "vira infano de siaj gepatroj"),
    ("Label136", "filha", "daughter", "ina infano de siaj gepatroj"),
    ("Label14", "pai", "father", "vira gepatro"),
    ("Label137", "mãe", "mother", "ina gepatro"),
    ("Label138", "As mulheres altas", "The tall women", "la virinoj, kiuj estas grandaj"),
    ("Label1", "A bela amiga", "The beautiful friend (a woman)", "la amikino, kiu estas bela"),
    ("Label16", "A boa mãe", "The good mother", "la patrino, kiu estas bona"),
    # page 2: the accusative
    ("Label139", "O acusativo: a terminação -n", "The accusative: the ending -n", "La akuzativo: la finaĵo -n"),
    ("Label140",
     "O objeto direto do verbo, a pessoa ou coisa que sofre a ação, recebe a terminação -n. "
     "O adjetivo que o acompanha também a recebe.",
     "The direct object of the verb, the person or thing the action is done to, takes the ending -n. "
     "An adjective that goes with it takes -n too.",
     "La rekta objekto de la verbo, la persono aŭ afero, al kiu la ago direktiĝas, ricevas la finaĵon -n. "
     "Ankaŭ la adjektivo, kiu rilatas al ĝi, ricevas -n."),
    ("Label19", "Eu lavo a xícara nova.", "I am washing the new cup.", "La nova taso estas lavata de mi."),
    ("Label20", "Eu lavo as xícaras novas.", "I am washing the new cups.", "La novaj tasoj estas lavataj de mi."),
    ("Label143",
     "No plural o -n vem depois do -j: a terminação -n fica sempre no fim da palavra (novajn tasojn).",
     "In the plural the -n comes after the -j: the ending -n always stands at the very end of the word "
     "(novajn tasojn).",
     "En la pluralo la -n venas post la -j: la finaĵo -n ĉiam staras tute ĉe la fino de la vorto "
     "(novajn tasojn)."),
    ("Label7", "Observação", "Note", "Rimarko"),
    ("Label144",
     "Graças ao -n, a ordem das palavras é livre: as três frases acima dizem a mesma coisa. "
     "Mudar a ordem apenas dá um matiz, pondo em relevo uma parte da frase.",
     "Thanks to the -n, word order is free: the three sentences above say the same thing. "
     "Changing the order only adds a nuance, putting one part of the sentence in the spotlight.",
     "Danke al la -n la vortordo estas libera: la tri supraj frazoj diras la samon. "
     "Alia vortordo nur aldonas nuancon, emfazante unu parton de la frazo."),
    ("Label8", "Atenção", "Take care", "Atentu"),
    ("Label145",
     "Depois do verbo esti (ser, estar) não se usa -n: o que vem depois dele descreve o sujeito e não sofre "
     "nenhuma ação. La tasoj estas novaj: as xícaras são novas.",
     "After the verb esti (to be) there is no -n: what follows it describes the subject and nothing is done "
     "to it. La tasoj estas novaj: the cups are new.",
     "Post la verbo esti ne venas -n: kio sekvas ĝin, priskribas la subjekton, kaj neniu ago direktiĝas "
     "al ĝi. La tasoj estas novaj."),
    # page 3: the prefix mal- and negation
    ("Label146", "O prefixo mal-", "The prefix mal-", "La prefikso mal-"),
    ("Label147",
     "O prefixo mal- forma o contrário exato de uma palavra: com uma só raiz você obtém duas palavras opostas.",
     "The prefix mal- forms the exact opposite of a word: from a single root you get two opposite words.",
     "La prefikso mal- formas la ĝustan malon de vorto: el unu sola radiko vi ricevas du kontraŭajn vortojn."),
    ("Label148", "amigo", "friend", "persono, kiun oni ŝatas kaj fidas"),
    ("Label4", "inimigo", "enemy", "persono, kiu deziras al vi malbonon"),
    ("Label149", "belo, bonito", "beautiful", "agrable rigardebla"),
    ("Label5", "feio", "ugly", "malagrable rigardebla"),
    ("Label150", "novo", "new", "ĵus farita, ne malnova"),
    ("Label6", "velho", "old", "farita antaŭ longe, ne nova"),
    ("Label9", "jovem", "young", "vivanta ankoraŭ ne longe"),
    ("Label10", "velho, idoso", "old, elderly", "vivanta jam longe"),
    ("Label17", "avarento, sovina", "stingy, mean", "nevolonte donanta aŭ elspezanta"),
    ("Label18", "generoso", "generous", "volonte donanta kaj elspezanta"),
    ("Label151", "A negação", "Negation", "La neado"),
    ("Label152", "Para negar uma frase, ponha ne antes do verbo.",
     "To make a sentence negative, put ne before the verb.", "Por nei frazon, metu ne antaŭ la verbo."),
    ("Label21", "Eu não lavarei a xícara nova.", "I will not wash the new cup.",
     "La nova taso ne estos lavata de mi."),
    ("Label154", "Ele não é meu irmão.", "He is not my brother.", "Li kaj mia frato estas malsamaj personoj."),
    ("Label155", "Ela não é minha mãe.", "She is not my mother.",
     "Ŝi kaj mia patrino estas malsamaj personoj."),
    ("Label156", "Os bolos não estavam quentes.", "The cakes were not warm.", "La kukoj jam malvarmiĝis."),
    # page 4: music and video
    ("Label50", "Música em Esperanto", "Music in Esperanto", "Muziko en Esperanto"),
    ("Label49",
     "Este vídeo apresenta uma canção em Esperanto, cantada por um grupo de jovens músicos de vários países. "
     "Ouça-a primeiro pela melodia; depois ouça de novo e tente reconhecer as palavras que você já conhece. "
     "Clique na imagem acima para iniciar o vídeo, e clique outra vez para pausá-lo.",
     "This video presents a song in Esperanto, sung by a group of young musicians from several countries. "
     "Listen to it first for the tune; then listen again and try to pick out the words you already know. "
     "Click the picture above to start the video, and click it again to pause it.",
     "Ĉi tiu video prezentas kanton en Esperanto, kantatan de grupo de junaj muzikistoj el pluraj landoj. "
     "Aŭskultu ĝin unue pro la melodio; poste aŭskultu denove kaj provu rekoni la vortojn, kiujn vi jam konas. "
     "Alklaku la bildon supre por komenci la videon, kaj alklaku ĝin denove por paŭzigi ĝin."),
    # page 5: vocabulary
    ("Label157", "Vocabulário", "Vocabulary", "Vortaro"),
    ("Label158", "água", "water", "travidebla likvaĵo, kiun oni trinkas"),
    ("Label159", "amar", "to love", "tre ŝati iun aŭ ion"),
    ("Label160", "amor", "love", "forta sento de tiu, kiu amas"),
    ("Label161", "pássaro, ave", "bird", "besto kun plumoj kaj flugiloj"),
    ("Label162", "loja", "shop, store", "loko, kie oni vendas aferojn"),
    ("Label163", "fazer", "to make, to do", "krei aŭ plenumi ion"),
    ("Label164", "esquecer", "to forget", "ne plu memori"),
    ("Label165", "ter", "to have", "posedi"),
    ("Label166", "inseto", "insect", "malgranda besto kun ses kruroj"),
    ("Label167", "apanhar, pegar", "to catch", "preni ion, kio moviĝas aŭ fuĝas"),
    ("Label168", "lavar", "to wash", "purigi per akvo"),
    ("Label169", "limonada", "lemonade", "dolĉa trinkaĵo el citronoj"),
    ("Label170", "papel", "paper", "maldika folio, sur kiu oni skribas"),
    ("Label171", "pedir", "to ask (for)", "diri, ke oni deziras ricevi ion"),
    ("Label172", "pena; caneta", "feather; pen", "parto de la kovraĵo de birdo; ilo por skribi"),
    ("Label173", "carregar, levar", "to carry", "teni ion, dum oni iras"),
    ("Label174", "limpo", "clean", "sen makuloj kaj polvo"),
    ("Label175", "encontrar", "to meet", "veni al la sama loko kiel iu"),
    ("Label176", "escrever", "to write", "meti literojn sur paperon"),
    ("Label177", "açucarar, adoçar", "to sugar, to sweeten", "meti sukeron en ion"),
    ("Label178", "xícara", "cup", "malgranda vazo, el kiu oni trinkas"),
    ("Label179", "beber", "to drink", "engluti likvaĵon"),
    ("Label180", "achar", "to find", "ekvidi tion, kion oni serĉis"),
    ("Label181", "vender", "to sell", "doni ion kontraŭ mono"),
    ("Label182", "ver", "to see", "percepti per la okuloj"),
    # page 12: the send page
    ("Label236", "Traduza cada frase para o Esperanto, usando as palavras desta lição.",
     "Translate each sentence into Esperanto, using the words of this lesson.",
     "Esprimu ĉiun frazon en Esperanto per la vortoj de ĉi tiu leciono."),
    ("Label237", "1. Um menino sadio bebe leite quente.", "1. A healthy boy drinks warm milk.",
     "1. sana knabo – trinki – varma lakto (nuna tempo)"),
    ("Label238", "2. A loja velha não vende bolos secos.", "2. The old shop does not sell dry cakes.",
     "2. la malnova butiko – ne vendi – sekaj kukoj (nuna tempo)"),
    ("Label22", "3. O professor encontrou os novos amigos.", "3. The teacher met the new friends.",
     "3. la instruisto – renkonti – la novaj amikoj (pasinta tempo)"),
    ("Label240", "4. Os novos amigos farão um bolo bom.", "4. The new friends will make a good cake.",
     "4. la novaj amikoj – fari – bona kuko (estonta tempo)"),
    ("Label241", "5. A menina não encontrou as irmãs.", "5. The girl did not find the sisters.",
     "5. la knabino – ne trovi – la fratinoj (pasinta tempo)"),
    ("Label242", "6. A irmã pequena está doente, o irmão está bem de saúde.",
     "6. The little sister is ill; the brother is healthy.",
     "6. la malgranda fratino – malsana; la frato – sana (nuna tempo)"),
    ("Label243", "7. O pai não lavará as xícaras pequenas.", "7. The father will not wash the small cups.",
     "7. la patro – ne lavi – la malgrandaj tasoj (estonta tempo)"),
    ("Label244", "8. O pássaro bonito apanhou um inseto pequeno.", "8. The beautiful bird caught a small insect.",
     "8. la bela birdo – kapti – malgranda insekto (pasinta tempo)"),
    ("Label245", "9. O menino era meu velho amigo.", "9. The boy was my old friend.",
     "9. la knabo – mia malnova amiko (pasinta tempo)"),
    ("Label246", "10. Os meninos eram grandes amigos.", "10. The boys were great friends.",
     "10. la knaboj – grandaj amikoj (pasinta tempo)"),
]

# Translations of the 28 sentences that the gap-filling exercise (0204) and
# the accusative exercise (0202) share, index by index: (English, Esperanto).
# The Esperanto ones turn the sentence round or hint at it, so that they never
# show the words with their endings.
FRAZOJ_0204 = [
    ("The son loves his mother.", "La patrino estas amata de la filo."),
    ("I am washing the new cup.", "La nova taso estas lavata de mi."),
    ("The girl is drinking warm milk.", "Varma lakto estas trinkata de la knabino."),
    ("Father will not wash the small cups.", "La malgrandaj tasoj ne estos lavataj de la patro."),
    ("The beautiful bird caught a small insect.", "Malgranda insekto estis kaptita de la bela birdo."),
    ("She doesn't have any paper.", "Ŝi estas sen papero."),
    ("The friends saw the birds.", "La birdoj estis viditaj de la amikoj."),
    ("The old man sells good cakes.", "Bonaj kukoj estas vendataj de la maljuna viro."),
    ("I met your sister.", "Via fratino estis renkontita de mi."),
    ("The shop is not new.", "la butiko – ne nova (nuna tempo)"),
    ("You forgot the pen.", "La plumo estis forgesita de vi."),
    ("It is the new cup that I am washing.", "Estas la nova taso, kiu estas lavata de mi."),
    ("They will carry water and lemonade.", "Akvo kaj limonado estos portataj de ili."),
    ("The teacher loves the flowers.", "La floroj estas amataj de la instruistino."),
    ("My mother put sugar in the tea.", "La teo estis sukerita de mia patrino."),
    ("The boys were great friends.", "la knaboj – grandaj amikoj (pasinta tempo)"),
    ("We found a beautiful flower.", "Bela floro estis trovita de ni."),
    ("The friend is asking for bread and coffee.", "Pano kaj kafo estas petataj de la amikino."),
    ("He will not drink the cold tea.", "La malvarma teo ne estos trinkata de li."),
    ("The stingy man has no friends.", "La avara viro estas sen amikoj."),
    ("My daughter will be a teacher.", "mia filino – instruistino (estonta tempo)"),
    ("The brother made a good cake.", "Bona kuko estis farita de la frato."),
    ("Birds catch insects.", "Insektoj estas kaptataj de la birdoj."),
    ("You have clean water.", "Ĉe vi estas pura akvo."),
    ("I love you.", "Vi estas amata de mi."),
    ("The old cups are clean.", "la malnovaj tasoj – puraj (nuna tempo)"),
    ("The brothers will meet the new teachers.", "La novaj instruistoj estos renkontataj de la fratoj."),
    ("I will not forget my enemy.", "Mia malamiko ne estos forgesata de mi."),
]
