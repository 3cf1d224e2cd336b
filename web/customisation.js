// The customisation: a check box for each prefix and unit of the catalogue;
// OK makes the masks from them, refills the lists and keeps the masks in the
// browser.
import { $, populateLists, saveMasks, state, whenListsMade, whenReady } from './lists.js';

const custom = $('Form5');
let boxes = [];  // check boxes 1..100 at index 0..99, made at the first opening

function buildBoxes() {
  const { catalogue } = state;
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
  [...state.prefixMask.slice(0, 20)].forEach((c, i) => { if (c === '1') boxes[i].checked = true; });
  [...state.unitMask.slice(0, 80)].forEach((c, i) => { if (c === '1') boxes[20 + i].checked = true; });
}

// Another tab changed the masks: unless the customisation is open here, its
// boxes show the new masks, so that its next OK keeps them.
export function showMasksInBoxes() {
  if (custom.open) return;
  boxes.forEach((box, i) => {
    box.checked = (i < 20 ? state.prefixMask[i] : state.unitMask[i - 20]) === '1';
  });
}

export function setUpCustomisation() {
  whenListsMade(tickBoxes);
  $('OpenCustom').addEventListener('click', () => whenReady(() => {
    if (boxes.length === 0) buildBoxes();
    custom.showModal();
  }));
  custom.addEventListener('close', () => {
    if (custom.returnValue !== 'ok') return;
    custom.returnValue = '';
    const masks = state.engine.masksFromTicks(boxes.map((b) => b.checked));
    state.prefixMask = masks.prefixMask;
    state.unitMask = masks.unitMask;
    populateLists();
    saveMasks();
  });
}
