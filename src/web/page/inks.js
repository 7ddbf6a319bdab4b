// The sheet's inks against their paper. The game's sheet writes some values
// in light inks (the pink nationality, the orange profession, the red
// improvement rolls) that read under 4.5:1 on white: the exact sheet keeps
// each ink and edges its letters with the darker shade of the same hue
// that reads there, so that the text stands out; the column writes in that
// shade outright. In a dark scheme the column lays each paper out in its
// night shade and writes each ink in the lightest-needed tint that reads on
// it.

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

const css = (channels) => `rgb(${channels.join(',')})`;

// The lightest shade of the same hue that reads at 4.5:1 on the paper: the
// ink scaled towards black step by step.
function readableInk(ink, paper) {
  let shade = rgbOf(ink);
  const back = rgbOf(paper ?? WHITE);
  while (contrast(shade, back) < READABLE) shade = shade.map((c) => Math.floor(c * 0.9));
  return css(shade);
}

// The night paper of the dark scheme: the paper's lightness mirrored
// between NIGHT_DARKEST (white's night) and NIGHT_DARKEST + NIGHT_SPAN, its
// hue and saturation kept, so that the blue boxes stay blue and the sheet's
// grey becomes the column's dark face (sheet.css holds both neutral nights).
const NIGHT_DARKEST = 24 / 255;
const NIGHT_SPAN = 0.8;
export function nightPaper(paper) {
  const channels = rgbOf(paper ?? WHITE).map((c) => c / 255);
  const lightness = (Math.max(...channels) + Math.min(...channels)) / 2;
  const night = NIGHT_DARKEST + NIGHT_SPAN * (1 - lightness);
  const chroma = (l) => 1 - Math.abs(2 * l - 1);
  const scale = chroma(lightness) > 0 ? chroma(night) / chroma(lightness) : 0;
  return css(channels.map((c) => Math.round(255 * (night + (c - lightness) * scale))));
}

// The darkest tint of the same hue that reads at 4.5:1 on the paper's
// night: the ink taken towards white step by step.
function nightInk(ink, paper) {
  let tint = rgbOf(ink);
  const back = rgbOf(nightPaper(paper));
  while (contrast(tint, back) < READABLE) tint = tint.map((c) => Math.ceil(c + (255 - c) * 0.1));
  return css(tint);
}

// The edge of a letter whose ink reads under 4.5:1 on its paper: a stroke
// 0.04 em wide (half a pixel in the sheet's 13 px texts) in the shade that
// reads there; none for an ink that reads by itself.
function inkEdge(ink, paper) {
  if (contrast(rgbOf(ink), rgbOf(paper ?? WHITE)) >= READABLE) return '0';
  return `0.04em ${readableInk(ink, paper)}`;
}

// The declarations of a text in `ink` on `paper` (null for white): the ink,
// its edge in the exact sheet, and the shades the column writes in by day
// and by night.
export const inkStyle = (ink, paper) =>
  `color:${ink};-webkit-text-stroke:${inkEdge(ink, paper)};--phone-ink:${readableInk(ink, paper)};` +
  `--phone-ink-dark:${nightInk(ink, paper)};`;

// The declarations of a control's paper: the paper, and its night for the
// column's dark scheme.
export const paperStyle = (paper) => `background-color:${paper};--phone-paper-dark:${nightPaper(paper)};`;
