// The formula list and its search: the engine's document, the engine's
// search from match to match, and its note when nothing is found.
import { $, state, whenReady } from './lists.js';

const viewer = $('Form7');
const documentBox = $('Text1');
const keyword = $('keyword');
const note = $('SearchNote');
let formulaDocument = null;

function showMatch(position, length) {
  const start = position - 1;
  const mark = document.createElement('mark');
  mark.textContent = formulaDocument.slice(start, start + length);
  documentBox.replaceChildren(formulaDocument.slice(0, start), mark,
                              formulaDocument.slice(start + length));
  // The found line near the top, with the lines that follow it.
  const lineHeight = parseFloat(getComputedStyle(documentBox).lineHeight) || 20;
  documentBox.scrollTop = Math.max(0, mark.offsetTop - documentBox.offsetTop - lineHeight);
}

function search(down, focusDocument) {
  const text = keyword.value;
  const found = state.engine.search(down, text);
  if (focusDocument) documentBox.focus();
  if (found.position > 0) {
    note.textContent = '';
    showMatch(found.position, text.length);
    return;
  }
  // Whether the text occurs nowhere or only before (after) the last match.
  note.textContent = found.note;
}

function openList() {
  if (formulaDocument === null) formulaDocument = state.engine.formulaDocument();
  state.engine.searchReset();
  documentBox.textContent = formulaDocument;
  documentBox.scrollTop = 0;
  note.textContent = '';
  viewer.showModal();
}

// Opens the list with `lineCount` lines from line `documentLine` of the
// document (split at CR LF) marked and scrolled to.
export function openFormulaListAt(documentLine, lineCount) {
  whenReady(() => {
    openList();
    const lines = formulaDocument.split('\r\n');
    let start = 0;
    for (let i = 0; i < documentLine && i < lines.length; ++i) start += lines[i].length + 2;
    let length = 0;
    for (let i = documentLine; i < documentLine + lineCount && i < lines.length; ++i) {
      length += lines[i].length + (i + 1 < documentLine + lineCount ? 2 : 0);
    }
    showMatch(start + 1, length);
  });
}

export function setUpFormulaList() {
  $('OpenFormula').addEventListener('click', () => whenReady(openList));
  $('searchdown').addEventListener('click', () => search(true, true));
  $('searchup').addEventListener('click', () => search(false, true));
  // Enter searches forward and leaves the focus in the entry for the next Enter.
  $('SearchForm').addEventListener('submit', (event) => {
    event.preventDefault();
    search(true, false);
  });
  $('FormulaClose').addEventListener('click', () => viewer.close());
  // Escape in the search box clears a search text first; in an empty box it
  // closes the list, as anywhere else in the dialog.
  keyword.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape' || event.isComposing || keyword.value === '') return;
    event.preventDefault();
    keyword.value = '';
  });
}
