'use strict';
/* global TEXTS */

// 页面的简体中文文字（借助机器翻译）。
TEXTS['zh-CN'] = {
  title: 'BELLSCOPE：高斯曲线的乘积',
  languageGroup: '语言 (Language)',
  languageUnavailable: '无法加载{language}，页面仍使用{current}。',
  pictureLabels: '图片按 BELLSCOPE 的原始设计绘制，其中的标签保留英文：图中的每个数字也都写在控件下方的文字里。',

  loading: '正在加载 BELLSCOPE...',
  updated: '已更新',
  ended: 'BELLSCOPE 已结束',
  endedTold: '已按 Esc 结束。“继续”恢复原来的图片；“重新开始”从头开始。',
  endedRest:
    '在你按“继续”或“重新开始”之前，会改变图片的控件都已停用；“复制链接”“保存图片”“聆听”以及名称、颜色和语言列表仍可用于当前显示的图片。',
  resume: '继续',
  startAgain: '重新开始',
  reset: '重置',
  cannotStart: 'BELLSCOPE 无法启动：{why}',
  stopped: 'BELLSCOPE 已停止：{what}',
  moduleFailed: 'BELLSCOPE 无法启动：其 WebAssembly 模块加载失败（{what}）。',
  noWebAssembly: 'BELLSCOPE 无法在此浏览器中运行：它需要 WebAssembly，而此浏览器不支持。',
  viewRefused: '无法显示此地址中的视图（{why}），因此 BELLSCOPE 照常启动。',

  pictureName: 'BELLSCOPE：高斯曲线及其乘积（在控件下方用文字描述）',
  controlsName: 'BELLSCOPE 控件',
  onOffGroup: '开/关',
  gaussianName: '高斯 {n}',
  namesGroup: '名称',
  namesGaussians: '高斯 1-4',
  namesBayes: '先验与测量',
  namesSensors: '传感器',
  bayesPrior: '先验',
  bayesMeasurement: '测量 {m}',
  bayesPriorShort: '先验',
  bayesMeasurementShort: '测{m}',
  sensorName: '传感器 {letter}',
  sensorShort: '{letter}',
  productGaussians: '乘积',
  productBayes: '后验',
  productSensors: '融合估计',
  productLabelGaussians: '组合结果',
  productLabelBayes: '后验',
  productLabelSensors: '融合估计',
  selectGroup: '选择',
  selectPrevious: '上一个',
  selectPreviousName: '选择上一个高斯',
  selectNext: '下一个',
  selectNextName: '选择下一个高斯',
  meanGroup: '均值 u',
  meanLeft: '向左',
  meanLeftName: '将均值向左移动',
  meanRight: '向右',
  meanRightName: '将均值向右移动',
  sigmaGroup: 'Sigma',
  narrower: '更窄',
  wider: '更宽',
  modeUnknown: '组合方式',
  modePointByPoint: '逐点相乘',
  modeRecalculation: '参数重算',
  modeName: '组合方式：{mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}：{why}',
  copyLink: '复制链接',
  savePicture: '保存图片',
  linkField: '此视图的链接',
  savedInFrame: '如果没有下载任何内容，说明 BELLSCOPE 所在的页面不允许下载：请改为保存下方的图片（右键单击或长按）。',
  savedPictureName: '要保存的图片：按下“保存图片”时显示的画面',
  closePictureName: '关闭图片',
  closeLink: '关闭',
  closeLinkName: '关闭链接',
  copied: '已复制。',
  copyRefused: '浏览器不允许复制：请从输入框中复制链接。',
  copyUnavailable: '此浏览器无法自动复制：请从输入框中复制链接。',
  copyForbidden: 'BELLSCOPE 所在的页面不允许复制：请从输入框中复制链接。',
  coloursGroup: '颜色',
  coloursDesign: '原始设计',
  coloursSafe: '色盲友好',
  coloursLight: '浅色，适合投影',
  notRemembered: '此页面不能在这里保存任何内容，因此该选择只在页面关闭前有效。',

  wordsHeading: '图片显示的内容',
  starting: 'BELLSCOPE 正在启动。',
  on: '开',
  off: '关',
  wordsGaussian: '{name}：{state}，u = {u}，sigma = {sigma}',
  wordsGaussianSelected: '{name}：{state}，u = {u}，sigma = {sigma}（已选中）',
  wordsMode: '组合方式：{mode}',
  wordsCombined: '{label}：u = {u}，sigma = {sigma}',
  wordsCombinedNone: '{label}：无，因为没有打开任何高斯',
  toldOn: '{name} 开',
  toldOff: '{name} 关',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '已选中{name}',
  toldCombined: '{label} u {u}，sigma {sigma}',
  toldCombinedNone: '{label}：无',
  toldBetween: '。',
  toldEnd: '。',

  workingHeading: '白色曲线是怎样得到的',
  workingIntro:
    '钟形曲线相乘仍是钟形曲线。它的**精度** 1/σ²（越窄越大）是各曲线精度之和；它的均值是各均值按精度加权的平均，' +
    '因此更靠近较窄的曲线；逐点乘积的峰值低于 1，其高度表明各曲线的一致程度。BELLSCOPE 按顺序相乘，先高斯 1 乘高斯 ' +
    '2，再乘高斯 3，依此类推；用现在显示的数字：',
  workingNone: '没有打开任何高斯，因此没有可以相乘的内容。',
  workingFlat:
    '{name} 的 sigma 为 0：它除均值 u = {u} 处外处处为 0，而在均值处峰值仍为 1。因此{product}除 u = {u} 处外也处处为 ' +
    '0，在该点等于其余曲线在该点的乘积：{height}。',
  workingFlatAlone:
    '{name} 的 sigma 为 0：它除均值 u = {u} 处外处处为 0，而在均值处峰值仍为 1。它是唯一打开的曲线，所以{product}与它相同：除 u = {u} 处外处处为 0，在该点为 1。',
  workingFlatApart:
    '{name} 和 {other} 的 sigma 都为 0，但均值不同（u = {u} 和 u = {otherU}）：每条曲线在另一条的峰值处都为 0，因此{product}处处为 0。',
  workingFlatDrawn: '单独一个点没有宽度，所以图片把白色曲线画成沿底部的一条平线，在该均值处也是如此。',
  workingGaussian: '{name}：u = {u}，σ = {sigma}，精度',
  workingGaussianRead: '{name}：u = {u}，sigma = {sigma}，精度，即 1 除以 sigma 的平方，= {precision}。',
  workingNegative: '负的 sigma 按其绝对值计算：{name} 的宽度与取正值时相同。',
  workingStep: '{product}：',
  workingStepRead:
    '{product}：精度 {before} 与 {precision} 相加得 {total}，因此 sigma = {sigma}，按精度加权的均值为 u = {u}。',
  workingResult: '白色曲线是{product}：u = {u}，sigma = {sigma}。',
  workingHeight: '它的逐点高度：',
  workingHeightRead: '逐点相乘时，{product}的峰值为 {height}。',
  workingHeightUnknown: '它的逐点高度超出了这里的数字所能表示的范围。',
  agree: '曲线一致：{product}保留了 {percent} 的高度。',
  partlyAgree: '曲线部分一致：{product}保留了 {percent} 的高度。',
  hardlyAgree: '它们几乎不一致：{percent}。',
  lessThan: '不到 {value}',
  workingTruncated:
    '图片只显示整数，小数部分被截去（{exact} 显示为 {shown}）；它的参数重算从一条宽到在整个图上几乎平坦的曲线开始，' +
    '这会改变最后几位小数：这里的数字是精确的，保留四位有效数字。',
  tooLarge: '太大，无法计算',
  wordsHeight: '{product}的高度：{height}。{agreement}',
  toldHeight: '{product}的峰值 {height}',

  lessonsGroup: '课程',
  lessonNone: '自由探索',
  lessonUnknown: '没有名为“{name}”的课程，因此 BELLSCOPE 照常启动。',
  lesson_equal: '两条相同的曲线',
  lesson_equal_question:
    '两条曲线一样宽。白色曲线位于哪里？它比它们窄多少？用“{left}”和“{right}”（或左右方向键）移动其中一条，' +
    '再用下方的计算过程核对。',
  'lesson_wide-narrow': '一宽一窄两条曲线',
  'lesson_wide-narrow_question':
    '一条曲线宽，另一条窄。白色曲线更靠近宽的还是窄的？窄的那条已选中：用“{left}”和“{right}”（或左右方向键）' +
    '移动它，并观察。',
  'lesson_far-apart': '相距很远的两条曲线',
  'lesson_far-apart_question':
    '两条曲线几乎不重叠，它们的逐点乘积几乎是平的。用“{left}”（或左方向键）把高斯 2 移近，' +
    '再用“{right}”把它移远。乘积的高度会怎样变化？这说明了这两条曲线的什么？',
  'lesson_same-mean': '相同的均值',
  'lesson_same-mean_question':
    '两条曲线的峰值在同一位置。在每种方式下，乘积的峰值在哪里、有多高？用方式按钮“{mode}”（或 Enter 键）' +
    '切换，并比较。',
  lesson_kalman: '一个先验和一次测量',
  lesson_kalman_question:
    '这是一次卡尔曼更新。后验更靠近先验还是测量？为什么？测量已选中：用“{wider}”（或按住右键拖动）' +
    '让它变得不那么精确，再观察后验。',
  'lesson_three-measurements': '一个先验和三次测量',
  'lesson_three-measurements_question':
    '现在只打开了先验。用按钮 2、3、4（或 F2、F3、F4）逐个打开各次测量，并对照下方的计算过程：' +
    '精度是如何一步步相加的？',
  'lesson_wide-prior': '非常宽的先验',
  'lesson_wide-prior_question':
    '先验非常宽：它几乎说明不了数值在哪里。它让后验偏离测量多少？在下方的计算过程中比较两者的 u，' +
    '然后用“{narrower}”把先验变窄，再观察。',
  'lesson_sigma-zero': 'BELLSCOPE 如何处理 sigma 为 0',
  'lesson_sigma-zero_question':
    '高斯 2 的 sigma 为 0。图片显示了什么？计算过程说了什么？高斯 2 已选中：用“{wider}”（或按住右键拖动）' +
    '把它稍微加宽一点。',
  lesson_sensors: '三个传感器',
  lesson_sensors_question:
    '三个传感器测量同一距离。融合估计最信任哪一个？为什么？用“{previous}”和“{next}”（或上下方向键）' +
    '选择传感器，用“{left}”和“{right}”移动它，看看哪一个最能把估计拉过去。',

  challenge: '挑战',
  challengeGroup: '挑战：预测乘积',
  check: '检查',
  nextRound: '下一轮',
  leaveChallenge: '退出挑战',
  guessName: '你的猜测',
  challengeRound:
    '第 {round} 轮，共 {rounds} 轮：乘积已隐藏。把你的猜测（“Your guess”那一行）移到你认为乘积所在的位置，' +
    '调成你认为的宽度，然后按“检查”。',
  challengeShown: '第 {round} 轮，共 {rounds} 轮：白色曲线就是乘积，位于你的猜测旁边。',
  guessKept: '已检查：你的猜测留在原处，位于乘积旁边；在下一轮之前，它的按钮和输入框不可用。',
  challengeMeasure:
    '得分是把你的猜测和乘积都看作面积为 1 的钟形曲线时，两者共有的面积乘以 100：同一条曲线得 100，互不相交的曲线得 0。',
  challengeScore: '得分：{score}（满分 100）。{u}{sigma}',
  challengeURight: '你的 u 正确：{answer}。',
  challengeUBelow: '你的 u 偏左 {off}（你的是 {guess}，乘积是 {answer}）。',
  challengeUAbove: '你的 u 偏右 {off}（你的是 {guess}，乘积是 {answer}）。',
  challengeSigmaRight: '你的 sigma 正确：{answer}。',
  challengeSigmaBelow: '你的 sigma 窄了 {off}（你的是 {guess}，乘积是 {answer}）。',
  challengeSigmaAbove: '你的 sigma 宽了 {off}（你的是 {guess}，乘积是 {answer}）。',
  challengeOver: '挑战结束：{total}（满分 {most}）。“挑战”开始新的一局；“复制链接”给出这一局，让其他人尝试相同的各轮。',
  challengeNoGuess: '请先设置你的猜测：它还在每轮开始的位置。把它移到你认为乘积所在的地方。',
  challengeBadSigma: '你的猜测 sigma 为 {sigma}：钟形曲线需要大于 0 的 sigma。把它加宽，然后检查。',
  challengeChecked: '这一轮已经检查过了：按“下一轮”继续。',
  challengeLeft: '你已在第 {round} 轮（共 {rounds} 轮）退出挑战，得分 {total}（满分 {most}）。按“挑战”可开始新的挑战。',
  challengeRefused: '此地址中的挑战无法开始（{why}），因此 BELLSCOPE 照常启动。',
  challengeAndLesson: '此地址同时指定了课程和挑战：挑战优先，因此略去课程。',
  wordsGuess: '你的猜测：u = {u}，sigma = {sigma}（已选中）',
  toldGuessU: '猜测 u {u}',
  toldGuessSigma: '猜测 sigma {sigma}',
  workingHidden: '在你按下“检查”之前隐藏：先自己算一算。',
  listeningCurves: '正在播放{curves}：曲线越高音调越高，从左到右。乘积已隐藏。',

  aboutHeading: '关于图片',
  aboutCurves:
    '每条彩色曲线都是一个高斯，即钟形曲线：它的均值 `u` 是峰值所在的列，`sigma` 表示它有多宽。白色曲线组合了所有打开的高斯。',
  aboutProduct:
    '在**逐点相乘**方式下，白色曲线是各曲线逐列相乘的结果。它仍是钟形曲线，比每条曲线都窄，位于它们之间，更靠近较窄的那条。' +
    '它的峰值低于 1：每条曲线最大为 1，而一条达到峰值时另一条已在下降，所以除非均值相同，乘积达不到 1。',
  aboutRecalculation:
    '在**参数重算**方式下，BELLSCOPE 用公式算出该乘积的均值和 sigma，并据此画出一条峰值为 1 的新高斯。' +
    '它与乘积位置相同、宽度相同，只有高度不同。此时图片会显示组合后的 `u` 和 `sigma`。',
  controlsHeading: '操作',
  keyboardHelp: '键盘帮助',
  listen: '聆听',
  listening: '正在播放{curves}，然后是{product}：曲线越高音调越高，从左到右。',
  listeningProduct: '正在播放{product}：越高音调越高，从左到右。',
  helpIntro:
    'BELLSCOPE 识别的所有按键，以及作用相同的按钮。无论焦点在哪里（文本框内除外），按 **?** 都会打开此帮助；按 Esc 关闭。',
  controlsInput: '按键、鼠标、触摸或按钮',
  controlsAction: '作用',
  keysOnOff: 'F1、F2、F3、F4，或按钮 1 到 4',
  doesOnOff: '打开或关闭高斯 1、2、3、4',
  keysSelect: '上、下，或“上一个”和“下一个”',
  doesSelect: '选择另一个高斯（`<--` 标记和带下划线的按钮表示选中的是哪一个）',
  keysMean: '左、右，或“向左”和“向右”按钮（按住可重复）',
  doesMean: '把选中高斯的均值移动一列',
  keysMeanFast: 'Shift+左、Shift+右',
  doesMeanFast: '移动十列',
  keysFollow: '鼠标左键（按住），或一根手指',
  doesFollow: '选中高斯的均值跟随指针',
  keysWidth: '鼠标右键（拖动）、两根手指横向拖动，或“更窄”和“更宽”（按住可重复）',
  doesWidth: '加宽或收窄选中的高斯',
  keysMode: 'Enter，或组合方式按钮',
  doesMode: '在逐点相乘和参数重算之间切换',
  keysQuit: 'Esc',
  doesQuit:
    '结束 BELLSCOPE；之后“继续”恢复原来的图片，“重新开始”从头开始。“聆听”播放时，Esc 只停止声音；在 u 或 sigma 输入框中，Esc 只恢复显示的数值',
  keysReset: '“重置”按钮',
  doesReset: '回到课程或地址所指定视图的开始状态（或初始视图），而不结束程序',
  controlsNote:
    '这些按钮也可以用 Tab 和 Enter 或空格键操作；按钮获得焦点时，Enter 和空格键会按下它，其他按键仍然发给 ' +
    'BELLSCOPE。在**颜色**中，“色盲友好”用色盲者也能清楚区分的颜色绘制四个高斯，“浅色，适合投影”在白底上绘制深色曲线和文字，' +
    '适合明亮的教室；此浏览器会记住这一选择。',
};
