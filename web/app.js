// The page's start: the main window's controls over the engine, then the
// module loaded, the lists made and the work of a first calculation done
// ahead. Everything the page shows comes from the engine; only the
// arrangement is the page's own. The customisation, the formula list,
// 組合せ候補 and the help each have a module of their own.
import { setUpCustomisation, showMasksInBoxes } from './customisation.js';
import { openFormulaListAt, setUpFormulaList } from './formula_list.js';
import { setUpHelp } from './help.js';
import { clearNote, openLink, recordRun, setUpHistory } from './history.js';
import {
  $, PrefixMaskKey, UnitMaskKey, filter, keepingInputs, loadMasks, neverReady, params, populateLists,
  ready, selectText, state, whenReady,
} from './lists.js';
import { setUpLineFormulas, showResultLines } from './line_formulas.js';
import { loadTamrisk } from './loader.js';
import { clearPartnerNotice, setUpPartnerHint, showPartnerNotice, showPartnerTip } from './partner_hint.js';

const output = $('Output');
// The result text exactly as the engine wrote it (CR LF line ends), for copying.
let outputText = '';

// `formulas`, when given, tells each line's formula (a calculation's result).
function setOutput(text, formulas = null) {
  outputText = text;
  showResultLines(text, formulas);
  output.scrollTop = 0;
}

// Without the module the page can do nothing but show its help and
// version: one sentence says why, and what needs the module is put away.
function showProblem(id) {
  neverReady();
  $(id).hidden = false;
  for (const hidden of ['Loading', 'Picture2', 'PartnerNotice', 'Output']) $(hidden).hidden = true;
  for (const menu of ['OpenCustom', 'OpenFormula', 'OpenHistory']) $(menu).disabled = true;
}

// --- Calculation ------------------------------------------------------------

function calculate() {
  whenReady(() => {
    const fields = [params[0].entry.value, params[0].prefix.value, params[0].unit.value,
                    params[1].entry.value, params[1].prefix.value, params[1].unit.value, filter.value];
    const year = new Date().getFullYear();
    const result = state.engine.calculate(fields, year);
    params[0].entry.value = result.param1;
    params[1].entry.value = result.param2;
    const { engine } = state;
    setOutput(result.output, result.failed ? null : () => engine.lineFormulas(fields, year));
    clearPartnerNotice();
    if (result.failed && !result.invalidInput) showPartnerNotice();
    if (performance.getEntriesByName('tamrisk-first-result').length === 0) {
      performance.mark('tamrisk-first-result');
    }
    clearNote();
    recordRun(fields, result.output);
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
    const { catalogue } = state;
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
  if (state.catalogue) {
    selectText(p.prefix, state.catalogue.noPrefix);
    selectText(p.unit, state.catalogue.noUnit);
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
    const text = state.engine.explanation(p.prefix.value, p.unit.value);
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

setUpCustomisation();
setUpFormulaList();
setUpLineFormulas(output, openFormulaListAt);
setUpPartnerHint(calculate);
setUpHelp();
setUpHistory(calculate, whenReady);
$('OpenVersion').addEventListener('click', () => $('Form3').showModal());

// --- Start ------------------------------------------------------------------

async function start() {
  if (typeof WebAssembly !== 'object') {
    showProblem('unsupported');
    return;
  }
  const engine = await loadTamrisk();
  ready(engine, () => {
    // Keep what the user typed before the module was ready.
    const typed = params.map((p) => p.entry.value);
    loadMasks();
    populateLists();
    params.forEach((p, i) => { p.entry.value = typed[i]; });
    showPartnerTip();
    $('Loading').hidden = true;
    openLink(calculate);
  });
  // A link pasted into the address of the open page.
  window.addEventListener('hashchange', () => openLink(calculate));
  warmUp();
}

// Work that the first calculation would otherwise wait for, done while the
// page is idle after its start: the browser compiles the module's code for
// a calculation, a failed one, the recording of a calculation and the units
// that go together at their first call (and the engine works out which
// units go together once), and finds and loads the result box's fonts at
// its first layout. Each step in an idle moment of its own; the results are
// thrown away.
function warmUp() {
  const idle = (f) => (window.requestIdleCallback
    ? requestIdleCallback(f, { timeout: 2000 }) : setTimeout(f, 100));
  const { engine, catalogue } = state;
  const year = new Date().getFullYear();
  let sample = '';
  let note = '';
  const steps = [
    () => {
      const fields = ['10', ' ', 'V', '5', 'k', 'Ω', catalogue.noFilter];
      sample = engine.calculate(fields, year).output;
      // What each calculation records: its address and its history entry.
      engine.linkEncode(fields);
      engine.historyAdd('', fields, '', sample);
    },
    () => {
      engine.calculate(['230', ' ', 'V', '50', ' ', 'Hz', catalogue.noFilter], year);
      note = engine.partnerHint('V', 'Hz', catalogue.noFilter, state.unitMask, true).note;
    },
    () => {
      const probe = document.createElement('div');
      probe.className = 'warm-up';
      probe.setAttribute('aria-hidden', 'true');
      const box = document.createElement('pre');
      box.textContent = sample;
      probe.append(box, note.split('\n')[0]);
      document.body.append(probe);
      void probe.offsetHeight;
      probe.remove();
    },
  ];
  const next = () => {
    if (!state.engine || steps.length === 0) return;
    steps.shift()();
    idle(next);
  };
  idle(next);
}

// Another tab of the page changed the masks (its customisation, or a unit
// shown from 組合せ候補): the lists here follow, the inputs kept where the
// lists still offer them, and the customisation's boxes show the new masks
// unless it is open here.
window.addEventListener('storage', (event) => {
  if (!state.engine || (event.key !== null && event.key !== PrefixMaskKey && event.key !== UnitMaskKey)) return;
  loadMasks();
  showMasksInBoxes();
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
