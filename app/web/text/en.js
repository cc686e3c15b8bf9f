'use strict';
/* global TEXTS */

// The page's texts in English, the language every other table follows:
// the same keys, and in each text the same {names} (filled in when it is
// said), **strong** and `code` where the page lays it out as rich text.
const ENGLISH = {
  title: 'BELLSCOPE: products of Gaussian curves',
  languageGroup: 'Language',
  languageUnavailable: '{language} could not be loaded, so the page stays in {current}.',
  languageRefused: 'The language in this address cannot be used ({why}), so the page chooses its language as usual.',
  pictureLabels:
    'The picture is drawn as BELLSCOPE was designed, and its labels stay in English: every number in it is ' +
    'also in the words below the controls.',

  // The program's states and failures.
  loading: 'Loading BELLSCOPE...',
  updated: 'Updated',
  ended: 'BELLSCOPE has ended',
  endedTold: 'Ended with Esc. Resume brings back the picture as it was; Start again starts afresh.',
  endedRest:
    'Until you resume or start again, the controls that change the picture are off; Copy link, Save picture, Keyboard help, Listen, Names, Colours and Language still work with the picture shown.',
  resume: 'Resume',
  startAgain: 'Start again',
  reset: 'Reset',
  cannotStart: 'BELLSCOPE could not start: {why}',
  cannotStartNoCanvas: 'this page has no canvas to draw the picture on.',
  cannotStartNoInput: 'the browser would not pass the keyboard, mouse and touch input to it.',
  cannotStartNoWindow: 'it could not open its picture on this page.',
  cannotStartNoMemory: 'there is not enough memory for its picture.',
  stopped: 'BELLSCOPE stopped: {what}',
  moduleFailed: 'BELLSCOPE could not start: its WebAssembly module failed to load ({what}).',
  noWebAssembly: 'BELLSCOPE cannot run in this browser: it needs WebAssembly, which this browser does not offer.',
  viewRefused: 'The view in this address cannot be shown ({why}), so BELLSCOPE starts as usual.',
  // Why something in an address, or a typed value, is refused: what is
  // refused, then the reason, with the text refused quoted as it was typed.
  refusal: '{what}: {why}',
  reasonNotANumber: "'{text}' is not a number",
  reasonTooLarge: "'{text}' is too large: at most {most}",
  reasonTooSmall: "'{text}' is too small: at least {least}",
  reasonNotFinite: "'{text}' is not a finite number",
  reasonNoGaussian: 'there is no Gaussian {text}',
  reasonGaussianMissing: 'a Gaussian number (1-4) is missing',
  reasonModeGiven: 'the combining mode is already given',
  reasonOnGiven: 'the list of Gaussians on is already given',
  reasonSelectGiven: 'the selected Gaussian is already given',
  reasonNamesGiven: 'the choice of names is already given',
  reasonUGiven: "Gaussian {gaussian}'s u is already given",
  reasonSigmaGiven: "Gaussian {gaussian}'s sigma is already given",
  reasonLessonGiven: 'the lesson is already given',
  reasonChallengeGiven: 'the challenge is already given',
  reasonLanguageGiven: 'the language is already given',
  reasonUnknownNames: 'names are {choices}',
  reasonUnknownParameter: 'unknown parameter (BELLSCOPE knows {known})',
  reasonParameterNameMissing: 'a parameter name is missing',
  reasonParameterValueMissing: 'a value must follow, as in {text}=...',
  reasonRecalcValue: 'recalc takes no value',
  reasonBadPercent: 'bad percent-encoding',
  reasonParameterTooLong: 'the parameter is too long',
  reasonAddressTooLong: 'the address is too long: at most {most} characters are read',
  reasonNotAChallenge: "'{text}' is not a challenge number: use digits only, 0 to {most}",
  reasonChallengeTooLarge: '{text} is too large for a challenge number (at most {most})',
  reasonNotATrack: "'{text}' is not a walk's number: use digits only, 0 to {most}",
  reasonTrackTooLarge: "{text} is too large for a walk's number (at most {most})",
  reasonNotWhole: "'{text}' is not a whole number",
  reasonTruthChoice: 'truth is each or end',
  reasonSettingGiven: '{text} is already given',
  reasonSettingWithoutTrack: '{text} belongs to a walk: give track=NUMBER too',

  // The picture and the controls.
  pictureName: 'BELLSCOPE: Gaussian curves and their product (described in words below the controls)',
  controlsName: 'BELLSCOPE controls',
  onOffGroup: 'On/off',
  gaussianName: 'Gaussian {n}',
  namesGroup: 'Names',
  namesGaussians: 'Gaussians 1-4',
  namesBayes: 'Prior and measurements',
  namesSensors: 'Sensors',
  bayesPrior: 'Prior',
  bayesMeasurement: 'Measurement {m}',
  bayesPriorShort: 'Prior',
  bayesMeasurementShort: 'M{m}',
  sensorName: 'Sensor {letter}',
  sensorShort: '{letter}',
  productGaussians: 'the product',
  productBayes: 'the posterior',
  productSensors: 'the fused estimate',
  productTrack: 'the updated belief',
  productLabelGaussians: 'Combined',
  productLabelBayes: 'Posterior',
  productLabelSensors: 'Fused estimate',
  productLabelTrack: 'Updated belief',
  // The colour the picture draws the product in, as the texts name it ("the
  // {productColour} curve"): white, and black in the light colours.
  productColourWhite: 'white',
  productColourBlack: 'black',
  selectGroup: 'Select',
  selectPrevious: 'Previous',
  selectPreviousName: 'Select previous Gaussian',
  selectNext: 'Next',
  selectNextName: 'Select next Gaussian',
  meanGroup: 'Mean u',
  meanLeft: 'Left',
  meanLeftName: 'Move mean left',
  meanRight: 'Right',
  meanRightName: 'Move mean right',
  sigmaGroup: 'Sigma',
  narrower: 'Narrower',
  wider: 'Wider',
  modeUnknown: 'Combining mode',
  modePointByPoint: 'Point by Point Multiplication',
  modeRecalculation: 'Parameter Recalculation',
  modeName: 'Combining mode: {mode}',
  fieldU: 'u',
  fieldSigma: 'sigma',
  valueRefused: '{field}: {why}',
  copyLink: 'Copy link',
  savePicture: 'Save picture',
  linkField: 'Link to this view',
  savedInFrame:
    'If nothing was downloaded, the page around BELLSCOPE does not allow downloads: save the picture below ' +
    'instead (right-click or long-press it).',
  savedPictureName: 'The picture to save: the frame shown when Save picture was pressed',
  closePictureName: 'Close the picture',
  closeLink: 'Close',
  closeLinkName: 'Close the link',
  copied: 'Copied.',
  copyRefused: 'The browser did not allow copying: copy the link from the field.',
  copyUnavailable: 'This browser cannot copy by itself: copy the link from the field.',
  copyForbidden: 'The page around BELLSCOPE does not allow copying: copy the link from the field.',
  coloursGroup: 'Colours',
  coloursDesign: 'Design',
  coloursSafe: 'Colour-blind-safe',
  coloursLight: 'Light, for projectors',
  notRemembered: 'This page may not store anything here, so the choice lasts until it is closed.',

  // What the picture shows, in words, and its changes as announced.
  wordsHeading: 'What the picture shows',
  starting: 'BELLSCOPE is starting.',
  on: 'on',
  off: 'off',
  wordsGaussian: '{name}: {state}, u = {u}, sigma = {sigma}',
  wordsGaussianSelected: '{name}: {state}, u = {u}, sigma = {sigma} (selected)',
  wordsMode: 'Combining mode: {mode}',
  wordsCombined: '{label}: u = {u}, sigma = {sigma}',
  // Where a whole number the picture prints is not the exact value with its
  // decimals cut off (399 for 400), and where a sigma of 0 leaves it no u.
  wordsCombinedExact: '{label}: u = {u}, sigma = {sigma} (exactly {exactU} and {exactSigma})',
  wordsCombinedFlat: '{label}: u = {u}, sigma = {sigma} (dividing by sigma 0 gives no u, so the picture prints 0)',
  wordsCombinedNone: '{label}: none, as no Gaussian is on',
  toldOn: '{name} on',
  toldOff: '{name} off',
  toldU: '{name} u {u}',
  toldSigma: '{name} sigma {sigma}',
  toldSelected: '{name} selected',
  toldCombined: '{label} u {u}, sigma {sigma}',
  toldCombinedNone: '{label}: none',
  toldBetween: '. ',
  toldEnd: '.',

  // How the product's curve is made: the working, with the program's numbers.
  workingHeading: 'How the {productColour} curve is made',
  workingIntro:
    'Multiplying bell curves gives a bell curve. Its **precision** 1/σ² (the narrower, the larger) is the sum ' +
    'of theirs; its mean is their means weighted by their precisions, so it lies nearer the narrower ones; and ' +
    'the point-by-point product peaks below 1, at a height that says how well the curves agree. BELLSCOPE ' +
    'multiplies in order, {first} by {second}, then by {third}, and so on; with the numbers shown now:',
  workingNone: 'No Gaussian is on, so there is nothing to multiply.',
  workingFlat:
    '{name} has sigma 0: it is 0 everywhere but at its mean, u = {u}, where its peak is still 1. So {product} ' +
    'too is 0 everywhere but at u = {u}, where it equals the product of the other curves there: {height}.',
  workingFlatAlone:
    '{name} has sigma 0: it is 0 everywhere but at its mean, u = {u}, where its peak is still 1. It is the ' +
    'only curve on, so {product} is the same: 0 everywhere but at u = {u}, where it is 1.',
  workingFlatApart:
    '{name} and {other} have sigma 0 at different means, u = {u} and u = {otherU}: each is 0 where the other ' +
    'peaks, so {product} is 0 everywhere.',
  workingFlatDrawn:
    'A single point has no width, so the picture draws the {productColour} curve flat along the bottom, at that mean too.',
  workingGaussian: '{name}: u = {u}, σ = {sigma}, precision',
  workingGaussianRead: '{name}: u = {u}, sigma = {sigma}, precision, 1 over sigma squared, = {precision}.',
  workingNegative: 'A negative sigma counts as its size: {name} is as wide as if it were positive.',
  workingStep: '{product}:',
  workingStepRead:
    '{product}: the precisions {before} and {precision} add up to {total}, so sigma = {sigma}, and the ' +
    'precision-weighted mean is u = {u}.',
  workingResult: 'The {productColour} curve is {product}: u\u00a0=\u00a0{u}, sigma\u00a0=\u00a0{sigma}.',
  workingHeight: 'Its height, point by point:',
  workingHeightRead: 'Point by point, {product} peaks at {height}.',
  workingHeightUnknown: 'Its height, point by point, is beyond what the numbers here can hold.',
  agree: 'The curves agree: {product} keeps {percent} of its height.',
  partlyAgree: 'The curves partly agree: {product} keeps {percent} of its height.',
  hardlyAgree: 'They hardly agree: {percent}.',
  lessThan: 'less than {value}',
  // A height below the smallest number the page holds in full ({value}: 10⁻³⁰⁷).
  heightBelow: 'less than {value}',
  workingTruncated:
    'The picture prints whole numbers, cutting the decimals off ({exact} shows as {shown}), and its Parameter ' +
    'Recalculation starts from a curve so wide that it is flat over the plot, which moves the last decimals: ' +
    'the numbers here are exact, to four figures.',
  tooLarge: 'too large to work out',
  wordsHeight: 'Height of {product}: {height}. {agreement}',
  toldHeight: '{product} peaks at {height}',

  // Lessons: a title and a question for each of lessons.json.
  lessonsGroup: 'Lessons',
  lessonNone: 'Explore freely',
  lessonUnknown: 'There is no lesson named "{name}", so BELLSCOPE starts as usual.',
  lessonRefused: 'The lesson in this address cannot be opened ({why}), so BELLSCOPE starts as usual.',
  lessonViewLeftOut:
    "The view given with the lesson ({view}) was meant to change the lesson's view, so it is left out too.",
  lesson_equal: 'Two equal curves',
  lesson_equal_question:
    'The two curves are just as wide. Where does the {productColour} curve sit, and how much narrower is it than they ' +
    'are? Move one with "{left}" and "{right}" (or the Left and Right keys) and check with the working below.',
  'lesson_wide-narrow': 'A wide curve and a narrow one',
  'lesson_wide-narrow_question':
    'One curve is wide, the other narrow. Is the {productColour} curve nearer the wide one or the narrow one? The ' +
    'narrow one is selected: move it with "{left}" and "{right}" (or the Left and Right keys) and watch.',
  'lesson_far-apart': 'Two curves far apart',
  'lesson_far-apart_question':
    'The curves hardly overlap, and their point-by-point product is almost flat. Bring Gaussian 2 closer ' +
    'with "{left}" (or the Left key), then move it away again with "{right}". What happens to the product\'s ' +
    'height, and what does that say about the two curves?',
  'lesson_same-mean': 'The same mean',
  'lesson_same-mean_question':
    'Both curves peak at the same place. Where does the product peak, and how high, in each mode? Switch ' +
    'modes with the mode button, "{mode}" (or Enter), and compare.',
  lesson_kalman: 'A prior and one measurement',
  lesson_kalman_question:
    'This is one Kalman update. Is the posterior nearer the prior or the measurement, and why? The ' +
    'measurement is selected: make it less precise with "{wider}" (or a right-button drag) and watch the ' +
    'posterior.',
  'lesson_three-measurements': 'A prior and three measurements',
  'lesson_three-measurements_question':
    'Only the prior is on. Switch the measurements on one at a time with the buttons 2, 3 and 4 (or F2, F3 ' +
    'and F4) and follow the working below: how do the precisions add up, step by step?',
  'lesson_wide-prior': 'A very wide prior',
  'lesson_wide-prior_question':
    'The prior is very wide: it says little about where the value lies. How far does it pull the posterior ' +
    'away from the measurement? Compare their u in the working below, then narrow the prior with ' +
    '"{narrower}" and watch again.',
  'lesson_sigma-zero': 'What BELLSCOPE does with sigma 0',
  'lesson_sigma-zero_question':
    'Gaussian 2 has sigma 0. What does the picture show, and what does the working say? Gaussian 2 is ' +
    'selected: widen it a little with "{wider}" (or a right-button drag).',
  lesson_sensors: 'Three sensors',
  lesson_sensors_question:
    'Three sensors read the same distance. Which one does the fused estimate trust most, and why? Choose a ' +
    'sensor with "{previous}" and "{next}" (or Up and Down), move it with "{left}" and "{right}", and see ' +
    'which one pulls the estimate furthest.',

  'lesson_track-good-sensor': 'Track: a good sensor',
  'lesson_track-good-sensor_question':
    'The sensor is good (r = 10). Press "Predict" and "Update" a few times: how large is the gain K, and how closely does the belief follow the measurements?',
  'lesson_track-poor-sensor': 'Track: a poor sensor',
  'lesson_track-poor-sensor_question':
    'The same walk, with a poor sensor (r = 120). Step through it: why is the gain K small now, and what does the estimate do when one measurement is far off?',
  'lesson_track-no-noise': 'Track: no process noise',
  'lesson_track-no-noise_question':
    'With q = 0 the filter trusts its model completely: it expects the walk to move exactly v = 30 a step, but the walk truly moves 36. Run it and watch the gain K in the table: why does it fall toward 0, and what happens to the estimate against the truth?',
  'lesson_track-wrong-velocity': 'Track: a wrong velocity',
  'lesson_track-wrong-velocity_question':
    'The filter assumes the walk stands still (v = 0), but it moves 30 a step. Run it: where is the estimate against the truth, and which way does each update pull it?',
  // The challenge: predict the product, then check.
  challenge: 'Challenge',
  challengeGroup: 'Challenge: predict the product',
  check: 'Check',
  nextRound: 'Next round',
  leaveChallenge: 'Leave challenge',
  guessName: 'Your guess',
  challengeRound:
    'Round {round} of {rounds}: the product is hidden. Move your guess (the line "Your guess") to where ' +
    'you think the product lies, as wide as you think it is, then press Check.',
  challengeShown: 'Round {round} of {rounds}: the {productColour} curve is the product, beside your guess.',
  guessKept:
    'Checked: your guess stays where it was, beside the product, and its buttons and fields rest until the ' +
    'next round.',
  curvesFixed:
    'The round\'s curves stay as they are: their on/off buttons and "{previous}" and "{next}" rest until you ' +
    'leave the challenge.',
  challengeMeasure:
    'The score is the area your guess and the product have in common when each is a bell curve of area 1, ' +
    'times 100: 100 for the same curve, 0 for curves that do not meet.',
  challengeScore: 'Score: {score} of 100. {u} {sigma}',
  challengeURight: 'Your u is right: {answer}.',
  challengeUBelow: 'Your u is {off} too far left ({guess}; the product has {answer}).',
  challengeUAbove: 'Your u is {off} too far right ({guess}; the product has {answer}).',
  challengeSigmaRight: 'Your sigma is right: {answer}.',
  challengeSigmaBelow: 'Your sigma is {off} too narrow ({guess}; the product has {answer}).',
  challengeSigmaAbove: 'Your sigma is {off} too wide ({guess}; the product has {answer}).',
  challengeOver:
    'Challenge over: {total} of {most}. Challenge starts a new one; Copy link gives this one, so that ' +
    'others can try the same rounds.',
  challengeNoGuess:
    'Set your guess first: it is still where every round starts. Move it to where you think the product lies.',
  challengeBadSigma: 'Your guess has sigma {sigma}: a bell curve needs a sigma above 0. Widen it, then Check.',
  challengeChecked: 'This round is already checked: Next round goes on.',
  challengeLeft:
    'You have left the challenge in round {round} of {rounds}, with {total} of {most} points. Challenge ' +
    'starts a new one.',
  challengeRefused: 'The challenge in this address cannot be started ({why}), so BELLSCOPE starts as usual.',
  challengeAndLesson:
    'This address names a lesson and a challenge: the challenge comes first, so the lesson is left out.',
  challengeAndView:
    'This address names a challenge and a view: a challenge shows its own rounds, so the view ({view}) is left out.',
  challengeAndTrack: 'This address names a challenge and a walk: the challenge comes first, so the walk is left out.',
  trackRefused: 'The walk in this address cannot be started ({why}), so BELLSCOPE starts as usual.',
  trackAndView: 'This address names a walk and a view: a walk shows its own curves, so the view ({view}) is left out.',
  trackAndLesson: 'This address names a lesson and a walk: the walk comes first, so the lesson is left out.',
  wordsGuess: 'Your guess: u = {u}, sigma = {sigma} (selected)',
  toldGuessU: 'guess u {u}',
  toldGuessSigma: 'guess sigma {sigma}',
  workingHidden: 'Hidden until you press Check: work it out for yourself first.',
  listeningCurves: 'Playing {curves}: higher where a curve is higher, from left to right. The product is hidden.',

  // Track: a Kalman filter follows a walk, one half of a step at a time.
  track: 'Track',
  trackGroup: 'Track: a Kalman filter follows a walk',
  trackPredict: 'Predict',
  trackUpdate: 'Update',
  leaveTrack: 'Leave track',
  trackRun: 'Run',
  trackFieldQ: 'Process noise q',
  trackFieldR: 'Sensor noise r',
  trackFieldV: "Filter's velocity v",
  trackBeliefName: 'Belief',
  trackMeasurementName: 'Measurement',
  trackStepStart: 'Walk {seed}, step 0 of {steps}: the belief is where the filter thinks the walk starts.',
  trackStepPredict: 'Step {step} of {steps}: predict. The dotted curve is the belief before this step.',
  trackStepUpdate:
    'Step {step} of {steps}: update, K = {gain}. The {productColour} curve is the belief times the measurement.',
  trackSaidStart: 'The walk begins: the belief is at u = {u} with sigma {sigma}.',
  trackSaidRight: 'Predicted: the belief moved {distance} to the right and widened from sigma {from} to {to}.',
  trackSaidLeft: 'Predicted: the belief moved {distance} to the left and widened from sigma {from} to {to}.',
  trackSaidStill: 'Predicted: the belief stayed at u = {u} and widened from sigma {from} to {to}.',
  trackSaidNoNoise: 'Predicted: the belief moved to u = {u}; with no process noise (q = 0) its sigma stayed {sigma}.',
  trackSaidUpdate:
    'Updated: the measurement read {z}; with K = {gain}, the belief moved to u = {u} and narrowed to sigma {sigma}.',
  trackSaidTruth: 'The true position was {truth}.',
  trackSaidTruths: 'The walk is over: the true positions are shown now, below the axis and in the table.',
  trackPredictNext: 'Predict comes next: the belief moves on one step before the next measurement is taken in.',
  trackUpdateNext: 'Update comes next: this step is predicted, and its measurement is still to be taken in.',
  trackOver: 'The walk is over: Reset walks it again from the start, and Leave track goes back to the curves.',
  trackCurvesFixed: "The curves are the filter's: their buttons and the u and sigma fields rest until you leave Track.",
  trackMarks: "Under the picture's axis, each | marks an estimate so far and each △ a true position once shown.",
  trackLeft: 'You have left Track at step {step} of {steps}. Track starts a new walk.',
  trackStepsHeading: 'The steps of the walk',
  trackTable: "Walk {seed}: each step's prediction, measurement, gain and update",
  trackColumnStep: 'Step',
  trackColumnPredicted: 'Predicted belief',
  trackColumnMeasurement: 'Measurement z',
  trackColumnGain: 'Gain K',
  trackColumnUpdated: 'Updated belief',
  trackColumnTruth: 'True position',
  trackBelief: 'u = {u}, sigma = {sigma}',
  trackNotYet: 'not yet',

  trackPlotName: 'Plot of the walk: position against step',
  trackPlotEstimate: 'estimate, with its band of ± sigma',
  trackPlotMeasurement: 'measurement',
  trackPlotTruth: 'true position.',
  trackWorkingStart: 'The walk starts: the belief is u = {u}, sigma = {sigma}. Predict moves it on.',
  trackWorkingPredict: 'Predict: variances add (the sum of the belief and a step of noise q = {q}):',
  trackWorkingMoved: 'and the belief moves by v = {v}:',
  trackWorkingUpdate: 'Update: precisions add (the product of the belief and the measurement):',
  trackWorkingGain: "The gain K is the measurement's weight:",
  trackWorkingMean: "and the product's mean is the same weighted mean:",
  // About the picture, and the controls.
  aboutHeading: 'About the picture',
  aboutCurves:
    'Each coloured curve is a Gaussian, a bell curve: its mean `u` is the column of its peak and its `sigma` is ' +
    'how wide it is. The {productColour} curve combines the Gaussians that are on.',
  aboutProduct:
    'In **Point by Point Multiplication** the {productColour} curve is the curves multiplied together, column by column. ' +
    'It is again a bell curve, narrower than each of them and lying between them, nearer the narrower one. Its ' +
    'peak is below 1: each curve is at most 1, and where one peaks the other is already falling, so their ' +
    'product cannot reach 1 unless the means are the same.',
  aboutRecalculation:
    'In **Parameter Recalculation** BELLSCOPE works out the mean and sigma of that product from a formula and ' +
    'draws a fresh Gaussian from them, with its peak at 1. It lies at the same place with the same width as the ' +
    'product; only its height differs. The picture then prints the combined `u` and `sigma`.',
  controlsHeading: 'Controls',
  keyboardHelp: 'Keyboard help',
  listen: 'Listen',
  listening: 'Playing {curves}, then {product}: higher where a curve is higher, from left to right.',
  listeningProduct: 'Playing {product}: higher where it is higher, from left to right.',
  helpIntro:
    'Every key BELLSCOPE knows, and the buttons that do the same. **?** opens this wherever the focus is, except in a text field; Esc closes it.',
  controlsInput: 'Key, mouse, touch or button',
  controlsAction: 'What it does',
  keysOnOff: 'F1, F2, F3, F4, or the buttons 1 to 4',
  doesOnOff: 'switch Gaussian 1, 2, 3, 4 on or off',
  keysSelect: 'Up, Down, or Previous and Next',
  doesSelect: 'select another Gaussian (the `<--` marker, and the underlined button, show which)',
  keysMean: 'Left, Right, or the Left and Right buttons (hold them to repeat)',
  doesMean: "move the selected Gaussian's mean by one column",
  keysMeanFast: 'Shift+Left, Shift+Right',
  doesMeanFast: 'move it by ten columns',
  keysFollow: 'left mouse button (hold), or one finger',
  doesFollow: "the selected Gaussian's mean follows the pointer",
  keysWidth:
    'right mouse button (drag), two fingers spread apart, pinched or dragged sideways, or Narrower and Wider (hold them to repeat)',
  doesWidth: 'widen or narrow the selected Gaussian',
  keysMode: 'Enter, or the combining mode button',
  doesMode: 'switch between Point by Point Multiplication and Parameter Recalculation',
  keysQuit: 'Esc',
  doesQuit:
    'end BELLSCOPE; Resume then brings back the picture as it was, and Start again starts afresh. While Listen plays, Esc only stops the sound, and in the u or sigma field it only puts back the value shown',
  keysReset: 'the Reset button',
  doesReset:
    'go back to the start of the lesson, or of the view the address names (or to the start-up view), without ' +
    'ending',
  keysTrack: 'P and U, or Predict and Update, in Track',
  doesTrack: 'predict and update, one half of a step of the walk at a time',
  controlsNote:
    'The buttons also work with Tab and Enter or Space; while a button has the focus, Enter and Space press it ' +
    'and every other key still goes to BELLSCOPE. Under **Colours**, "Colour-blind-safe" draws the four ' +
    'Gaussians in colours that stay apart for colour-blind eyes, and "Light, for projectors" draws dark ' +
    'curves and text on white, for a bright room; this browser remembers the choice.',
};
TEXTS.en = ENGLISH;
