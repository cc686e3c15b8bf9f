'use strict';
/* global TEXTS */

// نصوص الصفحة بالعربية (مترجمة بمساعدة آلية، ثم روجعت).
TEXTS.ar = {
  title: 'BELLSCOPE: ضرب المنحنيات الغاوسية',
  languageGroup: 'اللغة (Language)',
  languageUnavailable: 'تعذّر تحميل {language}، لذا تبقى لغة الصفحة {current}.',
  languageRefused: 'لا يمكن استخدام اللغة الموجودة في هذا العنوان ({why})، لذا تختار الصفحة لغتها كالمعتاد.',
  pictureLabels:
    'تُرسم الصورة كما صُمِّم BELLSCOPE أصلًا، لذا تبقى تسمياتها بالإنجليزية؛ وكل عدد فيها مكتوب أيضًا في النص أسفل ' +
    'عناصر التحكم.',

  loading: 'جارٍ تحميل BELLSCOPE...',
  updated: 'تم التحديث',
  ended: 'انتهى عمل BELLSCOPE',
  endedTold: 'أُنهي بالضغط على Esc. زر «استئناف» يعيد الصورة كما كانت، وزر «البدء من جديد» يبدأ من الصفر.',
  endedRest:
    'إلى أن تستأنف أو تبدأ من جديد، تبقى عناصر التحكم التي تغيّر الصورة معطّلة؛ أما «نسخ الرابط» و«حفظ الصورة» و«مساعدة لوحة المفاتيح» و«استماع» وقوائم الأسماء والألوان واللغة فتظل تعمل على الصورة المعروضة.',
  resume: 'استئناف',
  startAgain: 'البدء من جديد',
  reset: 'إعادة الضبط',
  cannotStart: 'تعذّر تشغيل BELLSCOPE: {why}',
  stopped: 'توقّف BELLSCOPE: {what}',
  cannotStartNoCanvas: 'لا تحتوي هذه الصفحة على لوحة رسم (canvas) تُرسم عليها الصورة.',
  cannotStartNoInput: 'لا يمرّر المتصفح إليه مدخلات لوحة المفاتيح والفأرة واللمس.',
  cannotStartNoWindow: 'لم يتمكن من فتح صورته في هذه الصفحة.',
  cannotStartNoMemory: 'لا تتوفر ذاكرة كافية لصورته.',
  moduleFailed: 'تعذّر تشغيل BELLSCOPE: فشل تحميل وحدة WebAssembly الخاصة به ({what}).',
  noWebAssembly: 'لا يعمل BELLSCOPE في هذا المتصفح: فهو يحتاج إلى WebAssembly، وهذا المتصفح لا يوفّره.',
  viewRefused: 'تعذّر إظهار العرض الوارد في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  refusal: '{what}: {why}',
  reasonNotANumber: '«{text}» ليس عددًا',
  reasonTooLarge: '«{text}» كبير جدًا: الحد الأقصى {most}',
  reasonTooSmall: '«{text}» صغير جدًا: الحد الأدنى {least}',
  reasonNotFinite: '«{text}» ليس عددًا منتهيًا',
  reasonNoGaussian: 'لا يوجد منحنى غاوسي رقم {text}',
  reasonGaussianMissing: 'رقم المنحنى الغاوسي (من 1 إلى 4) غير مذكور',
  reasonModeGiven: 'طريقة الدمج مذكورة أكثر من مرة',
  reasonOnGiven: 'قائمة المنحنيات الظاهرة مذكورة أكثر من مرة',
  reasonSelectGiven: 'المنحنى المحدَّد مذكور أكثر من مرة',
  reasonNamesGiven: 'اختيار الأسماء مذكور أكثر من مرة',
  reasonUGiven: 'قيمة u للمنحنى الغاوسي {gaussian} مذكورة أكثر من مرة',
  reasonSigmaGiven: 'قيمة sigma للمنحنى الغاوسي {gaussian} مذكورة أكثر من مرة',
  reasonLessonGiven: 'الدرس مذكور أكثر من مرة',
  reasonChallengeGiven: 'التحدي مذكور أكثر من مرة',
  reasonLanguageGiven: 'اللغة مذكورة أكثر من مرة',
  reasonUnknownNames: 'قيمة names إمّا {choices}',
  reasonUnknownParameter: 'مُعامل غير معروف (يعرف BELLSCOPE {known})',
  reasonParameterNameMissing: 'اسم المُعامل غير مذكور',
  reasonParameterValueMissing: 'يجب أن تليه قيمة، كما في \u2066{text}=...\u2069',
  reasonRecalcValue: 'لا يأخذ recalc قيمة',
  reasonBadPercent: 'ترميز غير صالح بعلامة %',
  reasonParameterTooLong: 'المُعامل طويل جدًا',
  reasonAddressTooLong: 'العنوان طويل جدًا: أقصى عدد من الأحرف يُقرأ منه {most}',
  reasonNotAChallenge: '«{text}» ليس رقم تحدٍّ: استخدم الأرقام فقط، من 0 إلى {most}',
  reasonChallengeTooLarge: '«{text}» كبير جدًا بالنسبة إلى رقم تحدٍّ (الحد الأقصى {most})',
  reasonNotATrack: '«{text}» ليس رقم مسار: استخدم الأرقام فقط، من 0 إلى {most}',
  reasonTrackTooLarge: '«{text}» كبير جدًا على رقم مسار (الحد الأقصى {most})',
  reasonNotWhole: '«{text}» ليس عددًا صحيحًا',
  reasonTruthChoice: 'قيمة truth هي each أو end',
  reasonSettingGiven: '{text} معطى من قبل',
  reasonSettingWithoutTrack: '{text} يخص مسارًا: أعطِ track=رقم أيضًا',

  pictureName: 'BELLSCOPE: منحنيات غاوسية وحاصل ضربها (موصوفة بالنص أسفل عناصر التحكم)',
  controlsName: 'عناصر التحكم في BELLSCOPE',
  onOffGroup: 'إظهار/إخفاء',
  gaussianName: 'المنحنى الغاوسي {n}',
  namesGroup: 'الأسماء',
  namesGaussians: 'المنحنيات الغاوسية 1-4',
  namesBayes: 'القبلي والقياسات',
  namesSensors: 'المستشعرات',
  bayesPrior: 'التوزيع القبلي',
  bayesMeasurement: 'القياس {m}',
  bayesPriorShort: 'القبلي',
  bayesMeasurementShort: 'قياس {m}',
  sensorName: 'المستشعر {letter}',
  sensorShort: '{letter}',
  productGaussians: 'حاصل الضرب',
  productBayes: 'التوزيع البعدي',
  productSensors: 'التقدير المدمج',
  productTrack: 'الاعتقاد المحدَّث',
  productLabelGaussians: 'الناتج',
  productLabelBayes: 'التوزيع البعدي',
  productLabelSensors: 'التقدير المدمج',
  productLabelTrack: 'الاعتقاد المحدَّث',
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
  modeUnknown: 'طريقة الدمج',
  modePointByPoint: 'الضرب نقطة بنقطة',
  modeRecalculation: 'إعادة حساب المعاملات',
  modeName: 'طريقة الدمج: {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}: {why}',
  copyLink: 'نسخ الرابط',
  savePicture: 'حفظ الصورة',
  linkField: 'رابط هذا العرض',
  savedInFrame:
    'إذا لم يُنزَّل شيء، فالصفحة التي يُعرض فيها BELLSCOPE لا تسمح بالتنزيل: احفظ الصورة أدناه بدلًا من ذلك (انقر ' +
    'عليها بزر الفأرة الأيمن أو اضغط عليها مطولًا).',
  savedPictureName: 'الصورة المراد حفظها: الإطار المعروض عند الضغط على «حفظ الصورة»',
  closePictureName: 'إغلاق الصورة',
  closeLink: 'إغلاق',
  closeLinkName: 'إغلاق الرابط',
  copied: 'تم النسخ.',
  copyRefused: 'لم يسمح المتصفح بالنسخ: انسخ الرابط من الحقل.',
  copyUnavailable: 'لا يستطيع هذا المتصفح النسخ بنفسه: انسخ الرابط من الحقل.',
  copyForbidden: 'الصفحة التي يُعرض فيها BELLSCOPE لا تسمح بالنسخ: انسخ الرابط من الحقل.',
  coloursGroup: 'الألوان',
  coloursDesign: 'الأصلية',
  coloursSafe: 'مناسبة لعمى الألوان',
  coloursLight: 'فاتحة، لأجهزة العرض',
  notRemembered: 'لا يُسمح لهذه الصفحة بحفظ أي شيء هنا، لذا يبقى الاختيار إلى أن تُغلَق الصفحة.',

  wordsHeading: 'ما تعرضه الصورة',
  starting: 'يبدأ BELLSCOPE الآن.',
  on: 'ظاهر',
  off: 'مخفي',
  wordsGaussian: '{name}: {state}، u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma}',
  wordsGaussianSelected: '{name}: {state}، u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma} (محدَّد)',
  wordsMode: 'طريقة الدمج: {mode}',
  wordsCombined: '{label}: u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma}',
  wordsCombinedExact: '{label}: u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma} (بالضبط {exactU} و{exactSigma})',
  wordsCombinedFlat:
    '{label}: u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma} (القسمة على سيغما تساوي 0 لا تعطي قيمة لـ u، فتكتب الصورة 0)',
  wordsCombinedNone: '{label}: لا شيء، إذ لا يظهر أي منحنى غاوسي',
  toldOn: '{name} ظاهر',
  toldOff: '{name} مخفي',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: 'تم تحديد {name}',
  toldCombined: '{label} u {u}، sigma {sigma}',
  toldCombinedNone: '{label}: لا شيء',
  toldBetween: '. ',
  toldEnd: '.',

  workingHeading: 'كيف يتكوّن المنحنى {productColour}',
  workingIntro:
    'ضرب منحنيات جرسية يعطي منحنى جرسيًا. **دقّته** \u20661/\u2060σ²\u2069 (وهي أكبر كلما كان أضيق) تساوي مجموع دقة ' +
    'كلٍّ منها؛ ومتوسطه هو متوسط متوسطاتها مرجَّحًا بدقة كلٍّ منها، فيقع أقرب إلى الأضيق منها؛ وتكون ذروة حاصل الضرب ' +
    'نقطة بنقطة أقل من 1، بارتفاع يدل على مدى اتفاق المنحنيات. يضرب BELLSCOPE بالترتيب: {first} في {second}، ثم ' +
    'في {third}، وهكذا؛ وبالأعداد المعروضة الآن:',
  workingNone: 'لا يظهر أي منحنى غاوسي، فلا شيء لضربه.',
  workingFlat:
    'سيغما {name} تساوي 0: فقيمته 0 في كل مكان إلا عند متوسطه u\u00a0=\u00a0{u}، حيث تبقى ذروته 1. لذا يكون ' +
    '{product} أيضًا 0 في كل مكان إلا عند u\u00a0=\u00a0{u}، وهناك يساوي حاصل ضرب المنحنيات الأخرى عند تلك النقطة: ' +
    '{height}.',
  workingFlatAlone:
    'سيغما {name} تساوي 0: فقيمته 0 في كل مكان إلا عند متوسطه u\u00a0=\u00a0{u}، حيث تبقى ذروته 1. وهو المنحنى ' +
    'الوحيد الظاهر، لذا يكون {product} مثله: 0 في كل مكان إلا عند u\u00a0=\u00a0{u}، حيث يساوي 1.',
  workingFlatApart:
    'سيغما كلٍّ من {name} و{other} تساوي 0 عند متوسطين مختلفين (u\u00a0=\u00a0{u} وu\u00a0=\u00a0{otherU}): كلٌّ ' +
    'منهما 0 حيث تكون ذروة الآخر، لذا يكون {product} 0 في كل مكان.',
  workingFlatDrawn:
    'النقطة الواحدة لا عرض لها، لذا ترسم الصورة المنحنى {productColour} مستويًا على طول الحافة السفلى، حتى عند ذلك المتوسط.',
  workingGaussian: '{name}: u = {u}، σ = {sigma}، الدقة',
  workingGaussianRead: '{name}: u = {u}، sigma = {sigma}، الدقة، أي 1 على مربع سيغما، = {precision}.',
  workingNegative: 'تُؤخذ سيغما السالبة بقيمتها المطلقة: فعرض {name} هو نفسه كما لو كانت موجبة.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: مجموع الدقتين {before} و{precision} هو {total}، لذا sigma = {sigma}، والمتوسط المرجَّح ' +
    'بالدقة هو u = {u}.',
  workingResult: 'المنحنى {productColour} هو {product}: u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma}.',
  workingHeight: 'ارتفاعه، نقطة بنقطة:',
  workingHeightRead: 'نقطة بنقطة، تبلغ ذروة {product} {height}.',
  workingHeightUnknown: 'ارتفاعه، نقطة بنقطة، يتجاوز ما تستطيع الأعداد هنا تمثيله.',
  agree: 'المنحنيات متفقة: يحتفظ {product} بـ {percent} من ارتفاعه.',
  partlyAgree: 'المنحنيات متفقة جزئيًا: يحتفظ {product} بـ {percent} من ارتفاعه.',
  hardlyAgree: 'بالكاد تتفق: {percent}.',
  lessThan: 'أقل من {value}',
  heightBelow: 'أقل من {value}',
  workingTruncated:
    'تكتب الصورة أعدادًا صحيحة وتحذف الأجزاء العشرية ({exact} تظهر {shown})، وتبدأ «إعادة حساب المعاملات» فيها من ' +
    'منحنى عريض جدًا حتى إنه مستوٍ على الرسم كله، مما يغيّر المنازل العشرية الأخيرة: أما الأعداد هنا فدقيقة، بأربعة ' +
    'أرقام معنوية.',
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
    'المنحنيان بالعرض نفسه. أين يقع المنحنى {productColour}، وكم هو أضيق منهما؟ حرّك أحدهما بزرّي «{left}» و«{right}» (أو ' +
    'بمفتاحي السهم الأيسر والسهم الأيمن)، ثم راجع الحساب أدناه.',
  'lesson_wide-narrow': 'منحنى عريض وآخر ضيق',
  'lesson_wide-narrow_question':
    'أحد المنحنيين عريض والآخر ضيق. هل المنحنى {productColour} أقرب إلى العريض أم إلى الضيق؟ الضيق هو المحدَّد: حرّكه بزرّي ' +
    '«{left}» و«{right}» (أو بمفتاحي السهم الأيسر والسهم الأيمن) وراقب.',
  'lesson_far-apart': 'منحنيان متباعدان',
  'lesson_far-apart_question':
    'المنحنيان بالكاد يتداخلان، وحاصل ضربهما نقطة بنقطة يكاد يكون مستويًا. قرّب المنحنى الغاوسي 2 بزر «{left}» (أو ' +
    'بمفتاح السهم الأيسر)، ثم أبعده من جديد بزر «{right}». ماذا يحدث لارتفاع حاصل الضرب، وعلامَ يدل ذلك بالنسبة إلى ' +
    'المنحنيين؟',
  'lesson_same-mean': 'المتوسط نفسه',
  'lesson_same-mean_question':
    'ذروتا المنحنيين في المكان نفسه. أين ذروة حاصل الضرب، وما ارتفاعها، في كل طريقة؟ بدّل الطريقة بزر طريقة الدمج ' +
    '«{mode}» (أو بمفتاح Enter) وقارن.',
  lesson_kalman: 'توزيع قبلي وقياس واحد',
  lesson_kalman_question:
    'هذا تحديث واحد لمرشّح كالمان. هل التوزيع البعدي أقرب إلى التوزيع القبلي أم إلى القياس، ولماذا؟ القياس هو ' +
    'المحدَّد: اجعله أقل دقة بزر «{wider}» (أو بالسحب بزر الفأرة الأيمن) وراقب التوزيع البعدي.',
  'lesson_three-measurements': 'توزيع قبلي وثلاثة قياسات',
  'lesson_three-measurements_question':
    'التوزيع القبلي وحده ظاهر. أظهِر القياسات واحدًا تلو الآخر بالأزرار 2 و3 و4 (أو بالمفاتيح F2 وF3 وF4)، وتابع ' +
    'الحساب أدناه: كيف تُجمع قيم الدقة خطوة بخطوة؟',
  'lesson_wide-prior': 'توزيع قبلي عريض جدًا',
  'lesson_wide-prior_question':
    'التوزيع القبلي عريض جدًا: لا يخبرنا بالكثير عن موضع القيمة. إلى أي حدّ يُبعد التوزيعَ البعدي عن القياس؟ قارن ' +
    'قيمتي u في الحساب أدناه، ثم ضيّق التوزيع القبلي بزر «{narrower}» وراقب من جديد.',
  'lesson_sigma-zero': 'BELLSCOPE حين تكون سيغما 0',
  'lesson_sigma-zero_question':
    'سيغما المنحنى الغاوسي 2 تساوي 0. ماذا تعرض الصورة، وماذا يقول الحساب؟ المنحنى الغاوسي 2 هو المحدَّد: ' +
    'وسّعه قليلًا بزر «{wider}» (أو بالسحب بزر الفأرة الأيمن).',
  lesson_sensors: 'ثلاثة مستشعرات',
  lesson_sensors_question:
    'ثلاثة مستشعرات تقيس المسافة نفسها. بأيّها يثق التقدير المدمج أكثر، ولماذا؟ اختر مستشعرًا بزرّي «{previous}» ' +
    'و«{next}» (أو بمفتاحي السهم العلوي والسهم السفلي)، وحرّكه بزرّي «{left}» و«{right}»، وانظر أيّها يجذب التقدير ' +
    'إليه أكثر.',
  'lesson_track-good-sensor': 'التتبّع: مستشعر جيد',
  'lesson_track-good-sensor_question':
    'المستشعر جيد (r = 10). اضغط «تنبّؤ» و«تحديث» بضع مرات: ما حجم الكسب K، وإلى أي حد يتبع الاعتقاد القياسات؟',
  'lesson_track-poor-sensor': 'التتبّع: مستشعر ضعيف',
  'lesson_track-poor-sensor_question':
    'المسار نفسه مع مستشعر ضعيف (r = 120). تقدّم خطوة خطوة: لماذا صار الكسب K صغيرًا، وماذا يفعل التقدير حين يبتعد قياس كثيرًا؟',
  'lesson_track-no-noise': 'التتبّع: بلا ضجيج عملية',
  'lesson_track-no-noise_question':
    'مع q = 0 يثق المرشّح بنموذجه تمامًا: يتوقع أن يتحرك المسار v = 30 بالضبط في كل خطوة، لكنه يتحرك في الحقيقة 36. شغّله وراقب الكسب K في الجدول: لماذا ينخفض نحو 0، وماذا يحدث للتقدير مقارنة بالموضع الحقيقي؟',
  'lesson_track-wrong-velocity': 'التتبّع: سرعة خاطئة',
  'lesson_track-wrong-velocity_question':
    'يفترض المرشّح أن المسار ساكن (v = 0)، لكنه يتحرك 30 في كل خطوة. شغّله: أين يقع التقدير من الموضع الحقيقي، وإلى أي جهة يشدّه كل تحديث؟',

  challenge: 'تحدٍّ',
  challengeGroup: 'تحدٍّ: توقّع حاصل الضرب',
  check: 'تحقّق',
  nextRound: 'الجولة التالية',
  leaveChallenge: 'الخروج من التحدي',
  guessName: 'تخمينك',
  challengeRound:
    'الجولة {round} من {rounds}: حاصل الضرب مخفي. حرّك تخمينك (السطر «Your\u00a0guess») إلى حيث تتوقّع أن يقع حاصل ' +
    'الضرب، وبالعرض الذي تتوقّعه، ثم اضغط «تحقّق».',
  challengeShown: 'الجولة {round} من {rounds}: المنحنى {productColour} هو حاصل الضرب، بجانب تخمينك.',
  guessKept: 'تم التحقق: يبقى تخمينك حيث كان، بجانب حاصل الضرب، وتبقى أزراره وحقوله معطّلة حتى الجولة التالية.',
  curvesFixed:
    'تبقى منحنيات الجولة كما هي: تظل أزرار تشغيلها وإيقافها و«{previous}» و«{next}» متوقفة حتى تغادر التحدي.',
  challengeMeasure:
    'الدرجة هي المساحة المشتركة بين تخمينك وحاصل الضرب حين يكون كلٌّ منهما منحنى جرسيًا مساحته 1، مضروبةً في 100: ' +
    '\u200f100 للمنحنى نفسه، و0 لمنحنيين لا يلتقيان.',
  challengeScore: 'الدرجة: {score} من 100. {u} {sigma}',
  challengeURight: 'قيمة u في تخمينك صحيحة: {answer}.',
  challengeUBelow: 'قيمة u في تخمينك أبعد إلى اليسار مما يجب بمقدار {off} ({guess}؛ وفي حاصل الضرب {answer}).',
  challengeUAbove: 'قيمة u في تخمينك أبعد إلى اليمين مما يجب بمقدار {off} ({guess}؛ وفي حاصل الضرب {answer}).',
  challengeSigmaRight: 'قيمة sigma في تخمينك صحيحة: {answer}.',
  challengeSigmaBelow: 'تخمينك أضيق مما يجب: قيمة sigma فيه أصغر بمقدار {off} ({guess}؛ وفي حاصل الضرب {answer}).',
  challengeSigmaAbove: 'تخمينك أعرض مما يجب: قيمة sigma فيه أكبر بمقدار {off} ({guess}؛ وفي حاصل الضرب {answer}).',
  challengeOver:
    'انتهى التحدي: {total} من {most}. زر «تحدٍّ» يبدأ تحديًا جديدًا، وزر «نسخ الرابط» يعطيك رابط هذا التحدي ليجرّب ' +
    'الآخرون الجولات نفسها.',
  challengeNoGuess: 'ضع تخمينك أولًا: ما زال في الموضع الذي تبدأ منه كل جولة. حرّكه إلى حيث تتوقّع أن يقع حاصل الضرب.',
  challengeBadSigma: 'سيغما تخمينك تساوي {sigma}: يحتاج المنحنى الجرسي إلى سيغما أكبر من 0. وسّعه ثم اضغط «تحقّق».',
  challengeChecked: 'تم التحقق من هذه الجولة من قبل: زر «الجولة التالية» ينقلك إلى ما بعدها.',
  challengeLeft: 'خرجت من التحدي في الجولة {round} من {rounds}، وحصيلتك {total} من {most}. زر «تحدٍّ» يبدأ تحديًا جديدًا.',
  challengeRefused: 'لا يمكن بدء التحدي الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  challengeAndLesson: 'يذكر هذا العنوان درسًا وتحديًا: الأولوية للتحدي، لذا يُهمَل الدرس.',
  challengeAndView: 'يذكر هذا العنوان تحديًا وعرضًا: للتحدي جولاته الخاصة، لذا يُهمَل العرض ({view}).',
  challengeAndTrack: 'يذكر هذا العنوان تحديًا ومسارًا: الأولوية للتحدي، لذا يُهمَل المسار.',
  trackRefused: 'لا يمكن بدء المسار الموجود في هذا العنوان ({why})، لذا يبدأ BELLSCOPE كالمعتاد.',
  trackAndView: 'يذكر هذا العنوان مسارًا وعرضًا: للمسار منحنياته الخاصة، لذا يُهمَل العرض ({view}).',
  trackAndLesson: 'يذكر هذا العنوان درسًا ومسارًا: الأولوية للمسار، لذا يُهمَل الدرس.',
  wordsGuess: 'تخمينك: u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma} (محدَّد)',
  toldGuessU: 'التخمين u {u}',
  toldGuessSigma: 'التخمين sigma {sigma}',
  workingHidden: 'مخفي حتى تضغط «تحقّق»: احسبه بنفسك أولًا.',
  listeningCurves: 'يُعزف {curves}: النغمة أعلى حيث يكون المنحنى أعلى، من اليسار إلى اليمين. حاصل الضرب مخفي.',

  track: 'التتبّع',
  trackGroup: 'التتبّع: مرشّح كالمان يتتبّع مسارًا',
  trackPredict: 'تنبّؤ',
  trackUpdate: 'تحديث',
  leaveTrack: 'مغادرة التتبّع',
  trackRun: 'تشغيل',
  trackFieldQ: 'ضجيج العملية q',
  trackFieldR: 'ضجيج المستشعر r',
  trackFieldV: 'سرعة المرشّح v',
  trackBeliefName: 'الاعتقاد',
  trackMeasurementName: 'القياس',
  trackStepStart: 'المسار {seed}، الخطوة 0 من {steps}: الاعتقاد حيث يظن المرشّح أن المسار يبدأ.',
  trackStepPredict: 'الخطوة {step} من {steps}: تنبّؤ. المنحنى المنقّط هو الاعتقاد قبل هذه الخطوة.',
  trackStepUpdate:
    'الخطوة {step} من {steps}: تحديث، K\u00a0=\u00a0{gain}. المنحنى {productColour} هو الاعتقاد مضروبًا في القياس.',
  trackSaidStart: 'يبدأ المسار: الاعتقاد عند u\u00a0=\u00a0{u} وقيمة sigma {sigma}.',
  trackSaidRight: 'تنبّؤ: تحرّك الاعتقاد {distance} إلى اليمين واتّسع من sigma {from} إلى {to}.',
  trackSaidLeft: 'تنبّؤ: تحرّك الاعتقاد {distance} إلى اليسار واتّسع من sigma {from} إلى {to}.',
  trackSaidStill: 'تنبّؤ: بقي الاعتقاد عند u\u00a0=\u00a0{u} واتّسع من sigma {from} إلى {to}.',
  trackSaidNoNoise: 'تنبّؤ: انتقل الاعتقاد إلى u = {u}؛ وبلا ضجيج عملية (q = 0) بقيت sigma عند {sigma}.',
  trackSaidUpdate:
    'تحديث: قرأ القياس {z}؛ ومع K\u00a0=\u00a0{gain} انتقل الاعتقاد إلى u\u00a0=\u00a0{u} وضاق إلى sigma {sigma}.',
  trackSaidTruth: 'كان الموضع الحقيقي {truth}.',
  trackSaidTruths: 'انتهى المسار: تظهر الآن المواضع الحقيقية، تحت المحور وفي الجدول.',
  trackPredictNext: 'الدور الآن لـ«تنبّؤ»: يتقدّم الاعتقاد خطوة قبل أن يدخل القياس التالي.',
  trackUpdateNext: 'الدور الآن لـ«تحديث»: تمّ التنبّؤ بهذه الخطوة، وبقي إدخال قياسها.',
  trackOver: 'انتهى المسار: «إعادة الضبط» تعيده من البداية، و«مغادرة التتبّع» تعود إلى المنحنيات.',
  trackCurvesFixed: 'المنحنيات منحنيات المرشّح: تبقى أزرارها وحقلا u وsigma متوقفة حتى تغادر التتبّع.',
  trackMarks: 'تحت محور الصورة، تدلّ كل | على تقدير سابق وكل △ على موضع حقيقي ظهر.',
  trackLeft: 'غادرت التتبّع عند الخطوة {step} من {steps}. زر «التتبّع» يبدأ مسارًا جديدًا.',
  trackStepsHeading: 'خطوات المسار',
  trackTable: 'المسار {seed}: التنبّؤ والقياس والكسب والتحديث في كل خطوة',
  trackColumnStep: 'الخطوة',
  trackColumnPredicted: 'الاعتقاد المتنبَّأ به',
  trackColumnMeasurement: 'القياس z',
  trackColumnGain: 'الكسب K',
  trackColumnUpdated: 'الاعتقاد المحدَّث',
  trackColumnTruth: 'الموضع الحقيقي',
  trackBelief: 'u\u00a0=\u00a0{u}، sigma\u00a0=\u00a0{sigma}',
  trackNotYet: 'ليس بعد',
  trackPlotName: 'رسم المسار: الموضع مقابل الخطوة',
  trackPlotEstimate: 'التقدير، مع نطاقه ± sigma',
  trackPlotMeasurement: 'القياس',
  trackPlotTruth: 'الموضع الحقيقي.',
  trackWorkingStart: 'يبدأ المسار: الاعتقاد u = {u}، sigma = {sigma}. «تنبّؤ» ينقله إلى الأمام.',
  trackWorkingPredict: 'التنبّؤ: التباينات تُجمع (مجموع الاعتقاد وخطوة من الضجيج q = {q}):',
  trackWorkingMoved: 'ويتحرك الاعتقاد بمقدار v = {v}:',
  trackWorkingUpdate: 'التحديث: الدقّات تُجمع (حاصل ضرب الاعتقاد في القياس):',
  trackWorkingGain: 'الكسب K هو وزن القياس:',
  trackWorkingMean: 'ومتوسط حاصل الضرب هو المتوسط المرجّح نفسه:',

  aboutHeading: 'عن الصورة',
  aboutCurves:
    'كل منحنى ملوّن هو منحنى غاوسي، أي منحنى جرسي: متوسطه `u` هو عمود ذروته، و`sigma` تدل على عرضه. يدمج المنحنى ' +
    '{productColour} المنحنيات الغاوسية الظاهرة.',
  aboutProduct:
    'في **الضرب نقطة بنقطة** يكون المنحنى {productColour} حاصل ضرب المنحنيات عمودًا بعمود. وهو منحنى جرسي من جديد، أضيق من ' +
    'كلٍّ منها ويقع بينها، أقرب إلى الأضيق. ذروته أقل من 1: فكل منحنى قيمته 1 على الأكثر، وحيث يبلغ أحدها ذروته يكون ' +
    'الآخر قد بدأ ينخفض، فلا يبلغ حاصل ضربها 1 إلا إذا تساوت المتوسطات.',
  aboutRecalculation:
    'في **إعادة حساب المعاملات** يحسب BELLSCOPE متوسط حاصل الضرب هذا وسيغما الخاصة به من صيغة رياضية، ويرسم منهما ' +
    'منحنى غاوسيًا جديدًا ذروته 1. يقع في المكان نفسه وبالعرض نفسه، ولا يختلف إلا في الارتفاع. ثم تكتب الصورة قيمتي ' +
    '`u` و`sigma` للمنحنى الناتج.',
  controlsHeading: 'عناصر التحكم',
  keyboardHelp: 'مساعدة لوحة المفاتيح',
  listen: 'استماع',
  listening: 'يُعزف {curves}، ثم {product}: النغمة أعلى حيث يكون المنحنى أعلى، من اليسار إلى اليمين.',
  listeningProduct: 'يُعزف {product}: النغمة أعلى حيث يكون أعلى، من اليسار إلى اليمين.',
  helpIntro:
    'كل مفتاح يعرفه BELLSCOPE، والأزرار التي تؤدي العمل نفسه. **?** (أو ؟) يفتح هذه النافذة أينما كان التركيز، إلا داخل حقل نصي؛ وEsc يغلقها.',
  controlsInput: 'مفتاح أو فأرة أو لمس أو زر',
  controlsAction: 'ما يفعله',
  keysOnOff: 'F1 أو F2 أو F3 أو F4، أو الأزرار من 1 إلى 4',
  doesOnOff: 'إظهار المنحنى الغاوسي 1 أو 2 أو 3 أو 4، أو إخفاؤه',
  keysSelect: 'السهم العلوي أو السهم السفلي، أو زرّا «السابق» و«التالي»',
  doesSelect: 'تحديد منحنى غاوسي آخر (العلامة `<--` والزر المسطَّر يبيّنان أيّها)',
  keysMean: 'السهم الأيسر أو السهم الأيمن، أو زرّا «يسارًا» و«يمينًا» (اضغط مطولًا للتكرار)',
  doesMean: 'تحريك متوسط المنحنى الغاوسي المحدَّد عمودًا واحدًا',
  keysMeanFast: 'Shift مع السهم الأيسر، Shift مع السهم الأيمن',
  doesMeanFast: 'تحريكه عشرة أعمدة',
  keysFollow: 'زر الفأرة الأيسر (مع الاستمرار في الضغط)، أو إصبع واحد',
  doesFollow: 'يتبع متوسط المنحنى الغاوسي المحدَّد المؤشر',
  keysWidth:
    'زر الفأرة الأيمن (مع السحب)، أو إصبعان يُباعَد بينهما أو يُقرَّبان أو يُسحبان أفقيًا، أو زرّا «أضيق» و«أعرض» (اضغط مطولًا للتكرار)',
  doesWidth: 'توسيع المنحنى الغاوسي المحدَّد أو تضييقه',
  keysMode: 'Enter، أو زر طريقة الدمج',
  doesMode: 'التبديل بين الضرب نقطة بنقطة وإعادة حساب المعاملات',
  keysQuit: 'Esc',
  doesQuit:
    'إنهاء BELLSCOPE؛ ثم يعيد زر «استئناف» الصورة كما كانت، ويبدأ زر «البدء من جديد» من الصفر. وأثناء تشغيل «استماع» لا يفعل Esc سوى إيقاف الصوت، وفي حقل u أو sigma لا يفعل سوى إعادة القيمة المعروضة',
  keysReset: 'زر «إعادة الضبط»',
  doesReset: 'العودة إلى بداية الدرس أو العرض الذي يذكره العنوان (أو إلى العرض الابتدائي)، دون إنهاء',
  keysTrack: 'P وU، أو زرّا «تنبّؤ» و«تحديث»، في التتبّع',
  doesTrack: 'التنبّؤ والتحديث، نصف خطوة من المسار في كل مرة',
  controlsNote:
    'تعمل الأزرار أيضًا بمفتاح Tab ومفتاح Enter أو مفتاح المسافة؛ وحين يكون التركيز على زر، يضغطه Enter أو المسافة، ' +
    'ويذهب أي مفتاح آخر إلى BELLSCOPE. في **الألوان**، يرسم خيار «مناسبة لعمى الألوان» المنحنيات الغاوسية الأربعة ' +
    'بألوان تبقى متمايزة لمن لديهم عمى ألوان، ويرسم خيار «فاتحة، لأجهزة العرض» منحنيات ونصوصًا داكنة على خلفية بيضاء ' +
    'لغرفة مضاءة؛ ويتذكر هذا المتصفح الاختيار.',
};
