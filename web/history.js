// Work that is kept: the calculations run in this browser (the window
// program's history, in the browser's storage, in the engine's record
// format), and the page's address, which carries the inputs of the last
// calculation so that a link opens the page with them and runs them.
// Every text from storage or from an address is only ever set as text.
import { $, filter, params, selectText, state } from './lists.js';

export const HistoryKey = 'tamrisk.history';
// A stored value with lines that could not be read, as it stood.
export const HistoryBackupKey = 'tamrisk.history.bak';

const historyDialog = $('HistoryWindow');
const historyList = $('HistoryList');
const linkNote = $('LinkNote');

const Texts = {
  damaged: '保存されていた計算の履歴に読み取れない部分がありました。読み取れた計算は使えます（元の値は tamrisk.history.bak として残しました）。',
  notSaved: '計算の履歴を保存できませんでした。この履歴はページを閉じるまで使えます。',
  notOffered: (text) => `リンクの倍数または単位「${text}」はこのページの一覧にないため､入力しませんでした。倍数､単位ｶｽﾀﾏｲｽﾞで表示できます。`,
  historyNotOffered: (text) => `この履歴の倍数または単位「${text}」は一覧にないため､入力しませんでした。倍数､単位ｶｽﾀﾏｲｽﾞで表示できます。`,
  copied: 'このページのリンクをコピーしました。',
  notCopied: 'リンクをコピーできませんでした。',
  empty: 'まだ計算の履歴はありません。',
  clearQuestion: '計算の履歴をすべて削除しますか？',
  remove: '削除',
};

// What the storage holds, and what this visit keeps when the storage takes
// nothing (private mode, a full quota).
let kept = null;
let checked = false;
let toldNotSaved = false;

function read(key) {
  try { return localStorage.getItem(key); } catch { return null; }
}
function write(key, value) {
  try {
    localStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}

function storedText() {
  return kept ?? read(HistoryKey) ?? '';
}

function store(text) {
  if (write(HistoryKey, text)) {
    kept = null;
    return;
  }
  kept = text;
  if (!toldNotSaved) {
    toldNotSaved = true;
    showNote(Texts.notSaved);
  }
}

// One line under the inputs: why a link filled nothing, what happened to
// the stored history, that the link was copied.
export function showNote(text) {
  linkNote.textContent = text;
  linkNote.hidden = false;
}
export function clearNote() {
  linkNote.hidden = true;
  linkNote.textContent = '';
}

// Before the stored history is first used: a value with lines the engine
// cannot read is set aside as it stood, the rest kept, and the user told
// once.
function checkStored() {
  if (checked) return;
  checked = true;
  const text = read(HistoryKey);
  if (!text) return;
  let damaged = true;
  try {
    damaged = state.engine.historyRead(text).damaged > 0;
  } catch { /* too large for the module: set aside whole */ }
  if (!damaged) return;
  write(HistoryBackupKey, text);
  let readable = '';
  try { readable = state.engine.historyRemove(text, -1); } catch { /* nothing readable kept */ }
  store(readable);
  showNote(Texts.damaged);
}

export function historyEntries() {
  checkStored();
  try {
    return state.engine.historyRead(storedText()).entries;
  } catch {
    return [];
  }
}

// The seven input texts as the controls hold them.
export function currentFields() {
  return [params[0].entry.value, params[0].prefix.value, params[0].unit.value,
          params[1].entry.value, params[1].prefix.value, params[1].unit.value, filter.value];
}

// Puts seven texts into the controls, as text. When a list does not offer
// one of them, nothing changes and the text that is missing is returned.
export function fillFields(fields) {
  const lists = [params[0].prefix, params[0].unit, params[1].prefix, params[1].unit, filter];
  const listed = [fields[1], fields[2], fields[4], fields[5], fields[6]];
  for (let i = 0; i < lists.length; ++i) {
    if (![...lists[i].options].some((o) => o.value === listed[i])) return listed[i].trim() || listed[i];
  }
  params[0].entry.value = fields[0];
  params[1].entry.value = fields[3];
  lists.forEach((select, i) => selectText(select, listed[i]));
  return null;
}

// After each calculation: the address carries its inputs (replacing the
// browser's entry, so that a calculation is no step back), and the history
// keeps it with the first line of its result.
export function recordRun(fields, output) {
  const { engine } = state;
  try {
    const address = `#${engine.linkEncode(fields)}`;
    if (location.hash !== address) history.replaceState(history.state, '', address);
  } catch { /* an address the browser refuses stays as it was */ }
  checkStored();
  try {
    const time = new Date().toISOString().replace(/\.\d{3}Z$/, 'Z');
    const result = engine.historyAdd(storedText(), fields, time, output);
    if (result.added) store(result.text);
  } catch { /* too large for the module: the history stays as it was */ }
  if (historyDialog.open) showEntries();
}

// A link opened: its inputs filled and run; a link that cannot be filled
// says why in one line and fills nothing.
export function openLink(calculate) {
  const hash = location.hash;
  if (hash.length <= 1) return;
  let link;
  try {
    link = state.engine.linkDecode(hash);
  } catch {
    showNote('リンクが長すぎるため､入力しませんでした。');
    return;
  }
  if (link.reason) {
    showNote(link.reason);
  } else if (link.fields) {
    const missing = fillFields(link.fields);
    if (missing !== null) showNote(Texts.notOffered(missing));
    else calculate();
  }
}

// --- The history window ------------------------------------------------------

function quantity(number, prefix, unit) {
  const suffix = `${prefix}${unit}`.trim();
  return suffix ? `${number} ${suffix}` : number;
}

function pad(n) { return String(n).padStart(2, '0'); }

export function historyItemText(entry) {
  const [p1, m1, u1, p2, m2, u2, f] = entry.fields;
  const when = new Date(entry.time);
  let text = Number.isNaN(when.getTime()) ? entry.time
    : `${when.getFullYear()}-${pad(when.getMonth() + 1)}-${pad(when.getDate())} ${pad(when.getHours())}:${pad(when.getMinutes())}`;
  text += `　${quantity(p1, m1, u1)}､ ${quantity(p2, m2, u2)}`;
  if (f !== state.catalogue.noFilter) text += ` → ${f.trim()}`;
  return `${text}　${entry.result}`;
}

let recall = () => {};

function showEntries() {
  const entries = historyEntries();
  const items = entries.map((entry, latest) => {
    const item = document.createElement('li');
    const choose = document.createElement('button');
    choose.type = 'button';
    choose.className = 'recall';
    choose.textContent = historyItemText(entry);
    choose.addEventListener('click', () => {
      const missing = fillFields(entry.fields);
      historyDialog.close();
      if (missing !== null) showNote(Texts.historyNotOffered(missing));
      else recall();
    });
    const remove = document.createElement('button');
    remove.type = 'button';
    remove.className = 'remove';
    remove.textContent = Texts.remove;
    remove.setAttribute('aria-label', `${Texts.remove} ${choose.textContent}`);
    remove.addEventListener('click', () => {
      store(state.engine.historyRemove(storedText(), latest));
      showEntries();
      const buttons = historyList.querySelectorAll('button.recall');
      (buttons[Math.min(latest, buttons.length - 1)] ?? $('HistoryClose')).focus();
    });
    item.append(choose, remove);
    return item;
  });
  if (items.length === 0) {
    const none = document.createElement('li');
    none.className = 'none';
    none.textContent = Texts.empty;
    items.push(none);
  }
  historyList.replaceChildren(...items);
  $('HistoryClear').disabled = entries.length === 0;
}

export function setUpHistory(calculate, whenReady) {
  recall = calculate;
  $('OpenHistory').addEventListener('click', () => whenReady(() => {
    showEntries();
    historyDialog.showModal();
    historyList.querySelector('button')?.focus();
  }));
  $('HistoryClose').addEventListener('click', () => historyDialog.close());
  $('HistoryClear').addEventListener('click', () => {
    if (!window.confirm(Texts.clearQuestion)) return;
    store('');
    showEntries();
  });
  // 共有: the link of the inputs as they stand, by the system's share sheet
  // where there is one, else to the clipboard.
  $('Share').addEventListener('click', () => whenReady(async () => {
    const url = new URL(location.href);
    url.hash = state.engine.linkEncode(currentFields());
    const link = url.href;
    if (navigator.share) {
      try {
        await navigator.share({ url: link, title: document.title });
        return;
      } catch (error) {
        if (error?.name === 'AbortError') return;
      }
    }
    try {
      await navigator.clipboard.writeText(link);
      showNote(Texts.copied);
    } catch {
      showNote(Texts.notCopied);
    }
  }));
}
