'use strict';
/* global TEXTS */

// Les textes de la page en français (traduits avec l’aide d’une machine, relus par un enseignant).
// Typographie : espace insécable (U+00A0) avant « : » et à l’intérieur des guillemets « »,
// espace fine insécable (U+202F) avant ; ? !, pour qu’aucune ligne ne commence par ces signes.
// Les noms des courbes ({name} : Gaussienne 1, Loi a priori, Mesure 1, Capteur A) n’ont pas tous le
// même genre : les textes qui les reprennent ne font donc rien s’accorder avec eux.
TEXTS.fr = {
  title: 'BELLSCOPE : produits de courbes gaussiennes',
  languageGroup: 'Langue (Language)',
  languageUnavailable:
    'Impossible de charger la langue {language} : la page reste dans la langue actuelle ({current}).',
  languageRefused:
    'La langue indiquée dans cette adresse ne peut pas être utilisée ({why}) : la page choisit sa langue comme ' +
    'd’habitude.',
  pictureLabels:
    'L’image est dessinée telle que BELLSCOPE a été conçu : ses libellés restent en anglais, mais chaque nombre ' +
    'qu’elle affiche figure aussi dans le texte sous les commandes.',

  loading: 'Chargement de BELLSCOPE…',
  updated: 'Page mise à jour',
  ended: 'BELLSCOPE est arrêté',
  endedTold: 'Arrêté avec Échap. « Reprendre » rétablit l’image telle qu’elle était ; « Recommencer » repart de zéro.',
  endedRest:
    'Tant que vous n’avez ni repris ni recommencé, les commandes qui modifient l’image sont désactivées ; « Copier le lien », « Enregistrer l’image », « Aide clavier », « Écouter », « Noms », « Couleurs » et « Langue » fonctionnent toujours, avec l’image affichée.',
  resume: 'Reprendre',
  startAgain: 'Recommencer',
  reset: 'Réinitialiser',
  cannotStart: 'BELLSCOPE n’a pas pu démarrer : {why}',
  cannotStartNoCanvas: 'cette page n’a pas de zone de dessin (canvas) où tracer l’image.',
  cannotStartNoInput: 'le navigateur ne lui transmet ni le clavier, ni la souris, ni le toucher.',
  cannotStartNoWindow: 'il n’a pas pu ouvrir son image dans cette page.',
  cannotStartNoMemory: 'il n’y a pas assez de mémoire pour son image.',
  stopped: 'BELLSCOPE s’est arrêté sur une erreur : {what}',
  moduleFailed: 'BELLSCOPE n’a pas pu démarrer : son module WebAssembly ne s’est pas chargé ({what}).',
  noWebAssembly:
    'BELLSCOPE ne peut pas fonctionner dans ce navigateur : il a besoin de WebAssembly, que ce navigateur ne ' +
    'prend pas en charge.',
  viewRefused: 'La vue indiquée dans cette adresse ne peut pas être affichée ({why}) : BELLSCOPE démarre normalement.',
  refusal: '{what} : {why}',
  reasonNotANumber: '« {text} » n’est pas un nombre',
  reasonTooLarge: '« {text} » est trop grand : au plus {most}',
  reasonTooSmall: '« {text} » est trop petit : au moins {least}',
  reasonNotFinite: '« {text} » n’est pas un nombre fini',
  reasonNoGaussian: 'il n’y a pas de gaussienne {text}',
  reasonGaussianMissing: 'il manque le numéro d’une gaussienne (de 1 à 4)',
  reasonModeGiven: 'le mode de combinaison est indiqué deux fois',
  reasonOnGiven: 'la liste des gaussiennes affichées est indiquée deux fois',
  reasonSelectGiven: 'la gaussienne sélectionnée est indiquée deux fois',
  reasonNamesGiven: 'le choix des noms est indiqué deux fois',
  reasonUGiven: 'le u de la gaussienne {gaussian} est indiqué deux fois',
  reasonSigmaGiven: 'le sigma de la gaussienne {gaussian} est indiqué deux fois',
  reasonLessonGiven: 'la leçon est indiquée deux fois',
  reasonChallengeGiven: 'le défi est indiqué deux fois',
  reasonLanguageGiven: 'la langue est indiquée deux fois',
  reasonUnknownNames: 'names doit valoir {choices}',
  reasonUnknownParameter: 'paramètre inconnu (BELLSCOPE connaît {known})',
  reasonParameterNameMissing: 'il manque le nom du paramètre',
  reasonParameterValueMissing: 'il manque une valeur, comme dans {text}=...',
  reasonRecalcValue: 'recalc ne prend pas de valeur',
  reasonBadPercent: 'un code « % » est mal écrit',
  reasonParameterTooLong: 'le paramètre est trop long',
  reasonAddressTooLong: 'l’adresse est trop longue : BELLSCOPE en lit au plus {most} caractères',
  reasonNotAChallenge: '« {text} » n’est pas un numéro de défi : uniquement des chiffres, de 0 à {most}',
  reasonChallengeTooLarge: '« {text} » est trop grand pour un numéro de défi (au plus {most})',
  reasonNotATrack: '« {text} » n’est pas un numéro de trajet : uniquement des chiffres, de 0 à {most}',
  reasonTrackTooLarge: '« {text} » est trop grand pour un numéro de trajet (au plus {most})',
  reasonNotWhole: '« {text} » n’est pas un nombre entier',
  reasonTruthChoice: 'truth vaut each ou end',
  reasonSettingGiven: '{text} est déjà donné',
  reasonSettingWithoutTrack: '{text} concerne un trajet : donnez aussi track=NUMÉRO',

  pictureName: 'BELLSCOPE : courbes gaussiennes et leur produit (décrites par écrit sous les commandes)',
  controlsName: 'Commandes de BELLSCOPE',
  onOffGroup: 'Affichage',
  gaussianName: 'Gaussienne {n}',
  namesGroup: 'Noms',
  namesGaussians: 'Gaussiennes 1 à 4',
  namesBayes: 'Loi a priori et mesures',
  namesSensors: 'Capteurs',
  bayesPrior: 'Loi a priori',
  bayesMeasurement: 'Mesure {m}',
  bayesPriorShort: 'A priori',
  bayesMeasurementShort: 'M{m}',
  sensorName: 'Capteur {letter}',
  sensorShort: '{letter}',
  productGaussians: 'le produit',
  productBayes: 'la loi a posteriori',
  productSensors: 'l’estimation fusionnée',
  productTrack: 'la croyance mise à jour',
  productLabelGaussians: 'Courbe combinée',
  productLabelBayes: 'Loi a posteriori',
  productLabelSensors: 'Estimation fusionnée',
  productLabelTrack: 'Croyance mise à jour',
  productColourWhite: 'blanche',
  productColourBlack: 'noire',
  selectGroup: 'Sélection',
  selectPrevious: 'Précédente',
  selectPreviousName: 'Sélectionner la gaussienne précédente',
  selectNext: 'Suivante',
  selectNextName: 'Sélectionner la gaussienne suivante',
  meanGroup: 'Moyenne u',
  meanLeft: 'Gauche',
  meanLeftName: 'Déplacer la moyenne vers la gauche',
  meanRight: 'Droite',
  meanRightName: 'Déplacer la moyenne vers la droite',
  sigmaGroup: 'Sigma',
  narrower: 'Plus étroite',
  wider: 'Plus large',
  modeUnknown: 'Mode de combinaison',
  modePointByPoint: 'Multiplication point par point',
  modeRecalculation: 'Recalcul des paramètres',
  modeName: 'Mode de combinaison : {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field} : {why}',
  copyLink: 'Copier le lien',
  savePicture: 'Enregistrer l’image',
  linkField: 'Lien vers cette vue',
  savedInFrame:
    'Si rien n’a été téléchargé, c’est que la page qui contient BELLSCOPE n’autorise pas les téléchargements : ' +
    'enregistrez plutôt l’image ci-dessous (clic droit ou appui long).',
  savedPictureName: 'L’image à enregistrer : la vue affichée au moment du clic sur « Enregistrer l’image »',
  closePictureName: 'Fermer l’image',
  closeLink: 'Fermer',
  closeLinkName: 'Fermer le lien',
  copied: 'Copié.',
  copyRefused: 'Le navigateur n’a pas autorisé la copie : copiez le lien depuis le champ.',
  copyUnavailable: 'Ce navigateur ne sait pas copier tout seul : copiez le lien depuis le champ.',
  copyForbidden: 'La page qui contient BELLSCOPE n’autorise pas la copie : copiez le lien depuis le champ.',
  coloursGroup: 'Couleurs',
  coloursDesign: 'Couleurs d’origine',
  coloursSafe: 'Adaptées au daltonisme',
  coloursLight: 'Fond clair (vidéoprojecteur)',
  notRemembered: 'Cette page ne peut rien mémoriser ici : le choix ne vaut que jusqu’à sa fermeture.',

  wordsHeading: 'Ce que montre l’image',
  starting: 'BELLSCOPE démarre.',
  on: 'affichée',
  off: 'masquée',
  wordsGaussian: '{name} : courbe {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name} : courbe {state} et sélectionnée, u = {u}, sigma = {sigma}',
  wordsMode: 'Mode de combinaison : {mode}',
  wordsCombined: '{label} : u = {u}, sigma = {sigma}',
  wordsCombinedExact: '{label} : u = {u}, sigma = {sigma} (exactement {exactU} et {exactSigma})',
  wordsCombinedFlat:
    '{label} : u = {u}, sigma = {sigma} (diviser par un sigma nul ne donne pas de u : l’image affiche 0)',
  wordsCombinedNone: '{label} : rien à combiner, car aucune courbe n’est affichée',
  toldOn: '{name} : courbe affichée',
  toldOff: '{name} : courbe masquée',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: 'Sélection : {name}',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label} : rien à combiner',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Comment la courbe {productColour} est obtenue',
  workingIntro:
    'Multiplier des courbes en cloche donne une courbe en cloche. Sa **précision** 1/σ² (d’autant plus grande ' +
    'que la courbe est étroite) est la somme de leurs précisions ; sa moyenne est la moyenne de leurs moyennes ' +
    'pondérée par leurs précisions, donc plus proche des courbes les plus étroites ; et le produit point par ' +
    'point culmine en dessous de 1, à une hauteur qui indique à quel point les courbes concordent. BELLSCOPE ' +
    'multiplie dans l’ordre : {first} par {second}, puis par {third}, et ainsi de suite. Avec les nombres ' +
    'affichés en ce moment :',
  workingNone: 'Aucune courbe n’est affichée : il n’y a rien à multiplier.',
  workingFlat:
    '{name} a un sigma nul : cette courbe vaut 0 partout sauf en sa moyenne (u = {u}), où son sommet vaut ' +
    'quand même 1. Donc {product} vaut 0 partout sauf en u = {u}, où sa valeur est le produit des autres ' +
    'courbes en ce point : {height}.',
  workingFlatAlone:
    '{name} a un sigma nul : cette courbe vaut 0 partout sauf en sa moyenne (u = {u}), où son sommet vaut ' +
    'quand même 1. C’est la seule courbe affichée, donc {product} est identique : 0 partout sauf en u = {u}, ' +
    'où la valeur est 1.',
  workingFlatApart:
    '{name} et {other} ont un sigma nul, avec des moyennes différentes (u = {u} et u = {otherU}) : chaque ' +
    'courbe vaut 0 là où l’autre culmine, donc {product} vaut 0 partout.',
  workingFlatDrawn:
    'Un point isolé n’a pas de largeur : l’image trace donc la courbe {productColour} à plat, tout en bas, y compris ' +
    'en cette moyenne.',
  workingGaussian: '{name} : u = {u} ; σ = {sigma} ; précision',
  workingGaussianRead: '{name} : u = {u} ; sigma = {sigma} ; précision (1 sur sigma au carré) = {precision}.',
  workingNegative:
    'Un sigma négatif est pris en valeur absolue : {name} est aussi large que si son sigma était positif.',
  workingStep: '{product} :',
  workingStepRead:
    '{product} : les précisions {before} et {precision} ont pour somme {total} ; donc sigma = {sigma} ; la ' +
    'moyenne pondérée par les précisions est u = {u}.',
  workingResult: 'La courbe {productColour} est {product} : u\u00a0=\u00a0{u} ; sigma\u00a0=\u00a0{sigma}.',
  workingHeight: 'Sa hauteur, point par point :',
  workingHeightRead: 'Point par point, {product} culmine à {height}.',
  workingHeightUnknown: 'Sa hauteur, point par point, sort des limites des nombres utilisés ici.',
  agree: 'Les courbes concordent : {product} garde {percent} de sa hauteur.',
  partlyAgree: 'Les courbes concordent en partie : {product} garde {percent} de sa hauteur.',
  hardlyAgree: 'Elles concordent à peine : {percent}.',
  lessThan: 'moins de {value}',
  heightBelow: 'moins de {value}',
  workingTruncated:
    'L’image affiche des nombres entiers, en tronquant les décimales ({exact} devient {shown}), et son mode ' +
    '« Recalcul des paramètres » part d’une courbe si large qu’elle est plate sur tout le graphique, ce qui ' +
    'modifie les dernières décimales : les nombres donnés ici sont exacts, à quatre chiffres significatifs.',
  tooLarge: 'trop grand pour être calculé',
  wordsHeight: 'Hauteur atteinte par {product} : {height}. {agreement}',
  toldHeight: 'Hauteur atteinte par {product} : {height}',

  lessonsGroup: 'Leçons',
  lessonNone: 'Explorer librement',
  lessonUnknown: 'Il n’y a pas de leçon « {name} » : BELLSCOPE démarre normalement.',
  lessonRefused:
    'La leçon indiquée dans cette adresse ne peut pas être ouverte ({why}) : BELLSCOPE démarre normalement.',
  lessonViewLeftOut:
    'La vue donnée avec la leçon ({view}) devait modifier la vue de cette leçon, donc elle est laissée de côté aussi.',
  lesson_equal: 'Deux courbes de même largeur',
  lesson_equal_question:
    'Les deux courbes sont aussi larges l’une que l’autre. Où se place la courbe {productColour}, et combien de fois ' +
    'est-elle plus étroite qu’elles ? Déplacez-en une avec « {left} » et « {right} » (ou les flèches gauche et ' +
    'droite) et vérifiez avec le calcul plus bas.',
  'lesson_wide-narrow': 'Une courbe large et une étroite',
  'lesson_wide-narrow_question':
    'Une courbe est large, l’autre étroite. La courbe {productColour} est-elle plus proche de la large ou de ' +
    'l’étroite ? L’étroite est sélectionnée : déplacez-la avec « {left} » et « {right} » (ou les flèches ' +
    'gauche et droite) et observez.',
  'lesson_far-apart': 'Deux courbes éloignées',
  'lesson_far-apart_question':
    'Les courbes se recouvrent à peine, et leur produit point par point est presque plat. Rapprochez la ' +
    'gaussienne 2 avec « {left} » (ou la flèche gauche), puis éloignez-la de nouveau avec « {right} ». Que ' +
    'devient la hauteur du produit, et qu’est-ce qu’elle nous apprend sur les deux courbes ?',
  'lesson_same-mean': 'La même moyenne',
  'lesson_same-mean_question':
    'Les deux courbes culminent au même endroit. Où culmine le produit, et à quelle hauteur, dans chaque ' +
    'mode ? Changez de mode avec le bouton du mode, « {mode} » (ou la touche Entrée), et comparez.',
  lesson_kalman: 'Une loi a priori et une mesure',
  lesson_kalman_question:
    'Voici une mise à jour du filtre de Kalman. La loi a posteriori est-elle plus proche de la loi a priori ' +
    'ou de la mesure, et pourquoi ? La mesure est sélectionnée : rendez-la moins précise avec « {wider} » (ou ' +
    'en faisant glisser avec le bouton droit) et observez la loi a posteriori.',
  'lesson_three-measurements': 'Une loi a priori et trois mesures',
  'lesson_three-measurements_question':
    'Seule la loi a priori est affichée. Affichez les mesures une à une avec les boutons 2, 3 et 4 (ou F2, ' +
    'F3 et F4) et suivez le calcul plus bas : comment les précisions s’additionnent-elles, étape par étape ?',
  'lesson_wide-prior': 'Une loi a priori très large',
  'lesson_wide-prior_question':
    'La loi a priori est très large : elle dit peu de chose sur l’endroit où se trouve la valeur. De combien ' +
    'éloigne-t-elle la loi a posteriori de la mesure ? Comparez leurs u dans le calcul plus bas, puis ' +
    'resserrez la loi a priori avec « {narrower} » et observez de nouveau.',
  'lesson_sigma-zero': 'Ce que fait BELLSCOPE d’un sigma nul',
  'lesson_sigma-zero_question':
    'La gaussienne 2 a un sigma nul. Que montre l’image, et que dit le calcul ? La gaussienne 2 est ' +
    'sélectionnée : élargissez-la un peu avec « {wider} » (ou en faisant glisser avec le bouton droit).',
  lesson_sensors: 'Trois capteurs',
  lesson_sensors_question:
    'Trois capteurs mesurent la même distance. À quel capteur l’estimation fusionnée fait-elle le plus ' +
    'confiance, et pourquoi ? Choisissez un capteur avec « {previous} » et « {next} » (ou les flèches haut et ' +
    'bas), déplacez-le avec « {left} » et « {right} », et voyez lequel attire le plus l’estimation.',
  'lesson_track-good-sensor': 'Suivi : un bon capteur',
  'lesson_track-good-sensor_question':
    'Le capteur est bon (r = 10). Appuyez plusieurs fois sur « Prédire » et « Mettre à jour » : quelle est la taille du gain K, et la croyance suit-elle de près les mesures ?',
  'lesson_track-poor-sensor': 'Suivi : un capteur médiocre',
  'lesson_track-poor-sensor_question':
    'Le même parcours avec un capteur médiocre (r = 120). Avancez pas à pas : pourquoi le gain K est-il petit maintenant, et que fait l’estimation quand une mesure est très éloignée ?',
  'lesson_track-no-noise': 'Suivi : sans bruit de processus',
  'lesson_track-no-noise_question':
    'Avec q = 0, le filtre se fie entièrement à son modèle : il attend que le parcours avance d’exactement v = 30 par pas, mais le parcours avance en réalité de 36. Lancez-le et regardez le gain K dans le tableau : pourquoi tend-il vers 0, et que devient l’estimation par rapport à la position réelle ?',
  'lesson_track-wrong-velocity': 'Suivi : une vitesse fausse',
  'lesson_track-wrong-velocity_question':
    'Le filtre suppose que le parcours reste immobile (v = 0), mais il avance de 30 à chaque pas. Lancez-le : où est l’estimation par rapport à la position réelle, et de quel côté chaque mise à jour la tire-t-elle ?',

  challenge: 'Défi',
  challengeGroup: 'Défi : prédire le produit',
  check: 'Vérifier',
  nextRound: 'Manche suivante',
  leaveChallenge: 'Quitter le défi',
  guessName: 'Votre estimation',
  challengeRound:
    'Manche {round} sur {rounds} : le produit est caché. Placez votre estimation (la ligne « Your guess ») là ' +
    'où vous pensez que se trouve le produit, avec la largeur que vous prévoyez, puis appuyez sur « Vérifier ».',
  challengeShown: 'Manche {round} sur {rounds} : la courbe {productColour} est le produit, à côté de votre estimation.',
  guessKept:
    'Manche vérifiée : votre estimation reste en place, à côté du produit ; ses boutons et ses champs sont inactifs ' +
    'jusqu’à la manche suivante.',
  curvesFixed:
    'Les courbes de la manche restent telles quelles : leurs boutons marche/arrêt, « {previous} » et « {next} » attendent que vous quittiez le défi.',
  challengeMeasure:
    'Le score vaut 100 fois l’aire commune sous votre estimation et sous le produit, chacune des deux courbes ' +
    'étant d’aire 1 : 100 pour deux courbes identiques, 0 pour des courbes qui ne se recouvrent pas.',
  challengeScore: 'Score : {score} sur 100. {u} {sigma}',
  challengeURight: 'Votre u est juste : {answer}.',
  challengeUBelow: 'Votre u est trop à gauche : écart de {off} ({guess} au lieu de {answer}).',
  challengeUAbove: 'Votre u est trop à droite : écart de {off} ({guess} au lieu de {answer}).',
  challengeSigmaRight: 'Votre sigma est juste : {answer}.',
  challengeSigmaBelow: 'Votre sigma est trop petit : écart de {off} ({guess} au lieu de {answer}).',
  challengeSigmaAbove: 'Votre sigma est trop grand : écart de {off} ({guess} au lieu de {answer}).',
  challengeOver:
    'Défi terminé : {total} sur {most}. « Défi » en lance un nouveau ; « Copier le lien » donne le lien de ' +
    'celui-ci, pour que d’autres puissent essayer les mêmes manches.',
  challengeNoGuess:
    'Déplacez d’abord votre estimation : elle est encore à sa place de départ. Mettez-la là où vous pensez ' +
    'que se trouve le produit.',
  challengeBadSigma:
    'Votre estimation a un sigma de {sigma} : une courbe en cloche demande un sigma strictement positif. ' +
    'Élargissez-la, puis appuyez sur « Vérifier ».',
  challengeChecked: 'Cette manche est déjà vérifiée : « Manche suivante » permet de continuer.',
  challengeLeft:
    'Vous avez quitté le défi à la manche {round} sur {rounds}, avec {total} points sur {most}. « Défi » en ' +
    'lance un nouveau.',
  challengeRefused: 'Le défi indiqué dans cette adresse ne peut pas commencer ({why}) : BELLSCOPE démarre normalement.',
  challengeAndLesson:
    'Cette adresse indique une leçon et un défi : le défi est prioritaire, la leçon est donc ignorée.',
  challengeAndView:
    'Cette adresse indique un défi et une vue : un défi affiche ses propres manches, la vue ({view}) est donc ' +
    'ignorée.',
  challengeAndTrack:
    'Cette adresse indique un défi et un parcours : le défi passe en premier, le parcours est donc ignoré.',
  trackRefused:
    'Le parcours de cette adresse ne peut pas être lancé ({why}) : BELLSCOPE démarre donc comme d’habitude.',
  trackAndView:
    'Cette adresse indique un parcours et une vue : un parcours montre ses propres courbes, la vue ({view}) est donc ignorée.',
  trackAndLesson:
    'Cette adresse indique une leçon et un parcours : le parcours passe en premier, la leçon est donc ignorée.',
  wordsGuess: 'Votre estimation : u = {u}, sigma = {sigma} (sélectionnée)',
  toldGuessU: 'estimation u {u}',
  toldGuessSigma: 'estimation sigma {sigma}',
  workingHidden: 'Calcul caché jusqu’à ce que vous appuyiez sur « Vérifier » : faites-le d’abord vous-même.',
  listeningCurves:
    'Écoute : {curves}. Le son est plus aigu là où la courbe est plus haute, de gauche à droite. Le produit ' +
    'est caché.',

  track: 'Suivi',
  trackGroup: 'Suivi : un filtre de Kalman suit un parcours',
  trackPredict: 'Prédire',
  trackUpdate: 'Mettre à jour',
  leaveTrack: 'Quitter le suivi',
  trackRun: 'Lancer',
  trackFieldQ: 'Bruit de processus q',
  trackFieldR: 'Bruit du capteur r',
  trackFieldV: 'Vitesse du filtre v',
  trackBeliefName: 'Croyance',
  trackMeasurementName: 'Mesure',
  trackStepStart:
    'Parcours {seed}, étape 0 sur {steps} : la croyance est là où le filtre pense que le parcours commence.',
  trackStepPredict: 'Étape {step} sur {steps} : prédiction. La courbe en pointillés est la croyance avant cette étape.',
  trackStepUpdate:
    'Étape {step} sur {steps} : mise à jour, K = {gain}. La courbe {productColour} est la croyance multipliée par la mesure.',
  trackSaidStart: 'Le parcours commence : la croyance est en u = {u}, avec sigma {sigma}.',
  trackSaidRight:
    'Prédiction : la croyance s’est déplacée de {distance} vers la droite et s’est élargie de sigma {from} à {to}.',
  trackSaidLeft:
    'Prédiction : la croyance s’est déplacée de {distance} vers la gauche et s’est élargie de sigma {from} à {to}.',
  trackSaidStill: 'Prédiction : la croyance est restée en u = {u} et s’est élargie de sigma {from} à {to}.',
  trackSaidNoNoise:
    'Prédiction : la croyance est passée en u = {u} ; sans bruit de processus (q = 0), son sigma est resté {sigma}.',
  trackSaidUpdate:
    'Mise à jour : la mesure indique {z} ; avec K = {gain}, la croyance passe à u = {u} et se resserre à sigma {sigma}.',
  trackSaidTruth: 'La position réelle était {truth}.',
  trackSaidTruths:
    'Le parcours est terminé : les positions réelles sont maintenant affichées, sous l’axe et dans le tableau.',
  trackPredictNext: 'Au tour de « Prédire » : la croyance avance d’une étape avant d’intégrer la mesure suivante.',
  trackUpdateNext: 'Au tour de « Mettre à jour » : cette étape est prédite, il reste à intégrer sa mesure.',
  trackOver:
    'Le parcours est terminé : « Réinitialiser » le refait depuis le début, « Quitter le suivi » revient aux courbes.',
  trackCurvesFixed:
    'Les courbes sont celles du filtre : leurs boutons et les champs u et sigma restent inactifs jusqu’à ce que vous quittiez le suivi.',
  trackMarks:
    'Sous l’axe de l’image, chaque | marque une estimation passée et chaque △ une position réelle déjà montrée.',
  trackLeft: 'Vous avez quitté le suivi à l’étape {step} sur {steps}. « Suivi » lance un nouveau parcours.',
  trackStepsHeading: 'Les étapes du parcours',
  trackTable: 'Parcours {seed} : prédiction, mesure, gain et mise à jour de chaque étape',
  trackColumnStep: 'Étape',
  trackColumnPredicted: 'Croyance prédite',
  trackColumnMeasurement: 'Mesure z',
  trackColumnGain: 'Gain K',
  trackColumnUpdated: 'Croyance mise à jour',
  trackColumnTruth: 'Position réelle',
  trackBelief: 'u = {u} ; sigma = {sigma}',
  trackNotYet: 'pas encore',
  trackPlotName: 'Graphique du parcours : la position selon le pas',
  trackPlotEstimate: 'estimation, avec sa bande de ± sigma',
  trackPlotMeasurement: 'mesure',
  trackPlotTruth: 'position réelle.',
  trackWorkingStart: 'Le parcours commence : la croyance est u = {u}, sigma = {sigma}. Prédire la fait avancer.',
  trackWorkingPredict:
    'Prédire : les variances s’additionnent (la somme de la croyance et d’un pas de bruit q = {q}) :',
  trackWorkingMoved: 'et la croyance se déplace de v = {v} :',
  trackWorkingUpdate: 'Mettre à jour : les précisions s’additionnent (le produit de la croyance et de la mesure) :',
  trackWorkingGain: 'Le gain K est le poids de la mesure :',
  trackWorkingMean: 'et la moyenne du produit est la même moyenne pondérée :',

  aboutHeading: 'À propos de l’image',
  aboutCurves:
    'Chaque courbe colorée est une gaussienne, une courbe en cloche : sa moyenne `u` est la colonne de son ' +
    'sommet et son écart type `sigma` mesure sa largeur. La courbe {productColour} combine les gaussiennes affichées.',
  aboutProduct:
    'En mode **Multiplication point par point**, la courbe {productColour} est le produit des courbes, colonne par ' +
    'colonne. C’est encore une courbe en cloche, plus étroite que chacune d’elles et située entre elles, plus ' +
    'près de la plus étroite. Son sommet est en dessous de 1 : chaque courbe vaut au plus 1, et là où l’une ' +
    'culmine, l’autre décroît déjà ; leur produit ne peut donc atteindre 1 que si les moyennes sont égales.',
  aboutRecalculation:
    'En mode **Recalcul des paramètres**, BELLSCOPE calcule par une formule la moyenne et le sigma de ce ' +
    'produit, puis trace avec ces valeurs une nouvelle gaussienne, de sommet 1. Elle est au même endroit et a ' +
    'la même largeur que le produit ; seule sa hauteur diffère. L’image affiche alors le `u` et le `sigma` ' +
    'combinés.',
  controlsHeading: 'Commandes',
  keyboardHelp: 'Aide clavier',
  listen: 'Écouter',
  listening:
    'Écoute : {curves}, puis {product}. Le son est plus aigu là où la courbe est plus haute, de gauche à droite.',
  listeningProduct: 'Écoute : {product}. Le son est plus aigu là où la courbe est plus haute, de gauche à droite.',
  helpIntro:
    'Toutes les touches que BELLSCOPE reconnaît, et les boutons qui font la même chose. **?** ouvre cette aide où que soit le focus, sauf dans un champ de texte ; Échap la ferme.',
  controlsInput: 'Touche, souris, écran tactile ou bouton',
  controlsAction: 'Effet',
  keysOnOff: 'F1, F2, F3, F4 ou les boutons 1 à 4',
  doesOnOff: 'affiche ou masque la gaussienne 1, 2, 3 ou 4',
  keysSelect: 'Flèches haut et bas, ou « Précédente » et « Suivante »',
  doesSelect: 'sélectionne une autre gaussienne (le repère `<--` et le bouton souligné indiquent laquelle)',
  keysMean: 'Flèches gauche et droite, ou les boutons « Gauche » et « Droite » (maintenez-les pour répéter)',
  doesMean: 'déplace la moyenne de la gaussienne sélectionnée d’une colonne',
  keysMeanFast: 'Maj+flèche gauche, Maj+flèche droite',
  doesMeanFast: 'la déplace de dix colonnes',
  keysFollow: 'bouton gauche de la souris (maintenu), ou un doigt',
  doesFollow: 'la moyenne de la gaussienne sélectionnée suit le pointeur',
  keysWidth:
    'bouton droit de la souris (en glissant), deux doigts écartés, rapprochés ou glissés latéralement, ou « Plus étroite » et ' +
    '« Plus large » (maintenez-les pour répéter)',
  doesWidth: 'élargit ou rétrécit la gaussienne sélectionnée',
  keysMode: 'Entrée, ou le bouton du mode de combinaison',
  doesMode: 'passe du mode « Multiplication point par point » au mode « Recalcul des paramètres », et inversement',
  keysQuit: 'Échap',
  doesQuit:
    'arrête BELLSCOPE ; « Reprendre » rétablit alors l’image telle qu’elle était, et « Recommencer » repart de zéro. Pendant l’écoute, Échap ne fait qu’arrêter le son, et dans le champ u ou sigma, il ne fait que rétablir la valeur affichée',
  keysReset: 'le bouton Réinitialiser',
  doesReset:
    'revient au début de la leçon ou de la vue indiquée par l’adresse (ou à la vue de départ), sans arrêter ' +
    'BELLSCOPE',
  keysTrack: 'P et U, ou Prédire et Mettre à jour, dans le suivi',
  doesTrack: 'prédire et mettre à jour, un demi-pas du parcours à la fois',
  controlsNote:
    'Les boutons fonctionnent aussi au clavier, avec Tab puis Entrée ou Espace ; quand un bouton a le focus, ' +
    'Entrée et Espace l’activent, et toutes les autres touches vont toujours à BELLSCOPE. Sous **Couleurs**, ' +
    '« Adaptées au daltonisme » trace les quatre gaussiennes dans des couleurs qui restent distinctes pour les ' +
    'personnes daltoniennes, et « Fond clair (vidéoprojecteur) » trace courbes et texte en foncé sur fond ' +
    'blanc, pour une salle éclairée ; ce navigateur retient le choix.',
};
