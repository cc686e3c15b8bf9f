'use strict';
/* global TEXTS */

// Los textos de la página en español, revisados por un profesor de
// matemáticas de secundaria: se trata al alumno de tú, y las teclas llevan
// un solo nombre en todos los textos (flecha izquierda, Mayús, Intro...).
TEXTS.es = {
  title: 'BELLSCOPE: productos de curvas gaussianas',
  languageGroup: 'Idioma (Language)',
  languageUnavailable: 'No se pudo cargar el idioma {language}, así que la página sigue en {current}.',
  languageRefused:
    'El idioma de esta dirección no se puede usar ({why}), así que la página elige su idioma como siempre.',
  pictureLabels:
    'La imagen se dibuja tal como se diseñó BELLSCOPE y sus rótulos quedan en inglés: cada número que muestra ' +
    'aparece también en los textos que hay bajo los controles.',

  loading: 'Cargando BELLSCOPE...',
  updated: 'Actualizado',
  ended: 'BELLSCOPE ha terminado',
  endedTold: 'Terminado con Esc. Reanudar recupera la imagen tal como estaba; Empezar de nuevo arranca desde cero.',
  endedRest:
    'Hasta que reanudes o empieces de nuevo, los controles que cambian la imagen quedan desactivados; Copiar enlace, Guardar imagen, Ayuda del teclado, Escuchar, Nombres, Colores e Idioma siguen funcionando con la imagen que se ve.',
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
  noWebAssembly: 'BELLSCOPE no funciona en este navegador: necesita WebAssembly, y este navegador no lo admite.',
  viewRefused: 'La vista de esta dirección no se puede mostrar ({why}), así que BELLSCOPE arranca como siempre.',
  refusal: '{what}: {why}',
  reasonNotANumber: '«{text}» no es un número',
  reasonTooLarge: '«{text}» es demasiado grande: como máximo {most}',
  reasonTooSmall: '«{text}» es demasiado pequeño: como mínimo {least}',
  reasonNotFinite: '«{text}» no es un número finito',
  reasonNoGaussian: 'no existe la gaussiana {text}',
  reasonGaussianMissing: 'falta el número de una gaussiana (de 1 a 4)',
  reasonModeGiven: 'el modo de combinación aparece dos veces',
  reasonOnGiven: 'la lista de gaussianas encendidas aparece dos veces',
  reasonSelectGiven: 'la gaussiana seleccionada aparece dos veces',
  reasonNamesGiven: 'la elección de nombres aparece dos veces',
  reasonUGiven: 'la u de la gaussiana {gaussian} aparece dos veces',
  reasonSigmaGiven: 'la sigma de la gaussiana {gaussian} aparece dos veces',
  reasonLessonGiven: 'la lección aparece dos veces',
  reasonChallengeGiven: 'el desafío aparece dos veces',
  reasonLanguageGiven: 'el idioma aparece dos veces',
  reasonUnknownNames: 'names solo admite {choices}',
  reasonUnknownParameter: 'parámetro desconocido (BELLSCOPE conoce {known})',
  reasonParameterNameMissing: 'falta el nombre del parámetro',
  reasonParameterValueMissing: 'falta el valor, como en {text}=...',
  reasonRecalcValue: 'recalc no lleva valor',
  reasonBadPercent: 'hay un código con % mal escrito',
  reasonParameterTooLong: 'el parámetro es demasiado largo',
  reasonAddressTooLong: 'la dirección es demasiado larga: BELLSCOPE lee como máximo {most} caracteres',
  reasonNotAChallenge: '«{text}» no es un número de desafío: usa solo cifras, de 0 a {most}',
  reasonChallengeTooLarge: '«{text}» es demasiado grande para un número de desafío (como máximo {most})',
  reasonNotATrack: '«{text}» no es un número de recorrido: usa solo cifras, de 0 a {most}',
  reasonTrackTooLarge: '«{text}» es demasiado grande para un número de recorrido (como máximo {most})',
  reasonNotWhole: '«{text}» no es un número entero',
  reasonTruthChoice: 'truth es each o end',
  reasonSettingGiven: '{text} ya está dado',
  reasonSettingWithoutTrack: '{text} corresponde a un recorrido: indica también track=NÚMERO',

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
  productBayes: 'la distribución a posteriori',
  productSensors: 'la estimación fusionada',
  productTrack: 'la creencia actualizada',
  productLabelGaussians: 'Combinada',
  productLabelBayes: 'A posteriori',
  productLabelSensors: 'Estimación fusionada',
  productLabelTrack: 'Creencia actualizada',
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
    'Si no se ha descargado nada, es que la página que contiene BELLSCOPE no permite descargas: guarda en su ' +
    'lugar la imagen de abajo (con clic derecho o una pulsación larga).',
  savedPictureName: 'La imagen que se guarda: la que se veía al pulsar Guardar imagen',
  closePictureName: 'Cerrar la imagen',
  closeLink: 'Cerrar',
  closeLinkName: 'Cerrar el enlace',
  copied: 'Copiado.',
  copyRefused: 'El navegador no ha permitido copiar: copia el enlace del campo.',
  copyUnavailable: 'Este navegador no puede copiar por sí solo: copia el enlace del campo.',
  copyForbidden: 'La página que contiene BELLSCOPE no permite copiar: copia el enlace del campo.',
  coloursGroup: 'Colores',
  coloursDesign: 'Originales',
  coloursSafe: 'Aptos para daltónicos',
  coloursLight: 'Fondo claro, para proyectores',
  notRemembered: 'Esta página no puede guardar nada aquí, así que la elección solo dura hasta que la cierres.',

  wordsHeading: 'Qué muestra la imagen',
  starting: 'BELLSCOPE se está iniciando.',
  on: 'visible',
  off: 'no visible',
  wordsGaussian: '{name}: {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}, u = {u}, sigma = {sigma} (curva seleccionada)',
  wordsMode: 'Modo de combinación: {mode}',
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  wordsCombinedExact: '{label}: u = {u}, sigma = {sigma} (exactamente {exactU} y {exactSigma})',
  wordsCombinedFlat: '{label}: u = {u}, sigma = {sigma} (dividir entre sigma 0 no da ningún u: la imagen escribe 0)',
  wordsCombinedNone: '{label}: ninguna, porque no hay ninguna gaussiana encendida',
  toldOn: '{name}: visible',
  toldOff: '{name}: no visible',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: 'Curva seleccionada: {name}',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: ninguna',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Cómo se forma la curva {productColour}',
  workingIntro:
    'El producto de curvas de campana es otra curva de campana. Su **precisión** 1/σ² (mayor cuanto más ' +
    'estrecha es la curva) es la suma de las precisiones de las curvas; su media es la media de sus medias ' +
    'ponderada por sus precisiones, así que queda más cerca de las más estrechas; y el producto punto a punto ' +
    'tiene su máximo por debajo de 1, a una altura que indica cuánto concuerdan las curvas. BELLSCOPE ' +
    'multiplica en orden: {first} por {second}, el resultado por {third}, y así sucesivamente; con los ' +
    'números que se ven ahora:',
  workingNone: 'No hay ninguna gaussiana encendida, así que no hay nada que multiplicar.',
  workingFlat:
    '{name} tiene sigma 0: esta curva vale 0 en todas partes salvo en su media (u = {u}), donde su máximo sigue ' +
    'valiendo 1. Por tanto, {product} también vale 0 en todas partes salvo en u = {u}, donde es igual al ' +
    'producto de las demás curvas en ese punto: {height}.',
  workingFlatAlone:
    '{name} tiene sigma 0: esta curva vale 0 en todas partes salvo en su media (u = {u}), donde su máximo sigue ' +
    'valiendo 1. Es la única curva encendida, así que {product} coincide con ella: vale 0 en todas partes ' +
    'salvo en u = {u}, donde vale 1.',
  workingFlatApart:
    '{name} y {other} tienen sigma 0 en medias distintas (u = {u} y u = {otherU}): cada curva vale 0 donde la ' +
    'otra tiene su máximo, así que {product} vale 0 en todas partes.',
  workingFlatDrawn:
    'Un solo punto no tiene anchura, así que la imagen dibuja la curva {productColour} plana, pegada al borde inferior, ' +
    'incluso en esa media.',
  workingGaussian: '{name}: u = {u}; σ = {sigma}; precisión',
  workingGaussianRead: '{name}: u = {u}; sigma = {sigma}; precisión, 1 entre sigma al cuadrado, = {precision}.',
  workingNegative:
    'Una sigma negativa cuenta por su valor absoluto: {name} tiene la misma anchura que si su sigma fuera positiva.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: las precisiones {before} y {precision} suman {total}; por tanto, sigma = {sigma}, y la media ' +
    'ponderada por las precisiones es u = {u}.',
  workingResult: 'La curva {productColour} es {product}: u\u00a0=\u00a0{u}; sigma\u00a0=\u00a0{sigma}.',
  workingHeight: 'Su altura, punto a punto:',
  workingHeightRead: 'Punto a punto, {product} alcanza una altura de {height}.',
  workingHeightUnknown: 'Su altura, punto a punto, queda fuera del alcance de los números que se usan aquí.',
  agree: 'Las curvas concuerdan: {product} conserva el {percent} de su altura.',
  partlyAgree: 'Las curvas concuerdan en parte: {product} conserva el {percent} de su altura.',
  hardlyAgree: 'Apenas concuerdan: {percent}.',
  lessThan: 'menos del {value}',
  heightBelow: 'menos de {value}',
  workingTruncated:
    'La imagen escribe números enteros, truncando los decimales ({exact} aparece como {shown}), y su ' +
    'Recálculo de parámetros parte de una curva tan ancha que es plana en todo el gráfico, lo que altera ' +
    'los últimos decimales: los números de aquí son exactos, con cuatro cifras significativas.',
  tooLarge: 'demasiado grande para calcularse',
  wordsHeight: 'Altura que alcanza {product}: {height}. {agreement}',
  toldHeight: 'Altura que alcanza {product}: {height}',

  lessonsGroup: 'Lecciones',
  lessonNone: 'Explorar libremente',
  lessonUnknown: 'No hay ninguna lección llamada «{name}», así que BELLSCOPE arranca como siempre.',
  lessonRefused: 'La lección de esta dirección no se puede abrir ({why}), así que BELLSCOPE arranca como siempre.',
  lessonViewLeftOut:
    'La vista indicada con la lección ({view}) debía modificar la vista de esa lección, así que también se omite.',
  lesson_equal: 'Dos curvas iguales',
  lesson_equal_question:
    'Las dos curvas son igual de anchas. ¿Dónde queda la curva {productColour} y cuánto más estrecha es que ellas? ' +
    'Mueve una con «{left}» y «{right}» (o con las flechas izquierda y derecha) y compruébalo con el cálculo ' +
    'de abajo.',
  'lesson_wide-narrow': 'Una curva ancha y otra estrecha',
  'lesson_wide-narrow_question':
    'Una curva es ancha y la otra, estrecha. ¿La curva {productColour} queda más cerca de la ancha o de la estrecha? ' +
    'La estrecha está seleccionada: muévela con «{left}» y «{right}» (o con las flechas izquierda y derecha) ' +
    'y observa.',
  'lesson_far-apart': 'Dos curvas muy separadas',
  'lesson_far-apart_question':
    'Las curvas apenas se solapan y su producto punto a punto es casi plano. Acerca la gaussiana 2 con ' +
    '«{left}» (o con la flecha izquierda) y luego vuelve a alejarla con «{right}». ¿Qué le pasa a la altura ' +
    'del producto y qué dice eso de las dos curvas?',
  'lesson_same-mean': 'La misma media',
  'lesson_same-mean_question':
    'Las dos curvas tienen el máximo en el mismo sitio. ¿Dónde tiene el máximo el producto, y a qué altura, ' +
    'en cada modo? Cambia de modo con el botón del modo, «{mode}» (o con Intro), y compara.',
  lesson_kalman: 'Una distribución a priori y una medición',
  lesson_kalman_question:
    'Esto es una actualización de Kalman. ¿La distribución a posteriori queda más cerca de la a priori o de ' +
    'la medición, y por qué? La medición está seleccionada: hazla menos precisa con «{wider}» (o arrastrando ' +
    'con el botón derecho) y observa la distribución a posteriori.',
  'lesson_three-measurements': 'Una distribución a priori y tres mediciones',
  'lesson_three-measurements_question':
    'Solo la distribución a priori está encendida. Enciende las mediciones de una en una con los botones 2, 3 ' +
    'y 4 (o con F2, F3 y F4) y sigue el cálculo de abajo: ¿cómo se suman las precisiones, paso a paso?',
  'lesson_wide-prior': 'Una distribución a priori muy ancha',
  'lesson_wide-prior_question':
    'La distribución a priori es muy ancha: dice poco sobre dónde está el valor. ¿Cuánto aleja a la ' +
    'distribución a posteriori de la medición? Compara sus u en el cálculo de abajo; luego estrecha la ' +
    'distribución a priori con «{narrower}» y vuelve a observar.',
  'lesson_sigma-zero': 'Qué hace BELLSCOPE con sigma 0',
  'lesson_sigma-zero_question':
    'La gaussiana 2 tiene sigma 0. ¿Qué muestra la imagen y qué dice el cálculo? La gaussiana 2 está ' +
    'seleccionada: ensánchala un poco con «{wider}» (o arrastrando con el botón derecho).',
  lesson_sensors: 'Tres sensores',
  lesson_sensors_question:
    'Tres sensores miden la misma distancia. ¿En cuál confía más la estimación fusionada, y por qué? Elige ' +
    'un sensor con «{previous}» y «{next}» (o con las flechas arriba y abajo), muévelo con «{left}» y ' +
    '«{right}» y mira cuál desplaza más la estimación.',
  'lesson_track-good-sensor': 'Seguimiento: un buen sensor',
  'lesson_track-good-sensor_question':
    'El sensor es bueno (r = 10). Pulsa «Predecir» y «Actualizar» varias veces: ¿qué tamaño tiene la ganancia K y cuánto se acerca la creencia a las mediciones?',
  'lesson_track-poor-sensor': 'Seguimiento: un sensor malo',
  'lesson_track-poor-sensor_question':
    'El mismo recorrido con un sensor malo (r = 120). Avanza paso a paso: ¿por qué ahora la ganancia K es pequeña y qué hace la estimación cuando una medición se aleja mucho?',
  'lesson_track-no-noise': 'Seguimiento: sin ruido de proceso',
  'lesson_track-no-noise_question':
    'Con q = 0, el filtro confía del todo en su modelo: espera que el recorrido avance exactamente v = 30 por paso, pero en realidad avanza 36. Ejecútalo y mira la ganancia K en la tabla: ¿por qué baja hacia 0 y qué le pasa a la estimación frente a la posición real?',
  'lesson_track-wrong-velocity': 'Seguimiento: una velocidad equivocada',
  'lesson_track-wrong-velocity_question':
    'El filtro supone que el recorrido está quieto (v = 0), pero avanza 30 en cada paso. Ejecútalo: ¿dónde queda la estimación respecto a la posición real y hacia dónde la lleva cada actualización?',

  challenge: 'Desafío',
  challengeGroup: 'Desafío: predice el producto',
  check: 'Comprobar',
  nextRound: 'Siguiente ronda',
  leaveChallenge: 'Salir del desafío',
  guessName: 'Tu predicción',
  challengeRound:
    'Ronda {round} de {rounds}: el producto está oculto. Mueve tu predicción (la línea «Your guess» de la ' +
    'imagen) adonde creas que está el producto, con la anchura que creas que tiene, y pulsa Comprobar.',
  challengeShown: 'Ronda {round} de {rounds}: la curva {productColour} es el producto, junto a tu predicción.',
  guessKept:
    'Comprobada: tu predicción se queda donde estaba, junto al producto, y sus botones y campos quedan ' +
    'inactivos hasta la ronda siguiente.',
  curvesFixed:
    'Las curvas de la ronda se quedan como están: sus botones de encender/apagar y «{previous}» y «{next}» esperan hasta que salga del desafío.',
  challengeMeasure:
    'La puntuación es el área común a tu predicción y al producto, tomando cada uno como una campana de área ' +
    '1, multiplicada por 100: 100 si las curvas son iguales, 0 si no se solapan.',
  challengeScore: 'Puntuación: {score} de 100. {u} {sigma}',
  challengeURight: 'Tu u es correcta: {answer}.',
  challengeUBelow: 'Tu u está {off} a la izquierda de la del producto ({guess} frente a {answer}).',
  challengeUAbove: 'Tu u está {off} a la derecha de la del producto ({guess} frente a {answer}).',
  challengeSigmaRight: 'Tu sigma es correcta: {answer}.',
  challengeSigmaBelow: 'Tu sigma es {off} menor que la del producto: demasiado estrecha ({guess} frente a {answer}).',
  challengeSigmaAbove: 'Tu sigma es {off} mayor que la del producto: demasiado ancha ({guess} frente a {answer}).',
  challengeOver:
    'Desafío terminado: {total} de {most}. El botón Desafío empieza uno nuevo; Copiar enlace da el de este, ' +
    'para que otros prueben las mismas rondas.',
  challengeNoGuess:
    'Primero coloca tu predicción: sigue donde empieza cada ronda. Muévela adonde creas que está el producto.',
  challengeBadSigma:
    'Tu predicción tiene sigma {sigma}: una campana necesita una sigma mayor que 0. Ensánchala y pulsa Comprobar.',
  challengeChecked: 'Esta ronda ya está comprobada: pulsa Siguiente ronda para seguir.',
  challengeLeft:
    'Has salido del desafío en la ronda {round} de {rounds}, con {total} de {most} puntos. El botón Desafío ' +
    'empieza uno nuevo.',
  challengeRefused: 'El desafío de esta dirección no se puede empezar ({why}), así que BELLSCOPE arranca como siempre.',
  challengeAndLesson:
    'Esta dirección indica una lección y un desafío: el desafío tiene prioridad, así que la lección se omite.',
  challengeAndView:
    'Esta dirección indica un desafío y una vista: un desafío muestra sus propias rondas, así que la vista ' +
    '({view}) se omite.',
  challengeAndTrack:
    'Esta dirección indica un desafío y un recorrido: el desafío va primero, así que el recorrido se omite.',
  trackRefused: 'El recorrido de esta dirección no se puede iniciar ({why}), así que BELLSCOPE arranca como siempre.',
  trackAndView:
    'Esta dirección indica un recorrido y una vista: un recorrido muestra sus propias curvas, así que la vista ({view}) se omite.',
  trackAndLesson:
    'Esta dirección indica una lección y un recorrido: el recorrido va primero, así que la lección se omite.',
  wordsGuess: 'Tu predicción: u = {u}, sigma = {sigma} (seleccionada)',
  toldGuessU: 'predicción u {u}',
  toldGuessSigma: 'predicción sigma {sigma}',
  workingHidden: 'Oculto hasta que pulses Comprobar: calcúlalo tú primero.',
  listeningCurves:
    'Suenan {curves}, de izquierda a derecha: el tono es más agudo donde la curva es más alta. El producto ' +
    'está oculto.',

  track: 'Seguimiento',
  trackGroup: 'Seguimiento: un filtro de Kalman sigue un recorrido',
  trackPredict: 'Predecir',
  trackUpdate: 'Actualizar',
  leaveTrack: 'Salir del seguimiento',
  trackRun: 'Ejecutar',
  trackFieldQ: 'Ruido de proceso q',
  trackFieldR: 'Ruido del sensor r',
  trackFieldV: 'Velocidad del filtro v',
  trackBeliefName: 'Creencia',
  trackMeasurementName: 'Medición',
  trackStepStart:
    'Recorrido {seed}, paso 0 de {steps}: la creencia está donde el filtro cree que empieza el recorrido.',
  trackStepPredict: 'Paso {step} de {steps}: predicción. La curva punteada es la creencia antes de este paso.',
  trackStepUpdate:
    'Paso {step} de {steps}: actualización, K = {gain}. La curva {productColour} es la creencia multiplicada por la medición.',
  trackSaidStart: 'Empieza el recorrido: la creencia está en u = {u} con sigma {sigma}.',
  trackSaidRight: 'Predicción: la creencia se movió {distance} a la derecha y se ensanchó de sigma {from} a {to}.',
  trackSaidLeft: 'Predicción: la creencia se movió {distance} a la izquierda y se ensanchó de sigma {from} a {to}.',
  trackSaidStill: 'Predicción: la creencia se quedó en u = {u} y se ensanchó de sigma {from} a {to}.',
  trackSaidNoNoise:
    'Predicción: la creencia se movió a u = {u}; sin ruido de proceso (q = 0), su sigma se quedó en {sigma}.',
  trackSaidUpdate:
    'Actualización: la medición marcó {z}; con K = {gain}, la creencia pasó a u = {u} y se estrechó a sigma {sigma}.',
  trackSaidTruth: 'La posición real era {truth}.',
  trackSaidTruths: 'El recorrido ha terminado: ahora se ven las posiciones reales, bajo el eje y en la tabla.',
  trackPredictNext: 'Ahora toca Predecir: la creencia avanza un paso antes de incorporar la siguiente medición.',
  trackUpdateNext: 'Ahora toca Actualizar: este paso ya está predicho y falta incorporar su medición.',
  trackOver:
    'El recorrido ha terminado: Restablecer lo repite desde el principio y Salir del seguimiento vuelve a las curvas.',
  trackCurvesFixed:
    'Las curvas son las del filtro: sus botones y los campos u y sigma quedan inactivos hasta que salgas del seguimiento.',
  trackMarks:
    'Bajo el eje de la imagen, cada | marca una estimación hasta ahora y cada △ una posición real ya mostrada.',
  trackLeft: 'Saliste del seguimiento en el paso {step} de {steps}. Seguimiento inicia un recorrido nuevo.',
  trackStepsHeading: 'Los pasos del recorrido',
  trackTable: 'Recorrido {seed}: predicción, medición, ganancia y actualización de cada paso',
  trackColumnStep: 'Paso',
  trackColumnPredicted: 'Creencia predicha',
  trackColumnMeasurement: 'Medición z',
  trackColumnGain: 'Ganancia K',
  trackColumnUpdated: 'Creencia actualizada',
  trackColumnTruth: 'Posición real',
  trackBelief: 'u = {u}; sigma = {sigma}',
  trackNotYet: 'todavía no',
  trackPlotName: 'Gráfica del recorrido: posición según el paso',
  trackPlotEstimate: 'estimación, con su banda de ± sigma',
  trackPlotMeasurement: 'medición',
  trackPlotTruth: 'posición real.',
  trackWorkingStart: 'Empieza el recorrido: la creencia es u = {u}, sigma = {sigma}. Predecir la hace avanzar.',
  trackWorkingPredict: 'Predecir: las varianzas se suman (la suma de la creencia y un paso de ruido q = {q}):',
  trackWorkingMoved: 'y la creencia se desplaza v = {v}:',
  trackWorkingUpdate: 'Actualizar: las precisiones se suman (el producto de la creencia y la medición):',
  trackWorkingGain: 'La ganancia K es el peso de la medición:',
  trackWorkingMean: 'y la media del producto es la misma media ponderada:',

  aboutHeading: 'Sobre la imagen',
  aboutCurves:
    'Cada curva de color es una gaussiana, una curva de campana: su media `u` es la columna de su máximo y su ' +
    '`sigma` indica su anchura. La curva {productColour} combina las gaussianas encendidas.',
  aboutProduct:
    'En **Multiplicación punto a punto** la curva {productColour} es el producto de las curvas, columna a columna. ' +
    'Vuelve a ser una campana, más estrecha que cada una de ellas y situada entre ellas, más cerca de la más ' +
    'estrecha. Su máximo queda por debajo de 1: cada curva vale como mucho 1, y donde una tiene su máximo la ' +
    'otra ya está bajando, así que su producto no puede llegar a 1 salvo que las medias coincidan.',
  aboutRecalculation:
    'En **Recálculo de parámetros** BELLSCOPE calcula con una fórmula la media y la sigma de ese producto y ' +
    'dibuja con ellas una gaussiana nueva, con su máximo en 1. Está en el mismo sitio y tiene la misma anchura ' +
    'que el producto; solo cambia su altura. Después, la imagen escribe la `u` y la `sigma` combinadas.',
  controlsHeading: 'Controles',
  keyboardHelp: 'Ayuda del teclado',
  listen: 'Escuchar',
  listening:
    'Suenan {curves}, y luego {product}, de izquierda a derecha: el tono es más agudo donde la curva es más alta.',
  listeningProduct: 'Suena {product}, de izquierda a derecha: el tono es más agudo donde la curva es más alta.',
  helpIntro:
    'Todas las teclas que conoce BELLSCOPE y los botones que hacen lo mismo. **?** abre esta ayuda esté donde esté el foco, salvo en un campo de texto; Esc la cierra.',
  controlsInput: 'Tecla, ratón, toque o botón',
  controlsAction: 'Qué hace',
  keysOnOff: 'F1, F2, F3, F4, o los botones del 1 al 4',
  doesOnOff: 'enciende o apaga la gaussiana 1, 2, 3 o 4',
  keysSelect: 'Flecha arriba, flecha abajo, o los botones Anterior y Siguiente',
  doesSelect: 'selecciona otra gaussiana (el marcador `<--` y el botón subrayado indican cuál)',
  keysMean: 'Flecha izquierda, flecha derecha, o los botones Izquierda y Derecha (mantenlos pulsados para repetir)',
  doesMean: 'mueve una columna la media de la gaussiana seleccionada',
  keysMeanFast: 'Mayús+flecha izquierda, Mayús+flecha derecha',
  doesMeanFast: 'la mueve diez columnas',
  keysFollow: 'botón izquierdo del ratón (mantenido pulsado), o un dedo',
  doesFollow: 'la media de la gaussiana seleccionada sigue al puntero',
  keysWidth:
    'botón derecho del ratón (arrastrando), dos dedos que se separan, se juntan o se arrastran en horizontal, o los botones Más estrecha y ' +
    'Más ancha (mantenlos pulsados para repetir)',
  doesWidth: 'ensancha o estrecha la gaussiana seleccionada',
  keysMode: 'Intro, o el botón del modo de combinación',
  doesMode: 'cambia entre Multiplicación punto a punto y Recálculo de parámetros',
  keysQuit: 'Esc',
  doesQuit:
    'termina BELLSCOPE; después, Reanudar recupera la imagen tal como estaba y Empezar de nuevo arranca desde cero. Mientras suena Escuchar, Esc solo detiene el sonido, y en el campo u o sigma solo restaura el valor que se muestra',
  keysReset: 'el botón Restablecer',
  doesReset:
    'vuelve al principio de la lección, o de la vista que indica la dirección (o a la vista inicial), sin ' +
    'terminar BELLSCOPE',
  keysTrack: 'P y U, o Predecir y Actualizar, en Seguimiento',
  doesTrack: 'predecir y actualizar, medio paso del recorrido cada vez',
  controlsNote:
    'Los botones también se usan con Tab e Intro o la barra espaciadora; mientras un botón tiene el foco, ' +
    'Intro y la barra espaciadora lo pulsan y cualquier otra tecla sigue llegando a BELLSCOPE. En **Colores**, ' +
    '«Aptos para daltónicos» dibuja las cuatro gaussianas en colores que se distinguen bien aunque se tenga ' +
    'daltonismo, y «Fondo claro, para proyectores» dibuja curvas y texto oscuros sobre fondo blanco, para un ' +
    'aula con mucha luz; este navegador recuerda la elección.',
};
