'use strict';
/* global TEXTS */

// Os textos da página em português do Brasil (traduzidos com ajuda de uma máquina).
TEXTS['pt-BR'] = {
  title: 'BELLSCOPE: produtos de curvas gaussianas',
  languageGroup: 'Idioma (Language)',
  languageUnavailable: 'Não foi possível carregar {language}; a página continua em {current}.',
  languageRefused:
    'O idioma neste endereço não pode ser usado ({why}), então a página escolhe o idioma como de costume.',
  pictureLabels:
    'A imagem é desenhada como o BELLSCOPE foi projetado, e seus rótulos ficam em inglês: cada número dela ' +
    'também está nas palavras abaixo dos controles.',

  loading: 'Carregando o BELLSCOPE...',
  updated: 'Atualizado',
  ended: 'O BELLSCOPE terminou',
  endedTold: 'Terminado com Esc. Retomar traz a imagem de volta como estava; Começar de novo começa do zero.',
  endedRest:
    'Até você retomar ou começar de novo, os controles que mudam a imagem ficam desativados; Copiar link, Salvar imagem, Ouvir, Nomes, Cores e Idioma continuam funcionando com a imagem mostrada.',
  resume: 'Retomar',
  startAgain: 'Começar de novo',
  reset: 'Redefinir',
  cannotStart: 'O BELLSCOPE não pôde iniciar: {why}',
  cannotStartNoCanvas: 'esta página não tem uma área de desenho (canvas) para a imagem.',
  cannotStartNoInput: 'o navegador não repassa a ele o teclado, o mouse e o toque na tela.',
  cannotStartNoWindow: 'não foi possível abrir a imagem dele nesta página.',
  cannotStartNoMemory: 'não há memória suficiente para a imagem dele.',
  stopped: 'O BELLSCOPE parou: {what}',
  moduleFailed: 'O BELLSCOPE não pôde iniciar: seu módulo WebAssembly não carregou ({what}).',
  noWebAssembly: 'O BELLSCOPE não roda neste navegador: ele precisa de WebAssembly, que este navegador não oferece.',
  viewRefused: 'A visão neste endereço não pode ser mostrada ({why}), então o BELLSCOPE inicia como de costume.',
  refusal: '{what}: {why}',
  reasonNotANumber: '“{text}” não é um número',
  reasonTooLarge: '“{text}” é grande demais: no máximo {most}',
  reasonTooSmall: '“{text}” é pequeno demais: no mínimo {least}',
  reasonNotFinite: '“{text}” não é um número finito',
  reasonNoGaussian: 'não existe Gaussiana {text}',
  reasonGaussianMissing: 'falta o número de uma Gaussiana (de 1 a 4)',
  reasonModeGiven: 'o modo de combinação aparece duas vezes',
  reasonOnGiven: 'a lista de Gaussianas ligadas aparece duas vezes',
  reasonSelectGiven: 'a Gaussiana selecionada aparece duas vezes',
  reasonNamesGiven: 'a escolha de nomes aparece duas vezes',
  reasonUGiven: 'o u da Gaussiana {gaussian} aparece duas vezes',
  reasonSigmaGiven: 'o sigma da Gaussiana {gaussian} aparece duas vezes',
  reasonLessonGiven: 'a lição aparece duas vezes',
  reasonChallengeGiven: 'o desafio aparece duas vezes',
  reasonLanguageGiven: 'o idioma aparece duas vezes',
  reasonUnknownNames: 'names só aceita {choices}',
  reasonUnknownParameter: 'parâmetro desconhecido (o BELLSCOPE conhece {known})',
  reasonParameterNameMissing: 'falta o nome do parâmetro',
  reasonParameterValueMissing: 'falta um valor, como em {text}=...',
  reasonRecalcValue: 'recalc não leva valor',
  reasonBadPercent: 'um código com % está malformado',
  reasonParameterTooLong: 'o parâmetro é longo demais',
  reasonAddressTooLong: 'o endereço é longo demais: o BELLSCOPE lê no máximo {most} caracteres',
  reasonNotAChallenge: '“{text}” não é um número de desafio: use só algarismos, de 0 a {most}',
  reasonChallengeTooLarge: '“{text}” é grande demais para um número de desafio (no máximo {most})',

  pictureName: 'BELLSCOPE: curvas gaussianas e seu produto (descritas em palavras abaixo dos controles)',
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
  productBayes: 'a posteriori',
  productSensors: 'a estimativa fundida',
  productLabelGaussians: 'Combinada',
  productLabelBayes: 'A posteriori',
  productLabelSensors: 'Estimativa fundida',
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
  linkField: 'Link para esta visão',
  savedInFrame:
    'Se nada foi baixado, a página em volta do BELLSCOPE não permite downloads: salve a imagem abaixo ' +
    '(clique com o botão direito ou toque longo).',
  savedPictureName: 'A imagem para salvar: o quadro mostrado quando Salvar imagem foi pressionado',
  closePictureName: 'Fechar a imagem',
  closeLink: 'Fechar',
  closeLinkName: 'Fechar o link',
  copied: 'Copiado.',
  copyRefused: 'O navegador não permitiu copiar: copie o link do campo.',
  copyUnavailable: 'Este navegador não consegue copiar sozinho: copie o link do campo.',
  copyForbidden: 'A página em volta do BELLSCOPE não permite copiar: copie o link do campo.',
  coloursGroup: 'Cores',
  coloursDesign: 'Projeto',
  coloursSafe: 'Seguras para daltônicos',
  coloursLight: 'Claras, para projetores',
  notRemembered: 'Esta página não pode guardar nada aqui, então a escolha dura até ela ser fechada.',

  wordsHeading: 'O que a imagem mostra',
  starting: 'O BELLSCOPE está iniciando.',
  on: 'ligada',
  off: 'desligada',
  wordsGaussian: '{name}: {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}, u = {u}, sigma = {sigma} (selecionada)',
  wordsMode: 'Modo de combinação: {mode}',
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  wordsCombinedNone: '{label}: nenhuma, pois nenhuma gaussiana está ligada',
  toldOn: '{name} ligada',
  toldOff: '{name} desligada',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} selecionada',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: nenhuma',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'Como a curva {productColour} é feita',
  workingIntro:
    'Multiplicar curvas em sino dá uma curva em sino. Sua **precisão** 1/σ² (quanto mais estreita, maior) é a ' +
    'soma das delas; sua média é a média das médias ponderada pelas precisões, então fica mais perto das mais ' +
    'estreitas; e o produto ponto a ponto tem seu pico abaixo de 1, numa altura que diz o quanto as curvas ' +
    'concordam. O BELLSCOPE multiplica em ordem, a gaussiana 1 pela 2, depois pela 3, e assim por diante; com ' +
    'os números mostrados agora:',
  workingNone: 'Nenhuma gaussiana está ligada, então não há nada para multiplicar.',
  workingFlat:
    '{name} tem sigma 0: essa curva vale 0 em todo lugar exceto na sua média (u = {u}), onde seu pico continua ' +
    'valendo 1. Então {product} vale 0 em todo lugar exceto em u = {u}, onde vale o produto das outras curvas ' +
    'nesse ponto: {height}.',
  workingFlatAlone:
    '{name} tem sigma 0: essa curva vale 0 em todo lugar exceto na sua média (u = {u}), onde seu pico continua ' +
    'valendo 1. É a única curva ligada, então {product} é igual: 0 em todo lugar exceto em u = {u}, onde vale ' +
    '1.',
  workingFlatApart:
    '{name} e {other} têm sigma 0 em médias diferentes (u = {u} e u = {otherU}): cada uma vale 0 onde a outra ' +
    'tem seu pico, então {product} vale 0 em todo lugar.',
  workingFlatDrawn:
    'Um único ponto não tem largura, então a imagem desenha a curva {productColour} achatada ao longo da borda de ' +
    'baixo, também nessa média.',
  workingGaussian: '{name}: u = {u}; σ = {sigma}; precisão',
  workingGaussianRead: '{name}: u = {u}; sigma = {sigma}; precisão, 1 sobre sigma ao quadrado, = {precision}.',
  workingNegative: 'Um sigma negativo conta pelo seu tamanho: {name} é tão larga quanto se fosse positivo.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: as precisões {before} e {precision} somam {total}; então sigma = {sigma}; a média ponderada ' +
    'pelas precisões é u = {u}.',
  workingResult: 'A curva {productColour} é {product}: u = {u}; sigma = {sigma}.',
  workingHeight: 'Sua altura, ponto a ponto:',
  workingHeightRead: 'Ponto a ponto, {product} tem pico em {height}.',
  workingHeightUnknown: 'Sua altura, ponto a ponto, vai além do que os números aqui conseguem guardar.',
  agree: 'As curvas concordam: {product} mantém {percent} da sua altura.',
  partlyAgree: 'As curvas concordam em parte: {product} mantém {percent} da sua altura.',
  hardlyAgree: 'Elas mal concordam: {percent}.',
  lessThan: 'menos de {value}',
  workingTruncated:
    'A imagem escreve números inteiros, cortando os decimais ({exact} aparece como {shown}), e seu recálculo de ' +
    'parâmetros parte de uma curva tão larga que é plana em todo o gráfico, o que mexe nos últimos decimais: ' +
    'os números aqui são exatos, com quatro algarismos.',
  tooLarge: 'grande demais para calcular',
  wordsHeight: 'Altura que {product} atinge: {height}. {agreement}',
  toldHeight: '{product} chega a {height}',

  lessonsGroup: 'Lições',
  lessonNone: 'Explorar livremente',
  lessonUnknown: 'Não há lição chamada “{name}”, então o BELLSCOPE inicia como de costume.',
  lessonRefused: 'A lição neste endereço não pode ser aberta ({why}), então o BELLSCOPE inicia como de costume.',
  lessonViewLeftOut:
    'A visão indicada com a lição ({view}) deveria alterar a visão dessa lição, então também fica de fora.',
  lesson_equal: 'Duas curvas iguais',
  lesson_equal_question:
    'As duas curvas são igualmente largas. Onde fica a curva {productColour}, e quanto mais estreita ela é? Mova uma ' +
    'delas com “{left}” e “{right}” (ou as setas para a esquerda e para a direita) e confira com o cálculo ' +
    'abaixo.',
  'lesson_wide-narrow': 'Uma curva larga e uma estreita',
  'lesson_wide-narrow_question':
    'Uma curva é larga, a outra estreita. A curva {productColour} fica mais perto da larga ou da estreita? A estreita ' +
    'está selecionada: mova-a com “{left}” e “{right}” (ou as setas para a esquerda e para a direita) e ' +
    'observe.',
  'lesson_far-apart': 'Duas curvas bem separadas',
  'lesson_far-apart_question':
    'As curvas mal se sobrepõem, e o produto ponto a ponto delas é quase plano. Aproxime a gaussiana 2 com ' +
    '“{left}” (ou a seta para a esquerda) e depois afaste-a de novo com “{right}”. O que acontece com a ' +
    'altura do produto, e o que isso diz sobre as duas curvas?',
  'lesson_same-mean': 'A mesma média',
  'lesson_same-mean_question':
    'As duas curvas têm o pico no mesmo lugar. Onde fica o pico do produto, e qual é a altura dele, em cada ' +
    'modo? Troque de modo com o botão do modo, “{mode}” (ou Enter), e compare.',
  lesson_kalman: 'Uma a priori e uma medição',
  lesson_kalman_question:
    'Isto é uma atualização de Kalman. A posteriori fica mais perto da a priori ou da medição, e por quê? A ' +
    'medição está selecionada: deixe-a menos precisa com “{wider}” (ou arrastando com o botão direito) e ' +
    'observe a posteriori.',
  'lesson_three-measurements': 'Uma a priori e três medições',
  'lesson_three-measurements_question':
    'Só a a priori está ligada. Ligue as medições uma de cada vez com os botões 2, 3 e 4 (ou F2, F3 e F4) e ' +
    'acompanhe o cálculo abaixo: como as precisões se somam, passo a passo?',
  'lesson_wide-prior': 'Uma a priori muito larga',
  'lesson_wide-prior_question':
    'A a priori é muito larga: ela diz pouco sobre onde está o valor. Quanto ela afasta a posteriori da ' +
    'medição? Compare os dois u no cálculo abaixo, depois estreite a a priori com “{narrower}” e observe de ' +
    'novo.',
  'lesson_sigma-zero': 'O que o BELLSCOPE faz com sigma 0',
  'lesson_sigma-zero_question':
    'A gaussiana 2 tem sigma 0. O que a imagem mostra, e o que o cálculo diz? A gaussiana 2 está ' +
    'selecionada: alargue-a um pouco com “{wider}” (ou arrastando com o botão direito).',
  lesson_sensors: 'Três sensores',
  lesson_sensors_question:
    'Três sensores medem a mesma distância. Em qual deles a estimativa fundida mais confia, e por quê? ' +
    'Escolha um sensor com “{previous}” e “{next}” (ou as setas para cima e para baixo), mova-o com “{left}” ' +
    'e “{right}” e veja qual puxa mais a estimativa.',

  challenge: 'Desafio',
  challengeGroup: 'Desafio: preveja o produto',
  check: 'Conferir',
  nextRound: 'Próxima rodada',
  leaveChallenge: 'Sair do desafio',
  guessName: 'Seu palpite',
  challengeRound:
    'Rodada {round} de {rounds}: o produto está escondido. Mova seu palpite (a linha “Your guess”) para onde ' +
    'você acha que o produto está, tão largo quanto acha que ele é, e pressione Conferir.',
  challengeShown: 'Rodada {round} de {rounds}: a curva {productColour} é o produto, ao lado do seu palpite.',
  guessKept:
    'Conferido: seu palpite fica onde estava, ao lado do produto, e os botões e campos dele esperam a ' +
    'próxima rodada.',
  curvesFixed:
    'As curvas da rodada ficam como estão: os botões de liga/desliga, “{previous}” e “{next}” esperam até você sair do desafio.',
  challengeMeasure:
    'A pontuação é a área que seu palpite e o produto têm em comum quando cada um é uma curva em sino de área ' +
    '1, vezes 100: 100 para a mesma curva, 0 para curvas que não se tocam.',
  challengeScore: 'Pontuação: {score} de 100. {u} {sigma}',
  challengeURight: 'Seu u está certo: {answer}.',
  challengeUBelow: 'Seu u está {off} à esquerda demais ({guess}; o produto tem {answer}).',
  challengeUAbove: 'Seu u está {off} à direita demais ({guess}; o produto tem {answer}).',
  challengeSigmaRight: 'Seu sigma está certo: {answer}.',
  challengeSigmaBelow: 'Seu sigma está {off} estreito demais ({guess}; o produto tem {answer}).',
  challengeSigmaAbove: 'Seu sigma está {off} largo demais ({guess}; o produto tem {answer}).',
  challengeOver:
    'Desafio encerrado: {total} de {most}. Desafio começa um novo; Copiar link passa este adiante, para que ' +
    'outros tentem as mesmas rodadas.',
  challengeNoGuess:
    'Primeiro posicione seu palpite: ele ainda está onde toda rodada começa. Mova-o para onde você acha que o ' +
    'produto está.',
  challengeBadSigma:
    'Seu palpite tem sigma {sigma}: uma curva em sino precisa de sigma acima de 0. Alargue-o e confira.',
  challengeChecked: 'Esta rodada já foi conferida: Próxima rodada continua.',
  challengeLeft:
    'Você saiu do desafio na rodada {round} de {rounds}, com {total} de {most} pontos. Desafio começa outro.',
  challengeRefused: 'O desafio neste endereço não pode começar ({why}), então o BELLSCOPE inicia como de costume.',
  challengeAndLesson:
    'Este endereço indica uma lição e um desafio: o desafio vem primeiro, então a lição fica de fora.',
  challengeAndView:
    'Este endereço indica um desafio e uma visão: um desafio mostra as próprias rodadas, então a visão ' +
    '({view}) fica de fora.',
  wordsGuess: 'Seu palpite: u = {u}, sigma = {sigma} (selecionado)',
  toldGuessU: 'palpite u {u}',
  toldGuessSigma: 'palpite sigma {sigma}',
  workingHidden: 'Escondido até você pressionar Conferir: calcule você mesmo primeiro.',
  listeningCurves:
    'Tocando {curves}: mais agudo onde a curva é mais alta, da esquerda para a direita. O produto está escondido.',

  aboutHeading: 'Sobre a imagem',
  aboutCurves:
    'Cada curva colorida é uma gaussiana, uma curva em sino: sua média `u` é a coluna do seu pico e seu ' +
    '`sigma` diz o quanto ela é larga. A curva {productColour} combina as gaussianas ligadas.',
  aboutProduct:
    'Na **Multiplicação ponto a ponto**, a curva {productColour} é o produto das curvas, coluna por coluna. É de novo ' +
    'uma curva em sino, mais estreita que cada uma delas e entre elas, mais perto da mais estreita. Seu pico ' +
    'fica abaixo de 1: cada curva vale no máximo 1, e onde uma tem o pico a outra já está caindo, então o ' +
    'produto só chega a 1 se as médias forem iguais.',
  aboutRecalculation:
    'No **Recálculo de parâmetros**, o BELLSCOPE calcula a média e o sigma desse produto por uma fórmula e ' +
    'desenha com eles uma gaussiana nova, com pico em 1. Ela fica no mesmo lugar e com a mesma largura do ' +
    'produto; só a altura muda. A imagem então escreve o `u` e o `sigma` combinados.',
  controlsHeading: 'Controles',
  keyboardHelp: 'Ajuda do teclado',
  listen: 'Ouvir',
  listening: 'Tocando {curves}, depois {product}: mais agudo onde a curva é mais alta, da esquerda para a direita.',
  listeningProduct: 'Tocando {product}: mais agudo onde é mais alto, da esquerda para a direita.',
  helpIntro:
    'Todas as teclas que o BELLSCOPE conhece, e os botões que fazem o mesmo. **?** abre isto onde quer que esteja o foco, exceto em um campo de texto; Esc fecha.',
  controlsInput: 'Tecla, mouse, toque ou botão',
  controlsAction: 'O que faz',
  keysOnOff: 'F1, F2, F3, F4, ou os botões 1 a 4',
  doesOnOff: 'liga ou desliga a gaussiana 1, 2, 3, 4',
  keysSelect: 'Para cima, Para baixo, ou Anterior e Próxima',
  doesSelect: 'seleciona outra gaussiana (o marcador `<--` e o botão sublinhado mostram qual)',
  keysMean: 'Esquerda, Direita, ou os botões Esquerda e Direita (segure para repetir)',
  doesMean: 'move a média da gaussiana selecionada uma coluna',
  keysMeanFast: 'Shift+Esquerda, Shift+Direita',
  doesMeanFast: 'move dez colunas',
  keysFollow: 'botão esquerdo do mouse (segurado), ou um dedo',
  doesFollow: 'a média da gaussiana selecionada segue o ponteiro',
  keysWidth:
    'botão direito do mouse (arrastar), dois dedos arrastados para o lado, ou Mais estreita e Mais larga ' +
    '(segure para repetir)',
  doesWidth: 'alarga ou estreita a gaussiana selecionada',
  keysMode: 'Enter, ou o botão do modo de combinação',
  doesMode: 'alterna entre Multiplicação ponto a ponto e Recálculo de parâmetros',
  keysQuit: 'Esc',
  doesQuit:
    'termina o BELLSCOPE; Retomar traz a imagem de volta como estava, e Começar de novo começa do zero. Enquanto Ouvir toca, Esc só para o som, e no campo u ou sigma só devolve o valor mostrado',
  keysReset: 'o botão Redefinir',
  doesReset: 'volta ao início da lição ou da visão que o endereço indica (ou à visão inicial), sem terminar',
  controlsNote:
    'Os botões também funcionam com Tab e Enter ou Espaço; enquanto um botão está em foco, Enter e Espaço o ' +
    'pressionam e qualquer outra tecla continua indo para o BELLSCOPE. Em **Cores**, “Seguras para ' +
    'daltônicos” desenha as quatro gaussianas em cores que continuam distintas para olhos daltônicos, e ' +
    '“Claras, para projetores” desenha curvas e texto escuros sobre branco, para uma sala clara; este ' +
    'navegador lembra a escolha.',
};
