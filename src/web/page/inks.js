// The sheet's inks against their paper. The game's sheet writes some values
// in light inks (the pink nationality, the orange profession, the red
// improvement rolls) that read under 4.5:1 on white: the exact sheet keeps
// each ink and edges its letters with the darker shade of the same hue
// that reads there, so that the text stands out; the column writes in that
// shade outright.

const READABLE = 4.5;

const channel = (c) => {
  const v = c / 255;
  return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
};
const luminance = ([r, g, b]) => 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b);
const contrast = (a, b) => {
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
};
const rgbOf = (text) => text.match(/\d+/g).map(Number);
const WHITE = 'rgb(255,255,255)';

// The lightest shade of the same hue that reads at 4.5:1 on the paper: the
// ink scaled towards black step by step.
function readableInk(ink, paper) {
  let shade = rgbOf(ink);
  const back = rgbOf(paper ?? WHITE);
  while (contrast(shade, back) < READABLE) shade = shade.map((c) => Math.floor(c * 0.9));
  return `rgb(${shade.join(',')})`;
}

// The edge of a letter whose ink reads under 4.5:1 on its paper: a stroke
// 0.04 em wide (half a pixel in the sheet's 13 px texts) in the shade that
// reads there; none for an ink that reads by itself.
function inkEdge(ink, paper) {
  if (contrast(rgbOf(ink), rgbOf(paper ?? WHITE)) >= READABLE) return '0';
  return `0.04em ${readableInk(ink, paper)}`;
}

// The declarations of a text in `ink` on `paper` (null for white): the ink,
// its edge in the exact sheet, and the shade the column writes in.
export const inkStyle = (ink, paper) =>
  `color:${ink};-webkit-text-stroke:${inkEdge(ink, paper)};--phone-ink:${readableInk(ink, paper)};`;
