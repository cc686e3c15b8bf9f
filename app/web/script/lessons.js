'use strict';
/* exported connectLessons */
/* global say, pageAddress, changeAddress, quotedPart, typedText */

// Lessons: prepared situations, each a view (in the view grammar, names
// included), or a walk of Track's (its address's parameters), with a title
// and a question for the student (lessons.json,
// their texts in the text table as lesson_NAME and lesson_NAME_question).
// Chosen from the list "Lessons", which puts lesson=NAME in the address, or
// opened by a link's lesson=NAME, whose other parameters, if any, change
// the lesson's view: they say what differed from it when the link was
// copied. The lesson's view is the base of the page's view (links say what
// differs from it), and its start, with the link's changes, is where Reset
// goes back to. "Explore freely" goes back to the start-up state. A lesson
// that does not exist is named, and the view given with it, which was to
// change it, is left out and named too.
//
// A lesson that is a walk is started by walk(query), and shows the walk the
// address names, if any (a link copied in it: the lesson's walk with other
// settings), or its own.
//
// choosing(), called before a choice from the list is shown, lets a
// challenge or a walk be left first. Returns query() and base() (the view to start
// in, over the lesson's), link() (what a link carries besides the view),
// walk(), the walk to start in, if the lesson is one, leave(), for a
// challenge or a new walk, which are no lesson, takeKey (the list's keys, for
// Controls' takeKeys), and relabel(), for another
// language.
/**
 * @typedef {ReturnType<typeof connectLessons>} Lessons
 * @typedef {{name: string, view?: string, track?: string}} Lesson
 * @param {Program} program
 * @param {() => void} layOutAgain
 * @param {Refuse} refuse
 * @param {() => void} choosing
 * @param {(query: string) => boolean} walk
 */
function connectLessons(program, layOutAgain, refuse, choosing, walk) {
  /** @type {Lesson[]} */
  const lessons = JSON.parse(
    /** @type {string} */ (/** @type {HTMLElement} */ (document.getElementById('lessons')).textContent),
  );
  const list = /** @type {HTMLSelectElement} */ (document.getElementById('lesson-list'));
  const question = /** @type {HTMLElement} */ (document.getElementById('lesson-question'));
  function label() {
    list.replaceChildren(
      new Option(say('lessonNone'), ''),
      ...lessons.map((lesson) => new Option(say(/** @type {TextKey} */ (`lesson_${lesson.name}`)), lesson.name)),
    );
  }
  label();

  const name = pageAddress.lesson;
  /** @type {Lesson | null} */
  let current = null;
  let view = pageAddress.view;
  // A challenge comes first: a lesson would give its answers away; and a
  // walk, which shows its own curves, but in a lesson that is a walk.
  const walks = lessons.some((lesson) => lesson.name === name && lesson.track);
  if (name !== null && (pageAddress.challenge !== null || (pageAddress.track !== null && !walks))) {
    refuse(pageAddress.challenge !== null ? 'challengeAndLesson' : 'trackAndLesson');
    changeAddress((parts) => parts.filter((part) => !part.startsWith('lesson=')));
  } else if (name !== null) {
    current = lessons.find((lesson) => lesson.name === name) || null;
    if (!current) refuse('lessonUnknown', { name: name.slice(0, 60) });
    if (!current && view) {
      refuse('lessonViewLeftOut', { view: typedText(quotedPart(view)) });
      view = '';
    }
  }

  // The questions name the page's buttons by the words they show.
  const buttons = () => ({
    left: say('meanLeft'),
    right: say('meanRight'),
    narrower: say('narrower'),
    wider: say('wider'),
    previous: say('selectPrevious'),
    next: say('selectNext'),
    mode: say('modePointByPoint'),
  });
  function show() {
    list.value = current ? current.name : '';
    question.hidden = !current;
    question.textContent = current ? say(/** @type {TextKey} */ (`lesson_${current.name}_question`), buttons()) : '';
    layOutAgain();
  }
  // A lesson replaces the view: chosen by the keyboard, in a list that
  // changes as the arrows or a letter browse it, it is opened by Enter or
  // by leaving the list, and Esc goes back to the lesson open; the pointer
  // and touch open it as they choose it.
  // The page hears of the list's keys first (takeKey, for Controls'
  // takeKeys): an Esc that goes back is the list's alone.
  let browsed = false;
  /** @type {KeyTaker} */
  function takeKey(e) {
    if (e.target !== list) return false;
    if (e.key === 'Escape' && browsed) {
      browsed = false;
      show();
      return true;
    }
    if (e.key === 'Enter' && browsed) {
      // Taken: Chromium would also drop the list open over the page.
      browsed = false;
      open();
      return true;
    }
    if (e.key === 'Enter') browsed = false;
    else if (!['Tab', ' ', 'Escape'].includes(e.key) && !e.altKey) browsed = true;
    return false;
  }
  list.addEventListener('blur', () => {
    if (browsed) open();
    browsed = false;
  });
  list.addEventListener('change', () => {
    if (!browsed) open();
  });
  function open() {
    if (list.value === (current ? current.name : '')) return;
    choosing();
    current = lessons.find((lesson) => lesson.name === list.value) || null;
    program.setPageView((current && current.view) || '', '');
    changeAddress((parts) => [
      ...parts.filter((part) => part.startsWith('lang=')),
      ...(current ? [`lesson=${current.name}`] : []),
    ]);
    if (current && current.track) walk(current.track);
    show();
  }
  show();

  return {
    takeKey,
    query: () => view,
    base: () => (current && current.view) || '',
    walk: () => (current && current.track) || null,
    link: () => (current ? `lesson=${current.name}` : ''),
    leave() {
      current = null;
      show();
    },
    // In another language.
    relabel() {
      label();
      show();
    },
  };
}
