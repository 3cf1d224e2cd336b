// The page: the main window's controls over the engine, the customisation,
// the formula list with its search, the explanations, the help and the
// version. Everything it shows comes from the engine; only the arrangement
// is the page's own.
import { loadEngine } from './engine.js';

const $ = (id) => document.getElementById(id);

// A caption with %1, %2 … filled in; a value is put in as it is, even one
// with "$" in it.
const fillIn = (template, ...values) =>
  values.reduce((text, value, i) => text.replace(`%${i + 1}`, () => String(value)), template);

// Masks kept in the browser between visits.
const Storage = {
  get(key) {
    try { return localStorage.getItem(key); } catch { return null; }
  },
  set(key, value) {
    try { localStorage.setItem(key, value); } catch { /* private mode: kept for this visit only */ }
  },
};
const PrefixMaskKey = 'tamrisk.prefixMask';
const UnitMaskKey = 'tamrisk.unitMask';

// Without the module the page can do nothing but show its help and
// version: one sentence says why, and what needs the module is put away.
function showProblem(id) {
  engine = null;
  pending = null;
  $(id).hidden = false;
  for (const hidden of ['Loading', 'Picture2', 'PartnerNotice', 'Output']) $(hidden).hidden = true;
  for (const menu of ['OpenCustom', 'OpenFormula']) $(menu).disabled = true;
}

// Clicks and keys that arrive before the module is ready wait for it; if it
// never comes they are dropped.
let engine = null;
let catalogue = null;
let pending = [];
function whenReady(f) {
  if (engine) f();
  else pending?.push(f);
}

const params = [
  { entry: $('Param_1'), prefix: $('Sub_Unit_1'), unit: $('Unit_1') },
  { entry: $('Param_2'), prefix: $('Sub_Unit_2'), unit: $('Unit_2') },
];
const filter = $('Unit_3');
const output = $('Output');
// The result text exactly as the engine wrote it (CR LF line ends), for copying.
let outputText = '';

function setOutput(text) {
  outputText = text;
  output.textContent = text;
  output.scrollTop = 0;
}

function fillSelect(select, entries) {
  select.replaceChildren(...entries.map((text) => new Option(text, text)));
}

function selectText(select, text) {
  const i = [...select.options].findIndex((o) => o.value === text);
  if (i >= 0) select.selectedIndex = i;
}

// --- Lists and masks --------------------------------------------------------

let prefixMask = '';
let unitMask = '';

// Fills the five lists from the masks and resets the inputs, as the window
// program does at start and after the customisation.
function populateLists() {
  const lists = engine.lists(prefixMask, unitMask);
  for (const p of params) {
    fillSelect(p.prefix, lists.prefixes);
    p.prefix.selectedIndex = lists.blankPrefixIndex;
    fillSelect(p.unit, lists.units);
    p.unit.selectedIndex = 0;
  }
  fillSelect(filter, lists.filters);
  filter.selectedIndex = 0;
  for (const p of params) {
    p.entry.value = '0';
    selectText(p.unit, catalogue.noUnit);
    selectText(p.prefix, catalogue.noPrefix);
  }
  tickBoxes();
}

// --- Calculation ------------------------------------------------------------

function calculate() {
  whenReady(() => {
    const result = engine.calculate(
      [params[0].entry.value, params[0].prefix.value, params[0].unit.value,
       params[1].entry.value, params[1].prefix.value, params[1].unit.value, filter.value],
      new Date().getFullYear());
    params[0].entry.value = result.param1;
    params[1].entry.value = result.param2;
    setOutput(result.output);
    clearPartnerNotice();
    if (result.failed && !result.invalidInput) showPartnerNotice();
    if (performance.getEntriesByName('tamrisk-first-result').length === 0) {
      performance.mark('tamrisk-first-result');
    }
  });
}

// 計算 is a plain button, and Enter in an entry calculates: a form's
// submission would cost the browser's form handling first (a few
// milliseconds in chromium).
$('Go_Calculate').addEventListener('click', calculate);
for (const p of params) {
  p.entry.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.isComposing || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    calculate();
  });
}
// Any other submission of the inputs calculates too, and never leaves the page.
$('Picture2').addEventListener('submit', (event) => {
  event.preventDefault();
  calculate();
});

// Enter in a list calculates; Backspace and Space select the blank entry.
for (const select of [...params.flatMap((p) => [p.prefix, p.unit]), filter]) {
  select.addEventListener('keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    if (event.key === 'Enter') {
      event.preventDefault();
      calculate();
    } else if ((event.key === ' ' || event.key === 'Backspace') && catalogue) {
      event.preventDefault();
      const blank = select === filter ? catalogue.noFilter
                    : params.some((p) => p.prefix === select) ? catalogue.noPrefix : catalogue.noUnit;
      selectText(select, blank);
    }
  });
}

for (const p of params) {
  // The whole number is selected when the entry gets the focus, so typing
  // replaces it.
  p.entry.addEventListener('focus', () => p.entry.select());
  p.entry.addEventListener('mouseup', (event) => {
    if (p.entry.dataset.selectOnce) {
      event.preventDefault();
      delete p.entry.dataset.selectOnce;
    }
  });
  p.entry.addEventListener('mousedown', () => {
    if (document.activeElement !== p.entry) p.entry.dataset.selectOnce = '1';
  });
}

function clearRow(p) {
  p.entry.value = '0';
  if (catalogue) {
    selectText(p.prefix, catalogue.noPrefix);
    selectText(p.unit, catalogue.noUnit);
  }
  p.entry.focus();
  p.entry.select();
}
$('Param_1_Clear').addEventListener('click', () => clearRow(params[0]));
$('Param_2_Clear').addEventListener('click', () => clearRow(params[1]));

// The explanation of the row's prefix and unit replaces the result; when
// neither has one the result stays.
function explain(p) {
  whenReady(() => {
    const text = engine.explanation(p.prefix.value, p.unit.value);
    if (text) setOutput(text);
    p.entry.focus();
    p.entry.select();
  });
}
$('Param_1_Help').addEventListener('click', () => explain(params[0]));
$('Param_2_Help').addEventListener('click', () => explain(params[1]));

// The engine's own text goes to the clipboard: a selection of the box would
// turn its CR LF line ends into LF.
$('CopyClip').addEventListener('click', async () => {
  const text = outputText;
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    const put = (event) => {
      event.clipboardData.setData('text/plain', text);
      event.preventDefault();
    };
    document.addEventListener('copy', put, { once: true });
    document.execCommand('copy');
    document.removeEventListener('copy', put);
  }
});

// --- Customisation ----------------------------------------------------------

const custom = $('Form5');
let boxes = [];  // check boxes 1..100 at index 0..99, made at the first opening

function buildBoxes() {
  const box = (n, caption) => {
    const label = document.createElement('label');
    const input = document.createElement('input');
    input.type = 'checkbox';
    input.id = `Check${n}`;
    label.append(input, caption);
    boxes[n - 1] = input;
    return label;
  };
  const column = (labels) => {
    const div = document.createElement('div');
    div.append(...labels);
    return div;
  };
  boxes = new Array(100);
  const prefixColumns = [0, 10].map((first) =>
    column(catalogue.prefixes.slice(first, first + 10).map((text, i) => box(first + i + 1, text))));
  custom.querySelector('#Frame1 .columns').replaceChildren(...prefixColumns);
  const unitColumns = [];
  for (let c = 0; c < catalogue.unitGrid[0].length; ++c) {
    const labels = [];
    for (const row of catalogue.unitGrid) {
      const position = row[c];
      const label = box(20 + position, catalogue.units[position - 1]);
      // Spare positions have no unit: their boxes exist but are not offered.
      if (position >= catalogue.firstSpareUnitPosition) label.hidden = true;
      labels.push(label);
    }
    unitColumns.push(column(labels));
  }
  custom.querySelector('#Frame2 .columns').replaceChildren(...unitColumns);
  tickBoxes();
}

// Ticks the boxes of the offered positions; other boxes keep their state,
// so that boxes changed and then cancelled stay as the user left them.
function tickBoxes() {
  if (boxes.length === 0) return;
  [...prefixMask.slice(0, 20)].forEach((c, i) => { if (c === '1') boxes[i].checked = true; });
  [...unitMask.slice(0, 80)].forEach((c, i) => { if (c === '1') boxes[20 + i].checked = true; });
}

$('OpenCustom').addEventListener('click', () => whenReady(() => {
  if (boxes.length === 0) buildBoxes();
  custom.showModal();
}));
custom.addEventListener('close', () => {
  if (custom.returnValue !== 'ok') return;
  custom.returnValue = '';
  const ticks = boxes.map((b) => (b.checked ? '1' : '0')).join('');
  prefixMask = ticks.slice(0, 20);
  unitMask = ticks.slice(20);
  populateLists();
  Storage.set(PrefixMaskKey, prefixMask);
  Storage.set(UnitMaskKey, unitMask);
});

// --- Formula list and its search -------------------------------------------

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
  const position = engine.search(down, text);
  if (focusDocument) documentBox.focus();
  if (position > 0) {
    note.textContent = '';
    showMatch(position, text.length);
    return;
  }
  // The note says whether the text occurs nowhere or only before (after)
  // the last match.
  const which = !formulaDocument.includes(text) ? 'notFound' : down ? 'noneBelow' : 'noneAbove';
  note.textContent = fillIn(note.dataset[which], text);
}

$('OpenFormula').addEventListener('click', () => whenReady(() => {
  if (formulaDocument === null) formulaDocument = engine.formulaDocument();
  engine.searchReset();
  documentBox.textContent = formulaDocument;
  documentBox.scrollTop = 0;
  note.textContent = '';
  viewer.showModal();
}));
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

// --- Which units go together ------------------------------------------------

const partnerWindow = $('PartnerWindow');
const partnerButton = $('Partner_Hint');
const partnerNotice = $('PartnerNotice');
const partnerTexts = partnerWindow.dataset;
// Units named in the notice after "no formula" before "and n more".
const NoticeUnits = 12;
let noticeShown = false;

const unitName = (unit) => (unit === catalogue.noUnit ? partnerTexts.noUnitName : unit);
const filterNote = () =>
  (filter.value !== catalogue.noFilter ? fillIn(partnerTexts.filterNote, filter.value) : '');

// The units parameter `parameter` may take beside the other one's unit,
// each marked when the lists do not offer it.
const partnerEntries = (parameter) =>
  engine.unitsBeside(parameter, params[2 - parameter].unit.value, filter.value, unitMask);

function partnerSummary(entries) {
  if (entries.length === 0) return partnerTexts.none;
  const names = entries.slice(0, NoticeUnits).map((e) => unitName(e.unit));
  if (entries.length > NoticeUnits) {
    names.push(fillIn(partnerTexts.moreUnits, entries.length - NoticeUnits));
  }
  return names.join(partnerTexts.separator);
}

// After "no formula" (not after bad input) a note under the inputs names
// the units that would answer; it goes when a list changes or the next
// calculation runs. The result text stays the engine's.
function showPartnerNotice() {
  noticeShown = true;
  partnerButton.classList.add('notice');
  partnerNotice.textContent = `${partnerTexts.noFormula}${partnerTexts.wouldAnswer}${filterNote()}\n` +
    `${partnerTexts.forUnit2}${partnerSummary(partnerEntries(2))}\n` +
    `${partnerTexts.forUnit1}${partnerSummary(partnerEntries(1))}`;
  partnerNotice.hidden = false;
}
function clearPartnerNotice() {
  if (!noticeShown) return;
  noticeShown = false;
  partnerButton.classList.remove('notice');
  partnerNotice.hidden = true;
  partnerNotice.textContent = '';
}
for (const select of [...params.flatMap((p) => [p.prefix, p.unit]), filter]) {
  select.addEventListener('change', clearPartnerNotice);
}

function fillPartnerList(parameter, entries) {
  const other = params[2 - parameter].unit.value;
  $(`PartnerTitle${parameter}`).textContent = `${fillIn(partnerTexts.columnTitle, unitName(other))}\n` +
    (parameter === 2 ? partnerTexts.setsUnit2 : partnerTexts.setsUnit1);
  const items = entries.map((e) => {
    const li = document.createElement('li');
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = fillIn(partnerTexts.item, unitName(e.unit), e.formulas) +
                         (e.hidden ? partnerTexts.hiddenMark : '');
    if (e.hidden) button.classList.add('hidden-unit');
    button.addEventListener('click', () => choosePartner(parameter, e.unit, e.hidden));
    li.append(button);
    return li;
  });
  if (items.length === 0) {
    const li = document.createElement('li');
    li.className = 'none';
    li.textContent = partnerTexts.none;
    items.push(li);
  }
  $(`PartnerList${parameter}`).replaceChildren(...items);
}

partnerButton.addEventListener('click', () => whenReady(() => {
  const forUnit2 = partnerEntries(2);
  const forUnit1 = partnerEntries(1);
  let heading = noticeShown ? `${partnerTexts.noFormula}\n${partnerTexts.wouldAnswer}` : partnerTexts.heading;
  heading += filterNote();
  if ([...forUnit2, ...forUnit1].some((e) => e.hidden)) heading += `\n${partnerTexts.hiddenNote}`;
  $('PartnerHeading').textContent = heading;
  fillPartnerList(2, forUnit2);
  fillPartnerList(1, forUnit1);
  $('PartnerAsk').hidden = true;
  partnerWindow.showModal();
  partnerWindow.querySelector('li button')?.focus();
}));
$('PartnerClose').addEventListener('click', () => partnerWindow.close());

// The chosen unit goes to the parameter and the calculation runs again, so
// that the result shown is that of the inputs shown.
function setPartner(parameter, unit) {
  partnerWindow.close();
  const p = params[parameter - 1];
  selectText(p.unit, unit);
  clearPartnerNotice();
  calculate();
  p.entry.focus();
  p.entry.select();
}

// A unit the lists do not offer: asked first, then shown in the lists (as
// if ticked in the customisation), with what the user entered kept.
function choosePartner(parameter, unit, hidden) {
  if (!hidden) {
    setPartner(parameter, unit);
    return;
  }
  const ask = $('PartnerAsk');
  $('PartnerQuestion').textContent = fillIn(partnerTexts.showQuestion, unit, parameter === 1 ? '１' : '２');
  const show = $('PartnerShow');
  const keep = $('PartnerKeep');
  show.textContent = partnerTexts.showYes;
  keep.textContent = partnerTexts.showNo;
  show.onclick = () => {
    const position = catalogue.units.indexOf(unit) + 1;
    if (position > 0) {
      unitMask = unitMask.padEnd(position, '0');
      unitMask = `${unitMask.slice(0, position - 1)}1${unitMask.slice(position)}`;
      Storage.set(UnitMaskKey, unitMask);
      keepingInputs(populateLists);
    }
    setPartner(parameter, unit);
  };
  keep.onclick = () => {
    ask.hidden = true;
    partnerWindow.querySelector('li button')?.focus();
  };
  ask.hidden = false;
  show.focus();
}

// Makes the lists anew while the entries, prefixes, units and filter stay.
function keepingInputs(f) {
  const kept = [...params.flatMap((p) => [p.entry.value, p.prefix.value, p.unit.value]), filter.value];
  f();
  params.forEach((p, i) => {
    p.entry.value = kept[3 * i];
    selectText(p.prefix, kept[3 * i + 1]);
    selectText(p.unit, kept[3 * i + 2]);
  });
  selectText(filter, kept[6]);
}

// --- Help and version -------------------------------------------------------

$('OpenHelp').addEventListener('click', () => $('HelpWindow').showModal());
$('OpenVersion').addEventListener('click', () => $('Form3').showModal());

// --- Start ------------------------------------------------------------------

// The module's instantiation from the code that index.html began to
// compile; where that could not be (a server that does not call the file
// application/wasm), from the file's bytes. `failed` rejects when neither
// works, as the module's loader would otherwise wait for ever.
function instantiation(compiled) {
  let fail;
  const failed = new Promise((_, reject) => { fail = reject; });
  const instantiateWasm = (imports, receive) => {
    (compiled ?? Promise.reject(new Error('not compiled yet')))
      .catch(() => fetch('tamrisk.wasm').then((r) => r.arrayBuffer()).then((b) => WebAssembly.compile(b)))
      .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
      .catch(fail);
    return {};
  };
  return { instantiateWasm, failed };
}

async function start() {
  if (typeof WebAssembly !== 'object') {
    showProblem('unsupported');
    return;
  }
  const { instantiateWasm, failed } = instantiation(globalThis.tamriskCompiled);
  engine = await Promise.race([loadEngine(globalThis.createTamrisk, { instantiateWasm }), failed]);
  catalogue = engine.catalogue();
  loadMasks();
  // Keep what the user typed before the module was ready.
  const typed = params.map((p) => p.entry.value);
  populateLists();
  params.forEach((p, i) => { p.entry.value = typed[i]; });
  $('Loading').hidden = true;
  for (const f of pending.splice(0)) f();
  warmUp();
}

// Work that the first calculation would otherwise wait for, done while the
// page is idle after its start: the browser compiles the module's code for
// a calculation, a failed one and the units that go together at their first
// call (and the engine works out which units go together once), and finds
// and loads the result box's fonts at its first layout. Each step in an idle
// moment of its own; the results are thrown away.
function warmUp() {
  const idle = (f) => (window.requestIdleCallback
    ? requestIdleCallback(f, { timeout: 2000 }) : setTimeout(f, 100));
  const year = new Date().getFullYear();
  let sample = '';
  const steps = [
    () => { sample = engine.calculate(['10', ' ', 'V', '5', 'k', 'Ω', catalogue.noFilter], year).output; },
    () => {
      engine.calculate(['230', ' ', 'V', '50', ' ', 'Hz', catalogue.noFilter], year);
      engine.unitsBeside(2, 'V', catalogue.noFilter, unitMask);
      engine.unitsBeside(1, 'Hz', catalogue.noFilter, unitMask);
    },
    () => {
      const probe = document.createElement('div');
      probe.className = 'warm-up';
      probe.setAttribute('aria-hidden', 'true');
      const box = document.createElement('pre');
      box.textContent = sample;
      probe.append(box, `${partnerTexts.noFormula}${partnerTexts.wouldAnswer}`);
      document.body.append(probe);
      void probe.offsetHeight;
      probe.remove();
    },
  ];
  const next = () => {
    if (!engine || steps.length === 0) return;
    steps.shift()();
    idle(next);
  };
  idle(next);
}

// The masks kept in this browser, or the defaults.
function loadMasks() {
  // A stored mask is used only when it is "0"s and "1"s of the default's
  // length (anything else gives the default), its spare unit positions "0".
  const usable = (stored, fallback, spareFrom = fallback.length + 1) =>
    (stored?.length === fallback.length && /^[01]*$/.test(stored)
      ? stored.slice(0, spareFrom - 1).padEnd(fallback.length, '0') : fallback);
  prefixMask = usable(Storage.get(PrefixMaskKey), catalogue.defaultPrefixMask);
  unitMask = usable(Storage.get(UnitMaskKey), catalogue.defaultUnitMask, catalogue.firstSpareUnitPosition);
}

// Another tab of the page changed the masks (its customisation, or a unit
// shown from 組合せ候補): the lists here follow, the inputs kept where the
// lists still offer them, and the customisation's boxes show the new masks
// unless it is open here.
window.addEventListener('storage', (event) => {
  if (!engine || (event.key !== null && event.key !== PrefixMaskKey && event.key !== UnitMaskKey)) return;
  loadMasks();
  if (!custom.open) {
    boxes.forEach((box, i) => { box.checked = (i < 20 ? prefixMask[i] : unitMask[i - 20]) === '1'; });
  }
  keepingInputs(populateLists);
  clearPartnerNotice();
});

const started = start();
started.catch((error) => {
  showProblem('loadFailed');
  console.error(error);
});

// Offline use and installation: the service worker keeps the page's files.
// It is registered once the page has loaded and the module is ready, so that
// it finds every file the page used in the browser's cache.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  const loaded = document.readyState === 'complete' ? Promise.resolve()
    : new Promise((resolve) => window.addEventListener('load', resolve, { once: true }));
  Promise.all([loaded, started]).then(() => navigator.serviceWorker.register('sw.js'))
    .catch(() => { /* the page works without it */ });
}

params[0].entry.focus();
