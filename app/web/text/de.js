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
    'Das Bild ist so gezeichnet, wie BELLSCOPE entworfen wurde, und seine Beschriftungen bleiben auf ' +
    'Englisch: Jede Zahl darin steht auch im Text unter den Bedienelementen.',

  loading: 'BELLSCOPE wird geladen …',
  updated: 'Aktualisiert',
  ended: 'BELLSCOPE wurde beendet',
  endedTold: 'Mit Esc beendet. „Fortsetzen“ holt das Bild zurück, wie es war; „Neu beginnen“ fängt von vorn an.',
  endedRest:
    'Bis Sie fortsetzen oder neu beginnen, sind die Bedienelemente, die das Bild ändern, gesperrt; „Link ' +
    'kopieren“, „Bild speichern“, „Tastaturhilfe“, „Anhören“, „Namen“, „Farben“ und „Sprache“ ' +
    'funktionieren mit dem angezeigten Bild weiterhin.',
  resume: 'Fortsetzen',
  startAgain: 'Neu beginnen',
  reset: 'Zurücksetzen',
  cannotStart: 'BELLSCOPE konnte nicht starten: {why}',
  stopped: 'BELLSCOPE hat angehalten: {what}',
  moduleFailed: 'BELLSCOPE konnte nicht starten: Sein WebAssembly-Modul ließ sich nicht laden ({what}).',
  noWebAssembly:
    'BELLSCOPE läuft in diesem Browser nicht: Es benötigt WebAssembly, das dieser Browser nicht unterstützt.',
  viewRefused: 'Die Ansicht in dieser Adresse kann nicht angezeigt werden ({why}), daher startet BELLSCOPE wie üblich.',
  cannotStartNoCanvas: 'diese Seite hat keine Zeichenfläche (Canvas) für das Bild.',
  cannotStartNoInput: 'der Browser leitet Tastatur, Maus und Berührungen nicht an BELLSCOPE weiter.',
  cannotStartNoWindow: 'das Bild ließ sich auf dieser Seite nicht öffnen.',
  cannotStartNoMemory: 'für das Bild ist nicht genug Speicher frei.',
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
  reasonRecalcValue: 'recalc erwartet keinen Wert',
  reasonBadPercent: 'ein %-Code ist fehlerhaft',
  reasonParameterTooLong: 'der Parameter ist zu lang',
  reasonAddressTooLong: 'die Adresse ist zu lang: BELLSCOPE liest höchstens {most} Zeichen',
  reasonNotAChallenge: '„{text}“ ist keine Nummer einer Herausforderung: nur Ziffern, 0 bis {most}',
  reasonChallengeTooLarge: '„{text}“ ist zu groß für die Nummer einer Herausforderung (höchstens {most})',
  reasonNotATrack: '„{text}“ ist keine Nummer eines Wegs: nur Ziffern, 0 bis {most}',
  reasonTrackTooLarge: '„{text}“ ist zu groß für die Nummer eines Wegs (höchstens {most})',
  reasonNotWhole: '„{text}“ ist keine ganze Zahl',
  reasonTruthChoice: 'truth ist each oder end',
  reasonSettingGiven: '{text} ist schon angegeben',
  reasonSettingWithoutTrack: '{text} gehört zu einem Weg: Geben Sie auch track=NUMMER an',

  pictureName: 'BELLSCOPE: Gaußkurven und ihr Produkt (im Text unter den Bedienelementen beschrieben)',
  controlsName: 'Bedienelemente von BELLSCOPE',
  onOffGroup: 'Ein/aus',
  gaussianName: 'Gaußkurve {n}',
  namesGroup: 'Namen',
  namesGaussians: 'Gaußkurven 1–4',
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
  productTrack: 'die aktualisierte Annahme',
  productLabelGaussians: 'Kombinierte Kurve',
  productLabelBayes: 'A-posteriori-Verteilung',
  productLabelSensors: 'Fusionierte Schätzung',
  productLabelTrack: 'Aktualisierte Annahme',
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
    'Wurde nichts heruntergeladen, erlaubt die Seite, in die BELLSCOPE eingebettet ist, keine Downloads: ' +
    'Speichern Sie stattdessen das Bild unten (Rechtsklick oder lange darauf drücken).',
  savedPictureName: 'Das zu speichernde Bild: die Ansicht beim Drücken von „Bild speichern“',
  closePictureName: 'Bild schließen',
  closeLink: 'Schließen',
  closeLinkName: 'Link schließen',
  copied: 'Kopiert.',
  copyRefused: 'Der Browser hat das Kopieren nicht erlaubt: Kopieren Sie den Link aus dem Feld.',
  copyUnavailable: 'Dieser Browser kann nicht selbstständig kopieren: Kopieren Sie den Link aus dem Feld.',
  copyForbidden:
    'Die Seite, in die BELLSCOPE eingebettet ist, erlaubt kein Kopieren: Kopieren Sie den Link aus dem Feld.',
  coloursGroup: 'Farben',
  coloursDesign: 'Originalfarben',
  coloursSafe: 'Für Farbenblinde',
  coloursLight: 'Hell, für Beamer',
  notRemembered: 'Diese Seite darf hier nichts speichern; die Wahl gilt daher nur, bis die Seite geschlossen wird.',

  wordsHeading: 'Was das Bild zeigt',
  starting: 'BELLSCOPE startet.',
  on: 'ein',
  off: 'aus',
  wordsGaussian: '{name}: {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}, u = {u}, sigma = {sigma} (ausgewählt)',
  wordsMode: 'Kombinationsmodus: {mode}',
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  wordsCombinedExact: '{label}: u = {u}, sigma = {sigma} (exakt {exactU} und {exactSigma})',
  wordsCombinedFlat: '{label}: u = {u}, sigma = {sigma} (die Division durch sigma 0 ergibt kein u; das Bild zeigt 0)',
  wordsCombinedNone: '{label}: keine, da keine Gaußkurve eingeschaltet ist',
  toldOn: '{name} eingeschaltet',
  toldOff: '{name} ausgeschaltet',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} ausgewählt',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: keine',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Wie die {productColour} Kurve entsteht',
  workingIntro:
    'Das Produkt von Glockenkurven ist wieder eine Glockenkurve. Deren **Präzision** 1/σ² (je schmaler, ' +
    'desto größer) ist die Summe der einzelnen Präzisionen; ihr Mittelwert ist das mit den Präzisionen ' +
    'gewichtete Mittel der einzelnen Mittelwerte und liegt daher näher an den schmaleren Kurven. Das ' +
    'Maximum des punktweisen Produkts liegt unter 1, und seine Höhe zeigt, wie gut die Kurven ' +
    'übereinstimmen. BELLSCOPE multipliziert der Reihe nach: {first} mit {second}, dann mit {third} und so ' +
    'weiter. Mit den aktuellen Zahlen:',
  workingNone: 'Es ist keine Gaußkurve eingeschaltet, also gibt es nichts zu multiplizieren.',
  workingFlat:
    '{name} hat sigma 0 und ist damit überall 0 außer am eigenen Mittelwert u = {u}, wo der Wert ' +
    'weiterhin 1 beträgt. Also ist {product} überall 0 außer bei u = {u}; dort ist der Wert gleich dem ' +
    'Produkt der anderen Kurven an dieser Stelle: {height}.',
  workingFlatAlone:
    '{name} hat sigma 0 und ist damit überall 0 außer am eigenen Mittelwert u = {u}, wo der Wert ' +
    'weiterhin 1 beträgt. Keine andere Kurve ist eingeschaltet, also sieht {product} genauso aus: überall ' +
    '0 außer bei u = {u}, wo der Wert 1 beträgt.',
  workingFlatApart:
    '{name} und {other} haben sigma 0 bei verschiedenen Mittelwerten, u = {u} und u = {otherU}: Jede der ' +
    'beiden Kurven ist dort 0, wo die andere ihr Maximum hat, also ist {product} überall 0.',
  workingFlatDrawn:
    'Ein einzelner Punkt hat keine Breite, daher zeichnet das Bild die {productColour} Kurve flach am unteren Rand, ' +
    'auch an diesem Mittelwert.',
  workingGaussian: '{name}: u = {u}; σ = {sigma}; Präzision',
  workingGaussianRead: '{name}: u = {u}; sigma = {sigma}; Präzision, 1 durch sigma Quadrat, = {precision}.',
  workingNegative: 'Ein negatives sigma zählt mit seinem Betrag: {name} ist so breit, als wäre sigma positiv.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: Die Präzisionen {before} und {precision} addieren sich zu {total}; also ist sigma = ' +
    '{sigma}, und der mit den Präzisionen gewichtete Mittelwert ist u = {u}.',
  workingResult: 'Die {productColour} Kurve ist {product}: u\u00a0=\u00a0{u}; sigma\u00a0=\u00a0{sigma}.',
  workingHeight: 'Höhe des punktweisen Produkts:',
  workingHeightRead: 'Punktweise erreicht {product} eine Höhe von {height}.',
  workingHeightUnknown:
    'Die Höhe des punktweisen Produkts liegt außerhalb dessen, was die Zahlen hier darstellen können.',
  agree: 'Die Kurven stimmen überein; {product} behält {percent} der vollen Höhe.',
  partlyAgree: 'Die Kurven stimmen teilweise überein; {product} behält {percent} der vollen Höhe.',
  hardlyAgree: 'Die Kurven stimmen kaum überein: {percent}.',
  lessThan: 'weniger als {value}',
  heightBelow: 'weniger als {value}',
  workingTruncated:
    'Das Bild zeigt nur ganze Zahlen und schneidet die Nachkommastellen ab ({exact} erscheint als ' +
    '{shown}); außerdem beginnt seine Parameter-Neuberechnung mit einer Kurve, die so breit ist, dass sie ' +
    'über das ganze Diagramm flach verläuft, was die letzten Stellen verschiebt. Die Zahlen hier sind auf ' +
    'vier gültige Ziffern genau.',
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
    'Beide Kurven sind gleich breit. Wo liegt die {productColour} Kurve, und um wie viel ist sie schmaler als die ' +
    'beiden? Verschieben Sie eine mit „{left}“ und „{right}“ (oder den Pfeiltasten links und rechts) und ' +
    'überprüfen Sie Ihre Antwort mit der Rechnung unten.',
  'lesson_wide-narrow': 'Eine breite und eine schmale Kurve',
  'lesson_wide-narrow_question':
    'Eine Kurve ist breit, die andere schmal. Liegt die {productColour} Kurve näher an der breiten oder an der ' +
    'schmalen? Die schmale ist ausgewählt: Verschieben Sie sie mit „{left}“ und „{right}“ (oder den ' +
    'Pfeiltasten links und rechts) und beobachten Sie.',
  'lesson_far-apart': 'Zwei weit auseinanderliegende Kurven',
  'lesson_far-apart_question':
    'Die Kurven überlappen sich kaum, und ihr punktweises Produkt ist fast flach. Schieben Sie Gaußkurve ' +
    '2 mit „{left}“ (oder der Pfeiltaste links) näher heran und mit „{right}“ wieder weg. Was passiert ' +
    'mit der Höhe des Produkts, und was sagt das über die beiden Kurven aus?',
  'lesson_same-mean': 'Derselbe Mittelwert',
  'lesson_same-mean_question':
    'Beide Kurven haben ihr Maximum an derselben Stelle. Wo liegt das Maximum des Produkts, und wie hoch ' +
    'ist es in jedem der beiden Modi? Wechseln Sie den Modus mit der Schaltfläche „{mode}“ (oder der ' +
    'Eingabetaste) und vergleichen Sie.',
  lesson_kalman: 'Vorwissen und eine Messung',
  lesson_kalman_question:
    'Das ist ein Aktualisierungsschritt eines Kalman-Filters. Liegt die A-posteriori-Verteilung näher am ' +
    'Vorwissen oder an der Messung, und warum? Die Messung ist ausgewählt: Machen Sie sie mit „{wider}“ ' +
    '(oder durch Ziehen mit der rechten Maustaste) ungenauer und beobachten Sie die ' +
    'A-posteriori-Verteilung.',
  'lesson_three-measurements': 'Vorwissen und drei Messungen',
  'lesson_three-measurements_question':
    'Nur das Vorwissen ist eingeschaltet. Schalten Sie die Messungen mit den Schaltflächen 2, 3 und 4 ' +
    '(oder F2, F3 und F4) nacheinander ein und verfolgen Sie die Rechnung unten: Wie addieren sich die ' +
    'Präzisionen Schritt für Schritt?',
  'lesson_wide-prior': 'Sehr unsicheres Vorwissen',
  'lesson_wide-prior_question':
    'Die Kurve des Vorwissens ist sehr breit, sagt also wenig darüber, wo der Wert liegt. Wie weit zieht ' +
    'das Vorwissen die A-posteriori-Verteilung von der Messung weg? Vergleichen Sie die u-Werte der ' +
    'beiden in der Rechnung unten, machen Sie die Kurve dann mit „{narrower}“ schmaler und beobachten Sie ' +
    'erneut.',
  'lesson_sigma-zero': 'Was BELLSCOPE mit sigma 0 macht',
  'lesson_sigma-zero_question':
    'Gaußkurve 2 hat sigma 0. Was zeigt das Bild, und was sagt die Rechnung? Gaußkurve 2 ist ausgewählt: ' +
    'Machen Sie sie mit „{wider}“ (oder durch Ziehen mit der rechten Maustaste) etwas breiter.',
  lesson_sensors: 'Drei Sensoren',
  lesson_sensors_question:
    'Drei Sensoren messen dieselbe Entfernung. Welchem Sensor vertraut die fusionierte Schätzung am ' +
    'meisten, und warum? Wählen Sie einen Sensor mit „{previous}“ und „{next}“ (oder den Pfeiltasten oben ' +
    'und unten), verschieben Sie ihn mit „{left}“ und „{right}“ und sehen Sie, welcher die Schätzung am ' +
    'stärksten zu sich zieht.',
  'lesson_track-good-sensor': 'Verfolgung: ein guter Sensor',
  'lesson_track-good-sensor_question':
    'Der Sensor ist gut (r = 10). Drücken Sie einige Male „Vorhersagen“ und „Aktualisieren“: Wie groß ist die Verstärkung K, und wie eng folgt die Annahme den Messungen?',
  'lesson_track-poor-sensor': 'Verfolgung: ein schlechter Sensor',
  'lesson_track-poor-sensor_question':
    'Derselbe Weg mit einem schlechten Sensor (r = 120). Gehen Sie Schritt für Schritt: Warum ist die Verstärkung K jetzt klein, und was macht die Schätzung, wenn eine Messung weit danebenliegt?',
  'lesson_track-no-noise': 'Verfolgung: kein Prozessrauschen',
  'lesson_track-no-noise_question':
    'Mit q = 0 vertraut der Filter ganz seinem Modell: Er erwartet, dass sich der Weg genau um v = 30 je Schritt bewegt, doch in Wahrheit sind es 36. Lassen Sie ihn ablaufen und beobachten Sie die Verstärkung K in der Tabelle: Warum sinkt sie gegen 0, und was geschieht mit der Schätzung gegenüber der wahren Position?',
  'lesson_track-wrong-velocity': 'Verfolgung: eine falsche Geschwindigkeit',
  'lesson_track-wrong-velocity_question':
    'Der Filter nimmt an, dass der Weg stillsteht (v = 0), doch er bewegt sich um 30 je Schritt. Lassen Sie ihn laufen: Wo liegt die Schätzung gegenüber der wahren Position, und wohin zieht jede Aktualisierung sie?',

  challenge: 'Herausforderung',
  challengeGroup: 'Herausforderung: das Produkt vorhersagen',
  check: 'Prüfen',
  nextRound: 'Nächste Runde',
  leaveChallenge: 'Herausforderung beenden',
  guessName: 'Ihre Schätzung',
  challengeRound:
    'Runde {round} von {rounds}: Das Produkt ist verborgen. Schieben Sie Ihre Schätzung (im Bild die ' +
    'Zeile „Your guess“) dorthin, wo Sie das Produkt vermuten, geben Sie ihr die Breite, die Sie ' +
    'erwarten, und drücken Sie dann „Prüfen“.',
  challengeShown:
    'Runde {round} von {rounds}: Die {productColour} Kurve ist das Produkt; daneben steht Ihre Schätzung.',
  guessKept:
    'Geprüft: Ihre Schätzung bleibt, wo sie war, neben dem Produkt; ihre Schaltflächen und Felder sind ' +
    'bis zur nächsten Runde gesperrt.',
  curvesFixed:
    'Die Kurven der Runde bleiben, wie sie sind: ihre Ein/Aus-Schaltflächen sowie „{previous}“ und „{next}“ ruhen, bis Sie die Herausforderung verlassen.',
  challengeMeasure:
    'Die Punktzahl ist das Hundertfache der Fläche, die Ihre Schätzung und das Produkt gemeinsam haben, ' +
    'wenn beide auf den Flächeninhalt 1 normiert sind: 100 für gleiche Kurven, 0 für Kurven, die sich ' +
    'nicht überlappen.',
  challengeScore: 'Punktzahl: {score} von 100. {u} {sigma}',
  challengeURight: 'Ihr u stimmt: {answer}.',
  challengeUBelow: 'Ihr u liegt um {off} zu weit links ({guess}; das Produkt hat {answer}).',
  challengeUAbove: 'Ihr u liegt um {off} zu weit rechts ({guess}; das Produkt hat {answer}).',
  challengeSigmaRight: 'Ihr sigma stimmt: {answer}.',
  challengeSigmaBelow: 'Ihr sigma ist um {off} zu klein, die Kurve zu schmal ({guess}; das Produkt hat {answer}).',
  challengeSigmaAbove: 'Ihr sigma ist um {off} zu groß, die Kurve zu breit ({guess}; das Produkt hat {answer}).',
  challengeOver:
    'Herausforderung beendet: {total} von {most} Punkten. „Herausforderung“ startet eine neue; „Link ' +
    'kopieren“ liefert einen Link zu dieser, damit andere dieselben Runden spielen können.',
  challengeNoGuess:
    'Setzen Sie zuerst Ihre Schätzung: Noch steht sie dort, wo jede Runde beginnt. Schieben Sie sie ' +
    'dorthin, wo Sie das Produkt vermuten.',
  challengeBadSigma:
    'Ihre Schätzung hat sigma {sigma}: Eine Glockenkurve braucht ein sigma größer als 0. Machen Sie sie ' +
    'breiter und drücken Sie dann „Prüfen“.',
  challengeChecked: 'Diese Runde ist schon geprüft: Mit „Nächste Runde“ geht es weiter.',
  challengeLeft:
    'Sie haben die Herausforderung in Runde {round} von {rounds} mit {total} von {most} Punkten beendet. ' +
    '„Herausforderung“ startet eine neue.',
  challengeRefused:
    'Die Herausforderung in dieser Adresse kann nicht gestartet werden ({why}), daher startet BELLSCOPE wie üblich.',
  challengeAndLesson:
    'Diese Adresse nennt eine Lektion und eine Herausforderung: Die Herausforderung hat Vorrang, die Lektion entfällt.',
  challengeAndView:
    'Diese Adresse nennt eine Herausforderung und eine Ansicht: Eine Herausforderung zeigt ihre eigenen ' +
    'Runden, daher entfällt die Ansicht ({view}).',
  challengeAndTrack:
    'Diese Adresse nennt eine Herausforderung und einen Weg: Die Herausforderung hat Vorrang, daher wird der Weg weggelassen.',
  trackRefused: 'Der Weg in dieser Adresse kann nicht gestartet werden ({why}), daher startet BELLSCOPE wie gewohnt.',
  trackAndView:
    'Diese Adresse nennt einen Weg und eine Ansicht: Ein Weg zeigt seine eigenen Kurven, daher wird die Ansicht ({view}) weggelassen.',
  trackAndLesson:
    'Diese Adresse nennt eine Lektion und einen Weg: Der Weg hat Vorrang, daher wird die Lektion weggelassen.',
  wordsGuess: 'Ihre Schätzung: u = {u}, sigma = {sigma} (ausgewählt)',
  toldGuessU: 'Schätzung u {u}',
  toldGuessSigma: 'Schätzung sigma {sigma}',
  workingHidden: 'Verborgen, bis Sie „Prüfen“ drücken: Rechnen Sie es zuerst selbst aus.',
  listeningCurves:
    'Es erklingen {curves}, jeweils von links nach rechts: je höher die Kurve, desto höher der Ton. Das ' +
    'Produkt ist verborgen.',

  track: 'Verfolgung',
  trackGroup: 'Verfolgung: Ein Kalman-Filter verfolgt einen Weg',
  trackPredict: 'Vorhersagen',
  trackUpdate: 'Aktualisieren',
  leaveTrack: 'Verfolgung verlassen',
  trackRun: 'Abspielen',
  trackFieldQ: 'Prozessrauschen q',
  trackFieldR: 'Sensorrauschen r',
  trackFieldV: 'Geschwindigkeit des Filters v',
  trackBeliefName: 'Annahme',
  trackMeasurementName: 'Messung',
  trackStepStart:
    'Weg {seed}, Schritt 0 von {steps}: Die Annahme liegt dort, wo der Filter den Anfang des Wegs vermutet.',
  trackStepPredict: 'Schritt {step} von {steps}: Vorhersage. Die gepunktete Kurve ist die Annahme vor diesem Schritt.',
  trackStepUpdate:
    'Schritt {step} von {steps}: Aktualisierung, K = {gain}. Die {productColour} Kurve ist die Annahme mal die Messung.',
  trackSaidStart: 'Der Weg beginnt: Die Annahme liegt bei u = {u} mit sigma {sigma}.',
  trackSaidRight:
    'Vorhergesagt: Die Annahme ist um {distance} nach rechts gerückt und von sigma {from} auf {to} breiter geworden.',
  trackSaidLeft:
    'Vorhergesagt: Die Annahme ist um {distance} nach links gerückt und von sigma {from} auf {to} breiter geworden.',
  trackSaidStill: 'Vorhergesagt: Die Annahme ist bei u = {u} geblieben und von sigma {from} auf {to} breiter geworden.',
  trackSaidNoNoise:
    'Vorhergesagt: Die Annahme ist nach u = {u} gewandert; ohne Prozessrauschen (q = 0) ist ihr sigma {sigma} geblieben.',
  trackSaidUpdate:
    'Aktualisiert: Die Messung ergab {z}; mit K = {gain} ist die Annahme nach u = {u} gerückt und auf sigma {sigma} schmaler geworden.',
  trackSaidTruth: 'Die wahre Position war {truth}.',
  trackSaidTruths:
    'Der Weg ist zu Ende: Die wahren Positionen sind jetzt zu sehen, unter der Achse und in der Tabelle.',
  trackPredictNext:
    'Jetzt ist „Vorhersagen“ dran: Die Annahme rückt einen Schritt weiter, bevor die nächste Messung einfließt.',
  trackUpdateNext:
    'Jetzt ist „Aktualisieren“ dran: Dieser Schritt ist vorhergesagt, seine Messung muss noch einfließen.',
  trackOver:
    'Der Weg ist zu Ende: „Zurücksetzen“ geht ihn noch einmal von vorn, „Verfolgung verlassen“ kehrt zu den Kurven zurück.',
  trackCurvesFixed:
    'Die Kurven gehören dem Filter: Ihre Schaltflächen und die Felder u und sigma ruhen, bis Sie die Verfolgung verlassen.',
  trackMarks:
    'Unter der Achse des Bildes markiert jeder | eine bisherige Schätzung und jedes △ eine schon gezeigte wahre Position.',
  trackLeft: 'Sie haben die Verfolgung bei Schritt {step} von {steps} verlassen. „Verfolgung“ startet einen neuen Weg.',
  trackStepsHeading: 'Die Schritte des Wegs',
  trackTable: 'Weg {seed}: Vorhersage, Messung, Verstärkung und Aktualisierung jedes Schritts',
  trackColumnStep: 'Schritt',
  trackColumnPredicted: 'Vorhergesagte Annahme',
  trackColumnMeasurement: 'Messung z',
  trackColumnGain: 'Verstärkung K',
  trackColumnUpdated: 'Aktualisierte Annahme',
  trackColumnTruth: 'Wahre Position',
  trackBelief: 'u = {u}; sigma = {sigma}',
  trackNotYet: 'noch nicht',
  trackPlotName: 'Diagramm des Wegs: Position über dem Schritt',
  trackPlotEstimate: 'Schätzung mit ihrem Band von ± sigma',
  trackPlotMeasurement: 'Messung',
  trackPlotTruth: 'wahre Position.',
  trackWorkingStart: 'Der Weg beginnt: Die Annahme ist u = {u}, sigma = {sigma}. Vorhersagen bewegt sie weiter.',
  trackWorkingPredict:
    'Vorhersagen: Varianzen addieren sich (die Summe aus der Annahme und einem Schritt Rauschen q = {q}):',
  trackWorkingMoved: 'und die Annahme verschiebt sich um v = {v}:',
  trackWorkingUpdate: 'Aktualisieren: Präzisionen addieren sich (das Produkt aus Annahme und Messung):',
  trackWorkingGain: 'Die Verstärkung K ist das Gewicht der Messung:',
  trackWorkingMean: 'und der Mittelwert des Produkts ist derselbe gewichtete Mittelwert:',

  aboutHeading: 'Über das Bild',
  aboutCurves:
    'Jede farbige Kurve ist eine Gaußkurve, also eine Glockenkurve. Der Mittelwert `u` einer Kurve gibt ' +
    'die Spalte ihres Maximums an, `sigma` ihre Breite. Die {productColour} Kurve kombiniert die eingeschalteten ' +
    'Gaußkurven.',
  aboutProduct:
    'Bei der **Punktweisen Multiplikation** ist die {productColour} Kurve das Produkt der Kurven, Spalte für Spalte ' +
    'berechnet. Sie ist wieder eine Glockenkurve, schmaler als jede einzelne und zwischen ihnen gelegen, ' +
    'näher an der schmaleren. Das Maximum liegt unter 1: Jede Kurve ist höchstens 1, und wo die eine ihr ' +
    'Maximum hat, fällt die andere schon ab; das Produkt kann 1 also nur erreichen, wenn die Mittelwerte ' +
    'gleich sind.',
  aboutRecalculation:
    'Bei der **Parameter-Neuberechnung** berechnet BELLSCOPE Mittelwert und sigma dieses Produkts mit ' +
    'einer Formel und zeichnet daraus eine neue Gaußkurve mit dem Maximum 1. Sie liegt an derselben ' +
    'Stelle und ist genauso breit wie das Produkt; nur ihre Höhe ist anders. Das Bild zeigt dann die ' +
    'kombinierten Werte `u` und `sigma` an.',
  controlsHeading: 'Bedienung',
  keyboardHelp: 'Tastaturhilfe',
  listen: 'Anhören',
  listening:
    'Es erklingen {curves}, dann {product}, jeweils von links nach rechts: je höher die Kurve, desto höher der Ton.',
  listeningProduct: 'Es erklingt {product}, von links nach rechts: je höher die Kurve, desto höher der Ton.',
  helpIntro:
    'Alle Tasten, die BELLSCOPE kennt, und die Schaltflächen, die dasselbe bewirken. **?** öffnet diese ' +
    'Hilfe, wo immer der Fokus gerade ist (außer in einem Textfeld); Esc schließt sie.',
  controlsInput: 'Taste, Maus, Berührung oder Schalt\u00adfläche',
  controlsAction: 'Wirkung',
  keysOnOff: 'F1, F2, F3, F4 oder die Schaltflächen 1 bis 4',
  doesOnOff: 'Gaußkurve 1, 2, 3, 4 ein- oder ausschalten',
  keysSelect: 'Pfeiltaste oben, Pfeiltaste unten oder „Vorige“ und „Nächste“',
  doesSelect:
    'eine andere Gaußkurve auswählen (die Markierung `<--` und die unterstrichene Schaltfläche zeigen, welche)',
  keysMean:
    'Pfeiltaste links, Pfeiltaste rechts oder die Schaltflächen „Links“ und „Rechts“ (zum Wiederholen gedrückt halten)',
  doesMean: 'den Mittelwert der ausgewählten Gaußkurve um eine Spalte verschieben',
  keysMeanFast: 'Umschalt + Pfeiltaste links, Umschalt + Pfeiltaste rechts',
  doesMeanFast: 'ihn um zehn Spalten verschieben',
  keysFollow: 'linke Maustaste (gedrückt halten) oder ein Finger',
  doesFollow: 'der Mittelwert der ausgewählten Gaußkurve folgt dem Zeiger',
  keysWidth:
    'rechte Maustaste (ziehen), zwei Finger spreizen, zusammenziehen oder seitwärts ziehen oder „Schmaler“ und „Breiter“ (zum ' +
    'Wiederholen gedrückt halten)',
  doesWidth: 'die ausgewählte Gaußkurve breiter oder schmaler machen',
  keysMode: 'Eingabetaste oder die Modus-Schaltfläche',
  doesMode: 'zwischen Punktweiser Multiplikation und Parameter-Neuberechnung wechseln',
  keysQuit: 'Esc',
  doesQuit:
    'BELLSCOPE beenden; „Fortsetzen“ holt dann das Bild zurück, wie es war, und „Neu beginnen“ fängt von ' +
    'vorn an. Während „Anhören“ läuft, stoppt Esc nur die Wiedergabe, und im Feld u oder sigma stellt es ' +
    'nur den angezeigten Wert wieder her',
  keysReset: '„Zurück\u00adsetzen“',
  doesReset:
    'zurück zum Anfang der Lektion oder der Ansicht, die die Adresse nennt (oder zur Startansicht), ohne ' +
    'BELLSCOPE zu beenden',
  keysTrack: 'P und U, oder Vorhersagen und Aktualisieren, in der Verfolgung',
  doesTrack: 'vorhersagen und aktualisieren, jeweils einen halben Schritt des Wegs',
  controlsNote:
    'Die Schaltflächen funktionieren auch mit der Tab-Taste und der Eingabetaste oder Leertaste; solange ' +
    'eine Schaltfläche den Fokus hat, lösen Eingabetaste und Leertaste sie aus, und jede andere Taste ' +
    'geht weiter an BELLSCOPE. Unter **Farben** zeichnet „Für Farbenblinde“ die vier Gaußkurven in ' +
    'Farben, die auch bei Farbenblindheit unterscheidbar bleiben, und „Hell, für Beamer“ zeichnet dunkle ' +
    'Kurven und Texte auf Weiß, für einen hellen Raum; dieser Browser merkt sich die Wahl.',
};
