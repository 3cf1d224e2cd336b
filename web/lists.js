// The page's state over the engine: the module once it is there, the five
// lists and the two masks kept in the browser between visits.
export const $ = (id) => document.getElementById(id);

// The engine (engine.js) and what its catalogue offers, once the module is
// ready; the masks the lists are made from.
export const state = { engine: null, catalogue: null, prefixMask: '', unitMask: '' };

export const params = [
  { entry: $('Param_1'), prefix: $('Sub_Unit_1'), unit: $('Unit_1') },
  { entry: $('Param_2'), prefix: $('Sub_Unit_2'), unit: $('Unit_2') },
];
export const filter = $('Unit_3');

// Clicks and keys that arrive before the module is ready wait for it; if it
// never comes they are dropped.
let pending = [];
export function whenReady(f) {
  if (state.engine) f();
  else pending?.push(f);
}
// The module is ready: `prepare` makes the lists, then what waited for the
// module runs.
export function ready(engine, prepare) {
  state.engine = engine;
  state.catalogue = engine.catalogue();
  prepare();
  for (const f of pending.splice(0)) f();
}
// The module will not come.
export function neverReady() {
  state.engine = null;
  pending = null;
}

// Masks kept in the browser between visits.
export const Storage = {
  get(key) {
    try { return localStorage.getItem(key); } catch { return null; }
  },
  set(key, value) {
    try { localStorage.setItem(key, value); } catch { /* private mode: kept for this visit only */ }
  },
};
export const PrefixMaskKey = 'tamrisk.prefixMask';
export const UnitMaskKey = 'tamrisk.unitMask';

// The masks kept in this browser as the program uses them: a stored mask
// that is not "0"s and "1"s of its catalogue's length gives the default.
export function loadMasks() {
  const masks = state.engine.usableMasks(Storage.get(PrefixMaskKey) ?? '', Storage.get(UnitMaskKey) ?? '');
  state.prefixMask = masks.prefixMask;
  state.unitMask = masks.unitMask;
}

export function saveMasks() {
  Storage.set(PrefixMaskKey, state.prefixMask);
  Storage.set(UnitMaskKey, state.unitMask);
}

function fillSelect(select, entries, selected) {
  select.replaceChildren(...entries.map((text) => new Option(text, text)));
  select.selectedIndex = selected;
}

export function selectText(select, text) {
  const i = [...select.options].findIndex((o) => o.value === text);
  if (i >= 0) select.selectedIndex = i;
}

// What else follows the masks when the lists are made (the customisation's
// boxes).
const listsMade = [];
export const whenListsMade = (f) => listsMade.push(f);

// Fills the five lists from the masks and resets the inputs, as the window
// program does at start and after the customisation.
export function populateLists() {
  const lists = state.engine.lists(state.prefixMask, state.unitMask);
  for (const p of params) {
    fillSelect(p.prefix, lists.prefixes, lists.prefixIndex);
    fillSelect(p.unit, lists.units, lists.unitIndex);
    p.entry.value = '0';
  }
  fillSelect(filter, lists.filters, lists.filterIndex);
  for (const f of listsMade) f();
}

// Makes the lists anew while the entries, prefixes, units and filter stay.
export function keepingInputs(f) {
  const kept = [...params.flatMap((p) => [p.entry.value, p.prefix.value, p.unit.value]), filter.value];
  f();
  params.forEach((p, i) => {
    p.entry.value = kept[3 * i];
    selectText(p.prefix, kept[3 * i + 1]);
    selectText(p.unit, kept[3 * i + 2]);
  });
  selectText(filter, kept[6]);
}
