// 組合せ候補: the units that go with the chosen ones, the note after a
// calculation that no formula answered, and a unit chosen there set (a
// hidden one shown in the lists first, if the user agrees). Every text is
// the engine's.
import { $, filter, keepingInputs, params, populateLists, saveMasks, selectText, state, whenReady }
  from './lists.js';

const partnerWindow = $('PartnerWindow');
const partnerButton = $('Partner_Hint');
const partnerNotice = $('PartnerNotice');
let noticeShown = false;
let calculate = () => {};

// What the hint says about the units and the filter chosen now.
const hint = () => state.engine.partnerHint(params[0].unit.value, params[1].unit.value, filter.value,
                                            state.unitMask, noticeShown);

// After "no formula" (not after bad input) a note under the inputs names
// the units that would answer; it goes when a list changes or the next
// calculation runs. The result text stays the engine's.
export function showPartnerNotice() {
  noticeShown = true;
  partnerButton.classList.add('notice');
  partnerNotice.textContent = hint().note;
  partnerNotice.hidden = false;
}

export function clearPartnerNotice() {
  if (!noticeShown) return;
  noticeShown = false;
  partnerButton.classList.remove('notice');
  partnerNotice.hidden = true;
  partnerNotice.textContent = '';
}

function fillPartnerList(column) {
  $(`PartnerTitle${column.parameter}`).textContent = column.title;
  const items = column.items.map((item) => {
    const li = document.createElement('li');
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = item.text;
    if (item.hidden) button.classList.add('hidden-unit');
    button.addEventListener('click', () => choosePartner(column.parameter, item.unit, item.hidden));
    li.append(button);
    return li;
  });
  if (items.length === 0) {
    const li = document.createElement('li');
    li.className = 'none';
    li.textContent = column.empty;
    items.push(li);
  }
  $(`PartnerList${column.parameter}`).replaceChildren(...items);
}

// The focus in the list the keys start in.
function focusList(popup) {
  $(`PartnerList${popup.focusParameter}`).querySelector('button')?.focus();
}

function openHint() {
  const { popup } = hint();
  $('PartnerHeading').textContent = popup.heading;
  popup.columns.forEach(fillPartnerList);
  $('PartnerAsk').hidden = true;
  partnerWindow.showModal();
  focusList(popup);
}

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
  const asked = state.engine.showUnit(parameter, unit, state.unitMask);
  if (!asked) return;
  const ask = $('PartnerAsk');
  $('PartnerQuestion').textContent = asked.question;
  const show = $('PartnerShow');
  const keep = $('PartnerKeep');
  show.textContent = asked.yes;
  keep.textContent = asked.no;
  show.onclick = () => {
    state.unitMask = asked.unitMask;
    saveMasks();
    keepingInputs(populateLists);
    setPartner(parameter, unit);
  };
  keep.onclick = () => {
    ask.hidden = true;
    partnerWindow.querySelector('li button')?.focus();
  };
  ask.hidden = false;
  show.focus();
}

// `calculateAgain` runs the calculation over the inputs shown.
export function setUpPartnerHint(calculateAgain) {
  calculate = calculateAgain;
  for (const select of [...params.flatMap((p) => [p.prefix, p.unit]), filter]) {
    select.addEventListener('change', clearPartnerNotice);
  }
  partnerButton.addEventListener('click', () => whenReady(openHint));
  $('PartnerClose').addEventListener('click', () => partnerWindow.close());
}

// The button's tip, once the engine is there.
export function showPartnerTip() {
  partnerButton.title = state.catalogue.partnerHintTip;
}
