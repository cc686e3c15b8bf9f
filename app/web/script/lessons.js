'use strict';
/* exported connectLessons */
/* global say, pageAddress */

// Lessons: prepared situations, each a view (in the view grammar, names
// included) with a title and a question for the student (lessons.json,
// their texts in the text table as lesson_NAME and lesson_NAME_question).
// Chosen from the list "Lessons", or opened by a link's lesson=NAME, whose
// other parameters, if any, are the view as it was when the link was
// copied. Returns query() (the view to start in), link() (what a link
// carries besides the view), leave(), for a challenge, which is no lesson,
// and relabel(), for another language.
function connectLessons(program, changed, refuse) {
  const lessons = JSON.parse(document.getElementById('lessons').textContent);
  const list = document.getElementById('lesson-list');
  const question = document.getElementById('lesson-question');
  function label() {
    list.replaceChildren(
      new Option(say('lessonNone'), ''),
      ...lessons.map((lesson) => new Option(say(`lesson_${lesson.name}`), lesson.name)),
    );
  }
  label();

  const view = pageAddress.view;
  const name = pageAddress.lesson;
  let current = null;
  // A challenge comes first: a lesson would give its answers away.
  if (name !== null && pageAddress.challenge !== null) refuse('challengeAndLesson');
  else if (name !== null) {
    current = lessons.find((lesson) => lesson.name === name) || null;
    if (!current) refuse('lessonUnknown', { name: name.slice(0, 60) });
  }

  function show() {
    list.value = current ? current.name : '';
    question.hidden = !current;
    question.textContent = current ? say(`lesson_${current.name}_question`) : '';
    changed();
  }
  list.addEventListener('change', () => {
    current = lessons.find((lesson) => lesson.name === list.value) || null;
    if (current) program.setView(current.view);
    show();
  });
  show();

  return {
    query: () => (current && !view ? current.view : view),
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
