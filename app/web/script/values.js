'use strict';
/* exported connectValues */
/* global say */

// Exact values for the selected Gaussian, typed: Enter or leaving the field
// applies one; a wrong one is refused in words and changes nothing; Esc
// goes back to the value shown. Returns show(state), which shows the
// program's values in the fields that are not being typed in.
function connectValues(program, changed) {
  const label = document.getElementById('exact-label');
  const message = document.getElementById('field-message');
  const fields = { u: document.getElementById('field-u'), sigma: document.getElementById('field-sigma') };
  const names = { u: 'fieldU', sigma: 'fieldSigma' };
  let selected = null;

  // The value shown now, as the shortest text that reads back exactly.
  const current = (which) => (selected && selected[which] !== null ? String(selected[which]) : '');
  function showField(which) {
    if (selected && document.activeElement !== fields[which]) fields[which].value = current(which);
  }
  function refuse(field, text) {
    field.setAttribute('aria-invalid', text ? 'true' : 'false');
    message.textContent = text;
    message.className = text ? 'message error' : 'message';
    changed();
  }
  function apply(which) {
    const field = fields[which];
    if (!program.running || !selected) return;
    if (field.value === current(which) && field.getAttribute('aria-invalid') !== 'true') return;
    const why = program.setValue(which, field.value.trim());
    refuse(field, why ? say('valueRefused', { field: say(names[which]), why }) : '');
  }

  for (const [which, field] of Object.entries(fields)) {
    field.bellscopeKey = (e) => {
      if (e.key === 'Enter') apply(which);
      if (e.key === 'Escape') {
        field.setAttribute('aria-invalid', 'false');
        message.textContent = '';
        field.value = current(which);
        field.blur();
      }
    };
    field.addEventListener('blur', () => {
      apply(which);
      showField(which);
    });
  }

  return {
    show(state) {
      selected = state.gaussians[state.selected - 1];
      label.textContent = say('gaussianName', { n: state.selected });
      showField('u');
      showField('sigma');
    },
  };
}
