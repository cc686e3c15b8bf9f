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
  endedRest:
    'Bis Sie fortsetzen oder neu beginnen, sind die Bedienelemente, die das Bild ändern, ausgeschaltet; Link kopieren, Bild speichern, Anhören, Namen, Farben und Sprache funktionieren weiter mit dem angezeigten Bild.',
  resume: 'Fortsetzen',
  startAgain: 'Neu beginnen',
  reset: 'Zurücksetzen',
  cannotStart: 'BELLSCOPE konnte nicht starten: {why}',
  cannotStartNoCanvas: 'diese Seite hat keine Zeichenfläche (Canvas) für das Bild.',
  cannotStartNoInput: 'der Browser leitet Tastatur, Maus und Berührungen nicht an BELLSCOPE weiter.',
  cannotStartNoWindow: 'das Bild ließ sich auf dieser Seite nicht öffnen.',
  cannotStartNoMemory: 'für das Bild ist nicht genug Speicher frei.',
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
  bayesPriorShort: 'Vorwissen',
  bayesMeasurementShort: 'M{m}',
  sensorName: 'Sensor {letter}',
  sensorShort: '{letter}',
  productGaussians: 'das Produkt',
  productBayes: 'die A-posteriori-Verteilung',
  productSensors: 'die fusionierte Schätzung',
  productLabelGaussians: 'Kombiniert',
  productLabelBayes: 'A-posteriori-Verteilung',
  productLabelSensors: 'Fusionierte Schätzung',
  productColourWhite: 'weiße',
  productColourBlack: 'schwarze',
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
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  wordsCombinedNone: '{label}: keine, da keine Gaußkurve eingeschaltet ist',
  toldOn: '{name} ein',
  toldOff: '{name} aus',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} ausgewählt',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: keine',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Wie die {productColour} Kurve entsteht',
  workingIntro:
    'Glockenkurven multipliziert ergeben eine Glockenkurve. Ihre **Präzision** 1/σ² (je schmaler, desto ' +
    'größer) ist die Summe der ihren; ihr Mittelwert ist der mit den Präzisionen gewichtete Mittelwert ihrer ' +
    'Mittelwerte, liegt also näher an den schmaleren; und das punktweise Produkt erreicht sein Maximum unter ' +
    '1, in einer Höhe, die sagt, wie gut die Kurven übereinstimmen. BELLSCOPE multipliziert der Reihe nach, ' +
    'Gaußkurve 1 mit 2, dann mit 3 und so weiter; mit den Zahlen, die jetzt zu sehen sind:',
  workingNone: 'Keine Gaußkurve ist eingeschaltet, also gibt es nichts zu multiplizieren.',
  workingFlat:
    '{name} hat sigma 0 und ist damit überall 0 außer am eigenen Mittelwert (u = {u}), wo der Gipfel weiterhin ' +
    '1 beträgt. Also ist {product} überall 0 außer bei u = {u}, und dort gleich dem Produkt der anderen Kurven ' +
    'an dieser Stelle: {height}.',
  workingFlatAlone:
    '{name} hat sigma 0 und ist damit überall 0 außer am eigenen Mittelwert (u = {u}), wo der Gipfel weiterhin ' +
    '1 beträgt. Keine andere Kurve ist eingeschaltet, also ist {product} genauso: überall 0 außer bei u = {u}, ' +
    'wo der Wert 1 ist.',
  workingFlatApart:
    '{name} und {other} haben sigma 0 an verschiedenen Mittelwerten (u = {u} und u = {otherU}): Jede der ' +
    'beiden Kurven ist dort 0, wo die andere ihren Gipfel hat, also ist {product} überall 0.',
  workingFlatDrawn:
    'Ein einzelner Punkt hat keine Breite: Das Bild zeichnet die {productColour} Kurve flach am unteren Rand, auch an ' +
    'diesem Mittelwert.',
  workingGaussian: '{name}: u = {u}; σ = {sigma}; Präzision',
  workingGaussianRead: '{name}: u = {u}; sigma = {sigma}; Präzision, 1 durch sigma Quadrat, = {precision}.',
  workingNegative: 'Ein negatives sigma zählt mit seinem Betrag: {name} ist so breit, als wäre es positiv.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: die Präzisionen {before} und {precision} ergeben zusammen {total}; also ist sigma = {sigma}; ' +
    'der mit den Präzisionen gewichtete Mittelwert ist u = {u}.',
  workingResult: 'Die {productColour} Kurve ist {product}: u = {u}; sigma = {sigma}.',
  workingHeight: 'Ihre Höhe, punktweise:',
  workingHeightRead: 'Punktweise erreicht {product} höchstens {height}.',
  workingHeightUnknown: 'Ihre Höhe, punktweise, übersteigt, was die Zahlen hier fassen können.',
  agree: 'Die Kurven stimmen überein: {product} behält {percent} der vollen Höhe.',
  partlyAgree: 'Die Kurven stimmen teilweise überein: {product} behält {percent} der vollen Höhe.',
  hardlyAgree: 'Sie stimmen kaum überein: {percent}.',
  lessThan: 'weniger als {value}',
  workingTruncated:
    'Das Bild zeigt ganze Zahlen und schneidet die Nachkommastellen ab ({exact} erscheint als {shown}), und seine ' +
    'Parameter-Neuberechnung beginnt mit einer Kurve, die so breit ist, dass sie über dem ganzen Diagramm ' +
    'flach ist, was die letzten Stellen verschiebt: die Zahlen hier sind genau, auf vier Stellen.',
  tooLarge: 'zu groß zum Berechnen',
  wordsHeight: 'Höhe, die {product} erreicht: {height}. {agreement}',
  toldHeight: '{product} erreicht {height}',

  lessonsGroup: 'Lektionen',
  lessonNone: 'Frei erkunden',
  lessonUnknown: 'Es gibt keine Lektion namens „{name}“, daher startet BELLSCOPE wie üblich.',
  lessonRefused:
    'Die Lektion in dieser Adresse kann nicht geöffnet werden ({why}), daher startet BELLSCOPE wie üblich.',
  lessonViewLeftOut:
    'Die mit der Lektion angegebene Ansicht ({view}) sollte die Ansicht dieser Lektion ändern, daher entfällt sie ebenfalls.',
  lesson_equal: 'Zwei gleiche Kurven',
  lesson_equal_question:
    'Beide Kurven sind gleich breit. Wo liegt die {productColour} Kurve, und wie viel schmaler ist sie? Verschieben ' +
    'Sie eine mit „{left}“ und „{right}“ (oder den Pfeiltasten nach links und rechts) und prüfen Sie es mit ' +
    'der Rechnung unten.',
  'lesson_wide-narrow': 'Eine breite und eine schmale Kurve',
  'lesson_wide-narrow_question':
    'Eine Kurve ist breit, die andere schmal. Liegt die {productColour} Kurve näher an der breiten oder an der ' +
    'schmalen? Die schmale ist ausgewählt: Verschieben Sie sie mit „{left}“ und „{right}“ (oder den ' +
    'Pfeiltasten nach links und rechts) und beobachten Sie.',
  'lesson_far-apart': 'Zwei weit entfernte Kurven',
  'lesson_far-apart_question':
    'Die Kurven überlappen sich kaum, und ihr punktweises Produkt ist fast flach. Schieben Sie Gaußkurve 2 ' +
    'mit „{left}“ (oder der Pfeiltaste nach links) näher heran und mit „{right}“ wieder weg. Was passiert ' +
    'mit der Höhe des Produkts, und was sagt das über die beiden Kurven?',
  'lesson_same-mean': 'Derselbe Mittelwert',
  'lesson_same-mean_question':
    'Beide Kurven haben ihr Maximum an derselben Stelle. Wo liegt das Maximum des Produkts, und wie hoch ist ' +
    'es, in jedem Modus? Wechseln Sie den Modus mit der Modus-Schaltfläche „{mode}“ (oder der Eingabetaste) ' +
    'und vergleichen Sie.',
  lesson_kalman: 'Vorwissen und eine Messung',
  lesson_kalman_question:
    'Das ist ein Kalman-Update. Liegt die A-posteriori-Verteilung näher am Vorwissen oder an der Messung, ' +
    'und warum? Die Messung ist ausgewählt: Machen Sie sie mit „{wider}“ (oder durch Ziehen mit der rechten ' +
    'Maustaste) ungenauer und beobachten Sie die A-posteriori-Verteilung.',
  'lesson_three-measurements': 'Vorwissen und drei Messungen',
  'lesson_three-measurements_question':
    'Nur das Vorwissen ist eingeschaltet. Schalten Sie die Messungen mit den Schaltflächen 2, 3 und 4 (oder ' +
    'F2, F3 und F4) nacheinander ein und verfolgen Sie die Rechnung unten: Wie addieren sich die ' +
    'Präzisionen, Schritt für Schritt?',
  'lesson_wide-prior': 'Sehr breites Vorwissen',
  'lesson_wide-prior_question':
    'Das Vorwissen ist sehr breit: Es sagt wenig darüber, wo der Wert liegt. Wie weit schiebt es die ' +
    'A-posteriori-Verteilung von der Messung weg? Vergleichen Sie die beiden u in der Rechnung unten, machen ' +
    'Sie das Vorwissen dann mit „{narrower}“ schmaler und beobachten Sie erneut.',
  'lesson_sigma-zero': 'Was BELLSCOPE mit sigma 0 macht',
  'lesson_sigma-zero_question':
    'Gaußkurve 2 hat sigma 0. Was zeigt das Bild, und was sagt die Rechnung? Gaußkurve 2 ist ausgewählt: ' +
    'Machen Sie sie mit „{wider}“ (oder durch Ziehen mit der rechten Maustaste) etwas breiter.',
  lesson_sensors: 'Drei Sensoren',
  lesson_sensors_question:
    'Drei Sensoren messen dieselbe Entfernung. Welchem vertraut die fusionierte Schätzung am meisten, und ' +
    'warum? Wählen Sie einen Sensor mit „{previous}“ und „{next}“ (oder den Pfeiltasten nach oben und ' +
    'unten), verschieben Sie ihn mit „{left}“ und „{right}“ und sehen Sie, welcher die Schätzung am ' +
    'stärksten zu sich zieht.',

  challenge: 'Herausforderung',
  challengeGroup: 'Herausforderung: das Produkt vorhersagen',
  check: 'Prüfen',
  nextRound: 'Nächste Runde',
  leaveChallenge: 'Herausforderung verlassen',
  guessName: 'Ihre Schätzung',
  challengeRound:
    'Runde {round} von {rounds}: das Produkt ist verborgen. Schieben Sie Ihre Schätzung (die Zeile „Your ' +
    'guess“) dorthin, wo Sie das Produkt vermuten, so breit, wie Sie es vermuten, und drücken Sie dann Prüfen.',
  challengeShown: 'Runde {round} von {rounds}: die {productColour} Kurve ist das Produkt, neben Ihrer Schätzung.',
  guessKept:
    'Geprüft: Ihre Schätzung bleibt, wo sie war, neben dem Produkt; ihre Schaltflächen und Felder ruhen bis ' +
    'zur nächsten Runde.',
  curvesFixed:
    'Die Kurven der Runde bleiben, wie sie sind: ihre Ein/Aus-Schaltflächen sowie „{previous}“ und „{next}“ ruhen, bis Sie die Herausforderung verlassen.',
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
  challengeLeft:
    'Sie haben die Herausforderung in Runde {round} von {rounds} verlassen, mit {total} von {most} Punkten. ' +
    'Herausforderung startet eine neue.',
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
    'Gipfels, und ihr `sigma` gibt an, wie breit sie ist. Die {productColour} Kurve kombiniert die eingeschalteten ' +
    'Gaußkurven.',
  aboutProduct:
    'Bei **Punktweiser Multiplikation** ist die {productColour} Kurve das Produkt der Kurven, Spalte für Spalte. Sie ' +
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
    'Jede Taste, die BELLSCOPE kennt, und die Schaltflächen, die dasselbe tun. **?** öffnet dies, wo auch immer der Fokus gerade ist, außer in einem Textfeld; Esc schließt es.',
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
  doesQuit:
    'BELLSCOPE beenden; Fortsetzen bringt das Bild dann zurück, wie es war, und Neu beginnen fängt von vorn an. Während Anhören spielt, hält Esc nur den Ton an, und im Feld u oder sigma stellt es nur den angezeigten Wert wieder her',
  keysReset: 'die Schaltfläche Zurücksetzen',
  doesReset:
    'zurück zum Anfang der Lektion oder der Ansicht, die die Adresse nennt (oder zur Startansicht), ohne zu ' +
    'beenden',
  controlsNote:
    'Die Schaltflächen funktionieren auch mit Tab und Eingabe oder Leertaste; solange eine Schaltfläche den ' +
    'Fokus hat, drücken Eingabe und Leertaste sie, und jede andere Taste geht weiter an BELLSCOPE. Unter ' +
    '**Farben** zeichnet „Für Farbenblinde“ die vier Gaußkurven in Farben, die für farbenblinde Augen ' +
    'unterscheidbar bleiben, und „Hell, für Beamer“ zeichnet dunkle Kurven und Texte auf Weiß, für einen ' +
    'hellen Raum; dieser Browser merkt sich die Wahl.',
};
