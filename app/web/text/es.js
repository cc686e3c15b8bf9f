'use strict';
/* global TEXTS */

// Los textos de la página en español (traducidos con ayuda de una máquina).
TEXTS.es = {
  title: 'BELLSCOPE: productos de curvas gaussianas',
  languageGroup: 'Idioma (Language)',
  languageUnavailable: 'No se pudo cargar {language}, así que la página sigue en {current}.',
  languageRefused:
    'El idioma de esta dirección no se puede usar ({why}), así que la página elige su idioma como siempre.',
  pictureLabels:
    'La imagen se dibuja tal como se diseñó BELLSCOPE y sus rótulos quedan en inglés: cada número que muestra ' +
    'está también en las palabras bajo los controles.',

  loading: 'Cargando BELLSCOPE...',
  updated: 'Actualizado',
  ended: 'BELLSCOPE ha terminado',
  endedTold: 'Terminado con Esc. Reanudar devuelve la imagen como estaba; Empezar de nuevo empieza desde cero.',
  endedRest:
    'Hasta que reanude o empiece de nuevo, los controles que cambian la imagen quedan desactivados; Copiar enlace, Guardar imagen, Escuchar, Nombres, Colores e Idioma siguen funcionando con la imagen que se ve.',
  resume: 'Reanudar',
  startAgain: 'Empezar de nuevo',
  reset: 'Restablecer',
  cannotStart: 'BELLSCOPE no pudo arrancar: {why}',
  cannotStartNoCanvas: 'esta página no tiene ningún lienzo (canvas) donde dibujar la imagen.',
  cannotStartNoInput: 'el navegador no le hace llegar el teclado, el ratón ni los toques en la pantalla.',
  cannotStartNoWindow: 'no pudo abrir su imagen en esta página.',
  cannotStartNoMemory: 'no hay memoria suficiente para su imagen.',
  stopped: 'BELLSCOPE se detuvo: {what}',
  moduleFailed: 'BELLSCOPE no pudo arrancar: su módulo WebAssembly no se cargó ({what}).',
  noWebAssembly: 'BELLSCOPE no funciona en este navegador: necesita WebAssembly, que este navegador no ofrece.',
  viewRefused: 'La vista de esta dirección no se puede mostrar ({why}), así que BELLSCOPE arranca como siempre.',
  refusal: '{what}: {why}',
  reasonNotANumber: '«{text}» no es un número',
  reasonTooLarge: '«{text}» es demasiado grande: como máximo {most}',
  reasonTooSmall: '«{text}» es demasiado pequeño: como mínimo {least}',
  reasonNotFinite: '«{text}» no es un número finito',
  reasonNoGaussian: 'no existe la Gaussiana {text}',
  reasonGaussianMissing: 'falta el número de una Gaussiana (de 1 a 4)',
  reasonModeGiven: 'el modo de combinación aparece dos veces',
  reasonOnGiven: 'la lista de Gaussianas encendidas aparece dos veces',
  reasonSelectGiven: 'la Gaussiana seleccionada aparece dos veces',
  reasonNamesGiven: 'la elección de nombres aparece dos veces',
  reasonUGiven: 'la u de la Gaussiana {gaussian} aparece dos veces',
  reasonSigmaGiven: 'la sigma de la Gaussiana {gaussian} aparece dos veces',
  reasonLessonGiven: 'la lección aparece dos veces',
  reasonChallengeGiven: 'el desafío aparece dos veces',
  reasonLanguageGiven: 'el idioma aparece dos veces',
  reasonUnknownNames: 'names solo admite {choices}',
  reasonUnknownParameter: 'parámetro desconocido (BELLSCOPE conoce {known})',
  reasonParameterNameMissing: 'falta el nombre del parámetro',
  reasonParameterValueMissing: 'falta un valor, como en {text}=...',
  reasonRecalcValue: 'recalc no lleva valor',
  reasonBadPercent: 'un código con % está mal escrito',
  reasonParameterTooLong: 'el parámetro es demasiado largo',
  reasonAddressTooLong: 'la dirección es demasiado larga: BELLSCOPE lee como máximo {most} caracteres',
  reasonNotAChallenge: '«{text}» no es un número de desafío: use solo cifras, de 0 a {most}',
  reasonChallengeTooLarge: '«{text}» es demasiado grande para un número de desafío (como máximo {most})',

  pictureName: 'BELLSCOPE: curvas gaussianas y su producto (descritas con palabras bajo los controles)',
  controlsName: 'Controles de BELLSCOPE',
  onOffGroup: 'Encender/apagar',
  gaussianName: 'Gaussiana {n}',
  namesGroup: 'Nombres',
  namesGaussians: 'Gaussianas 1-4',
  namesBayes: 'A priori y mediciones',
  namesSensors: 'Sensores',
  bayesPrior: 'A priori',
  bayesMeasurement: 'Medición {m}',
  bayesPriorShort: 'A priori',
  bayesMeasurementShort: 'M{m}',
  sensorName: 'Sensor {letter}',
  sensorShort: '{letter}',
  productGaussians: 'el producto',
  productBayes: 'la posterior',
  productSensors: 'la estimación fusionada',
  productLabelGaussians: 'Combinada',
  productLabelBayes: 'Posterior',
  productLabelSensors: 'Estimación fusionada',
  productColourWhite: 'blanca',
  productColourBlack: 'negra',
  selectGroup: 'Seleccionar',
  selectPrevious: 'Anterior',
  selectPreviousName: 'Seleccionar la gaussiana anterior',
  selectNext: 'Siguiente',
  selectNextName: 'Seleccionar la gaussiana siguiente',
  meanGroup: 'Media u',
  meanLeft: 'Izquierda',
  meanLeftName: 'Mover la media a la izquierda',
  meanRight: 'Derecha',
  meanRightName: 'Mover la media a la derecha',
  sigmaGroup: 'Sigma',
  narrower: 'Más estrecha',
  wider: 'Más ancha',
  modeUnknown: 'Modo de combinación',
  modePointByPoint: 'Multiplicación punto a punto',
  modeRecalculation: 'Recálculo de parámetros',
  modeName: 'Modo de combinación: {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}: {why}',
  copyLink: 'Copiar enlace',
  savePicture: 'Guardar imagen',
  linkField: 'Enlace a esta vista',
  savedInFrame:
    'Si no se descargó nada, la página que rodea a BELLSCOPE no permite descargas: guarde la imagen de abajo ' +
    '(clic derecho o pulsación larga).',
  savedPictureName: 'La imagen para guardar: el cuadro mostrado al pulsar Guardar imagen',
  closePictureName: 'Cerrar la imagen',
  closeLink: 'Cerrar',
  closeLinkName: 'Cerrar el enlace',
  copied: 'Copiado.',
  copyRefused: 'El navegador no permitió copiar: copie el enlace del campo.',
  copyUnavailable: 'Este navegador no puede copiar por sí mismo: copie el enlace del campo.',
  copyForbidden: 'La página que rodea a BELLSCOPE no permite copiar: copie el enlace del campo.',
  coloursGroup: 'Colores',
  coloursDesign: 'Diseño',
  coloursSafe: 'Aptos para daltónicos',
  coloursLight: 'Claros, para proyectores',
  notRemembered: 'Esta página no puede guardar nada aquí, así que la elección dura hasta que se cierre.',

  wordsHeading: 'Qué muestra la imagen',
  starting: 'BELLSCOPE está arrancando.',
  on: 'encendida',
  off: 'apagada',
  wordsGaussian: '{name}: {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}, u = {u}, sigma = {sigma} (seleccionada)',
  wordsMode: 'Modo de combinación: {mode}',
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  wordsCombinedNone: '{label}: ninguna, porque no hay ninguna gaussiana encendida',
  toldOn: '{name} encendida',
  toldOff: '{name} apagada',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} seleccionada',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: ninguna',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Cómo se forma la curva {productColour}',
  workingIntro:
    'Multiplicar campanas da una campana. Su **precisión** 1/σ² (cuanto más estrecha, mayor) es la suma de las ' +
    'suyas; su media es la media de sus medias ponderada por sus precisiones, así que queda más cerca de las ' +
    'más estrechas; y el producto punto a punto alcanza su máximo por debajo de 1, a una altura que dice cuánto ' +
    'coinciden las curvas. BELLSCOPE multiplica en orden, la gaussiana 1 por la 2, luego por la 3, y así ' +
    'sucesivamente; con los números que se ven ahora:',
  workingNone: 'No hay ninguna gaussiana encendida, así que no hay nada que multiplicar.',
  workingFlat:
    '{name} tiene sigma 0: esta curva vale 0 en todas partes salvo en su media (u = {u}), donde su pico sigue ' +
    'valiendo 1. Así que {product} vale 0 en todas partes salvo en u = {u}, donde vale el producto de las ' +
    'demás curvas en ese punto: {height}.',
  workingFlatAlone:
    '{name} tiene sigma 0: esta curva vale 0 en todas partes salvo en su media (u = {u}), donde su pico sigue ' +
    'valiendo 1. Es la única curva encendida, así que {product} es igual: 0 en todas partes salvo en u = {u}, ' +
    'donde vale 1.',
  workingFlatApart:
    '{name} y {other} tienen sigma 0 en medias distintas (u = {u} y u = {otherU}): cada una vale 0 donde la ' +
    'otra tiene su pico, así que {product} vale 0 en todas partes.',
  workingFlatDrawn:
    'Un solo punto no tiene anchura, así que la imagen dibuja la curva {productColour} plana a lo largo del borde ' +
    'inferior, también en esa media.',
  workingGaussian: '{name}: u = {u}; σ = {sigma}; precisión',
  workingGaussianRead: '{name}: u = {u}; sigma = {sigma}; precisión, 1 entre sigma al cuadrado, = {precision}.',
  workingNegative: 'Una sigma negativa cuenta por su tamaño: {name} es tan ancha como si fuera positiva.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: las precisiones {before} y {precision} suman {total}; así que sigma = {sigma}; la media ' +
    'ponderada por las precisiones es u = {u}.',
  workingResult: 'La curva {productColour} es {product}: u = {u}; sigma = {sigma}.',
  workingHeight: 'Su altura, punto a punto:',
  workingHeightRead: 'Punto a punto, {product} alcanza {height}.',
  workingHeightUnknown: 'Su altura, punto a punto, va más allá de lo que los números de aquí pueden contener.',
  agree: 'Las curvas coinciden: {product} conserva el {percent} de su altura.',
  partlyAgree: 'Las curvas coinciden en parte: {product} conserva el {percent} de su altura.',
  hardlyAgree: 'Apenas coinciden: {percent}.',
  lessThan: 'menos del {value}',
  workingTruncated:
    'La imagen escribe números enteros, cortando los decimales ({exact} se ve como {shown}), y su recálculo de ' +
    'parámetros parte de una curva tan ancha que es plana en todo el gráfico, lo que mueve los últimos ' +
    'decimales: los números de aquí son exactos, con cuatro cifras.',
  tooLarge: 'demasiado grande para calcularlo',
  wordsHeight: 'Altura que alcanza {product}: {height}. {agreement}',
  toldHeight: '{product} alcanza {height}',

  lessonsGroup: 'Lecciones',
  lessonNone: 'Explorar libremente',
  lessonUnknown: 'No hay ninguna lección llamada «{name}», así que BELLSCOPE arranca como siempre.',
  lessonRefused: 'La lección de esta dirección no se puede abrir ({why}), así que BELLSCOPE arranca como siempre.',
  lessonViewLeftOut:
    'La vista indicada con la lección ({view}) debía modificar la vista de esa lección, así que también se omite.',
  lesson_equal: 'Dos curvas iguales',
  lesson_equal_question:
    'Las dos curvas son igual de anchas. ¿Dónde queda la curva {productColour} y cuánto más estrecha es que ellas? ' +
    'Mueva una con «{left}» y «{right}» (o con las flechas izquierda y derecha) y compruébelo con el cálculo ' +
    'de abajo.',
  'lesson_wide-narrow': 'Una curva ancha y una estrecha',
  'lesson_wide-narrow_question':
    'Una curva es ancha y la otra estrecha. ¿La curva {productColour} queda más cerca de la ancha o de la estrecha? ' +
    'La estrecha está seleccionada: muévala con «{left}» y «{right}» (o con las flechas izquierda y derecha) ' +
    'y observe.',
  'lesson_far-apart': 'Dos curvas muy separadas',
  'lesson_far-apart_question':
    'Las curvas apenas se solapan y su producto punto a punto es casi plano. Acerque la gaussiana 2 con ' +
    '«{left}» (o con la flecha izquierda) y luego vuelva a alejarla con «{right}». ¿Qué le pasa a la altura ' +
    'del producto y qué dice eso de las dos curvas?',
  'lesson_same-mean': 'La misma media',
  'lesson_same-mean_question':
    'Las dos curvas tienen el máximo en el mismo sitio. ¿Dónde está el máximo del producto, y a qué altura, ' +
    'en cada modo? Cambie de modo con el botón del modo, «{mode}» (o con Intro), y compare.',
  lesson_kalman: 'Una a priori y una medición',
  lesson_kalman_question:
    'Esto es una actualización de Kalman. ¿La posterior queda más cerca de la a priori o de la medición, y ' +
    'por qué? La medición está seleccionada: hágala menos precisa con «{wider}» (o arrastrando con el botón ' +
    'derecho) y observe la posterior.',
  'lesson_three-measurements': 'Una a priori y tres mediciones',
  'lesson_three-measurements_question':
    'Solo la a priori está encendida. Encienda las mediciones de una en una con los botones 2, 3 y 4 (o con ' +
    'F2, F3 y F4) y siga el cálculo de abajo: ¿cómo se suman las precisiones, paso a paso?',
  'lesson_wide-prior': 'Una a priori muy ancha',
  'lesson_wide-prior_question':
    'La a priori es muy ancha: dice poco sobre dónde está el valor. ¿Cuánto aleja la posterior de la ' +
    'medición? Compare sus u en el cálculo de abajo; luego estreche la a priori con «{narrower}» y vuelva a ' +
    'observar.',
  'lesson_sigma-zero': 'Qué hace BELLSCOPE con sigma 0',
  'lesson_sigma-zero_question':
    'La gaussiana 2 tiene sigma 0. ¿Qué muestra la imagen y qué dice el cálculo? La gaussiana 2 está ' +
    'seleccionada: ensánchela un poco con «{wider}» (o arrastrando con el botón derecho).',
  lesson_sensors: 'Tres sensores',
  lesson_sensors_question:
    'Tres sensores miden la misma distancia. ¿En cuál confía más la estimación fusionada, y por qué? Elija ' +
    'un sensor con «{previous}» y «{next}» (o con las flechas arriba y abajo), muévalo con «{left}» y ' +
    '«{right}» y vea cuál arrastra más la estimación.',

  challenge: 'Desafío',
  challengeGroup: 'Desafío: prediga el producto',
  check: 'Comprobar',
  nextRound: 'Siguiente ronda',
  leaveChallenge: 'Salir del desafío',
  guessName: 'Su estimación',
  challengeRound:
    'Ronda {round} de {rounds}: el producto está oculto. Mueva su estimación (la línea «Your guess») adonde ' +
    'crea que está el producto, tan ancha como crea que es, y pulse Comprobar.',
  challengeShown: 'Ronda {round} de {rounds}: la curva {productColour} es el producto, junto a su estimación.',
  guessKept:
    'Comprobada: su estimación se queda donde estaba, junto al producto, y sus botones y campos esperan ' +
    'hasta la ronda siguiente.',
  curvesFixed:
    'Las curvas de la ronda se quedan como están: sus botones de encender/apagar y «{previous}» y «{next}» esperan hasta que salga del desafío.',
  challengeMeasure:
    'La puntuación es el área que su estimación y el producto tienen en común cuando cada uno es una campana ' +
    'de área 1, por 100: 100 para la misma curva, 0 para curvas que no se tocan.',
  challengeScore: 'Puntuación: {score} de 100. {u} {sigma}',
  challengeURight: 'Su u es correcta: {answer}.',
  challengeUBelow: 'Su u está {off} demasiado a la izquierda ({guess}; el producto tiene {answer}).',
  challengeUAbove: 'Su u está {off} demasiado a la derecha ({guess}; el producto tiene {answer}).',
  challengeSigmaRight: 'Su sigma es correcta: {answer}.',
  challengeSigmaBelow: 'Su sigma es {off} demasiado estrecha ({guess}; el producto tiene {answer}).',
  challengeSigmaAbove: 'Su sigma es {off} demasiado ancha ({guess}; el producto tiene {answer}).',
  challengeOver:
    'Desafío terminado: {total} de {most}. Desafío empieza otro; Copiar enlace da este, para que otros ' +
    'intenten las mismas rondas.',
  challengeNoGuess:
    'Primero coloque su estimación: sigue donde empieza cada ronda. Muévala adonde crea que está el producto.',
  challengeBadSigma:
    'Su estimación tiene sigma {sigma}: una campana necesita una sigma mayor que 0. Ensánchela y compruebe.',
  challengeChecked: 'Esta ronda ya está comprobada: Siguiente ronda continúa.',
  challengeLeft:
    'Ha salido del desafío en la ronda {round} de {rounds}, con {total} de {most} puntos. Desafío empieza ' + 'otro.',
  challengeRefused: 'El desafío de esta dirección no se puede empezar ({why}), así que BELLSCOPE arranca como siempre.',
  challengeAndLesson:
    'Esta dirección nombra una lección y un desafío: el desafío va primero, así que la lección se omite.',
  challengeAndView:
    'Esta dirección nombra un desafío y una vista: un desafío muestra sus propias rondas, así que la vista ' +
    '({view}) se omite.',
  wordsGuess: 'Su estimación: u = {u}, sigma = {sigma} (seleccionada)',
  toldGuessU: 'estimación u {u}',
  toldGuessSigma: 'estimación sigma {sigma}',
  workingHidden: 'Oculto hasta que pulse Comprobar: calcúlelo usted primero.',
  listeningCurves:
    'Sonando {curves}: más agudo donde la curva es más alta, de izquierda a derecha. El producto está oculto.',

  aboutHeading: 'Sobre la imagen',
  aboutCurves:
    'Cada curva de color es una gaussiana, una campana: su media `u` es la columna de su máximo y su `sigma` ' +
    'indica lo ancha que es. La curva {productColour} combina las gaussianas encendidas.',
  aboutProduct:
    'En **Multiplicación punto a punto** la curva {productColour} son las curvas multiplicadas entre sí, columna a ' +
    'columna. Vuelve a ser una campana, más estrecha que cada una y situada entre ellas, más cerca de la más ' +
    'estrecha. Su máximo queda por debajo de 1: cada curva vale como mucho 1, y donde una tiene su máximo la ' +
    'otra ya está bajando, así que su producto no puede llegar a 1 salvo que las medias coincidan.',
  aboutRecalculation:
    'En **Recálculo de parámetros** BELLSCOPE calcula la media y la sigma de ese producto con una fórmula y ' +
    'dibuja con ellas una gaussiana nueva, con el máximo en 1. Está en el mismo sitio y con la misma anchura ' +
    'que el producto; solo cambia su altura. La imagen escribe entonces la `u` y la `sigma` combinadas.',
  controlsHeading: 'Controles',
  keyboardHelp: 'Ayuda del teclado',
  listen: 'Escuchar',
  listening: 'Sonando {curves}, luego {product}: más agudo donde la curva es más alta, de izquierda a derecha.',
  listeningProduct: 'Sonando {product}: más agudo donde es más alta, de izquierda a derecha.',
  helpIntro:
    'Todas las teclas que conoce BELLSCOPE, y los botones que hacen lo mismo. **?** abre esto esté donde esté el foco, salvo en un campo de texto; Esc lo cierra.',
  controlsInput: 'Tecla, ratón, toque o botón',
  controlsAction: 'Qué hace',
  keysOnOff: 'F1, F2, F3, F4, o los botones 1 a 4',
  doesOnOff: 'enciende o apaga la gaussiana 1, 2, 3, 4',
  keysSelect: 'Arriba, Abajo, o Anterior y Siguiente',
  doesSelect: 'selecciona otra gaussiana (el marcador `<--` y el botón subrayado indican cuál)',
  keysMean: 'Izquierda, Derecha, o los botones Izquierda y Derecha (manténgalos para repetir)',
  doesMean: 'mueve la media de la gaussiana seleccionada una columna',
  keysMeanFast: 'Mayús+Izquierda, Mayús+Derecha',
  doesMeanFast: 'la mueve diez columnas',
  keysFollow: 'botón izquierdo del ratón (mantenido), o un dedo',
  doesFollow: 'la media de la gaussiana seleccionada sigue al puntero',
  keysWidth:
    'botón derecho del ratón (arrastrar), dos dedos arrastrados de lado, o Más estrecha y Más ancha ' +
    '(manténgalos para repetir)',
  doesWidth: 'ensancha o estrecha la gaussiana seleccionada',
  keysMode: 'Intro, o el botón del modo de combinación',
  doesMode: 'cambia entre Multiplicación punto a punto y Recálculo de parámetros',
  keysQuit: 'Esc',
  doesQuit:
    'termina BELLSCOPE; Reanudar devuelve la imagen como estaba, y Empezar de nuevo empieza desde cero. Mientras suena Escuchar, Esc solo detiene el sonido, y en el campo u o sigma solo repone el valor que se muestra',
  keysReset: 'el botón Restablecer',
  doesReset:
    'vuelve al inicio de la lección o de la vista que nombra la dirección (o a la vista inicial), sin ' + 'terminar',
  controlsNote:
    'Los botones también funcionan con Tab e Intro o Espacio; mientras un botón tiene el foco, Intro y ' +
    'Espacio lo pulsan y cualquier otra tecla sigue yendo a BELLSCOPE. En **Colores**, «Aptos para ' +
    'daltónicos» dibuja las cuatro gaussianas en colores que se distinguen bien con daltonismo, y «Claros, ' +
    'para proyectores» dibuja curvas y texto oscuros sobre blanco, para un aula luminosa; este navegador ' +
    'recuerda la elección.',
};
