// Colour figures for the page's colour profiles: WCAG contrast against the
// background, and CIE76 distances in CIELAB (D65) in normal vision and as
// simulated by Machado, Oliveira and Fernandes (2009) at severity 1, applied
// to linear RGB.
'use strict';

const MACHADO = {
  protanopia: [
    [0.152286, 1.052583, -0.204868],
    [0.114503, 0.786281, 0.099216],
    [-0.003882, -0.048116, 1.051998],
  ],
  deuteranopia: [
    [0.367322, 0.860646, -0.227968],
    [0.280085, 0.672501, 0.047413],
    [-0.01182, 0.04294, 0.968881],
  ],
  tritanopia: [
    [1.255528, -0.076749, -0.178779],
    [-0.078411, 0.930809, 0.147602],
    [0.004733, 0.691367, 0.3039],
  ],
};
const VISIONS = ['normal', ...Object.keys(MACHADO)];

const linear = (c) => (c / 255 <= 0.04045 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
const clamp = (x) => Math.min(1, Math.max(0, x));

function luminance(rgb) {
  const [r, g, b] = rgb.map(linear);
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

// Contrast ratio against a background, black unless another is given.
function contrast(rgb, background = [0, 0, 0]) {
  const [light, dark] = [luminance(rgb), luminance(background)].sort((a, b) => b - a);
  return (light + 0.05) / (dark + 0.05);
}

function lab(rgb, vision) {
  let l = rgb.map(linear);
  const m = MACHADO[vision];
  if (m) l = m.map((row) => clamp(row[0] * l[0] + row[1] * l[1] + row[2] * l[2]));
  const [r, g, b] = l;
  const xyz = [
    (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047,
    0.2126729 * r + 0.7151522 * g + 0.072175 * b,
    (0.0193339 * r + 0.119192 * g + 0.9503041 * b) / 1.08883,
  ];
  const f = (t) => (t > (6 / 29) ** 3 ? Math.cbrt(t) : t / (3 * (6 / 29) ** 2) + 4 / 29);
  const [fx, fy, fz] = xyz.map(f);
  return [116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)];
}

// The smallest CIE76 distance between two of the colours, as seen in vision.
function smallestDistance(colours, vision) {
  const labs = colours.map((c) => lab(c, vision));
  let smallest = Infinity;
  for (let i = 0; i < labs.length; ++i)
    for (let j = i + 1; j < labs.length; ++j)
      smallest = Math.min(smallest, Math.hypot(...labs[i].map((v, k) => v - labs[j][k])));
  return smallest;
}

module.exports = { VISIONS, contrast, smallestDistance };
