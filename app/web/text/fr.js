'use strict';
/* global TEXTS */

// Les textes de la page en français (traduits avec l’aide d’une machine).
TEXTS.fr = {
  title: 'BELLSCOPE : produits de courbes gaussiennes',
  languageGroup: 'Langue (Language)',
  languageUnavailable: '{language} n’a pas pu être chargé : la page reste en {current}.',
  languageRefused:
    'La langue de cette adresse ne peut pas être utilisée ({why}), donc la page choisit sa langue comme ' +
    'd’habitude.',
  pictureLabels:
    'L’image est dessinée telle que BELLSCOPE a été conçu, et ses libellés restent en anglais : chaque nombre ' +
    'qu’elle montre figure aussi dans les mots sous les commandes.',

  loading: 'Chargement de BELLSCOPE...',
  updated: 'Mis à jour',
  ended: 'BELLSCOPE est terminé',
  endedTold: 'Terminé avec Échap. Reprendre rend l’image telle qu’elle était ; Recommencer repart de zéro.',
  endedRest:
    'Tant que vous n’avez pas repris ou recommencé, les commandes qui changent l’image sont désactivées ; Copier le lien, Enregistrer l’image, Écouter, Noms, Couleurs et Langue fonctionnent toujours avec l’image affichée.',
  resume: 'Reprendre',
  startAgain: 'Recommencer',
  reset: 'Réinitialiser',
  cannotStart: 'BELLSCOPE n’a pas pu démarrer : {why}',
  cannotStartNoCanvas: 'cette page n’a pas de zone de dessin (canvas) où tracer l’image.',
  cannotStartNoInput: 'le navigateur ne lui transmet ni le clavier, ni la souris, ni le toucher.',
  cannotStartNoWindow: 'il n’a pas pu ouvrir son image dans cette page.',
  cannotStartNoMemory: 'il n’y a pas assez de mémoire pour son image.',
  stopped: 'BELLSCOPE s’est arrêté : {what}',
  moduleFailed: 'BELLSCOPE n’a pas pu démarrer : son module WebAssembly ne s’est pas chargé ({what}).',
  noWebAssembly:
    'BELLSCOPE ne peut pas fonctionner dans ce navigateur : il lui faut WebAssembly, que ce navigateur n’offre pas.',
  viewRefused: 'La vue de cette adresse ne peut pas être affichée ({why}), donc BELLSCOPE démarre normalement.',
  refusal: '{what} : {why}',
  reasonNotANumber: '« {text} » n’est pas un nombre',
  reasonTooLarge: '« {text} » est trop grand : au plus {most}',
  reasonTooSmall: '« {text} » est trop petit : au moins {least}',
  reasonNotFinite: '« {text} » n’est pas un nombre fini',
  reasonNoGaussian: 'il n’y a pas de Gaussienne {text}',
  reasonGaussianMissing: 'il manque le numéro d’une Gaussienne (de 1 à 4)',
  reasonModeGiven: 'le mode de combinaison est donné deux fois',
  reasonOnGiven: 'la liste des Gaussiennes allumées est donnée deux fois',
  reasonSelectGiven: 'la Gaussienne sélectionnée est donnée deux fois',
  reasonNamesGiven: 'le choix des noms est donné deux fois',
  reasonUGiven: 'le u de la Gaussienne {gaussian} est donné deux fois',
  reasonSigmaGiven: 'le sigma de la Gaussienne {gaussian} est donné deux fois',
  reasonLessonGiven: 'la leçon est donnée deux fois',
  reasonChallengeGiven: 'le défi est donné deux fois',
  reasonLanguageGiven: 'la langue est donnée deux fois',
  reasonUnknownNames: 'names vaut {choices}',
  reasonUnknownParameter: 'paramètre inconnu (BELLSCOPE connaît {known})',
  reasonParameterNameMissing: 'il manque le nom du paramètre',
  reasonParameterValueMissing: 'il manque une valeur, comme dans {text}=...',
  reasonRecalcValue: 'recalc ne prend pas de valeur',
  reasonBadPercent: 'un code « % » est mal écrit',
  reasonParameterTooLong: 'le paramètre est trop long',
  reasonAddressTooLong: 'l’adresse est trop longue : BELLSCOPE en lit au plus {most} caractères',
  reasonNotAChallenge: '« {text} » n’est pas un numéro de défi : uniquement des chiffres, de 0 à {most}',
  reasonChallengeTooLarge: '« {text} » est trop grand pour un numéro de défi (au plus {most})',

  pictureName: 'BELLSCOPE : courbes gaussiennes et leur produit (décrites en mots sous les commandes)',
  controlsName: 'Commandes de BELLSCOPE',
  onOffGroup: 'Marche/arrêt',
  gaussianName: 'Gaussienne {n}',
  namesGroup: 'Noms',
  namesGaussians: 'Gaussiennes 1-4',
  namesBayes: 'A priori et mesures',
  namesSensors: 'Capteurs',
  bayesPrior: 'A priori',
  bayesMeasurement: 'Mesure {m}',
  bayesPriorShort: 'A priori',
  bayesMeasurementShort: 'M{m}',
  sensorName: 'Capteur {letter}',
  sensorShort: '{letter}',
  productGaussians: 'le produit',
  productBayes: 'l’a posteriori',
  productSensors: 'l’estimation fusionnée',
  productLabelGaussians: 'Combinée',
  productLabelBayes: 'A posteriori',
  productLabelSensors: 'Estimation fusionnée',
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
  modeName: 'Mode de combinaison : {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field} : {why}',
  copyLink: 'Copier le lien',
  savePicture: 'Enregistrer l’image',
  linkField: 'Lien vers cette vue',
  savedInFrame:
    'Si rien n’a été téléchargé, la page autour de BELLSCOPE n’autorise pas les téléchargements : enregistrez ' +
    'plutôt l’image ci-dessous (clic droit ou appui long).',
  savedPictureName: 'L’image à enregistrer : la vue affichée quand Enregistrer l’image a été pressé',
  closePictureName: 'Fermer l’image',
  closeLink: 'Fermer',
  closeLinkName: 'Fermer le lien',
  copied: 'Copié.',
  copyRefused: 'Le navigateur n’a pas permis la copie : copiez le lien depuis le champ.',
  copyUnavailable: 'Ce navigateur ne sait pas copier seul : copiez le lien depuis le champ.',
  copyForbidden: 'La page autour de BELLSCOPE n’autorise pas la copie : copiez le lien depuis le champ.',
  coloursGroup: 'Couleurs',
  coloursDesign: 'Conception',
  coloursSafe: 'Adaptées au daltonisme',
  coloursLight: 'Claires, pour projecteur',
  notRemembered: 'Cette page ne peut rien enregistrer ici : le choix dure jusqu’à sa fermeture.',

  wordsHeading: 'Ce que montre l’image',
  starting: 'BELLSCOPE démarre.',
  on: 'allumée',
  off: 'éteinte',
  wordsGaussian: '{name} : {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name} : {state}, u = {u}, sigma = {sigma} (sélectionnée)',
  wordsMode: 'Mode de combinaison : {mode}',
  wordsCombined: '{label} : u = {u}, sigma = {sigma}',
  wordsCombinedNone: '{label} : aucune, car aucune gaussienne n’est allumée',
  toldOn: '{name} allumée',
  toldOff: '{name} éteinte',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} sélectionnée',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label} : aucune',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Comment la courbe {productColour} est obtenue',
  workingIntro:
    'Multiplier des cloches donne une cloche. Sa **précision** 1/σ² (plus elle est étroite, plus elle est ' +
    'grande) est la somme des leurs ; sa moyenne est la moyenne de leurs moyennes pondérée par leurs ' +
    'précisions, donc plus proche des plus étroites ; et le produit point par point culmine sous 1, à une ' +
    'hauteur qui dit à quel point les courbes s’accordent. BELLSCOPE multiplie dans l’ordre, la gaussienne 1 ' +
    'par la 2, puis par la 3, et ainsi de suite ; avec les nombres affichés maintenant :',
  workingNone: 'Aucune gaussienne n’est allumée : il n’y a rien à multiplier.',
  workingFlat:
    '{name} a un sigma de 0 : cette courbe vaut 0 partout sauf en sa moyenne (u = {u}), où son sommet vaut ' +
    'toujours 1. Donc {product} vaut 0 partout sauf en u = {u}, où sa valeur est le produit des autres courbes ' +
    'en ce point : {height}.',
  workingFlatAlone:
    '{name} a un sigma de 0 : cette courbe vaut 0 partout sauf en sa moyenne (u = {u}), où son sommet vaut ' +
    'toujours 1. C’est la seule courbe allumée, donc {product} est identique : 0 partout sauf en u = {u}, où ' +
    'la valeur est 1.',
  workingFlatApart:
    '{name} et {other} ont un sigma de 0 en des moyennes différentes (u = {u} et u = {otherU}) : chacune vaut ' +
    '0 là où l’autre culmine, donc {product} vaut 0 partout.',
  workingFlatDrawn:
    'Un point seul n’a pas de largeur : l’image trace la courbe {productColour} à plat le long du bas, en cette ' +
    'moyenne aussi.',
  workingGaussian: '{name} : u = {u} ; σ = {sigma} ; précision',
  workingGaussianRead: '{name} : u = {u} ; sigma = {sigma} ; précision, 1 sur sigma au carré, = {precision}.',
  workingNegative: 'Un sigma négatif compte pour sa taille : {name} est aussi large que s’il était positif.',
  workingStep: '{product} :',
  workingStepRead:
    '{product} : les précisions {before} et {precision} font {total} ; donc sigma = {sigma} ; la moyenne ' +
    'pondérée par les précisions est u = {u}.',
  workingResult: 'La courbe {productColour} est {product} : u = {u} ; sigma = {sigma}.',
  workingHeight: 'Sa hauteur, point par point :',
  workingHeightRead: 'Point par point, {product} culmine à {height}.',
  workingHeightUnknown: 'Sa hauteur, point par point, dépasse ce que les nombres ici peuvent contenir.',
  agree: 'Les courbes s’accordent : {product} garde {percent} de sa hauteur.',
  partlyAgree: 'Les courbes s’accordent en partie : {product} garde {percent} de sa hauteur.',
  hardlyAgree: 'Elles s’accordent à peine : {percent}.',
  lessThan: 'moins de {value}',
  workingTruncated:
    'L’image affiche des nombres entiers, sans les décimales ({exact} s’affiche {shown}), et son recalcul des ' +
    'paramètres part d’une courbe si large qu’elle est plate sur tout le tracé, ce qui déplace les dernières ' +
    'décimales : les nombres ici sont exacts, à quatre chiffres.',
  tooLarge: 'trop grand pour être calculé',
  wordsHeight: 'Hauteur atteinte par {product} : {height}. {agreement}',
  toldHeight: '{product} culmine à {height}',

  lessonsGroup: 'Leçons',
  lessonNone: 'Explorer librement',
  lessonUnknown: 'Aucune leçon ne s’appelle « {name} », donc BELLSCOPE démarre normalement.',
  lessonRefused: 'La leçon de cette adresse ne peut pas être ouverte ({why}), donc BELLSCOPE démarre normalement.',
  lessonViewLeftOut:
    'La vue donnée avec la leçon ({view}) devait modifier la vue de cette leçon, donc elle est laissée de côté aussi.',
  lesson_equal: 'Deux courbes égales',
  lesson_equal_question:
    'Les deux courbes sont aussi larges l’une que l’autre. Où se place la courbe {productColour}, et de combien ' +
    'est-elle plus étroite ? Déplacez-en une avec « {left} » et « {right} » (ou les flèches gauche et ' +
    'droite) et vérifiez avec le calcul plus bas.',
  'lesson_wide-narrow': 'Une courbe large et une étroite',
  'lesson_wide-narrow_question':
    'Une courbe est large, l’autre étroite. La courbe {productColour} est-elle plus près de la large ou de l’étroite ' +
    '? L’étroite est sélectionnée : déplacez-la avec « {left} » et « {right} » (ou les flèches gauche et ' +
    'droite) et observez.',
  'lesson_far-apart': 'Deux courbes éloignées',
  'lesson_far-apart_question':
    'Les courbes se recouvrent à peine, et leur produit point par point est presque plat. Rapprochez la ' +
    'gaussienne 2 avec « {left} » (ou la flèche gauche), puis éloignez-la de nouveau avec « {right} ». Que ' +
    'devient la hauteur du produit, et qu’est-ce que cela dit des deux courbes ?',
  'lesson_same-mean': 'La même moyenne',
  'lesson_same-mean_question':
    'Les deux courbes culminent au même endroit. Où culmine le produit, et à quelle hauteur, dans chaque ' +
    'mode ? Changez de mode avec le bouton du mode, « {mode} » (ou Entrée), et comparez.',
  lesson_kalman: 'Un a priori et une mesure',
  lesson_kalman_question:
    'Voici une mise à jour de Kalman. L’a posteriori est-il plus près de l’a priori ou de la mesure, et ' +
    'pourquoi ? La mesure est sélectionnée : rendez-la moins précise avec « {wider} » (ou en glissant avec ' +
    'le bouton droit) et observez l’a posteriori.',
  'lesson_three-measurements': 'Un a priori et trois mesures',
  'lesson_three-measurements_question':
    'Seul l’a priori est allumé. Allumez les mesures une à une avec les boutons 2, 3 et 4 (ou F2, F3 et F4) ' +
    'et suivez le calcul plus bas : comment les précisions s’additionnent-elles, pas à pas ?',
  'lesson_wide-prior': 'Un a priori très large',
  'lesson_wide-prior_question':
    'L’a priori est très large : il en dit peu sur l’endroit où se trouve la valeur. De combien éloigne-t-il ' +
    'l’a posteriori de la mesure ? Comparez leurs u dans le calcul plus bas, puis resserrez l’a priori avec ' +
    '« {narrower} » et observez de nouveau.',
  'lesson_sigma-zero': 'Ce que fait BELLSCOPE d’un sigma de 0',
  'lesson_sigma-zero_question':
    'La gaussienne 2 a un sigma de 0. Que montre l’image, et que dit le calcul ? La gaussienne 2 est ' +
    'sélectionnée : élargissez-la un peu avec « {wider} » (ou en glissant avec le bouton droit).',
  lesson_sensors: 'Trois capteurs',
  lesson_sensors_question:
    'Trois capteurs mesurent la même distance. Auquel l’estimation fusionnée fait-elle le plus confiance, et ' +
    'pourquoi ? Choisissez un capteur avec « {previous} » et « {next} » (ou les flèches haut et bas), ' +
    'déplacez-le avec « {left} » et « {right} », et voyez lequel attire le plus l’estimation.',

  challenge: 'Défi',
  challengeGroup: 'Défi : prédire le produit',
  check: 'Vérifier',
  nextRound: 'Manche suivante',
  leaveChallenge: 'Quitter le défi',
  guessName: 'Votre estimation',
  challengeRound:
    'Manche {round} sur {rounds} : le produit est caché. Placez votre estimation (la ligne « Your guess ») là ' +
    'où vous pensez que se trouve le produit, aussi large que vous le pensez, puis appuyez sur Vérifier.',
  challengeShown: 'Manche {round} sur {rounds} : la courbe {productColour} est le produit, à côté de votre estimation.',
  guessKept:
    'Vérifiée : votre estimation reste où elle était, à côté du produit, et ses boutons et champs attendent ' +
    'la manche suivante.',
  curvesFixed:
    'Les courbes de la manche restent telles quelles : leurs boutons marche/arrêt, « {previous} » et « {next} » attendent que vous quittiez le défi.',
  challengeMeasure:
    'Le score est l’aire commune à votre estimation et au produit quand chacun est une cloche d’aire 1, fois ' +
    '100 : 100 pour la même courbe, 0 pour des courbes qui ne se touchent pas.',
  challengeScore: 'Score : {score} sur 100. {u} {sigma}',
  challengeURight: 'Votre u est juste : {answer}.',
  challengeUBelow: 'Votre u est trop à gauche de {off} ({guess} ; le produit a {answer}).',
  challengeUAbove: 'Votre u est trop à droite de {off} ({guess} ; le produit a {answer}).',
  challengeSigmaRight: 'Votre sigma est juste : {answer}.',
  challengeSigmaBelow: 'Votre sigma est trop étroit de {off} ({guess} ; le produit a {answer}).',
  challengeSigmaAbove: 'Votre sigma est trop large de {off} ({guess} ; le produit a {answer}).',
  challengeOver:
    'Défi terminé : {total} sur {most}. Défi en lance un nouveau ; Copier le lien donne celui-ci, pour que ' +
    'd’autres essaient les mêmes manches.',
  challengeNoGuess:
    'Placez d’abord votre estimation : elle est encore là où chaque manche commence. Mettez-la là où vous ' +
    'pensez que se trouve le produit.',
  challengeBadSigma:
    'Votre estimation a un sigma de {sigma} : une cloche a besoin d’un sigma supérieur à 0. Élargissez-la, ' +
    'puis vérifiez.',
  challengeChecked: 'Cette manche est déjà vérifiée : Manche suivante continue.',
  challengeLeft:
    'Vous avez quitté le défi à la manche {round} sur {rounds}, avec {total} points sur {most}. Défi en ' +
    'lance un nouveau.',
  challengeRefused: 'Le défi de cette adresse ne peut pas commencer ({why}), donc BELLSCOPE démarre normalement.',
  challengeAndLesson:
    'Cette adresse nomme une leçon et un défi : le défi passe d’abord, donc la leçon est laissée de côté.',
  challengeAndView:
    'Cette adresse nomme un défi et une vue : un défi montre ses propres manches, donc la vue ({view}) est ' +
    'laissée de côté.',
  wordsGuess: 'Votre estimation : u = {u}, sigma = {sigma} (sélectionnée)',
  toldGuessU: 'estimation u {u}',
  toldGuessSigma: 'estimation sigma {sigma}',
  workingHidden: 'Caché jusqu’à ce que vous appuyiez sur Vérifier : calculez-le d’abord vous-même.',
  listeningCurves:
    'Lecture de {curves} : plus aigu là où une courbe est plus haute, de gauche à droite. Le produit est caché.',

  aboutHeading: 'À propos de l’image',
  aboutCurves:
    'Chaque courbe colorée est une gaussienne, une cloche : sa moyenne `u` est la colonne de son sommet et son ' +
    '`sigma` dit sa largeur. La courbe {productColour} combine les gaussiennes allumées.',
  aboutProduct:
    'En **Multiplication point par point**, la courbe {productColour} est le produit des courbes, colonne par colonne. ' +
    'C’est encore une cloche, plus étroite que chacune d’elles et située entre elles, plus près de la plus ' +
    'étroite. Son sommet est sous 1 : chaque courbe vaut au plus 1, et là où l’une culmine l’autre descend ' +
    'déjà, donc leur produit ne peut atteindre 1 que si les moyennes sont égales.',
  aboutRecalculation:
    'En **Recalcul des paramètres**, BELLSCOPE calcule la moyenne et le sigma de ce produit par une formule et ' +
    'en dessine une nouvelle gaussienne, de sommet 1. Elle est au même endroit et de même largeur que le ' +
    'produit ; seule sa hauteur diffère. L’image affiche alors le `u` et le `sigma` combinés.',
  controlsHeading: 'Commandes',
  keyboardHelp: 'Aide clavier',
  listen: 'Écouter',
  listening: 'Lecture de {curves}, puis de {product} : plus aigu là où une courbe est plus haute, de gauche à droite.',
  listeningProduct: 'Lecture de {product} : plus aigu là où il est plus haut, de gauche à droite.',
  helpIntro:
    'Toutes les touches que connaît BELLSCOPE, et les boutons qui font de même. **?** ouvre ceci où que soit le focus, sauf dans un champ de texte ; Échap le ferme.',
  controlsInput: 'Touche, souris, toucher ou bouton',
  controlsAction: 'Ce que cela fait',
  keysOnOff: 'F1, F2, F3, F4, ou les boutons 1 à 4',
  doesOnOff: 'allume ou éteint la gaussienne 1, 2, 3, 4',
  keysSelect: 'Haut, Bas, ou Précédente et Suivante',
  doesSelect: 'sélectionne une autre gaussienne (le repère `<--` et le bouton souligné montrent laquelle)',
  keysMean: 'Gauche, Droite, ou les boutons Gauche et Droite (maintenez-les pour répéter)',
  doesMean: 'déplace la moyenne de la gaussienne sélectionnée d’une colonne',
  keysMeanFast: 'Maj+Gauche, Maj+Droite',
  doesMeanFast: 'la déplace de dix colonnes',
  keysFollow: 'bouton gauche de la souris (maintenu), ou un doigt',
  doesFollow: 'la moyenne de la gaussienne sélectionnée suit le pointeur',
  keysWidth:
    'bouton droit de la souris (glisser), deux doigts glissés de côté, ou Plus étroite et Plus large ' +
    '(maintenez-les pour répéter)',
  doesWidth: 'élargit ou rétrécit la gaussienne sélectionnée',
  keysMode: 'Entrée, ou le bouton du mode de combinaison',
  doesMode: 'passe de la Multiplication point par point au Recalcul des paramètres et inversement',
  keysQuit: 'Échap',
  doesQuit:
    'termine BELLSCOPE ; Reprendre rend alors l’image telle qu’elle était, et Recommencer repart de zéro. Pendant qu’Écouter joue, Échap ne fait qu’arrêter le son, et dans le champ u ou sigma il ne fait que remettre la valeur affichée',
  keysReset: 'le bouton Réinitialiser',
  doesReset: 'revient au début de la leçon ou de la vue que nomme l’adresse (ou à la vue de départ), sans terminer',
  controlsNote:
    'Les boutons fonctionnent aussi avec Tab et Entrée ou Espace ; quand un bouton a le focus, Entrée et ' +
    'Espace l’actionnent et toute autre touche va toujours à BELLSCOPE. Sous **Couleurs**, « Adaptées au ' +
    'daltonisme » dessine les quatre gaussiennes dans des couleurs qui restent distinctes pour les yeux ' +
    'daltoniens, et « Claires, pour projecteur » dessine courbes et texte foncés sur blanc, pour une salle ' +
    'lumineuse ; ce navigateur retient le choix.',
};
