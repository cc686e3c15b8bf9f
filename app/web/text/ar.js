'use strict';
/* global TEXTS */

// نصوص الصفحة بالعربية (مترجمة بمساعدة آلية).
TEXTS.ar = {
  title: 'BELLSCOPE: ضرب المنحنيات الغاوسية',
  languageGroup: 'اللغة (Language)',
  languageUnavailable: 'تعذّر تحميل {language}، لذا تبقى الصفحة بـ{current}.',
  languageRefused: 'لا يمكن استخدام اللغة الموجودة في هذا العنوان ({why})، لذا تختار الصفحة لغتها كالمعتاد.',
  pictureLabels:
    'تُرسم الصورة كما صُمِّم BELLSCOPE، وتبقى تسمياتها بالإنجليزية: كل رقم فيها مكتوب أيضًا في الكلمات أسفل ' +
    'عناصر التحكم.',

  loading: 'جارٍ تحميل BELLSCOPE...',
  updated: 'تم التحديث',
  ended: 'انتهى BELLSCOPE',
  endedTold: 'انتهى بالضغط على Esc. «استئناف» يعيد الصورة كما كانت؛ «البدء من جديد» يبدأ من الصفر.',
  endedRest:
    'إلى أن تستأنف أو تبدأ من جديد، تبقى عناصر التحكم التي تغيّر الصورة معطّلة؛ أما «نسخ الرابط» و«حفظ الصورة» و«استماع» وقوائم الأسماء والألوان واللغة فتبقى تعمل مع الصورة المعروضة.',
  resume: 'استئناف',
  startAgain: 'البدء من جديد',
  reset: 'إعادة الضبط',
  cannotStart: 'تعذّر تشغيل BELLSCOPE: {why}',
  cannotStartNoCanvas: 'لا تحتوي هذه الصفحة على لوحة رسم (canvas) تُرسم عليها الصورة.',
  cannotStartNoInput: 'لا يمرّر المتصفح إليه مدخلات لوحة المفاتيح والفأرة واللمس.',
  cannotStartNoWindow: 'لم يتمكن من فتح صورته في هذه الصفحة.',
  cannotStartNoMemory: 'لا تتوفر ذاكرة كافية لصورته.',
  stopped: 'توقف BELLSCOPE: {what}',
  moduleFailed: 'تعذّر تشغيل BELLSCOPE: فشل تحميل وحدة WebAssembly الخاصة به ({what}).',
  noWebAssembly: 'لا يعمل BELLSCOPE في هذا المتصفح: فهو يحتاج إلى WebAssembly، وهذا المتصفح لا يوفّره.',
  viewRefused: 'لا يمكن عرض العرض الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  refusal: '{what}: {why}',
  reasonNotANumber: '«{text}» ليس عددًا',
  reasonTooLarge: '«{text}» كبير جدًا: الحد الأقصى {most}',
  reasonTooSmall: '«{text}» صغير جدًا: الحد الأدنى {least}',
  reasonNotFinite: '«{text}» ليس عددًا منتهيًا',
  reasonNoGaussian: 'لا يوجد منحنى غاوسي رقم {text}',
  reasonGaussianMissing: 'رقم المنحنى الغاوسي (من 1 إلى 4) ناقص',
  reasonModeGiven: 'طريقة الجمع مذكورة مرتين',
  reasonOnGiven: 'قائمة المنحنيات المُشغَّلة مذكورة مرتين',
  reasonSelectGiven: 'المنحنى المحدَّد مذكور مرتين',
  reasonNamesGiven: 'اختيار الأسماء مذكور مرتين',
  reasonUGiven: 'قيمة u للمنحنى الغاوسي {gaussian} مذكورة مرتين',
  reasonSigmaGiven: 'قيمة sigma للمنحنى الغاوسي {gaussian} مذكورة مرتين',
  reasonLessonGiven: 'الدرس مذكور مرتين',
  reasonChallengeGiven: 'التحدي مذكور مرتين',
  reasonLanguageGiven: 'اللغة مذكورة مرتين',
  reasonUnknownNames: 'قيمة names واحدة من {choices}',
  reasonUnknownParameter: 'مُعامل غير معروف (يعرف BELLSCOPE {known})',
  reasonParameterNameMissing: 'اسم المُعامل ناقص',
  reasonParameterValueMissing: 'يجب أن تليه قيمة، كما في {text}=...',
  reasonRecalcValue: 'لا يأخذ recalc قيمة',
  reasonBadPercent: 'رمز مكتوب بعلامة % غير صحيح',
  reasonParameterTooLong: 'المُعامل طويل جدًا',
  reasonAddressTooLong: 'العنوان طويل جدًا: يقرأ BELLSCOPE {most} حرفًا على الأكثر',
  reasonNotAChallenge: '«{text}» ليس رقم تحدٍّ: استخدم الأرقام فقط، من 0 إلى {most}',
  reasonChallengeTooLarge: '«{text}» كبير جدًا على رقم تحدٍّ (الحد الأقصى {most})',

  pictureName: 'BELLSCOPE: منحنيات غاوسية وحاصل ضربها (موصوفة بالكلمات أسفل عناصر التحكم)',
  controlsName: 'عناصر التحكم في BELLSCOPE',
  onOffGroup: 'تشغيل/إيقاف',
  gaussianName: 'المنحنى الغاوسي {n}',
  namesGroup: 'الأسماء',
  namesGaussians: 'المنحنيات الغاوسية 1-4',
  namesBayes: 'القبلي والقياسات',
  namesSensors: 'المستشعرات',
  bayesPrior: 'القبلي',
  bayesMeasurement: 'القياس {m}',
  bayesPriorShort: 'القبلي',
  bayesMeasurementShort: 'قياس {m}',
  sensorName: 'المستشعر {letter}',
  sensorShort: '{letter}',
  productGaussians: 'حاصل الضرب',
  productBayes: 'البعدي',
  productSensors: 'التقدير المدمج',
  productLabelGaussians: 'المُجمَّع',
  productLabelBayes: 'البعدي',
  productLabelSensors: 'التقدير المدمج',
  productColourWhite: 'الأبيض',
  productColourBlack: 'الأسود',
  selectGroup: 'التحديد',
  selectPrevious: 'السابق',
  selectPreviousName: 'تحديد المنحنى الغاوسي السابق',
  selectNext: 'التالي',
  selectNextName: 'تحديد المنحنى الغاوسي التالي',
  meanGroup: 'المتوسط u',
  meanLeft: 'يسارًا',
  meanLeftName: 'تحريك المتوسط يسارًا',
  meanRight: 'يمينًا',
  meanRightName: 'تحريك المتوسط يمينًا',
  sigmaGroup: 'سيغما',
  narrower: 'أضيق',
  wider: 'أعرض',
  modeUnknown: 'طريقة الجمع',
  modePointByPoint: 'الضرب نقطة بنقطة',
  modeRecalculation: 'إعادة حساب المعاملات',
  modeName: 'طريقة الجمع: {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}: {why}',
  copyLink: 'نسخ الرابط',
  savePicture: 'حفظ الصورة',
  linkField: 'رابط هذا العرض',
  savedInFrame:
    'إذا لم يُنزَّل شيء، فالصفحة المحيطة بـ BELLSCOPE لا تسمح بالتنزيل: احفظ الصورة أدناه بدلًا من ذلك ' +
    '(انقر بزر الفأرة الأيمن أو اضغط عليها مطولًا).',
  savedPictureName: 'الصورة المراد حفظها: الإطار المعروض عند الضغط على «حفظ الصورة»',
  closePictureName: 'إغلاق الصورة',
  closeLink: 'إغلاق',
  closeLinkName: 'إغلاق الرابط',
  copied: 'تم النسخ.',
  copyRefused: 'لم يسمح المتصفح بالنسخ: انسخ الرابط من الحقل.',
  copyUnavailable: 'لا يستطيع هذا المتصفح النسخ بنفسه: انسخ الرابط من الحقل.',
  copyForbidden: 'الصفحة المحيطة بـ BELLSCOPE لا تسمح بالنسخ: انسخ الرابط من الحقل.',
  coloursGroup: 'الألوان',
  coloursDesign: 'التصميم',
  coloursSafe: 'مناسبة لعمى الألوان',
  coloursLight: 'فاتحة، لأجهزة العرض',
  notRemembered: 'لا يُسمح لهذه الصفحة بحفظ أي شيء هنا، لذا يبقى الاختيار حتى تُغلق.',

  wordsHeading: 'ما تعرضه الصورة',
  starting: 'يبدأ BELLSCOPE الآن.',
  on: 'مُشغَّل',
  off: 'مُطفأ',
  wordsGaussian: '{name}: {state}، u = {u}، sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}، u = {u}، sigma = {sigma} (محدَّد)',
  wordsMode: 'طريقة الجمع: {mode}',
  wordsCombined: '{label}: u = {u}، sigma = {sigma}',
  wordsCombinedNone: '{label}: لا يوجد، إذ لا يوجد منحنى غاوسي مُشغَّل',
  toldOn: '{name} مُشغَّل',
  toldOff: '{name} مُطفأ',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: 'تم تحديد {name}',
  toldCombined: '{label} u {u}، sigma {sigma}',
  toldCombinedNone: '{label}: لا يوجد',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'كيف يتكوّن المنحنى {productColour}',
  workingIntro:
    'ضرب منحنيات جرسية يعطي منحنى جرسيًا. **دقّته** 1/σ² (كلما كان أضيق كانت أكبر) هي مجموع دقّاتها؛ ومتوسطه ' +
    'هو متوسط متوسطاتها مرجَّحًا بدقّاتها، فيقع أقرب إلى الأضيق منها؛ ويبلغ حاصل الضرب نقطة بنقطة ذروته تحت 1، ' +
    'على ارتفاع يدل على مدى اتفاق المنحنيات. يضرب BELLSCOPE بالترتيب: المنحنى الغاوسي 1 في 2، ثم في 3، وهكذا؛ ' +
    'بالأرقام المعروضة الآن:',
  workingNone: 'لا يوجد منحنى غاوسي مُشغَّل، لذا لا شيء لضربه.',
  workingFlat:
    '{name} قيمة سيغما له 0: قيمته 0 في كل مكان إلا عند متوسطه u = {u}، حيث تبقى ذروته 1. لذا يكون {product} ' +
    'صفرًا في كل مكان إلا عند u = {u}، وهناك يساوي حاصل ضرب المنحنيات الأخرى عند تلك النقطة: {height}.',
  workingFlatAlone:
    '{name} قيمة سيغما له 0: قيمته 0 في كل مكان إلا عند متوسطه u = {u}، حيث تبقى ذروته 1. وهو المنحنى الوحيد ' +
    'المُشغَّل، لذا يكون {product} مثله: صفرًا في كل مكان إلا عند u = {u}، حيث يساوي 1.',
  workingFlatApart:
    '{name} و{other} قيمة سيغما لكل منهما 0 عند متوسطين مختلفين (u = {u} وu = {otherU}): كل منهما صفر حيث تكون ' +
    'ذروة الآخر، لذا يكون {product} صفرًا في كل مكان.',
  workingFlatDrawn:
    'النقطة الواحدة لا عرض لها، لذا ترسم الصورة المنحنى {productColour} مستويًا على طول الحافة السفلى، وعند ذلك المتوسط ' +
    'أيضًا.',
  workingGaussian: '{name}: u = {u}، σ = {sigma}، الدقة',
  workingGaussianRead: '{name}: u = {u}، sigma = {sigma}، الدقة، أي 1 على مربع سيغما، = {precision}.',
  workingNegative: 'سيغما السالبة تُحسب بقيمتها المطلقة: {name} بالعرض نفسه كما لو كانت موجبة.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: الدقّتان {before} و{precision} مجموعهما {total}، لذا sigma = {sigma}، والمتوسط المرجَّح بالدقة ' +
    'هو u = {u}.',
  workingResult: 'المنحنى {productColour} هو {product}: u = {u}، sigma = {sigma}.',
  workingHeight: 'ارتفاعه، نقطة بنقطة:',
  workingHeightRead: 'نقطة بنقطة، تبلغ ذروة {product} {height}.',
  workingHeightUnknown: 'ارتفاعه، نقطة بنقطة، يتجاوز ما تستطيع الأرقام هنا تمثيله.',
  agree: 'المنحنيات متفقة: يحتفظ {product} بـ {percent} من ارتفاعه.',
  partlyAgree: 'المنحنيات متفقة جزئيًا: يحتفظ {product} بـ {percent} من ارتفاعه.',
  hardlyAgree: 'بالكاد تتفق: {percent}.',
  lessThan: 'أقل من {value}',
  workingTruncated:
    'تكتب الصورة أعدادًا صحيحة وتحذف الكسور ({exact} تظهر {shown})، وتبدأ إعادة حساب المعاملات فيها من منحنى عريض ' +
    'جدًا حتى إنه مستوٍ على الرسم كله، مما يغيّر الخانات الأخيرة: الأرقام هنا دقيقة، بأربعة أرقام معنوية.',
  tooLarge: 'أكبر من أن يُحسب',
  wordsHeight: 'ارتفاع {product}: {height}. {agreement}',
  toldHeight: 'ذروة {product} {height}',

  lessonsGroup: 'الدروس',
  lessonNone: 'استكشاف حر',
  lessonUnknown: 'لا يوجد درس باسم «{name}»، لذا يبدأ BELLSCOPE كالمعتاد.',
  lessonRefused: 'لا يمكن فتح الدرس الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  lessonViewLeftOut: 'العرض المذكور مع الدرس ({view}) كان سيعدّل عرض ذلك الدرس، لذا يُترك هو أيضًا.',
  lesson_equal: 'منحنيان متساويان',
  lesson_equal_question:
    'المنحنيان بالعرض نفسه. أين يقع المنحنى {productColour}، وكم هو أضيق منهما؟ حرّك أحدهما بزرّي «{left}» و«{right}» ' +
    '(أو بمفتاحي السهمين الأيسر والأيمن)، ثم تحقّق بالحساب أدناه.',
  'lesson_wide-narrow': 'منحنى عريض وآخر ضيق',
  'lesson_wide-narrow_question':
    'أحد المنحنيين عريض والآخر ضيق. هل المنحنى {productColour} أقرب إلى العريض أم إلى الضيق؟ الضيق هو المحدَّد: حرّكه ' +
    'بزرّي «{left}» و«{right}» (أو بمفتاحي السهمين الأيسر والأيمن) وراقب.',
  'lesson_far-apart': 'منحنيان متباعدان',
  'lesson_far-apart_question':
    'المنحنيان بالكاد يتداخلان، وحاصل ضربهما نقطة بنقطة يكاد يكون مسطّحًا. قرّب المنحنى الغاوسي 2 بزر ' +
    '«{left}» (أو بمفتاح السهم الأيسر)، ثم أبعده من جديد بزر «{right}». ماذا يحدث لارتفاع حاصل الضرب، وماذا ' +
    'يقول ذلك عن المنحنيين؟',
  'lesson_same-mean': 'المتوسط نفسه',
  'lesson_same-mean_question':
    'ذروة المنحنيين في المكان نفسه. أين ذروة حاصل الضرب، وما ارتفاعها، في كل طريقة؟ بدّل الطريقة بزر الطريقة ' +
    '«{mode}» (أو بمفتاح Enter) وقارن.',
  lesson_kalman: 'قبلي وقياس واحد',
  lesson_kalman_question:
    'هذا تحديث كالمان واحد. هل البعدي أقرب إلى القبلي أم إلى القياس، ولماذا؟ القياس هو المحدَّد: اجعله أقل ' +
    'دقة بزر «{wider}» (أو بالسحب بزر الفأرة الأيمن) وراقب البعدي.',
  'lesson_three-measurements': 'قبلي وثلاثة قياسات',
  'lesson_three-measurements_question':
    'القبلي وحده مُشغَّل. شغّل القياسات واحدًا تلو الآخر بالأزرار 2 و3 و4 (أو بالمفاتيح F2 وF3 وF4)، وتابع ' +
    'الحساب أدناه: كيف تُجمع الدقّات خطوة بخطوة؟',
  'lesson_wide-prior': 'قبلي عريض جدًا',
  'lesson_wide-prior_question':
    'القبلي عريض جدًا: لا يقول الكثير عن موضع القيمة. كم يُبعد البعدي عن القياس؟ قارن قيمتي u في الحساب ' +
    'أدناه، ثم ضيّق القبلي بزر «{narrower}» وراقب من جديد.',
  'lesson_sigma-zero': 'ماذا يفعل BELLSCOPE بسيغما 0',
  'lesson_sigma-zero_question':
    'سيغما المنحنى الغاوسي 2 تساوي 0. ماذا تعرض الصورة، وماذا يقول الحساب؟ المنحنى الغاوسي 2 هو المحدَّد: ' +
    'وسّعه قليلًا بزر «{wider}» (أو بالسحب بزر الفأرة الأيمن).',
  lesson_sensors: 'ثلاثة مستشعرات',
  lesson_sensors_question:
    'ثلاثة مستشعرات تقيس المسافة نفسها. بأيّها يثق التقدير المدمج أكثر، ولماذا؟ اختر مستشعرًا بزرّي ' +
    '«{previous}» و«{next}» (أو بمفتاحي السهمين للأعلى وللأسفل)، وحرّكه بزرّي «{left}» و«{right}»، وانظر ' +
    'أيّها يجذب التقدير إليه أكثر.',

  challenge: 'تحدٍّ',
  challengeGroup: 'تحدٍّ: توقّع حاصل الضرب',
  check: 'تحقّق',
  nextRound: 'الجولة التالية',
  leaveChallenge: 'مغادرة التحدي',
  guessName: 'تخمينك',
  challengeRound:
    'الجولة {round} من {rounds}: حاصل الضرب مخفي. حرّك تخمينك (السطر «Your\u00a0guess») إلى حيث تظن أن حاصل الضرب ' +
    'يقع، وبالعرض الذي تظنه، ثم اضغط «تحقّق».',
  challengeShown: 'الجولة {round} من {rounds}: المنحنى {productColour} هو حاصل الضرب، بجانب تخمينك.',
  guessKept: 'تم التحقق: يبقى تخمينك حيث كان، بجانب حاصل الضرب، وتبقى أزراره وحقوله متوقفة حتى الجولة التالية.',
  curvesFixed:
    'تبقى منحنيات الجولة كما هي: تظل أزرار تشغيلها وإيقافها و«{previous}» و«{next}» متوقفة حتى تغادر التحدي.',
  challengeMeasure:
    'النتيجة هي المساحة المشتركة بين تخمينك وحاصل الضرب حين يكون كلٌّ منهما منحنى جرسيًا مساحته 1، مضروبة في ' +
    '100: ‏100 للمنحنى نفسه، و0 لمنحنيين لا يلتقيان.',
  challengeScore: 'النتيجة: {score} من 100. {u} {sigma}',
  challengeURight: 'قيمة u عندك صحيحة: {answer}.',
  challengeUBelow: 'قيمة u عندك إلى اليسار أكثر من اللازم بمقدار {off} ({guess}؛ وقيمة حاصل الضرب {answer}).',
  challengeUAbove: 'قيمة u عندك إلى اليمين أكثر من اللازم بمقدار {off} ({guess}؛ وقيمة حاصل الضرب {answer}).',
  challengeSigmaRight: 'قيمة sigma عندك صحيحة: {answer}.',
  challengeSigmaBelow: 'قيمة sigma عندك أضيق من اللازم بمقدار {off} ({guess}؛ وقيمة حاصل الضرب {answer}).',
  challengeSigmaAbove: 'قيمة sigma عندك أعرض من اللازم بمقدار {off} ({guess}؛ وقيمة حاصل الضرب {answer}).',
  challengeOver:
    'انتهى التحدي: {total} من {most}. «تحدٍّ» يبدأ تحديًا جديدًا؛ و«نسخ الرابط» يعطي هذا التحدي ليجرّب الآخرون ' +
    'الجولات نفسها.',
  challengeNoGuess: 'ضع تخمينك أولًا: ما زال حيث تبدأ كل جولة. حرّكه إلى حيث تظن أن حاصل الضرب يقع.',
  challengeBadSigma: 'سيغما تخمينك {sigma}: يحتاج المنحنى الجرسي إلى سيغما أكبر من 0. وسّعه ثم تحقّق.',
  challengeChecked: 'تم التحقق من هذه الجولة: «الجولة التالية» يتابع.',
  challengeLeft: 'غادرت التحدي في الجولة {round} من {rounds}، ومعك {total} من {most} نقطة. زر «تحدٍّ» يبدأ تحديًا جديدًا.',
  challengeRefused: 'لا يمكن بدء التحدي الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  challengeAndLesson: 'يذكر هذا العنوان درسًا وتحديًا: التحدي أولًا، لذا يُترك الدرس.',
  challengeAndView: 'يذكر هذا العنوان تحديًا وعرضًا: للتحدي جولاته الخاصة، لذا يُترك العرض ({view}).',
  wordsGuess: 'تخمينك: u = {u}، sigma = {sigma} (محدَّد)',
  toldGuessU: 'التخمين u {u}',
  toldGuessSigma: 'التخمين sigma {sigma}',
  workingHidden: 'مخفي حتى تضغط «تحقّق»: احسبه بنفسك أولًا.',
  listeningCurves: 'يُعزف {curves}: أعلى حيث يكون المنحنى أعلى، من اليسار إلى اليمين. حاصل الضرب مخفي.',

  aboutHeading: 'عن الصورة',
  aboutCurves:
    'كل منحنى ملوّن هو منحنى غاوسي، أي منحنى جرسي: متوسطه `u` هو عمود ذروته، و`sigma` تدل على عرضه. يجمع ' +
    'المنحنى {productColour} المنحنيات الغاوسية المُشغَّلة.',
  aboutProduct:
    'في **الضرب نقطة بنقطة** يكون المنحنى {productColour} حاصل ضرب المنحنيات عمودًا بعمود. وهو منحنى جرسي من جديد، ' +
    'أضيق من كلٍّ منها ويقع بينها، أقرب إلى الأضيق. ذروته تحت 1: فكل منحنى قيمته 1 على الأكثر، وحيث يبلغ أحدها ' +
    'ذروته يكون الآخر قد بدأ ينخفض، فلا يبلغ حاصل ضربها 1 إلا إذا تساوت المتوسطات.',
  aboutRecalculation:
    'في **إعادة حساب المعاملات** يحسب BELLSCOPE متوسط حاصل الضرب هذا وسيغما بصيغة رياضية ويرسم منهما منحنى ' +
    'غاوسيًا جديدًا ذروته 1. يقع في المكان نفسه وبالعرض نفسه، ولا يختلف إلا في الارتفاع. وتكتب الصورة عندئذٍ ' +
    'قيمتي `u` و`sigma` المُجمَّعتين.',
  controlsHeading: 'التحكم',
  keyboardHelp: 'مساعدة لوحة المفاتيح',
  listen: 'استماع',
  listening: 'يُعزف {curves}، ثم {product}: أعلى حيث يكون المنحنى أعلى، من اليسار إلى اليمين.',
  listeningProduct: 'يُعزف {product}: أعلى حيث يكون أعلى، من اليسار إلى اليمين.',
  helpIntro:
    'كل مفتاح يعرفه BELLSCOPE، والأزرار التي تؤدي العمل نفسه. **?** (أو ؟) يفتح هذه النافذة أينما كان التركيز، إلا داخل حقل نصي؛ وEsc يغلقها.',
  controlsInput: 'مفتاح أو فأرة أو لمس أو زر',
  controlsAction: 'ما يفعله',
  keysOnOff: 'F1، F2، F3، F4، أو الأزرار 1 إلى 4',
  doesOnOff: 'تشغيل المنحنى الغاوسي 1، 2، 3، 4 أو إيقافه',
  keysSelect: 'أعلى، أسفل، أو «السابق» و«التالي»',
  doesSelect: 'تحديد منحنى غاوسي آخر (العلامة `<--` والزر المسطَّر يبيّنان أيّها)',
  keysMean: 'يسار، يمين، أو الزرّان «يسارًا» و«يمينًا» (اضغط مطولًا للتكرار)',
  doesMean: 'تحريك متوسط المنحنى الغاوسي المحدَّد عمودًا واحدًا',
  keysMeanFast: 'Shift+يسار، Shift+يمين',
  doesMeanFast: 'تحريكه عشرة أعمدة',
  keysFollow: 'زر الفأرة الأيسر (مضغوطًا)، أو إصبع واحد',
  doesFollow: 'يتبع متوسط المنحنى الغاوسي المحدَّد المؤشر',
  keysWidth: 'زر الفأرة الأيمن (سحب)، أو إصبعان يُسحبان أفقيًا، أو «أضيق» و«أعرض» (اضغط مطولًا للتكرار)',
  doesWidth: 'توسيع المنحنى الغاوسي المحدَّد أو تضييقه',
  keysMode: 'Enter، أو زر طريقة الجمع',
  doesMode: 'التبديل بين الضرب نقطة بنقطة وإعادة حساب المعاملات',
  keysQuit: 'Esc',
  doesQuit:
    'إنهاء BELLSCOPE؛ ثم «استئناف» يعيد الصورة كما كانت، و«البدء من جديد» يبدأ من الصفر. وأثناء «استماع» لا يفعل Esc سوى إيقاف الصوت، وفي حقل u أو sigma لا يفعل سوى إعادة القيمة المعروضة',
  keysReset: 'زر «إعادة الضبط»',
  doesReset: 'العودة إلى بداية الدرس أو العرض الذي يذكره العنوان (أو إلى العرض الابتدائي)، دون إنهاء',
  controlsNote:
    'تعمل الأزرار أيضًا بمفتاح Tab ومفتاح Enter أو المسافة؛ وحين يكون التركيز على زر، يضغطه Enter والمسافة، ' +
    'ويذهب أي مفتاح آخر إلى BELLSCOPE. في **الألوان**، يرسم «مناسبة لعمى الألوان» المنحنيات الغاوسية الأربعة ' +
    'بألوان تبقى متمايزة لمن لديهم عمى ألوان، ويرسم «فاتحة، لأجهزة العرض» منحنيات ونصوصًا داكنة على خلفية ' +
    'بيضاء لقاعة مضيئة؛ ويتذكر هذا المتصفح الاختيار.',
};
