// The formula behind a result line: tapping a line of the result box, or
// moving onto it with the arrow keys, shows below it the formula that made
// it and the user's numbers in it, one line at a time; a second tap closes
// it. Its link opens the formula list at that formula. The box's text stays
// the engine's (the line texts, each with its CR LF); the formulas are asked
// of the engine only when a line is first opened.
import { state } from './lists.js';

let box = null;
let openListAt = null;
let lines = [];
let formulas = null;
let askFormulas = null;
const panel = document.createElement('div');
panel.id = 'LineFormula';
panel.className = 'line-formula';

function closePanel() {
  for (const line of lines) line.removeAttribute('aria-describedby');
  for (const line of lines) line.setAttribute('aria-expanded', 'false');
  panel.remove();
}

function show(index) {
  if (formulas === null) formulas = askFormulas ? askFormulas() : [];
  const f = formulas[index];
  const line = lines[index];
  closePanel();
  if (!f) return;
  const parts = [];
  const add = (cls, text) => {
    const div = document.createElement('div');
    div.className = cls;
    div.textContent = text;
    parts.push(div);
  };
  add('formula-title', f.title);
  f.formulas.forEach((formula, i) => add(i === 0 && f.own ? 'formula-own' : 'formula-line', formula));
  if (f.bindings) add('formula-bindings', f.bindings);
  if (f.substitution) add('formula-substitution', f.substitution);
  const link = document.createElement('a');
  link.href = '#Form7';
  link.id = 'LineFormulaLink';
  link.textContent = '計算式一覧で見る';
  link.addEventListener('click', (event) => {
    event.preventDefault();
    openListAt(f.documentLine, 1 + f.formulas.length);
  });
  parts.push(link);
  panel.replaceChildren(...parts);
  line.after(panel);
  line.setAttribute('aria-describedby', panel.id);
  line.setAttribute('aria-expanded', 'true');
}

function lineIndex(element) {
  return lines.indexOf(element);
}

// The result text in the box: a line element per result line, each with
// its CR LF. `ask` gives the lines' formulas, or is null for a text that
// is no calculation's result (a message, an explanation).
export function showResultLines(text, ask) {
  closePanel();
  formulas = null;
  askFormulas = ask;
  lines = [];
  if (!ask) {
    box.textContent = text;
    return;
  }
  const parts = text.split('\r\n');
  const children = parts.map((part, i) => {
    if (i === parts.length - 1) return part;
    const span = document.createElement('span');
    span.className = 'result-line';
    span.tabIndex = -1;
    // A disclosure: it opens and closes its formula.
    span.setAttribute('role', 'button');
    span.setAttribute('aria-expanded', 'false');
    span.textContent = `${part}\r\n`;
    lines.push(span);
    return span;
  });
  box.replaceChildren(...children.filter((c) => c !== ''));
}

export function setUpLineFormulas(output, openFormulaListAt) {
  box = output;
  openListAt = openFormulaListAt;
  // A tap focuses the line before its click: the click alone opens or
  // closes the formula then.
  let tapping = false;
  box.addEventListener('pointerdown', () => { tapping = true; });
  box.addEventListener('click', (event) => {
    tapping = false;
    if (!state.engine || panel.contains(event.target)) return;
    const line = event.target.closest?.('.result-line');
    const index = line ? lineIndex(line) : -1;
    if (index < 0) return;
    if (panel.isConnected && line.nextSibling === panel) closePanel();
    else show(index);
  });
  box.addEventListener('focusin', (event) => {
    const index = lineIndex(event.target);
    if (tapping) return;
    if (index >= 0 && !(panel.isConnected && event.target.nextSibling === panel)) show(index);
  });
  box.addEventListener('keydown', (event) => {
    if (lines.length === 0 || event.altKey || event.ctrlKey || event.metaKey) return;
    const at = lineIndex(document.activeElement);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      const next = at < 0 ? 0 : Math.min(lines.length - 1, Math.max(0, at + (event.key === 'ArrowDown' ? 1 : -1)));
      event.preventDefault();
      lines[next].focus();
    } else if (event.key === 'Enter' && at >= 0 && formulas?.[at]) {
      event.preventDefault();
      openListAt(formulas[at].documentLine, 1 + formulas[at].formulas.length);
    } else if (event.key === 'Escape' && panel.isConnected) {
      event.preventDefault();
      closePanel();
    }
  });
}
