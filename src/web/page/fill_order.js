// The order in which a player fills the sheet, and under which caption each
// box comes: the page's document order (so the Tab order) and the phone
// view's column. Where things stand on the game's sheet is the layout
// table's business; this table only says in what order and on which line
// of the column the controls come. A line lists control names with the
// column of the phone view's grid each one takes ('1 / -1': the whole
// line). Controls of the layout that no line names (the frame, the side
// pictures, the rules, the "+" and "=" signs, the captions that only repeat
// a heading) stand after these in the document and the column leaves them
// out.

const CHARACTERISTICS = ['forc', 'con', 'tai', 'dex', 'intl', 'pou', 'cha'];
// The row captions of the characteristics, Label1(0) to Label1(6).
const characteristicLines = CHARACTERISTICS.map((name, i) =>
  [[`Label1(${i})`, '1'], [name, '2'], [`des_ok(${i})`, '3'], [`${name}_race`, '4'], [`${name}_tot`, '5']]);

const WEAPONS = [1, 2, 3, 4, 5, 6];
const weaponLines = WEAPONS.flatMap((i) => [
  [[`arme_nom(${i})`, '1 / 4'], [`arme_att(${i})`, '4'], [`arme_par(${i})`, '5']],
  [[`arme_deg(${i})`, '1 / -1']],
]);

// The skill headings of the sheet (captions of the layout); each skill
// stands under the nearest of them above it in its column.
const SKILL_HEADINGS = ['Label32', 'Label30', 'Label31', 'Label34', 'Label29', 'Label33', 'Label40'];

// fixed: the names of the controls with a role of their own.
const fillOrder = (fixed) => [
  { lines: [[['Label8', '2'], ['Label23', '4'], ['Label24', '5']], ...characteristicLines] },
  {
    lines: [
      [['Label3', '1'], ['nationalite', '2'], ['des_ok(14)', '3']],
      [['nationalite_nom', '1 / -1']],
      [['Label4', '1'], ['profession', '2'], ['des_ok(15)', '3']],
      [['profession_nom', '1 / -1']],
      [['Label5', '1'], ['age', '2'], ['des_ok(16)', '3']],
      [['sorcier', '1 / -1']],
    ],
  },
  { lines: [[[fixed.typedEntry, '1 / -1']], [[fixed.title, '1 / -1']]] },
  {
    lines: [
      [['Label6', '1'], ['san', '2']],
      [['Label7', '1'], ['sft', '2']],
      [['Label2', '1'], ['pv', '2']],
      [['Label36', '1'], ['blessure_majeure', '2']],
      [['Label37', '1 / 4'], ['bonus_dommages', '4 / -1']],
    ],
  },
  { heading: 'Compétences', skills: SKILL_HEADINGS },
  {
    heading: 'Label41',
    lines: [[['Label26', '1 / 4'], ['Label27', '4'], ['Label28', '5']],
      [['bonus_attaque', '4'], ['bonus_parade', '5']], ...weaponLines],
  },
  { lines: [[['Label38', '1 / -1']], [['equipement', '1 / -1']]] },
  { lines: [[['Label39', '1'], ['des_comp', '2'], ['des_ok(17)', '3']]] },
  { lines: [[[fixed.quit, '1 / -1']]] },
];

// A skill's heading: the nearest heading above it whose left edge is within
// a sixth of an inch of its own (each column of skills starts under its
// headings).
const COLUMN_SLACK_TWIPS = 240;

function skillLines(rows, headingNames) {
  const byName = new Map(rows.map((row) => [row.name, row]));
  const headings = headingNames.map((name) => byName.get(name));
  const values = rows.filter((row) => row.name.startsWith('Text1('));
  const under = new Map(headings.map((heading) => [heading, []]));
  for (const value of values) {
    const caption = byName.get(value.name.replace('Text1', 'comp'));
    const heading = headings
      .filter((h) => Math.abs(h.twips.left - caption.twips.left) <= COLUMN_SLACK_TWIPS && h.twips.top <= caption.twips.top)
      .reduce((best, h) => (!best || h.twips.top > best.twips.top ? h : best), null);
    under.get(heading).push([[caption.name, '1 / 5'], [value.name, '5']]);
  }
  // The bonus box beside each heading: the box on the heading's line.
  const bonusOf = (heading) => rows.find((row) => row.name.startsWith('bonus_') &&
    Math.abs(row.twips.top - heading.twips.top) <= COLUMN_SLACK_TWIPS && row.twips.left > heading.twips.left &&
    row.twips.left - heading.twips.left < 2 * COLUMN_SLACK_TWIPS + heading.twips.width);
  return headings.flatMap((heading) => {
    const bonus = bonusOf(heading);
    const top = (line) => byName.get(line[0][0]).twips.top;
    return [[[heading.name, bonus ? '1 / 5' : '1 / -1'], ...(bonus ? [[bonus.name, '5']] : [])],
      ...under.get(heading).sort((a, b) => top(a) - top(b))];
  });
}

// The sections of the column, each {heading, lines}: lines of [name,
// column] pairs, the skills placed under their headings from the layout.
export function fillSections(rows, fixed) {
  return fillOrder(fixed).map((section) => ({
    heading: section.heading ?? null,
    lines: section.skills ? skillLines(rows, section.skills) : section.lines,
  }));
}
