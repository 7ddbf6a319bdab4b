// The game master's page on paper, in the engine's own print style, for a
// group just prepared as for characters ticked in the roster. The page's
// policy lets no style written in a document apply: the GM page's style
// goes in through the CSSOM instead, for the time of the print.

const PRINTED = 'groupe-print';
const PRINTING = 'printing-gm-page';

// The style sheet of the GM page on paper now, null between prints.
let printStyle = null;

// html: the engine's GM page, a whole document.
export function printGmPage(html) {
  // A print whose end the browser never told leaves nothing behind.
  endPrint();
  const page = new DOMParser().parseFromString(html, 'text/html');
  printStyle = new CSSStyleSheet();
  printStyle.replaceSync([...page.querySelectorAll('style')].map((style) => style.textContent).join('\n'));
  const styled = [...page.body.querySelectorAll('[style]')].map((element) => [element, element.getAttribute('style')]);
  for (const [element] of styled) element.removeAttribute('style');
  document.getElementById(PRINTED).replaceChildren(...page.body.childNodes);
  for (const [element, style] of styled) element.style.cssText = style;
  document.adoptedStyleSheets = [...document.adoptedStyleSheets, printStyle];
  document.body.classList.add(PRINTING);
  window.addEventListener('afterprint', endPrint, { once: true });
  window.print();
}

function endPrint() {
  document.body.classList.remove(PRINTING);
  document.adoptedStyleSheets = document.adoptedStyleSheets.filter((sheet) => sheet !== printStyle);
  printStyle = null;
  document.getElementById(PRINTED).replaceChildren();
}
