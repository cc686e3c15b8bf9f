'use strict';
/* global TEXTS */

// Die Texte der Seite auf Deutsch (mit maschineller Hilfe übersetzt).
TEXTS.de = {
  title: 'BELLSCOPE: Produkte von Gaußkurven',
  languageGroup: 'Sprache (Language)',
  languageUnavailable: '{language} konnte nicht geladen werden, daher bleibt die Seite auf {current}.',
  languageRefused:
    'Die Sprache in dieser Adresse kann nicht verwendet werden ({why}), daher wählt die Seite ihre Sprache ' +
    'wie üblich.',
  pictureLabels:
    'Das Bild ist so gezeichnet, wie BELLSCOPE entworfen wurde, und seine Beschriftungen bleiben englisch: ' +
    'jede Zahl darin steht auch in den Worten unter den Bedienelementen.',

  loading: 'BELLSCOPE wird geladen...',
  updated: 'Aktualisiert',
  ended: 'BELLSCOPE ist beendet',
  endedTold: 'Mit Esc beendet. Fortsetzen bringt das Bild zurück, wie es war; Neu beginnen fängt von vorn an.',
  resume: 'Fortsetzen',
  startAgain: 'Neu beginnen',
  reset: 'Zurücksetzen',
  cannotStart: 'BELLSCOPE konnte nicht starten: {why}',
  stopped: 'BELLSCOPE wurde angehalten: {what}',
  moduleFailed: 'BELLSCOPE konnte nicht starten: sein WebAssembly-Modul wurde nicht geladen ({what}).',
  noWebAssembly: 'BELLSCOPE läuft in diesem Browser nicht: es braucht WebAssembly, das dieser Browser nicht anbietet.',
  viewRefused: 'Die Ansicht in dieser Adresse kann nicht gezeigt werden ({why}), daher startet BELLSCOPE wie üblich.',
  refusal: '{what}: {why}',
  reasonNotANumber: '„{text}“ ist keine Zahl',
  reasonTooLarge: '„{text}“ ist zu groß: höchstens {most}',
  reasonTooSmall: '„{text}“ ist zu klein: mindestens {least}',
  reasonNotFinite: '„{text}“ ist keine endliche Zahl',
  reasonNoGaussian: 'eine Gaußkurve {text} gibt es nicht',
  reasonGaussianMissing: 'die Nummer einer Gaußkurve (1 bis 4) fehlt',
  reasonModeGiven: 'der Kombinationsmodus ist doppelt angegeben',
  reasonOnGiven: 'die Liste der eingeschalteten Gaußkurven ist doppelt angegeben',
  reasonSelectGiven: 'die ausgewählte Gaußkurve ist doppelt angegeben',
  reasonNamesGiven: 'die Wahl der Namen ist doppelt angegeben',
  reasonUGiven: 'u von Gaußkurve {gaussian} ist doppelt angegeben',
  reasonSigmaGiven: 'sigma von Gaußkurve {gaussian} ist doppelt angegeben',
  reasonLessonGiven: 'die Lektion ist doppelt angegeben',
  reasonChallengeGiven: 'die Herausforderung ist doppelt angegeben',
  reasonLanguageGiven: 'die Sprache ist doppelt angegeben',
  reasonUnknownNames: 'names kennt nur {choices}',
  reasonUnknownParameter: 'unbekannter Parameter (BELLSCOPE kennt {known})',
  reasonParameterNameMissing: 'der Name des Parameters fehlt',
  reasonParameterValueMissing: 'ein Wert muss folgen, wie in {text}=...',
  reasonRecalcValue: 'recalc bekommt keinen Wert',
  reasonBadPercent: 'ein %-Code ist fehlerhaft',
  reasonParameterTooLong: 'der Parameter ist zu lang',
  reasonAddressTooLong: 'die Adresse ist zu lang: BELLSCOPE liest höchstens {most} Zeichen',
  reasonNotAChallenge: '„{text}“ ist keine Nummer einer Herausforderung: nur Ziffern, 0 bis {most}',
  reasonChallengeTooLarge: '„{text}“ ist zu groß für die Nummer einer Herausforderung (höchstens {most})',

  pictureName: 'BELLSCOPE: Gaußkurven und ihr Produkt (in Worten unter den Bedienelementen beschrieben)',
  controlsName: 'Bedienelemente von BELLSCOPE',
  onOffGroup: 'Ein/aus',
  gaussianName: 'Gaußkurve {n}',
  namesGroup: 'Namen',
  namesGaussians: 'Gaußkurven 1-4',
  namesBayes: 'Vorwissen und Messungen',
  namesSensors: 'Sensoren',
  bayesPrior: 'Vorwissen',
  bayesMeasurement: 'Messung {m}',
  sensorName: 'Sensor {letter}',
  productGaussians: 'das Produkt',
  productBayes: 'die A-posteriori-Verteilung',
  productSensors: 'die fusionierte Schätzung',
  selectGroup: 'Auswahl',
  selectPrevious: 'Vorige',
  selectPreviousName: 'Vorige Gaußkurve auswählen',
  selectNext: 'Nächste',
  selectNextName: 'Nächste Gaußkurve auswählen',
  meanGroup: 'Mittelwert u',
  meanLeft: 'Links',
  meanLeftName: 'Mittelwert nach links verschieben',
  meanRight: 'Rechts',
  meanRightName: 'Mittelwert nach rechts verschieben',
  sigmaGroup: 'Sigma',
  narrower: 'Schmaler',
  wider: 'Breiter',
  modeUnknown: 'Kombinationsmodus',
  modePointByPoint: 'Punktweise Multiplikation',
  modeRecalculation: 'Parameter-Neuberechnung',
  modeName: 'Kombinationsmodus: {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}: {why}',
  copyLink: 'Link kopieren',
  savePicture: 'Bild speichern',
  linkField: 'Link zu dieser Ansicht',
  savedInFrame:
    'Wurde nichts heruntergeladen, erlaubt die Seite um BELLSCOPE keine Downloads: speichern Sie stattdessen ' +
    'das Bild unten (Rechtsklick oder lange drücken).',
  savedPictureName: 'Das zu speichernde Bild: die Ansicht beim Drücken von Bild speichern',
  closePictureName: 'Bild schließen',
  closeLink: 'Schließen',
  closeLinkName: 'Link schließen',
  copied: 'Kopiert.',
  copyRefused: 'Der Browser hat das Kopieren nicht erlaubt: kopieren Sie den Link aus dem Feld.',
  copyUnavailable: 'Dieser Browser kann nicht selbst kopieren: kopieren Sie den Link aus dem Feld.',
  copyForbidden: 'Die Seite um BELLSCOPE erlaubt kein Kopieren: kopieren Sie den Link aus dem Feld.',
  coloursGroup: 'Farben',
  coloursDesign: 'Entwurf',
  coloursSafe: 'Für Farbenblinde',
  coloursLight: 'Hell, für Beamer',
  notRemembered: 'Diese Seite darf hier nichts speichern, daher gilt die Wahl, bis sie geschlossen wird.',

  wordsHeading: 'Was das Bild zeigt',
  starting: 'BELLSCOPE startet.',
  on: 'ein',
  off: 'aus',
  wordsGaussian: '{name}: {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}, u = {u}, sigma = {sigma} (ausgewählt)',
  wordsMode: 'Kombinationsmodus: {mode}',
  wordsCombined: 'Kombiniert: u = {u}, sigma = {sigma}',
  toldOn: '{name} ein',
  toldOff: '{name} aus',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} ausgewählt',
  toldCombined: 'kombiniert u {u}, sigma {sigma}',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Wie die weiße Kurve entsteht',
  workingIntro:
    'Glockenkurven multipliziert ergeben eine Glockenkurve. Ihre **Präzision** 1/σ² (je schmaler, desto ' +
    'größer) ist die Summe der ihren; ihr Mittelwert ist der mit den Präzisionen gewichtete Mittelwert ihrer ' +
    'Mittelwerte, liegt also näher an den schmaleren; und das punktweise Produkt erreicht sein Maximum unter ' +
    '1, in einer Höhe, die sagt, wie gut die Kurven übereinstimmen. BELLSCOPE multipliziert der Reihe nach, ' +
    'Gaußkurve 1 mit 2, dann mit 3 und so weiter; mit den Zahlen, die jetzt zu sehen sind:',
  workingNone: 'Keine Gaußkurve ist eingeschaltet, also gibt es nichts zu multiplizieren.',
  workingFlat:
    '{name} hat sigma 0: sie ist überall 0 außer an ihrem Mittelwert, also ist auch das Produkt überall 0, ' +
    'ohne Glockenkurve, die sich berechnen ließe.',
  workingGaussian: '{name}: u = {u}, σ = {sigma}, Präzision',
  workingGaussianRead: '{name}: u = {u}, sigma = {sigma}, Präzision, 1 durch sigma Quadrat, = {precision}.',
  workingNegative: 'Ein negatives sigma zählt mit seinem Betrag: {name} ist so breit, als wäre es positiv.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: die Präzisionen {before} und {precision} ergeben zusammen {total}, also sigma = {sigma}, und ' +
    'der mit den Präzisionen gewichtete Mittelwert ist u = {u}.',
  workingResult: 'Die weiße Kurve: u = {u}, sigma = {sigma}.',
  workingHeight: 'Ihre Höhe, punktweise:',
  workingHeightRead: 'Das punktweise Produkt erreicht {height}.',
  workingHeightUnknown: 'Ihre Höhe, punktweise, übersteigt, was die Zahlen hier fassen können.',
  agree: 'Die Kurven stimmen überein: das Produkt behält {percent} seiner Höhe.',
  partlyAgree: 'Die Kurven stimmen teilweise überein: das Produkt behält {percent} seiner Höhe.',
  hardlyAgree: 'Sie stimmen kaum überein: {percent}.',
  workingTruncated:
    'Das Bild zeigt ganze Zahlen und schneidet die Nachkommastellen ab (299.97 erscheint als 299), und seine ' +
    'Parameter-Neuberechnung beginnt mit einer Kurve, die so breit ist, dass sie über dem ganzen Diagramm ' +
    'flach ist, was die letzten Stellen verschiebt: die Zahlen hier sind genau, auf vier Stellen.',
  tooLarge: 'zu groß zum Berechnen',
  wordsHeight: 'Höhe des Produkts: {height}. {agreement}',
  toldHeight: 'Höhe {height}',

  lessonsGroup: 'Lektionen',
  lessonNone: 'Frei erkunden',
  lessonUnknown: 'Es gibt keine Lektion namens „{name}“, daher startet BELLSCOPE wie üblich.',
  lessonRefused:
    'Die Lektion in dieser Adresse kann nicht geöffnet werden ({why}), daher startet BELLSCOPE wie üblich.',
  lesson_equal: 'Zwei gleiche Kurven',
  lesson_equal_question:
    'Beide Kurven sind gleich breit. Wo liegt die weiße Kurve, und wie viel schmaler ist sie? Prüfen Sie es ' +
    'mit der Rechnung unten.',
  'lesson_wide-narrow': 'Eine breite und eine schmale Kurve',
  'lesson_wide-narrow_question':
    'Eine Kurve ist breit, die andere schmal. Liegt die weiße Kurve näher an der breiten oder an der ' +
    'schmalen? Verschieben Sie die schmale und beobachten Sie.',
  'lesson_far-apart': 'Zwei weit entfernte Kurven',
  'lesson_far-apart_question':
    'Die Kurven überlappen sich kaum. Was passiert mit der Höhe des punktweisen Produkts, wenn Sie sie ' +
    'auseinanderschieben, und was sagt das über die beiden?',
  'lesson_same-mean': 'Derselbe Mittelwert',
  'lesson_same-mean_question':
    'Beide Kurven haben ihr Maximum an derselben Stelle. Wo hat das Produkt sein Maximum, in beiden Modi? ' +
    'Drücken Sie die Eingabetaste zum Wechseln.',
  lesson_kalman: 'Vorwissen und eine Messung',
  lesson_kalman_question:
    'Das ist ein Kalman-Update. Liegt die A-posteriori-Verteilung näher am Vorwissen oder an der Messung, und ' +
    'warum? Machen Sie die Messung ungenauer und beobachten Sie.',
  'lesson_three-measurements': 'Vorwissen und drei Messungen',
  'lesson_three-measurements_question':
    'Schalten Sie die Messungen nacheinander ein (F2, F3, F4). Wie addieren sich die Präzisionen, Schritt für ' +
    'Schritt?',
  'lesson_wide-prior': 'Sehr breites Vorwissen',
  'lesson_wide-prior_question':
    'Das Vorwissen ist sehr breit. Wie weit schiebt es die A-posteriori-Verteilung von der Messung weg?',
  'lesson_sigma-zero': 'Was BELLSCOPE mit sigma 0 macht',
  'lesson_sigma-zero_question':
    'Gaußkurve 2 hat sigma 0. Was zeigt das Bild, und was sagt die Rechnung? Machen Sie sie etwas breiter.',
  lesson_sensors: 'Drei Sensoren',
  lesson_sensors_question:
    'Drei Sensoren messen dieselbe Entfernung. Welchem vertraut die fusionierte Schätzung am meisten, und warum?',

  challenge: 'Herausforderung',
  challengeGroup: 'Herausforderung: das Produkt vorhersagen',
  check: 'Prüfen',
  nextRound: 'Nächste Runde',
  leaveChallenge: 'Herausforderung verlassen',
  guessName: 'Ihre Schätzung',
  challengeRound:
    'Runde {round} von {rounds}: das Produkt ist verborgen. Schieben Sie Ihre Schätzung (die Zeile „Your ' +
    'guess“) dorthin, wo Sie das Produkt vermuten, so breit, wie Sie es vermuten, und drücken Sie dann Prüfen.',
  challengeShown: 'Runde {round} von {rounds}: die weiße Kurve ist das Produkt, neben Ihrer Schätzung.',
  challengeMeasure:
    'Die Punktzahl ist die Fläche, die Ihre Schätzung und das Produkt gemeinsam haben, wenn jede eine ' +
    'Glockenkurve der Fläche 1 ist, mal 100: 100 für dieselbe Kurve, 0 für Kurven, die sich nicht berühren.',
  challengeScore: 'Punktzahl: {score} von 100. {u} {sigma}',
  challengeURight: 'Ihr u stimmt: {answer}.',
  challengeUBelow: 'Ihr u liegt {off} zu weit links ({guess}; das Produkt hat {answer}).',
  challengeUAbove: 'Ihr u liegt {off} zu weit rechts ({guess}; das Produkt hat {answer}).',
  challengeSigmaRight: 'Ihr sigma stimmt: {answer}.',
  challengeSigmaBelow: 'Ihr sigma ist {off} zu schmal ({guess}; das Produkt hat {answer}).',
  challengeSigmaAbove: 'Ihr sigma ist {off} zu breit ({guess}; das Produkt hat {answer}).',
  challengeOver:
    'Herausforderung vorbei: {total} von {most}. Herausforderung startet eine neue; Link kopieren gibt diese ' +
    'weiter, damit andere dieselben Runden versuchen.',
  challengeNoGuess:
    'Setzen Sie zuerst Ihre Schätzung: sie steht noch dort, wo jede Runde beginnt. Schieben Sie sie dorthin, ' +
    'wo Sie das Produkt vermuten.',
  challengeBadSigma:
    'Ihre Schätzung hat sigma {sigma}: eine Glockenkurve braucht ein sigma über 0. Machen Sie sie breiter und ' +
    'prüfen Sie dann.',
  challengeChecked: 'Diese Runde ist schon geprüft: Nächste Runde geht weiter.',
  challengeRefused:
    'Die Herausforderung in dieser Adresse kann nicht beginnen ({why}), daher startet BELLSCOPE wie üblich.',
  challengeAndLesson:
    'Diese Adresse nennt eine Lektion und eine Herausforderung: die Herausforderung geht vor, die Lektion ' +
    'entfällt.',
  challengeAndView:
    'Diese Adresse nennt eine Herausforderung und eine Ansicht: eine Herausforderung zeigt ihre eigenen ' +
    'Runden, die Ansicht ({view}) entfällt.',
  wordsGuess: 'Ihre Schätzung: u = {u}, sigma = {sigma} (ausgewählt)',
  toldGuessU: 'Schätzung u {u}',
  toldGuessSigma: 'Schätzung sigma {sigma}',
  workingHidden: 'Verborgen, bis Sie Prüfen drücken: rechnen Sie es zuerst selbst aus.',
  listeningCurves:
    'Es erklingt {curves}: höher, wo eine Kurve höher ist, von links nach rechts. Das Produkt ist verborgen.',

  aboutHeading: 'Über das Bild',
  aboutCurves:
    'Jede farbige Kurve ist eine Gaußkurve, eine Glockenkurve: ihr Mittelwert `u` ist die Spalte ihres ' +
    'Gipfels, und ihr `sigma` gibt an, wie breit sie ist. Die weiße Kurve kombiniert die eingeschalteten ' +
    'Gaußkurven.',
  aboutProduct:
    'Bei **Punktweiser Multiplikation** ist die weiße Kurve das Produkt der Kurven, Spalte für Spalte. Sie ' +
    'ist wieder eine Glockenkurve, schmaler als jede von ihnen und zwischen ihnen gelegen, näher an der ' +
    'schmaleren. Ihr Gipfel liegt unter 1: jede Kurve ist höchstens 1, und wo eine ihren Gipfel hat, fällt ' +
    'die andere schon, also kann ihr Produkt 1 nur erreichen, wenn die Mittelwerte gleich sind.',
  aboutRecalculation:
    'Bei **Parameter-Neuberechnung** berechnet BELLSCOPE Mittelwert und sigma dieses Produkts mit einer ' +
    'Formel und zeichnet daraus eine neue Gaußkurve mit dem Gipfel bei 1. Sie liegt an derselben Stelle und ' +
    'ist genauso breit wie das Produkt; nur ihre Höhe ist anders. Das Bild zeigt dann das kombinierte `u` ' +
    'und `sigma`.',
  controlsHeading: 'Bedienung',
  keyboardHelp: 'Tastaturhilfe',
  listen: 'Anhören',
  listening: 'Es erklingt {curves}, dann {product}: höher, wo eine Kurve höher ist, von links nach rechts.',
  listeningProduct: 'Es erklingt {product}: höher, wo es höher ist, von links nach rechts.',
  helpIntro:
    'Jede Taste, die BELLSCOPE kennt, und die Schaltflächen, die dasselbe tun. **?** öffnet dies, wenn das ' +
    'Bild oder ein Bedienelement den Fokus hat; Esc schließt es.',
  controlsInput: 'Taste, Maus, Berührung oder Schaltfläche',
  controlsAction: 'Was sie bewirkt',
  keysOnOff: 'F1, F2, F3, F4 oder die Schaltflächen 1 bis 4',
  doesOnOff: 'Gaußkurve 1, 2, 3, 4 ein- oder ausschalten',
  keysSelect: 'Pfeil hoch, Pfeil runter oder Vorige und Nächste',
  doesSelect:
    'eine andere Gaußkurve auswählen (die Markierung `<--` und die unterstrichene Schaltfläche zeigen, welche)',
  keysMean: 'Links, Rechts oder die Schaltflächen Links und Rechts (gedrückt halten zum Wiederholen)',
  doesMean: 'den Mittelwert der ausgewählten Gaußkurve um eine Spalte verschieben',
  keysMeanFast: 'Umschalt+Links, Umschalt+Rechts',
  doesMeanFast: 'ihn um zehn Spalten verschieben',
  keysFollow: 'linke Maustaste (gedrückt halten) oder ein Finger',
  doesFollow: 'der Mittelwert der ausgewählten Gaußkurve folgt dem Zeiger',
  keysWidth:
    'rechte Maustaste (ziehen), zwei Finger seitwärts gezogen oder Schmaler und Breiter (gedrückt halten zum ' +
    'Wiederholen)',
  doesWidth: 'die ausgewählte Gaußkurve breiter oder schmaler machen',
  keysMode: 'Eingabetaste oder die Schaltfläche des Kombinationsmodus',
  doesMode: 'zwischen Punktweiser Multiplikation und Parameter-Neuberechnung wechseln',
  keysQuit: 'Esc',
  doesQuit: 'BELLSCOPE beenden; Fortsetzen bringt das Bild dann zurück, wie es war, und Neu beginnen fängt von vorn an',
  keysReset: 'die Schaltfläche Zurücksetzen',
  doesReset: 'zum Anfang zurück, oder zur Ansicht, die die Adresse nennt, ohne zu beenden',
  controlsNote:
    'Die Schaltflächen funktionieren auch mit Tab und Eingabe oder Leertaste; solange eine Schaltfläche den ' +
    'Fokus hat, drücken Eingabe und Leertaste sie, und jede andere Taste geht weiter an BELLSCOPE. Unter ' +
    '**Farben** zeichnet „Für Farbenblinde“ die vier Gaußkurven in Farben, die für farbenblinde Augen ' +
    'unterscheidbar bleiben, und „Hell, für Beamer“ zeichnet dunkle Kurven und Texte auf Weiß, für einen ' +
    'hellen Raum; dieser Browser merkt sich die Wahl.',
};
