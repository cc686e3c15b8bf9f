'use strict';
/* global TEXTS */

// Os textos da página em português do Brasil.
TEXTS['pt-BR'] = {
  title: 'BELLSCOPE: produtos de curvas gaussianas',
  languageGroup: 'Idioma (Language)',
  languageUnavailable: 'Não foi possível carregar o idioma {language}; a página continua em {current}.',
  languageRefused:
    'O idioma indicado neste endereço não pode ser usado ({why}), então a página escolhe o idioma normalmente.',
  pictureLabels:
    'A imagem segue o desenho original do BELLSCOPE, e seus rótulos ficam em inglês: todos os números dela ' +
    'também aparecem no texto abaixo dos controles.',

  loading: 'Carregando o BELLSCOPE...',
  updated: 'Atualizado',
  ended: 'O BELLSCOPE foi encerrado',
  endedTold: 'Encerrado com Esc. “Retomar” traz a imagem de volta como estava; “Começar de novo” recomeça do zero.',
  endedRest:
    'Até você retomar ou começar de novo, os controles que mudam a imagem ficam desativados; “Copiar link”, “Salvar imagem”, “Atalhos de teclado”, “Ouvir” e os menus Nomes, Cores e Idioma continuam funcionando com a imagem exibida.',
  resume: 'Retomar',
  startAgain: 'Começar de novo',
  reset: 'Redefinir',
  cannotStart: 'O BELLSCOPE não conseguiu iniciar: {why}',
  cannotStartNoCanvas: 'esta página não tem uma área de desenho (canvas) para a imagem.',
  cannotStartNoInput: 'o navegador não repassa a ele o teclado, o mouse e o toque na tela.',
  cannotStartNoWindow: 'não foi possível abrir a imagem dele nesta página.',
  cannotStartNoMemory: 'não há memória suficiente para a imagem dele.',
  stopped: 'O BELLSCOPE parou: {what}',
  moduleFailed: 'O BELLSCOPE não conseguiu iniciar: o módulo WebAssembly dele não carregou ({what}).',
  noWebAssembly: 'O BELLSCOPE não roda neste navegador: ele precisa de WebAssembly, que este navegador não oferece.',
  viewRefused:
    'A visualização indicada neste endereço não pode ser mostrada ({why}), então o BELLSCOPE inicia normalmente.',
  refusal: '{what}: {why}',
  reasonNotANumber: '“{text}” não é um número',
  reasonTooLarge: '“{text}” é grande demais: no máximo {most}',
  reasonTooSmall: '“{text}” é pequeno demais: no mínimo {least}',
  reasonNotFinite: '“{text}” não é um número finito',
  reasonNoGaussian: 'não existe gaussiana {text}',
  reasonGaussianMissing: 'falta o número de uma gaussiana (de 1 a 4)',
  reasonModeGiven: 'o modo de combinação aparece duas vezes',
  reasonOnGiven: 'a lista de gaussianas ligadas aparece duas vezes',
  reasonSelectGiven: 'a gaussiana selecionada aparece duas vezes',
  reasonNamesGiven: 'a escolha de nomes aparece duas vezes',
  reasonUGiven: 'o u da gaussiana {gaussian} aparece duas vezes',
  reasonSigmaGiven: 'o sigma da gaussiana {gaussian} aparece duas vezes',
  reasonLessonGiven: 'a atividade aparece duas vezes',
  reasonChallengeGiven: 'o desafio aparece duas vezes',
  reasonLanguageGiven: 'o idioma aparece duas vezes',
  reasonUnknownNames: 'names só aceita {choices}',
  reasonUnknownParameter: 'parâmetro desconhecido (o BELLSCOPE conhece {known})',
  reasonParameterNameMissing: 'falta o nome do parâmetro',
  reasonParameterValueMissing: 'falta um valor, como em {text}=...',
  reasonRecalcValue: 'recalc não leva valor',
  reasonBadPercent: 'código com % malformado',
  reasonParameterTooLong: 'o parâmetro é longo demais',
  reasonAddressTooLong: 'o endereço é longo demais: o BELLSCOPE lê no máximo {most} caracteres',
  reasonNotAChallenge: '“{text}” não é um número de desafio: use só algarismos, de 0 a {most}',
  reasonChallengeTooLarge: '“{text}” é grande demais para um número de desafio (no máximo {most})',
  reasonNotATrack: '“{text}” não é um número de trajeto: use só algarismos, de 0 a {most}',
  reasonTrackTooLarge: '“{text}” é grande demais para um número de trajeto (no máximo {most})',
  reasonNotWhole: '“{text}” não é um número inteiro',
  reasonTruthChoice: 'truth é each ou end',
  reasonSettingGiven: '{text} já foi dado',
  reasonSettingWithoutTrack: '{text} pertence a um trajeto: informe também track=NÚMERO',

  pictureName: 'BELLSCOPE: curvas gaussianas e seu produto (descritas em texto abaixo dos controles)',
  controlsName: 'Controles do BELLSCOPE',
  onOffGroup: 'Liga/desliga',
  gaussianName: 'Gaussiana {n}',
  namesGroup: 'Nomes',
  namesGaussians: 'Gaussianas 1-4',
  namesBayes: 'A priori e medições',
  namesSensors: 'Sensores',
  bayesPrior: 'A priori',
  bayesMeasurement: 'Medição {m}',
  bayesPriorShort: 'A priori',
  bayesMeasurementShort: 'M{m}',
  sensorName: 'Sensor {letter}',
  sensorShort: '{letter}',
  productGaussians: 'o produto',
  productBayes: 'a curva a posteriori',
  productSensors: 'a estimativa combinada',
  productTrack: 'a crença atualizada',
  productLabelGaussians: 'Curva combinada',
  productLabelBayes: 'A posteriori',
  productLabelSensors: 'Estimativa combinada',
  productLabelTrack: 'Crença atualizada',
  productColourWhite: 'branca',
  productColourBlack: 'preta',
  selectGroup: 'Selecionar',
  selectPrevious: 'Anterior',
  selectPreviousName: 'Selecionar a gaussiana anterior',
  selectNext: 'Próxima',
  selectNextName: 'Selecionar a próxima gaussiana',
  meanGroup: 'Média u',
  meanLeft: 'Esquerda',
  meanLeftName: 'Mover a média para a esquerda',
  meanRight: 'Direita',
  meanRightName: 'Mover a média para a direita',
  sigmaGroup: 'Sigma',
  narrower: 'Mais estreita',
  wider: 'Mais larga',
  modeUnknown: 'Modo de combinação',
  modePointByPoint: 'Multiplicação ponto a ponto',
  modeRecalculation: 'Recálculo de parâmetros',
  modeName: 'Modo de combinação: {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}: {why}',
  copyLink: 'Copiar link',
  savePicture: 'Salvar imagem',
  linkField: 'Link para esta visualização',
  savedInFrame:
    'Se nada foi baixado, a página que contém o BELLSCOPE não permite downloads: salve a imagem abaixo ' +
    '(clique nela com o botão direito ou toque e segure).',
  savedPictureName: 'A imagem a ser salva: o quadro exibido quando “Salvar imagem” foi pressionado',
  closePictureName: 'Fechar a imagem',
  closeLink: 'Fechar',
  closeLinkName: 'Fechar o link',
  copied: 'Copiado.',
  copyRefused: 'O navegador não permitiu copiar: copie o link do campo.',
  copyUnavailable: 'Este navegador não consegue copiar sozinho: copie o link do campo.',
  copyForbidden: 'A página que contém o BELLSCOPE não permite copiar: copie o link do campo.',
  coloursGroup: 'Cores',
  coloursDesign: 'Cores originais',
  coloursSafe: 'Seguras para daltônicos',
  coloursLight: 'Fundo claro, para projetores',
  notRemembered: 'Esta página não pode guardar dados neste navegador, então a escolha vale até ela ser fechada.',

  wordsHeading: 'O que a imagem mostra',
  starting: 'O BELLSCOPE está iniciando.',
  on: 'ligada',
  off: 'desligada',
  wordsGaussian: '{name}: curva {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: curva {state}, u = {u}, sigma = {sigma} (selecionada)',
  wordsMode: 'Modo de combinação: {mode}',
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  wordsCombinedExact: '{label}: u = {u}, sigma = {sigma} (exatamente {exactU} e {exactSigma})',
  wordsCombinedFlat: '{label}: u = {u}, sigma = {sigma} (dividir por sigma 0 não dá nenhum u: a imagem mostra 0)',
  wordsCombinedNone: '{label}: nenhuma, pois nenhuma gaussiana está ligada',
  toldOn: '{name}: curva ligada',
  toldOff: '{name}: curva desligada',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name}: curva selecionada',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: nenhuma',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Como a curva {productColour} é obtida',
  workingIntro:
    'O produto de curvas em sino é uma curva em sino. Sua **precisão** 1/σ² (quanto mais estreita a curva, ' +
    'maior) é a soma das precisões delas; sua média é a média das médias ponderada pelas precisões, por isso ' +
    'fica mais perto das mais estreitas; e o produto ponto a ponto tem o pico abaixo de 1, numa altura que ' +
    'mostra o quanto as curvas concordam. O BELLSCOPE multiplica em ordem: {first} por {second}, depois por ' +
    '{third}, e assim por diante. Com os números mostrados agora:',
  workingNone: 'Nenhuma gaussiana está ligada, então não há nada para multiplicar.',
  workingFlat:
    '{name} tem sigma 0: essa curva vale 0 em todos os pontos, menos na sua média (u = {u}), onde o pico ' +
    'continua valendo 1. Então {product} também vale 0 em todos os pontos, menos em u = {u}, onde vale o ' +
    'produto das outras curvas nesse ponto: {height}.',
  workingFlatAlone:
    '{name} tem sigma 0: essa curva vale 0 em todos os pontos, menos na sua média (u = {u}), onde o pico ' +
    'continua valendo 1. É a única curva ligada, então {product} é igual a ela: 0 em todos os pontos, menos ' +
    'em u = {u}, onde vale 1.',
  workingFlatApart:
    '{name} e {other} têm sigma 0 em médias diferentes (u = {u} e u = {otherU}): cada curva vale 0 onde a ' +
    'outra tem o pico, então {product} vale 0 em todos os pontos.',
  workingFlatDrawn:
    'Um único ponto não tem largura, então a imagem desenha a curva {productColour} plana, rente à base do gráfico, ' +
    'inclusive nessa média.',
  workingGaussian: '{name}: u = {u}; σ = {sigma}; precisão',
  workingGaussianRead: '{name}: u = {u}; sigma = {sigma}; precisão, 1 sobre sigma ao quadrado, igual a {precision}.',
  workingNegative:
    'Um sigma negativo é tomado em valor absoluto: {name} tem a mesma largura que teria com sigma positivo.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: as precisões {before} e {precision} somam {total}; então sigma = {sigma}, e a média ponderada ' +
    'pelas precisões é u = {u}.',
  workingResult: 'A curva {productColour} é {product}: u\u00a0=\u00a0{u}; sigma\u00a0=\u00a0{sigma}.',
  workingHeight: 'Sua altura, ponto a ponto:',
  workingHeightRead: 'Ponto a ponto, {product} chega a uma altura de {height}.',
  workingHeightUnknown: 'Sua altura, ponto a ponto, está além do que os números usados aqui conseguem representar.',
  agree: 'As curvas concordam: {product} mantém {percent} da altura.',
  partlyAgree: 'As curvas concordam em parte: {product} mantém {percent} da altura.',
  hardlyAgree: 'As curvas quase não concordam: {percent}.',
  lessThan: 'menos de {value}',
  heightBelow: 'menos de {value}',
  workingTruncated:
    'A imagem mostra só números inteiros, truncando as casas decimais ({exact} aparece como {shown}), e, no ' +
    'Recálculo de parâmetros, parte de uma curva tão larga que é plana em todo o gráfico, o que altera as ' +
    'últimas casas decimais: os números aqui são exatos, com quatro algarismos significativos.',
  tooLarge: 'grande demais para calcular',
  wordsHeight: 'Altura que {product} atinge: {height}. {agreement}',
  toldHeight: '{product} chega a {height}',

  lessonsGroup: 'Atividades',
  lessonNone: 'Explorar livremente',
  lessonUnknown: 'Não existe atividade chamada “{name}”, então o BELLSCOPE inicia normalmente.',
  lessonRefused:
    'A atividade indicada neste endereço não pode ser aberta ({why}), então o BELLSCOPE inicia normalmente.',
  lessonViewLeftOut:
    'A visão indicada com a lição ({view}) deveria alterar a visão dessa lição, então também fica de fora.',
  lesson_equal: 'Duas curvas iguais',
  lesson_equal_question:
    'As duas curvas têm a mesma largura. Onde fica a curva {productColour}, e quanto ela é mais estreita que as duas? ' +
    'Mova uma delas com “{left}” e “{right}” (ou as teclas ← e →) e confira com os cálculos abaixo.',
  'lesson_wide-narrow': 'Uma curva larga e uma estreita',
  'lesson_wide-narrow_question':
    'Uma curva é larga, e a outra, estreita. A curva {productColour} fica mais perto da larga ou da estreita? A ' +
    'estreita está selecionada: mova-a com “{left}” e “{right}” (ou as teclas ← e →) e observe.',
  'lesson_far-apart': 'Duas curvas bem separadas',
  'lesson_far-apart_question':
    'As curvas quase não se sobrepõem, e o produto ponto a ponto delas é quase plano. Aproxime a gaussiana 2 ' +
    'com “{left}” (ou a tecla ←) e depois afaste-a de novo com “{right}”. O que acontece com a altura do ' +
    'produto, e o que isso diz sobre as duas curvas?',
  'lesson_same-mean': 'A mesma média',
  'lesson_same-mean_question':
    'As duas curvas têm o pico no mesmo lugar. Onde fica o pico do produto, e qual é a altura dele, em cada ' +
    'modo? Troque de modo com o botão do modo, “{mode}” (ou a tecla Enter), e compare.',
  lesson_kalman: 'Uma curva a priori e uma medição',
  lesson_kalman_question:
    'Isto é uma atualização do filtro de Kalman. A curva a posteriori fica mais perto da curva a priori ou da ' +
    'medição? Por quê? A medição está selecionada: deixe-a menos precisa com “{wider}” (ou arrastando com o ' +
    'botão direito) e observe a curva a posteriori.',
  'lesson_three-measurements': 'Uma curva a priori e três medições',
  'lesson_three-measurements_question':
    'Só a curva a priori está ligada. Ligue as medições uma de cada vez com os botões 2, 3 e 4 (ou F2, F3 e ' +
    'F4) e acompanhe os cálculos abaixo: como as precisões se somam, passo a passo?',
  'lesson_wide-prior': 'Uma curva a priori muito larga',
  'lesson_wide-prior_question':
    'A curva a priori é muito larga: ela diz pouco sobre onde está o valor. Quanto ela afasta a curva a ' +
    'posteriori da medição? Compare os valores de u das duas nos cálculos abaixo, depois estreite a curva a ' +
    'priori com “{narrower}” e observe de novo.',
  'lesson_sigma-zero': 'O que o BELLSCOPE faz com sigma 0',
  'lesson_sigma-zero_question':
    'A gaussiana 2 tem sigma 0. O que a imagem mostra, e o que dizem os cálculos? A gaussiana 2 está ' +
    'selecionada: alargue-a um pouco com “{wider}” (ou arrastando com o botão direito).',
  lesson_sensors: 'Três sensores',
  lesson_sensors_question:
    'Três sensores medem a mesma distância. Em qual deles a estimativa combinada mais confia, e por quê? ' +
    'Escolha um sensor com “{previous}” e “{next}” (ou as teclas ↑ e ↓), mova-o com “{left}” e “{right}” e ' +
    'veja qual deles puxa mais a estimativa.',
  'lesson_track-good-sensor': 'Rastreamento: um sensor bom',
  'lesson_track-good-sensor_question':
    'O sensor é bom (r = 10). Aperte “Prever” e “Atualizar” algumas vezes: qual é o tamanho do ganho K, e quão de perto a crença segue as medições?',
  'lesson_track-poor-sensor': 'Rastreamento: um sensor ruim',
  'lesson_track-poor-sensor_question':
    'O mesmo percurso com um sensor ruim (r = 120). Avance passo a passo: por que o ganho K agora é pequeno, e o que a estimativa faz quando uma medição sai muito longe?',
  'lesson_track-no-noise': 'Rastreamento: sem ruído de processo',
  'lesson_track-no-noise_question':
    'Com q = 0, o filtro confia totalmente no seu modelo: espera que o percurso ande exatamente v = 30 por passo, mas na verdade ele anda 36. Execute-o e observe o ganho K na tabela: por que ele cai para 0, e o que acontece com a estimativa em relação à posição real?',
  'lesson_track-wrong-velocity': 'Rastreamento: uma velocidade errada',
  'lesson_track-wrong-velocity_question':
    'O filtro supõe que o percurso está parado (v = 0), mas ele anda 30 a cada passo. Execute-o: onde fica a estimativa em relação à posição real, e para que lado cada atualização a puxa?',

  challenge: 'Desafio',
  challengeGroup: 'Desafio: preveja o produto',
  check: 'Conferir',
  nextRound: 'Próxima rodada',
  leaveChallenge: 'Sair do desafio',
  guessName: 'Seu palpite',
  challengeRound:
    'Rodada {round} de {rounds}: o produto está oculto. Leve seu palpite (a linha “Your guess” da imagem) até onde ' +
    'você acha que o produto está, com a largura que acha que ele tem, e pressione “Conferir”.',
  challengeShown: 'Rodada {round} de {rounds}: a curva {productColour} é o produto, ao lado do seu palpite.',
  guessKept:
    'Conferido: seu palpite fica onde estava, ao lado do produto, e os botões e campos dele ficam desativados ' +
    'até a próxima rodada.',
  curvesFixed:
    'As curvas da rodada ficam como estão: os botões de liga/desliga, “{previous}” e “{next}” esperam até você sair do desafio.',
  challengeMeasure:
    'A pontuação é 100 vezes a área comum ao seu palpite e ao produto, cada um tomado como curva em sino de ' +
    'área 1: 100 para curvas iguais, 0 para curvas que não se sobrepõem.',
  challengeScore: 'Pontuação: {score} de 100. {u} {sigma}',
  challengeURight: 'Seu u está certo: {answer}.',
  challengeUBelow: 'Seu u está {off} à esquerda do u do produto ({guess} em vez de {answer}).',
  challengeUAbove: 'Seu u está {off} à direita do u do produto ({guess} em vez de {answer}).',
  challengeSigmaRight: 'Seu sigma está certo: {answer}.',
  challengeSigmaBelow: 'Seu sigma é {off} menor que o do produto ({guess} em vez de {answer}): curva estreita demais.',
  challengeSigmaAbove: 'Seu sigma é {off} maior que o do produto ({guess} em vez de {answer}): curva larga demais.',
  challengeOver:
    'Desafio encerrado: {total} de {most} pontos. O botão “Desafio” começa um novo; “Copiar link” dá o link deste, ' +
    'para que outras pessoas tentem as mesmas rodadas.',
  challengeNoGuess:
    'Primeiro posicione seu palpite: ele ainda está na posição em que toda rodada começa. Mova-o para onde você ' +
    'acha que o produto está.',
  challengeBadSigma:
    'Seu palpite tem sigma {sigma}: uma curva em sino precisa de sigma maior que 0. Alargue-o e pressione ' +
    '“Conferir”.',
  challengeChecked: 'Esta rodada já foi conferida: pressione “Próxima rodada” para continuar.',
  challengeLeft:
    'Você saiu do desafio na rodada {round} de {rounds}, com {total} de {most} pontos. O botão “Desafio” começa um novo.',
  challengeRefused: 'O desafio indicado neste endereço não pode começar ({why}), então o BELLSCOPE inicia normalmente.',
  challengeAndLesson:
    'Este endereço indica uma atividade e um desafio: o desafio tem prioridade, então a atividade fica de fora.',
  challengeAndView:
    'Este endereço indica um desafio e uma visualização: um desafio mostra as próprias rodadas, então a ' +
    'visualização ({view}) fica de fora.',
  challengeAndTrack:
    'Este endereço indica um desafio e um percurso: o desafio vem primeiro, então o percurso fica de fora.',
  trackRefused: 'O percurso deste endereço não pode ser iniciado ({why}), então o BELLSCOPE começa como de costume.',
  trackAndView:
    'Este endereço indica um percurso e uma visualização: um percurso mostra as próprias curvas, então a visualização ({view}) fica de fora.',
  trackAndLesson: 'Este endereço indica uma lição e um percurso: o percurso vem primeiro, então a lição fica de fora.',
  wordsGuess: 'Seu palpite: u = {u}, sigma = {sigma} (selecionado)',
  toldGuessU: 'palpite u {u}',
  toldGuessSigma: 'palpite sigma {sigma}',
  workingHidden: 'Oculto até você pressionar “Conferir”: primeiro, tente calcular por conta própria.',
  listeningCurves:
    'Tocando {curves}: mais agudo onde a curva é mais alta, da esquerda para a direita. O produto está oculto.',

  track: 'Rastreamento',
  trackGroup: 'Rastreamento: um filtro de Kalman acompanha um percurso',
  trackPredict: 'Prever',
  trackUpdate: 'Atualizar',
  leaveTrack: 'Sair do rastreamento',
  trackRun: 'Executar',
  trackFieldQ: 'Ruído de processo q',
  trackFieldR: 'Ruído do sensor r',
  trackFieldV: 'Velocidade do filtro v',
  trackBeliefName: 'Crença',
  trackMeasurementName: 'Medição',
  trackStepStart: 'Percurso {seed}, passo 0 de {steps}: a crença está onde o filtro acha que o percurso começa.',
  trackStepPredict: 'Passo {step} de {steps}: previsão. A curva pontilhada é a crença antes deste passo.',
  trackStepUpdate:
    'Passo {step} de {steps}: atualização, K = {gain}. A curva {productColour} é a crença multiplicada pela medição.',
  trackSaidStart: 'O percurso começa: a crença está em u = {u}, com sigma {sigma}.',
  trackSaidRight: 'Previsão: a crença andou {distance} para a direita e se alargou de sigma {from} para {to}.',
  trackSaidLeft: 'Previsão: a crença andou {distance} para a esquerda e se alargou de sigma {from} para {to}.',
  trackSaidStill: 'Previsão: a crença ficou em u = {u} e se alargou de sigma {from} para {to}.',
  trackSaidNoNoise: 'Previsão: a crença foi para u = {u}; sem ruído de processo (q = 0), seu sigma ficou em {sigma}.',
  trackSaidUpdate:
    'Atualização: a medição deu {z}; com K = {gain}, a crença foi para u = {u} e se estreitou para sigma {sigma}.',
  trackSaidTruth: 'A posição real era {truth}.',
  trackSaidTruths: 'O percurso terminou: agora as posições reais aparecem, abaixo do eixo e na tabela.',
  trackPredictNext: 'Agora é a vez de Prever: a crença avança um passo antes de a próxima medição entrar.',
  trackUpdateNext: 'Agora é a vez de Atualizar: este passo já foi previsto, e falta incorporar a medição dele.',
  trackOver: 'O percurso terminou: Redefinir refaz tudo desde o início, e Sair do rastreamento volta às curvas.',
  trackCurvesFixed:
    'As curvas são as do filtro: os botões delas e os campos u e sigma ficam inativos até você sair do rastreamento.',
  trackMarks: 'Sob o eixo da imagem, cada | marca uma estimativa até agora e cada △ uma posição real já mostrada.',
  trackLeft: 'Você saiu do rastreamento no passo {step} de {steps}. Rastreamento começa um percurso novo.',
  trackStepsHeading: 'Os passos do percurso',
  trackTable: 'Percurso {seed}: previsão, medição, ganho e atualização de cada passo',
  trackColumnStep: 'Passo',
  trackColumnPredicted: 'Crença prevista',
  trackColumnMeasurement: 'Medição z',
  trackColumnGain: 'Ganho K',
  trackColumnUpdated: 'Crença atualizada',
  trackColumnTruth: 'Posição real',
  trackBelief: 'u = {u}; sigma = {sigma}',
  trackNotYet: 'ainda não',
  trackPlotName: 'Gráfico do percurso: posição por passo',
  trackPlotEstimate: 'estimativa, com sua faixa de ± sigma',
  trackPlotMeasurement: 'medição',
  trackPlotTruth: 'posição real.',
  trackWorkingStart: 'O percurso começa: a crença é u = {u}, sigma = {sigma}. Prever a faz avançar.',
  trackWorkingPredict: 'Prever: as variâncias se somam (a soma da crença com um passo de ruído q = {q}):',
  trackWorkingMoved: 'e a crença se desloca v = {v}:',
  trackWorkingUpdate: 'Atualizar: as precisões se somam (o produto da crença pela medição):',
  trackWorkingGain: 'O ganho K é o peso da medição:',
  trackWorkingMean: 'e a média do produto é a mesma média ponderada:',

  aboutHeading: 'Sobre a imagem',
  aboutCurves:
    'Cada curva colorida é uma gaussiana, uma curva em sino: sua média `u` é a coluna onde fica o pico, e seu ' +
    '`sigma` diz o quanto ela é larga. A curva {productColour} combina as gaussianas ligadas.',
  aboutProduct:
    'Na **Multiplicação ponto a ponto**, a curva {productColour} é o produto das curvas, coluna por coluna. É de novo ' +
    'uma curva em sino, mais estreita que cada uma delas e situada entre elas, mais perto da mais estreita. ' +
    'Seu pico fica abaixo de 1: cada curva vale no máximo 1, e onde uma tem o pico a outra já está caindo, ' +
    'então o produto só chega a 1 se as médias forem iguais.',
  aboutRecalculation:
    'No **Recálculo de parâmetros**, o BELLSCOPE calcula a média e o sigma desse produto por uma fórmula e ' +
    'desenha com eles uma gaussiana nova, com pico em 1. Ela fica no mesmo lugar e tem a mesma largura que o ' +
    'produto; só a altura muda. A imagem então mostra o `u` e o `sigma` combinados.',
  controlsHeading: 'Controles',
  keyboardHelp: 'Atalhos de teclado',
  listen: 'Ouvir',
  listening: 'Tocando {curves}, depois {product}: mais agudo onde a curva é mais alta, da esquerda para a direita.',
  listeningProduct: 'Tocando {product}: mais agudo onde a curva é mais alta, da esquerda para a direita.',
  helpIntro:
    'Todas as teclas que o BELLSCOPE reconhece e os botões que fazem o mesmo. **?** abre esta ajuda onde quer que esteja o foco, exceto em um campo de texto; Esc fecha.',
  controlsInput: 'Tecla, mouse, toque ou botão',
  controlsAction: 'O que faz',
  keysOnOff: 'F1, F2, F3, F4 ou os botões 1 a 4',
  doesOnOff: 'liga ou desliga a gaussiana 1, 2, 3 ou 4',
  keysSelect: '↑, ↓ ou os botões Anterior e Próxima',
  doesSelect: 'seleciona outra gaussiana (o marcador `<--` e o botão sublinhado mostram qual)',
  keysMean: '←, → ou os botões Esquerda e Direita (segure para repetir)',
  doesMean: 'move a média da gaussiana selecionada em uma coluna',
  keysMeanFast: 'Shift+←, Shift+→',
  doesMeanFast: 'move a média em dez colunas',
  keysFollow: 'botão esquerdo do mouse (mantido pressionado) ou um dedo',
  doesFollow: 'a média da gaussiana selecionada segue o ponteiro',
  keysWidth:
    'botão direito do mouse (arrastando), dois dedos afastados, aproximados ou arrastados para o lado, ou os botões Mais estreita e Mais ' +
    'larga (segure para repetir)',
  doesWidth: 'alarga ou estreita a gaussiana selecionada',
  keysMode: 'Enter ou o botão do modo de combinação',
  doesMode: 'alterna entre Multiplicação ponto a ponto e Recálculo de parâmetros',
  keysQuit: 'Esc',
  doesQuit:
    'encerra o BELLSCOPE; depois, “Retomar” traz a imagem de volta como estava, e “Começar de novo” recomeça do zero. Enquanto “Ouvir” toca, Esc só interrompe o som, e no campo u ou sigma só devolve o valor mostrado',
  keysReset: 'o botão Redefinir',
  doesReset:
    'volta ao início da atividade ou da visualização indicada no endereço (ou à visualização inicial), sem ' +
    'encerrar',
  keysTrack: 'P e U, ou Prever e Atualizar, no Rastreamento',
  doesTrack: 'prever e atualizar, meio passo do percurso de cada vez',
  controlsNote:
    'Os botões também funcionam com Tab e Enter ou a barra de espaço; enquanto um botão está em foco, Enter e ' +
    'a barra de espaço o acionam, e qualquer outra tecla continua indo para o BELLSCOPE. Em **Cores**, ' +
    '“Seguras para daltônicos” desenha as quatro gaussianas em cores que continuam distintas para quem tem ' +
    'daltonismo, e “Fundo claro, para projetores” desenha curvas e texto escuros sobre branco, para salas ' +
    'claras; este navegador lembra a escolha.',
};
