'use strict';
/* global TEXTS */

// نصوص الصفحة بالعربية (مترجمة بمساعدة آلية).
TEXTS.ar = {
  title: 'BELLSCOPE: ضرب المنحنيات الغاوسية',
  languageGroup: 'اللغة (Language)',
  languageUnavailable: 'تعذّر تحميل {language}، لذا تبقى الصفحة بـ{current}.',
  pictureLabels:
    'تُرسم الصورة كما صُمِّم BELLSCOPE، وتبقى تسمياتها بالإنجليزية: كل رقم فيها مكتوب أيضًا في الكلمات أسفل ' +
    'عناصر التحكم.',

  loading: 'جارٍ تحميل BELLSCOPE...',
  updated: 'تم التحديث',
  ended: 'انتهى BELLSCOPE',
  endedTold: 'انتهى بالضغط على Esc. «استئناف» يعيد الصورة كما كانت؛ «البدء من جديد» يبدأ من الصفر.',
  resume: 'استئناف',
  startAgain: 'البدء من جديد',
  reset: 'إعادة الضبط',
  cannotStart: 'تعذّر تشغيل BELLSCOPE: {why}',
  stopped: 'توقف BELLSCOPE: {what}',
  moduleFailed: 'تعذّر تشغيل BELLSCOPE: فشل تحميل وحدة WebAssembly الخاصة به ({what}).',
  noWebAssembly: 'لا يعمل BELLSCOPE في هذا المتصفح: فهو يحتاج إلى WebAssembly، وهذا المتصفح لا يوفّره.',
  viewRefused: 'لا يمكن عرض العرض الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  refusal: '{what}: {why}',
  reasonNotANumber: '«{text}» ليس عددًا',
  reasonTooLarge: '«{text}» كبير جدًا',
  reasonNotFinite: '«{text}» ليس عددًا منتهيًا',
  reasonNoGaussian: 'لا يوجد منحنى غاوسي رقم {text}',
  reasonGaussianMissing: 'رقم المنحنى الغاوسي (من 1 إلى 4) ناقص',
  reasonModeGiven: 'طريقة الجمع مذكورة مرتين',
  reasonOnGiven: 'قائمة المنحنيات المُشغَّلة مذكورة مرتين',
  reasonSelectGiven: 'المنحنى المحدَّد مذكور مرتين',
  reasonNamesGiven: 'اختيار الأسماء مذكور مرتين',
  reasonUGiven: 'قيمة u للمنحنى الغاوسي {gaussian} مذكورة مرتين',
  reasonSigmaGiven: 'قيمة sigma للمنحنى الغاوسي {gaussian} مذكورة مرتين',
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
  sensorName: 'المستشعر {letter}',
  productGaussians: 'حاصل الضرب',
  productBayes: 'البعدي',
  productSensors: 'التقدير المدمج',
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
  wordsCombined: 'المُجمَّع: u = {u}، sigma = {sigma}',
  toldOn: '{name} مُشغَّل',
  toldOff: '{name} مُطفأ',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: 'تم تحديد {name}',
  toldCombined: 'المُجمَّع u {u}، sigma {sigma}',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'كيف يتكوّن المنحنى الأبيض',
  workingIntro:
    'ضرب منحنيات جرسية يعطي منحنى جرسيًا. **دقّته** 1/σ² (كلما كان أضيق كانت أكبر) هي مجموع دقّاتها؛ ومتوسطه ' +
    'هو متوسط متوسطاتها مرجَّحًا بدقّاتها، فيقع أقرب إلى الأضيق منها؛ ويبلغ حاصل الضرب نقطة بنقطة ذروته تحت 1، ' +
    'على ارتفاع يدل على مدى اتفاق المنحنيات. يضرب BELLSCOPE بالترتيب: المنحنى الغاوسي 1 في 2، ثم في 3، وهكذا؛ ' +
    'بالأرقام المعروضة الآن:',
  workingNone: 'لا يوجد منحنى غاوسي مُشغَّل، لذا لا شيء لضربه.',
  workingFlat:
    '{name} قيمة سيغما له 0: قيمته 0 في كل مكان إلا عند متوسطه، لذا يكون حاصل الضرب 0 في كل مكان أيضًا، بلا ' +
    'منحنى جرسي يُحسب.',
  workingGaussian: '{name}: u = {u}، σ = {sigma}، الدقة',
  workingGaussianRead: '{name}: u = {u}، sigma = {sigma}، الدقة، أي 1 على مربع سيغما، = {precision}.',
  workingNegative: 'سيغما السالبة تُحسب بقيمتها المطلقة: {name} بالعرض نفسه كما لو كانت موجبة.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: الدقّتان {before} و{precision} مجموعهما {total}، لذا sigma = {sigma}، والمتوسط المرجَّح بالدقة ' +
    'هو u = {u}.',
  workingResult: 'المنحنى الأبيض: u = {u}، sigma = {sigma}.',
  workingHeight: 'ارتفاعه، نقطة بنقطة:',
  workingHeightRead: 'يبلغ حاصل الضرب نقطة بنقطة ذروته عند {height}.',
  workingHeightUnknown: 'ارتفاعه، نقطة بنقطة، يتجاوز ما تستطيع الأرقام هنا تمثيله.',
  agree: 'المنحنيات متفقة: يحتفظ حاصل الضرب بـ {percent} من ارتفاعه.',
  partlyAgree: 'المنحنيات متفقة جزئيًا: يحتفظ حاصل الضرب بـ {percent} من ارتفاعه.',
  hardlyAgree: 'بالكاد تتفق: {percent}.',
  workingTruncated:
    'تكتب الصورة أعدادًا صحيحة وتحذف الكسور (299.97 تظهر 299)، وتبدأ إعادة حساب المعاملات فيها من منحنى عريض ' +
    'جدًا حتى إنه مستوٍ على الرسم كله، مما يغيّر الخانات الأخيرة: الأرقام هنا دقيقة، بأربعة أرقام معنوية.',
  tooLarge: 'أكبر من أن يُحسب',
  wordsHeight: 'ارتفاع حاصل الضرب: {height}. {agreement}',
  toldHeight: 'الارتفاع {height}',

  lessonsGroup: 'الدروس',
  lessonNone: 'استكشاف حر',
  lessonUnknown: 'لا يوجد درس باسم «{name}»، لذا يبدأ BELLSCOPE كالمعتاد.',
  lesson_equal: 'منحنيان متساويان',
  lesson_equal_question: 'المنحنيان بالعرض نفسه. أين يقع المنحنى الأبيض، وكم هو أضيق؟ تحقّق بالحساب أدناه.',
  'lesson_wide-narrow': 'منحنى عريض وآخر ضيق',
  'lesson_wide-narrow_question':
    'أحد المنحنيين عريض والآخر ضيق. هل المنحنى الأبيض أقرب إلى العريض أم إلى الضيق؟ حرّك الضيق وراقب.',
  'lesson_far-apart': 'منحنيان متباعدان',
  'lesson_far-apart_question':
    'المنحنيان بالكاد يتداخلان. ماذا يحدث لارتفاع حاصل الضرب نقطة بنقطة حين تباعد بينهما، وماذا يقول ذلك عنهما؟',
  'lesson_same-mean': 'المتوسط نفسه',
  'lesson_same-mean_question': 'ذروة المنحنيين في المكان نفسه. أين ذروة حاصل الضرب في الطريقتين؟ اضغط Enter للتبديل.',
  lesson_kalman: 'قبلي وقياس واحد',
  lesson_kalman_question:
    'هذا تحديث كالمان واحد. هل البعدي أقرب إلى القبلي أم إلى القياس، ولماذا؟ اجعل القياس أقل دقة وراقب.',
  'lesson_three-measurements': 'قبلي وثلاثة قياسات',
  'lesson_three-measurements_question': 'شغّل القياسات واحدًا تلو الآخر (F2، F3، F4). كيف تُجمع الدقّات خطوة بخطوة؟',
  'lesson_wide-prior': 'قبلي عريض جدًا',
  'lesson_wide-prior_question': 'القبلي عريض جدًا. كم يُبعد البعدي عن القياس؟',
  'lesson_sigma-zero': 'ماذا يفعل BELLSCOPE بسيغما 0',
  'lesson_sigma-zero_question': 'سيغما المنحنى الغاوسي 2 تساوي 0. ماذا تعرض الصورة، وماذا يقول الحساب؟ وسّعه قليلًا.',
  lesson_sensors: 'ثلاثة مستشعرات',
  lesson_sensors_question: 'ثلاثة مستشعرات تقيس المسافة نفسها. بأيّها يثق التقدير المدمج أكثر، ولماذا؟',

  challenge: 'تحدٍّ',
  challengeGroup: 'تحدٍّ: توقّع حاصل الضرب',
  check: 'تحقّق',
  nextRound: 'الجولة التالية',
  leaveChallenge: 'مغادرة التحدي',
  guessName: 'تخمينك',
  challengeRound:
    'الجولة {round} من {rounds}: حاصل الضرب مخفي. حرّك تخمينك (السطر «Your\u00a0guess») إلى حيث تظن أن حاصل الضرب ' +
    'يقع، وبالعرض الذي تظنه، ثم اضغط «تحقّق».',
  challengeShown: 'الجولة {round} من {rounds}: المنحنى الأبيض هو حاصل الضرب، بجانب تخمينك.',
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
  challengeRefused: 'لا يمكن بدء التحدي الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  challengeAndLesson: 'يذكر هذا العنوان درسًا وتحديًا: التحدي أولًا، لذا يُترك الدرس.',
  wordsGuess: 'تخمينك: u = {u}، sigma = {sigma} (محدَّد)',
  toldGuessU: 'التخمين u {u}',
  toldGuessSigma: 'التخمين sigma {sigma}',
  workingHidden: 'مخفي حتى تضغط «تحقّق»: احسبه بنفسك أولًا.',
  listeningCurves: 'يُعزف {curves}: أعلى حيث يكون المنحنى أعلى، من اليسار إلى اليمين. حاصل الضرب مخفي.',

  aboutHeading: 'عن الصورة',
  aboutCurves:
    'كل منحنى ملوّن هو منحنى غاوسي، أي منحنى جرسي: متوسطه `u` هو عمود ذروته، و`sigma` تدل على عرضه. يجمع ' +
    'المنحنى الأبيض المنحنيات الغاوسية المُشغَّلة.',
  aboutProduct:
    'في **الضرب نقطة بنقطة** يكون المنحنى الأبيض حاصل ضرب المنحنيات عمودًا بعمود. وهو منحنى جرسي من جديد، ' +
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
    'كل مفتاح يعرفه BELLSCOPE، والأزرار التي تؤدي العمل نفسه. **?** يفتح هذه النافذة حين يكون التركيز على ' +
    'الصورة أو على عنصر تحكم؛ وEsc يغلقها.',
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
  doesQuit: 'إنهاء BELLSCOPE؛ ثم «استئناف» يعيد الصورة كما كانت، و«البدء من جديد» يبدأ من الصفر',
  keysReset: 'زر «إعادة الضبط»',
  doesReset: 'العودة إلى البداية، أو إلى العرض الذي يذكره العنوان، دون إنهاء',
  controlsNote:
    'تعمل الأزرار أيضًا بمفتاح Tab ومفتاح Enter أو المسافة؛ وحين يكون التركيز على زر، يضغطه Enter والمسافة، ' +
    'ويذهب أي مفتاح آخر إلى BELLSCOPE. في **الألوان**، يرسم «مناسبة لعمى الألوان» المنحنيات الغاوسية الأربعة ' +
    'بألوان تبقى متمايزة لمن لديهم عمى ألوان، ويرسم «فاتحة، لأجهزة العرض» منحنيات ونصوصًا داكنة على خلفية ' +
    'بيضاء لقاعة مضيئة؛ ويتذكر هذا المتصفح الاختيار.',
};
