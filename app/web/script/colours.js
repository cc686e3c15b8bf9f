'use strict';
/* exported showPageColours */
/* global remembered, setProductColour */

// The page around the picture is dark, as the picture is designed; in the
// light colours, for a projector in a bright room, all of it is light
// (page.css, under :root.light-page), and so is the browser's own bar
// where it takes the page's colour. Run in the page's head with the choice
// this browser remembers, so that its first rendering is already in the
// page's colours; the menu Colours calls it again. The texts name the
// product's curve by the colour it is drawn in from then on.
/** @param {string | null} name */
function showPageColours(name) {
  const light = name === 'light';
  setProductColour(name);
  document.documentElement.classList.toggle('light-page', light);
  const bar = /** @type {HTMLMetaElement | null} */ (document.querySelector('meta[name="theme-color"]'));
  if (bar) bar.content = light ? '#ffffff' : '#000000';
}
showPageColours(remembered('colours'));
