'use strict';
/* global TEXTS */

// 页面的简体中文文字（借助机器翻译，经中学数学教师审校）。
TEXTS['zh-CN'] = {
  title: 'BELLSCOPE：高斯曲线的乘积',
  languageGroup: '语言 (Language)',
  languageUnavailable: '无法加载{language}，页面仍使用{current}。',
  languageRefused: '无法使用此地址中的语言（{why}），因此页面照常选择语言。',
  pictureLabels: '图片按 BELLSCOPE 的原始设计绘制，图中的标注保留英文；图中的每个数值在控件下方的文字中也都有。',

  loading: '正在加载 BELLSCOPE……',
  updated: '已更新',
  ended: 'BELLSCOPE 已结束',
  endedTold: '已按 Esc 键结束。按“继续”恢复原来的图片；按“重新开始”从头开始。',
  endedRest:
    '在你按“继续”或“重新开始”之前，会改变图片的控件都已停用；“复制链接”“保存图片”“播放声音”以及名称、颜色和语言列表仍可用于当前显示的图片。',
  resume: '继续',
  startAgain: '重新开始',
  reset: '重置',
  cannotStart: 'BELLSCOPE 无法启动：{why}',
  stopped: 'BELLSCOPE 已停止：{what}',
  moduleFailed: 'BELLSCOPE 无法启动：它的 WebAssembly 模块加载失败（{what}）。',
  noWebAssembly: 'BELLSCOPE 无法在此浏览器中运行：它需要 WebAssembly，而此浏览器不支持。',
  viewRefused: '无法显示此地址中的视图（{why}），因此 BELLSCOPE 照常启动。',
  refusal: '{what}：{why}',
  reasonNotANumber: '“{text}”不是有效的数',
  reasonTooLarge: '“{text}”太大：最大为 {most}',
  reasonTooSmall: '“{text}”太小：最小为 {least}',
  reasonNotFinite: '“{text}”不是有限数',
  reasonNoGaussian: '没有高斯曲线 {text}',
  reasonGaussianMissing: '缺少高斯曲线的编号（1～4）',
  reasonModeGiven: '重复指定了组合方式',
  reasonOnGiven: '重复指定了打开哪些高斯曲线',
  reasonSelectGiven: '重复指定了选中的高斯曲线',
  reasonNamesGiven: '重复指定了名称方案',
  reasonUGiven: '重复指定了高斯曲线 {gaussian} 的 u',
  reasonSigmaGiven: '重复指定了高斯曲线 {gaussian} 的 sigma',
  reasonLessonGiven: '重复指定了课程',
  reasonChallengeGiven: '重复指定了挑战',
  reasonLanguageGiven: '重复指定了语言',
  reasonUnknownNames: 'names 只能是 {choices}',
  reasonUnknownParameter: '未知参数（BELLSCOPE 能识别的参数有 {known}）',
  reasonParameterNameMissing: '缺少参数名',
  reasonParameterValueMissing: '后面必须跟一个值，例如 {text}=...',
  reasonRecalcValue: 'recalc 后面不能带值',
  reasonBadPercent: '百分号编码（%）有误',
  reasonParameterTooLong: '参数太长',
  reasonAddressTooLong: '地址太长：BELLSCOPE 最多读取 {most} 个字符',
  reasonNotAChallenge: '“{text}”不是挑战编号：只能用数字，范围为 0～{most}',
  reasonChallengeTooLarge: '“{text}”作为挑战编号太大（最大为 {most}）',

  pictureName: 'BELLSCOPE：高斯曲线及其乘积（控件下方有文字说明）',
  controlsName: 'BELLSCOPE 控件',
  onOffGroup: '开/关',
  gaussianName: '高斯曲线 {n}',
  namesGroup: '名称',
  namesGaussians: '高斯曲线 1～4',
  namesBayes: '先验与测量值',
  namesSensors: '传感器',
  bayesPrior: '先验',
  bayesMeasurement: '测量值 {m}',
  bayesPriorShort: '先验',
  bayesMeasurementShort: '测量{m}',
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
  selectPreviousName: '选择上一条高斯曲线',
  selectNext: '下一个',
  selectNextName: '选择下一条高斯曲线',
  meanGroup: '均值 u',
  meanLeft: '向左',
  meanLeftName: '将均值向左移',
  meanRight: '向右',
  meanRightName: '将均值向右移',
  sigmaGroup: '标准差 σ',
  narrower: '变窄',
  wider: '变宽',
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
  savedInFrame: '如果什么也没有下载，说明 BELLSCOPE 所在的页面不允许下载：请改为保存下方的图片（右键单击或长按图片）。',
  savedPictureName: '要保存的图片：按下“保存图片”时显示的画面',
  closePictureName: '关闭图片',
  closeLink: '关闭',
  closeLinkName: '关闭链接',
  copied: '已复制。',
  copyRefused: '浏览器不允许复制：请手动复制输入框中的链接。',
  copyUnavailable: '此浏览器无法自动复制：请手动复制输入框中的链接。',
  copyForbidden: 'BELLSCOPE 所在的页面不允许复制：请手动复制输入框中的链接。',
  coloursGroup: '颜色',
  coloursDesign: '原始设计',
  coloursSafe: '色盲友好',
  coloursLight: '浅色，适合投影',
  notRemembered: '此页面不能在此浏览器中保存任何内容，因此该选择只在页面关闭前有效。',

  wordsHeading: '图片显示的内容',
  starting: 'BELLSCOPE 正在启动。',
  on: '开',
  off: '关',
  wordsGaussian: '{name}：{state}，u = {u}，sigma = {sigma}',
  wordsGaussianSelected: '{name}：{state}，u = {u}，sigma = {sigma}（已选中）',
  wordsMode: '组合方式：{mode}',
  wordsCombined: '{label}：u = {u}，sigma = {sigma}',
  wordsCombinedNone: '{label}：无，因为没有打开任何高斯曲线',
  toldOn: '已打开{name}',
  toldOff: '已关闭{name}',
  toldU: '{name}：u {u}',
  toldSigma: '{name}：sigma {sigma}',
  toldSelected: '已选中{name}',
  toldCombined: '{label}：u {u}，sigma {sigma}',
  toldCombinedNone: '{label}：无',
  toldBetween: '。',
  toldEnd: '。',

  workingHeading: '白色曲线是怎样得到的',
  workingIntro:
    '钟形曲线相乘，结果仍是钟形曲线。它的**精度** 1/σ²（曲线越窄，精度越大）等于各曲线精度之和；它的均值是各曲线均值' +
    '以精度为权的加权平均，因此更靠近较窄的曲线；逐点乘积的峰值低于 1，峰值的高低反映各曲线的吻合程度。BELLSCOPE ' +
    '按顺序相乘：先用高斯曲线 1 乘高斯曲线 2，再乘高斯曲线 3，依此类推。代入现在显示的数值：',
  workingNone: '没有打开任何高斯曲线，因此没有可以相乘的曲线。',
  workingFlat:
    '{name}：sigma 为 0，除均值 u = {u} 处外处处为 0，在均值处峰值仍为 1。因此{product}也是除 u = {u} 处外处处为 ' +
    '0，在该点等于其余曲线在该点的乘积：{height}。',
  workingFlatAlone:
    '{name}：sigma 为 0，除均值 u = {u} 处外处处为 0，在均值处峰值仍为 1。它是唯一打开的曲线，所以{product}与它相同：除 u = {u} 处外处处为 0，在该点为 1。',
  workingFlatApart:
    '{name}、{other}：sigma 都为 0，但均值不同（u = {u}，u = {otherU}）；每条曲线在另一条的峰值处都为 0，因此{product}处处为 0。',
  workingFlatDrawn: '单独一个点没有宽度，所以图片把白色曲线画成贴着底部的一条水平线，在该均值处也不例外。',
  workingGaussian: '{name}：u = {u}，σ = {sigma}，精度',
  workingGaussianRead: '{name}：u = {u}，sigma = {sigma}，精度即 sigma 平方的倒数，等于 {precision}。',
  workingNegative: 'sigma 为负数时按其绝对值计算：{name}的宽度与 sigma 取正值时相同。',
  workingStep: '{product}：',
  workingStepRead:
    '{product}：精度 {before} 与 {precision} 相加得 {total}，因此 sigma = {sigma}，按精度加权的均值为 u = {u}。',
  workingResult: '白色曲线是{product}：u = {u}，sigma = {sigma}。',
  workingHeight: '逐点相乘时，它的峰值：',
  workingHeightRead: '逐点相乘时，{product}的峰值为 {height}。',
  workingHeightUnknown: '逐点相乘时，它的峰值超出了这里的数值所能表示的范围。',
  agree: '各曲线吻合：{product}保留了 {percent} 的高度。',
  partlyAgree: '各曲线部分吻合：{product}保留了 {percent} 的高度。',
  hardlyAgree: '各曲线几乎不吻合：{percent}。',
  lessThan: '不到 {value}',
  workingTruncated:
    '图片上的数只显示整数部分，小数部分直接舍去（{exact} 显示为 {shown}）；图片的“参数重算”从一条宽到在整个图中几乎' +
    '是水平线的曲线开始算起，会使最后几位小数略有变化。这里的数值是精确的，保留四位有效数字。',
  tooLarge: '太大，无法计算',
  wordsHeight: '{product}的高度：{height}。{agreement}',
  toldHeight: '{product}的峰值为 {height}',

  lessonsGroup: '课程',
  lessonNone: '自由探索',
  lessonUnknown: '没有名为“{name}”的课程，因此 BELLSCOPE 照常启动。',
  lessonRefused: '无法打开此地址中的课程（{why}），因此 BELLSCOPE 照常启动。',
  lesson_equal: '两条相同的曲线',
  lesson_equal_question:
    '两条曲线一样宽。白色曲线在哪里？它比原来的曲线窄多少？用“{left}”和“{right}”（或 ←/→ 方向键）移动其中一条，' +
    '再对照下方的计算过程验证。',
  'lesson_wide-narrow': '一宽一窄两条曲线',
  'lesson_wide-narrow_question':
    '一条曲线宽，另一条窄。白色曲线更靠近宽的还是窄的？窄的那条已选中：用“{left}”和“{right}”（或 ←/→ 方向键）' +
    '移动它，观察白色曲线的变化。',
  'lesson_far-apart': '相距很远的两条曲线',
  'lesson_far-apart_question':
    '两条曲线几乎不重叠，它们的逐点乘积几乎是一条水平线。用“{left}”（或 ← 方向键）把高斯曲线 2 移近，' +
    '再用“{right}”把它移远。乘积的高度怎样变化？这说明这两条曲线有什么关系？',
  'lesson_same-mean': '均值相同',
  'lesson_same-mean_question':
    '两条曲线的峰值在同一位置。在两种组合方式下，乘积的峰值各在哪里、有多高？用组合方式按钮“{mode}”（或 Enter 键）' +
    '切换，并比较。',
  lesson_kalman: '一个先验和一个测量值',
  lesson_kalman_question:
    '这是卡尔曼滤波中的一次更新。后验更靠近先验还是测量值？为什么？测量值已选中：用“{wider}”（或按住鼠标右键拖动）' +
    '降低它的精度，再观察后验。',
  'lesson_three-measurements': '一个先验和三个测量值',
  'lesson_three-measurements_question':
    '现在只打开了先验。用按钮 2、3、4（或 F2、F3、F4 键）逐个打开各测量值，并对照下方的计算过程：' +
    '精度是怎样一步步相加的？',
  'lesson_wide-prior': '非常宽的先验',
  'lesson_wide-prior_question':
    '先验非常宽：它几乎没有说明数值在哪里。它把后验从测量值那里拉开了多少？在下方的计算过程中比较两者的 u，' +
    '然后用“{narrower}”把先验变窄，再观察。',
  'lesson_sigma-zero': 'sigma 为 0 时 BELLSCOPE 怎样处理',
  'lesson_sigma-zero_question':
    '高斯曲线 2 的 sigma 为 0。图片显示了什么？计算过程又是怎么说的？高斯曲线 2 已选中：用“{wider}”（或按住鼠标右键拖动）' +
    '把它稍微变宽一点。',
  lesson_sensors: '三个传感器',
  lesson_sensors_question:
    '三个传感器测量同一段距离。融合估计最信任哪一个？为什么？用“{previous}”和“{next}”（或 ↑/↓ 方向键）' +
    '选择传感器，用“{left}”和“{right}”移动它，看看哪一个把估计拉得最远。',

  challenge: '挑战',
  challengeGroup: '挑战：预测乘积',
  check: '核对',
  nextRound: '下一轮',
  leaveChallenge: '退出挑战',
  guessName: '你的预测',
  challengeRound:
    '第 {round} 轮（共 {rounds} 轮）：乘积已隐藏。把你的预测（图中“Your guess”那一行）移到你认为乘积所在的位置，' +
    '调成你认为的宽度，然后按“核对”。',
  challengeShown: '第 {round} 轮（共 {rounds} 轮）：白色曲线就是乘积，旁边是你的预测。',
  guessKept: '已核对：你的预测留在原处，与乘积并排显示；在下一轮之前，它的按钮和输入框不可用。',
  challengeMeasure:
    '得分的算法：把你的预测和乘积都看作面积为 1 的钟形曲线，两者重叠部分的面积乘以 100。两条曲线相同得 100 分，完全不相交得 0 分。',
  challengeScore: '得分：{score}（满分 100）。{u}{sigma}',
  challengeURight: '你的 u 正确：{answer}。',
  challengeUBelow: '你的 u 偏左 {off}（你的是 {guess}，乘积的是 {answer}）。',
  challengeUAbove: '你的 u 偏右 {off}（你的是 {guess}，乘积的是 {answer}）。',
  challengeSigmaRight: '你的 sigma 正确：{answer}。',
  challengeSigmaBelow: '你的 sigma 偏小 {off}，曲线太窄（你的是 {guess}，乘积的是 {answer}）。',
  challengeSigmaAbove: '你的 sigma 偏大 {off}，曲线太宽（你的是 {guess}，乘积的是 {answer}）。',
  challengeOver:
    '挑战结束：共得 {total} 分（满分 {most}）。按“挑战”开始新的一局；按“复制链接”可分享这一局，让别人挑战同样的各轮。',
  challengeNoGuess: '请先设置你的预测：它还停在每轮开始时的位置。把它移到你认为乘积所在的地方。',
  challengeBadSigma: '你的预测 sigma 为 {sigma}：钟形曲线的 sigma 必须大于 0。先把它变宽，再按“核对”。',
  challengeChecked: '这一轮已经核对过了：按“下一轮”继续。',
  challengeLeft: '你已在第 {round} 轮（共 {rounds} 轮）退出挑战，得分 {total}（满分 {most}）。按“挑战”可开始新的挑战。',
  challengeRefused: '此地址中的挑战无法开始（{why}），因此 BELLSCOPE 照常启动。',
  challengeAndLesson: '此地址同时指定了课程和挑战：挑战优先，因此不打开课程。',
  challengeAndView: '此地址同时指定了挑战和视图：挑战有自己的各轮，因此不显示该视图（{view}）。',
  wordsGuess: '你的预测：u = {u}，sigma = {sigma}（已选中）',
  toldGuessU: '预测：u {u}',
  toldGuessSigma: '预测：sigma {sigma}',
  workingHidden: '按“核对”之前隐藏：请先自己算一算。',
  listeningCurves: '正在播放{curves}：从左到右，曲线越高，音调越高。乘积已隐藏。',

  aboutHeading: '关于图片',
  aboutCurves:
    '每条彩色曲线都是一条高斯曲线，即钟形曲线：它的均值 `u` 是峰值所在的列，标准差 `sigma` 表示它有多宽。白色曲线由所有打开的高斯曲线组合而成。',
  aboutProduct:
    '在**逐点相乘**方式下，白色曲线是各曲线逐列相乘的结果。它仍是钟形曲线，比每条曲线都窄，位于它们之间，更靠近较窄的那条。' +
    '它的峰值低于 1：每条曲线的最大值为 1，而一条达到峰值时另一条已在下降，所以除非均值相同，乘积达不到 1。',
  aboutRecalculation:
    '在**参数重算**方式下，BELLSCOPE 用公式算出该乘积的均值和 sigma，并据此重新画一条峰值为 1 的高斯曲线。' +
    '它与乘积位置相同、宽度相同，只有高度不同。此时图片会显示组合后的 `u` 和 `sigma`。',
  controlsHeading: '操作说明',
  keyboardHelp: '键盘帮助',
  listen: '播放声音',
  listening: '正在播放{curves}，然后是{product}：从左到右，曲线越高，音调越高。',
  listeningProduct: '正在播放{product}：从左到右，曲线越高，音调越高。',
  helpIntro:
    'BELLSCOPE 支持的所有按键，以及作用相同的按钮。无论焦点在哪里（文本框内除外），按 **?** 键都会打开此帮助；按 Esc 键关闭。',
  controlsInput: '按键、鼠标、触摸或按钮',
  controlsAction: '作用',
  keysOnOff: 'F1、F2、F3、F4 键，或按钮 1～4',
  doesOnOff: '打开或关闭高斯曲线 1、2、3、4',
  keysSelect: '↑/↓ 方向键，或“上一个”和“下一个”按钮',
  doesSelect: '选择另一条高斯曲线（`<--` 标记和带下划线的按钮表示选中的是哪一条）',
  keysMean: '←/→ 方向键，或“向左”和“向右”按钮（按住可连续移动）',
  doesMean: '把选中曲线的均值移动一列',
  keysMeanFast: 'Shift+←、Shift+→',
  doesMeanFast: '移动十列',
  keysFollow: '按住鼠标左键，或用一根手指',
  doesFollow: '选中曲线的均值跟随指针移动',
  keysWidth: '鼠标右键（拖动）、两根手指横向拖动，或“变窄”和“变宽”按钮（按住可连续调整）',
  doesWidth: '使选中的曲线变宽或变窄',
  keysMode: 'Enter 键，或组合方式按钮',
  doesMode: '在逐点相乘和参数重算之间切换',
  keysQuit: 'Esc 键',
  doesQuit:
    '结束 BELLSCOPE；之后按“继续”恢复原来的图片，按“重新开始”从头开始。“播放声音”期间，Esc 键只停止声音；在 u 或 sigma 输入框中，Esc 键只恢复显示的数值',
  keysReset: '“重置”按钮',
  doesReset: '回到课程或地址所指定视图的开始状态（没有则回到初始视图），但不结束程序',
  controlsNote:
    '这些按钮也可以用 Tab 键配合 Enter 键或空格键操作；按钮获得焦点时，Enter 键和空格键会按下它，其他按键仍然交给 ' +
    'BELLSCOPE 处理。在**颜色**列表中，“色盲友好”用色盲者也能清楚区分的颜色绘制四条高斯曲线，“浅色，适合投影”在白底上绘制深色曲线和文字，' +
    '适合明亮的教室；此浏览器会记住这一选择。',
};
