// The page in Debian's headless chromium (scripts/test-web.sh runs these):
//   TAMRISK_SITE=<site folder> TAMRISK_CLI=<tamrisk-cli> \
//   TAMRISK_LINES=<lines.tsv> TAMRISK_NATIVE=<native.jsonl> TAMRISK_YEAR=<year> \
//   node --test page.test.mjs
// What the page shows is compared with what the native command line writes
// for the same seven input texts.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { after, before, describe, test } from 'node:test';
import { accessibilityViolations, launchChromium, newPage, pageReady } from './chromium.mjs';
import { serve } from '../../web/serve.mjs';
import { Cli, NoFilter, Site, native } from './page_env.mjs';

let server;
before(async () => { server = await serve(Site); });
after(async () => { await server.close(); });

// A fresh browser on the page; `errors` collects console errors and
// uncaught exceptions, which no test expects.
async function openPage({ viewport, colorScheme } = {}) {
  const context = await launchChromium({ viewport });
  const page = await newPage(context);
  if (colorScheme) await page.emulateMedia({ colorScheme });
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(server.url);
  return { context, page, errors };
}
// Runs `body` on a fresh browser on the page once its lists are filled, then
// checks that no console error came and closes the browser.
async function withPage(options, body) {
  const { context, page, errors } = await openPage(options);
  try {
    await pageReady(page);
    await body({ context, page, errors });
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
  }
}
const output = (page) => page.$eval('#Output', (e) => e.textContent);

async function enter(page, [p1, s1, u1, p2, s2, u2, filter]) {
  await page.fill('#Param_1', p1);
  await page.selectOption('#Sub_Unit_1', s1);
  await page.selectOption('#Unit_1', u1);
  await page.fill('#Param_2', p2);
  await page.selectOption('#Sub_Unit_2', s2);
  await page.selectOption('#Unit_2', u2);
  await page.selectOption('#Unit_3', filter);
}

describe('calculation', () => {
  let context, page, errors;
  before(async () => {
    ({ context, page, errors } = await openPage());
    await pageReady(page);
  });
  after(async () => { await context.close(); });

  test('the page loads with no console error and the default lists', async () => {
    assert.deepEqual(errors, []);
    const lists = await page.evaluate(() => Object.fromEntries(
      ['Sub_Unit_1', 'Unit_1', 'Unit_3'].map((id) => {
        const s = document.getElementById(id);
        return [id, { entries: [...s.options].map((o) => o.value), selected: s.value }];
      })));
    assert.deepEqual(lists.Sub_Unit_1, { entries: ['μ', 'm', 'c', ' ', 'k', 'M', 'G'], selected: ' ' });
    assert.equal(lists.Unit_1.selected, ' ');
    assert.equal(lists.Unit_1.entries.length, 15);
    assert.deepEqual(lists.Unit_3.entries, [NoFilter, ...lists.Unit_1.entries.slice(1)]);
    assert.equal(lists.Unit_3.selected, NoFilter);
  });

  // Each case: the seven texts, how 計算 is pressed. The rewritten entries
  // and the result are those of the native program, byte for byte.
  const cases = [
    ['10 V and 5 Ω by the button', ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter], 'button'],
    ['10 V and 5 kΩ by Enter in the entry', ['10', ' ', 'V', '5', 'k', 'Ω', NoFilter], 'enter'],
    ['a filter keeps the power lines', ['10', ' ', 'V', '5', ' ', 'Ω', 'W'], 'enter-in-list'],
    ['no formula for Hz and g', ['10', ' ', 'Hz', '5', ' ', 'g', NoFilter], 'button'],
    ['bad entries are rewritten', ['1.2.3abc', 'm', 'V', '&HFF', ' ', 'A', NoFilter], 'button'],
    ['every rule fails on 0 V and 0 Ω', ['0', ' ', 'V', '0', ' ', 'Ω', NoFilter], 'button'],
    ['and the next run answers', ['230', ' ', 'V', '1', 'k', 'Ω', NoFilter], 'enter'],
  ];
  for (const [name, fields, how] of cases) {
    test(name, async () => {
      await enter(page, fields);
      await page.evaluate(() => { document.getElementById('Output').textContent = ''; });
      if (how === 'button') await page.click('#Go_Calculate');
      else if (how === 'enter') await page.press('#Param_2', 'Enter');
      else await page.press('#Unit_3', 'Enter');
      const want = native(fields);
      assert.equal(await output(page), want.output);
      assert.equal(await page.inputValue('#Param_1'), want.param1);
      assert.equal(await page.inputValue('#Param_2'), want.param2);
      assert.deepEqual(errors, []);
    });
  }

  test('full-width digits read as the numbers they show, the entries rewritten in ASCII', async () => {
    await enter(page, ['１０', ' ', 'V', '\u3000１．５', ' ', 'Ω', NoFilter]);
    await page.click('#Go_Calculate');
    assert.deepEqual([await page.inputValue('#Param_1'), await page.inputValue('#Param_2')], ['10', '1.5']);
    assert.equal(await output(page), native(['10', ' ', 'V', '1.5', ' ', 'Ω', NoFilter]).output);
  });

  test('copy puts the engine\'s text with its CR LF on the clipboard', async () => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
    await enter(page, ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]);
    await page.click('#Go_Calculate');
    await page.click('#CopyClip');
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    assert.equal(copied, native(['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]).output);
    assert.match(copied, /\r\n/);
  });

  test('C and ? reset and explain their row; blank entries leave the result', async () => {
    await enter(page, ['10', 'k', 'V', '5', ' ', 'Ω', NoFilter]);
    await page.click('#Go_Calculate');
    const result = await output(page);
    await page.click('#Param_1_Help');
    const explanation = await output(page);
    assert.match(explanation, /^【単位解説】\r\n\r\n● 倍数 k /);
    assert.match(explanation, /\r\n\r\n● 単位 V /);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Param_1');
    await page.click('#Param_2_Clear');
    assert.deepEqual(await page.evaluate(() => ['Param_2', 'Sub_Unit_2', 'Unit_2'].map(
      (id) => document.getElementById(id).value)), ['0', ' ', ' ']);
    await page.click('#Param_2_Help');
    assert.equal(await output(page), explanation);
    assert.notEqual(result, explanation);
  });

  test('the version', async () => {
    await page.click('#OpenVersion');
    const version = execFileSync(Cli, ['--version'], { encoding: 'utf8' }).trim().split(' ').at(-1);
    assert.equal(await page.textContent('#Text2'), `Ver ${version}`);
    await page.keyboard.press('Escape');
    assert.equal(await page.$eval('#Form3', (d) => d.open), false);
  });
});

test('keyboard alone: entries, lists, 計算 and the dialogs', async () => {
  await withPage({}, async ({ page }) => {
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Param_1');
    const focused = () => page.evaluate(() => document.activeElement.id);
    // Moves the focused list with the arrow keys to the entry `text`.
    const choose = async (text) => {
      for (let i = 0; i < 40 && await page.evaluate(() => document.activeElement.value) !== text; ++i) {
        await page.keyboard.press('ArrowDown');
      }
      assert.equal(await page.evaluate(() => document.activeElement.value), text);
    };
    await page.keyboard.type('10');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Sub_Unit_1');
    await page.keyboard.press('Tab');
    await choose('V');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Param_2');
    await page.keyboard.type('5');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Unit_2');
    await choose('Ω');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Go_Calculate');
    await page.keyboard.press('Enter');
    assert.equal(await output(page), native(['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]).output);
    // Space in a list goes back to the blank entry, in the filter to no filter.
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Unit_3');
    await choose('W');
    await page.keyboard.press(' ');
    assert.equal(await page.inputValue('#Unit_3'), NoFilter);
    await page.focus('#Unit_2');
    await page.keyboard.press('Backspace');
    assert.equal(await page.inputValue('#Unit_2'), ' ');
    // The menu is before the inputs: back from the first entry to the
    // formula list; Escape closes a dialog and gives the focus back.
    await page.focus('#Param_1');
    for (const id of ['OpenVersion', 'OpenHelp', 'OpenHistory', 'OpenFormula']) {
      await page.keyboard.press('Shift+Tab');
      assert.equal(await focused(), id);
    }
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Form7', (d) => d.open), true);
    await page.keyboard.press('Escape');
    assert.equal(await page.$eval('#Form7', (d) => d.open), false);
    assert.equal(await focused(), 'OpenFormula');
    // The customisation: the first box ("y") ticked by Space, OK by Enter.
    await page.keyboard.press('Shift+Tab');
    assert.equal(await focused(), 'OpenCustom');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Form5', (d) => d.open), true);
    for (let i = 0; i < 5 && await focused() !== 'Check1'; ++i) await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Check1');
    await page.keyboard.press(' ');
    for (let i = 0; i < 120 && await focused() !== 'CustomOk'; ++i) await page.keyboard.press('Tab');
    assert.equal(await focused(), 'CustomOk');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Form5', (d) => d.open), false);
    assert.equal(await page.$eval('#Sub_Unit_1', (s) => s.options[0].value), 'y');
  });
});

test('the customisation: OK refills the lists and survives a reload; Cancel keeps the boxes', async () => {
  await withPage({}, async ({ page }) => {
    const prefixes = () => page.$$eval('#Sub_Unit_1 option', (os) => os.map((o) => o.value));
    const units = () => page.$$eval('#Unit_2 option', (os) => os.map((o) => o.value));
    await page.fill('#Param_1', '42');
    await page.click('#OpenCustom');
    // Boxes by caption: "μ" off, "T" and the unit "dBm" on.
    const box = (caption, frame) => page.locator(`#${frame} label`, { hasText: caption }).first().locator('input');
    await box('μ', 'Frame1').uncheck();
    await box('T', 'Frame1').check();
    await box('dBm', 'Frame2').check();
    await page.click('#CustomOk');
    const want = ['m', 'c', ' ', 'k', 'M', 'G', 'T'];
    assert.deepEqual(await prefixes(), want);
    assert.ok((await units()).includes('dBm'));
    assert.equal(await page.inputValue('#Param_1'), '0');

    // Cancel: the lists stay, the boxes keep what the user did.
    await page.click('#OpenCustom');
    await box('k', 'Frame1').uncheck();
    await page.click('#CustomCancel');
    assert.deepEqual(await prefixes(), want);
    await page.click('#OpenCustom');
    assert.equal(await box('k', 'Frame1').isChecked(), false);
    await box('k', 'Frame1').check();
    await page.click('#CustomCancel');

    await page.reload();
    await pageReady(page);
    assert.deepEqual(await prefixes(), want);
    assert.ok((await units()).includes('dBm'));
    assert.equal(await page.inputValue('#Sub_Unit_1'), ' ');
  });
});

test('stored masks: a malformed one gives the defaults; spare positions make no entry and are kept as 0', async () => {
  await withPage({}, async ({ page }) => {
    const lists = () => page.evaluate(() => ['Sub_Unit_1', 'Unit_1', 'Unit_3'].map((id) => {
      const s = document.getElementById(id);
      return [[...s.options].map((o) => o.value), s.value];
    }));
    const store = async (prefixMask, unitMask) => {
      await page.evaluate(([p, u]) => {
        localStorage.setItem('tamrisk.prefixMask', p);
        localStorage.setItem('tamrisk.unitMask', u);
      }, [prefixMask, unitMask]);
      await page.reload();
      await pageReady(page);
    };
    const defaults = await lists();
    const malformed = [['', 'xyz'], ['11111', '1'.repeat(81)], ['1'.repeat(19) + '2', '1'.repeat(79)]];
    for (const [prefixMask, unitMask] of malformed) {
      await store(prefixMask, unitMask);
      assert.deepEqual(await lists(), defaults, `${prefixMask} ${unitMask}`);
    }
    await store('0'.repeat(20), '1'.repeat(80));
    const [, [units], [filters, filter]] = await lists();
    assert.equal(units.length, 75);
    assert.ok(!units.includes('') && !filters.includes(''));
    assert.equal(filter, NoFilter);
    await page.click('#OpenCustom');
    await page.click('#CustomOk');
    // The dialog's close event, which keeps the masks, comes a moment after.
    await page.waitForFunction((mask) => localStorage.getItem('tamrisk.unitMask') === mask,
                               '1'.repeat(74) + '0'.repeat(6));
  });
});

test('組合せ候補: after no formula the units that would answer; a hidden one is offered to the lists', async () => {
  const partners = (unit) => JSON.parse(execFileSync(Cli, ['--partners', unit, '--json'], { encoding: 'utf8' })).partners;
  const item = (p, formulas) => `${p.unit === ' ' ? '単位なし' : p.unit}　${formulas}式`;
  await withPage({}, async ({ page }) => {
    const fields = ['230', ' ', 'V', '50', ' ', 'Hz', NoFilter];
    await enter(page, fields);
    await page.click('#Go_Calculate');
    assert.equal(await output(page), native(fields).output);
    // Parameter 1's units first, as in the window; those the lists do not
    // offer marked.
    const notice = await page.$eval('#PartnerNotice', (e) => (e.hidden ? null : e.textContent));
    assert.match(notice, new RegExp('^この組合せで答えが出る計算式はありません。次の単位なら答えが出ます。\n' +
                                    'パラメータ１の単位に：単位なし、m、deg（非表示）、rad（非表示）、sec、m/s、.*\n' +
                                    'パラメータ２の単位に：単位なし、J（非表示）、V、A、W、Ω、'));
    assert.equal(notice.split('\n').length, 3);

    // The two columns, parameter 1's on the left: what the command line's
    // --partners counts, in its order, the units the lists do not offer
    // marked.
    await page.click('#Partner_Hint');
    const [left1, left2] = await page.evaluate(() => [1, 2].map((n) =>
      document.getElementById(`PartnerList${n}`).getBoundingClientRect().left));
    assert.ok(left1 < left2);
    assert.equal(await page.textContent('#PartnerTitle1'), '「Hz」と組み合わせる単位\n（パラメータ１に設定）');
    const shown = await page.evaluate(() => [2, 1].map((n) =>
      [...document.querySelectorAll(`#PartnerList${n} button`)].map((b) => b.textContent)));
    const offered = await page.$$eval('#Unit_1 option', (os) => os.map((o) => o.value));
    const expect = (list, count) => list.filter((p) => p[count] > 0)
      .map((p) => item(p, p[count]) + (offered.includes(p.unit) ? '' : '　（非表示）'));
    assert.deepEqual(shown[0], expect(partners('V'), 'asSecond'));
    assert.deepEqual(shown[1], expect(partners('Hz'), 'asFirst'));
    assert.ok(shown[1].includes('H　3式　（非表示）'));

    // A hidden unit: asked first; "表示しない" changes nothing.
    await page.locator('#PartnerList1 button', { hasText: /^H　/ }).click();
    assert.equal(await page.textContent('#PartnerQuestion'),
                 '単位「H」は一覧に表示されていません。\n一覧に表示して、パラメータ１の単位に設定しますか？');
    await page.click('#PartnerKeep');
    assert.equal(await page.$eval('#Unit_1', (s) => s.value), 'V');
    // "表示する" puts it in the lists and on parameter 1; the entries stay.
    await page.locator('#PartnerList1 button', { hasText: /^H　/ }).click();
    await page.click('#PartnerShow');
    assert.equal(await page.$eval('#PartnerWindow', (d) => d.open), false);
    assert.deepEqual(await page.evaluate(() => ['Param_1', 'Unit_1', 'Param_2', 'Unit_2', 'Unit_3']
      .map((id) => document.getElementById(id).value)), ['230', 'H', '50', 'Hz', NoFilter]);
    assert.equal(await page.$eval('#PartnerNotice', (e) => e.hidden), true);
    // The calculation has run again: the result is that of the inputs shown.
    assert.equal(await output(page), native(['230', ' ', 'H', '50', ' ', 'Hz', NoFilter]).output);
    // It stays in the lists over a reload, as a customisation would.
    await page.reload();
    await pageReady(page);
    assert.ok((await page.$$eval('#Unit_2 option', (os) => os.map((o) => o.value))).includes('H'));

    // Under a result-unit filter only the units of formulas that give it.
    await enter(page, ['1', ' ', 'H', '1', ' ', ' ', 'Ω']);
    await page.click('#Partner_Hint');
    assert.match(await page.textContent('#PartnerHeading'), /結果単位「Ω」の計算式に限っています。/);
    const underFilter = await page.$$eval('#PartnerList2 button', (bs) => bs.map((b) => b.textContent));
    assert.ok(underFilter.length > 0 && underFilter.length < expect(partners('H'), 'asSecond').length);
    await page.keyboard.press('Escape');
  });
});

test('the formula list: the search finds next and previous, and says when nothing is left', async () => {
  await withPage({}, async ({ page }) => {
    await page.click('#OpenFormula');
    const doc = await page.textContent('#Text1');
    // Where the selection starts in the document, or -1.
    const selected = () => page.evaluate(() => {
      const mark = document.querySelector('#Text1 mark');
      if (!mark) return -1;
      let position = 0;
      for (let n = document.getElementById('Text1').firstChild; n !== mark; n = n.nextSibling) {
        position += n.textContent.length;
      }
      return position;
    });
    const word = '抵抗';
    const first = doc.indexOf(word);
    const second = doc.indexOf(word, first + 1);
    assert.ok(first > 0 && second > first);
    await page.fill('#keyword', word);
    await page.click('#searchdown');
    assert.equal(await selected(), first);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
    await page.press('#keyword', 'Enter');
    assert.equal(await selected(), second);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'keyword');
    await page.click('#searchup');
    assert.equal(await page.textContent('#Text1 mark'), word);
    // The backward search starts where the forward one stopped.
    assert.equal(await selected(), second);
    await page.click('#searchup');
    assert.equal(await selected(), first);
    await page.click('#searchup');
    assert.equal(await selected(), first);
    assert.match(await page.textContent('#SearchNote'), /^｢抵抗｣/);
    // A text that does not occur leaves the selection and says so.
    await page.fill('#keyword', 'DB');
    await page.click('#searchdown');
    assert.equal(await selected(), doc.includes('DB') ? doc.indexOf('DB') : first);
    await page.fill('#keyword', 'どこにもない文字列');
    await page.click('#searchdown');
    assert.match(await page.textContent('#SearchNote'), /^｢どこにもない文字列｣/);
    // Closing and opening again starts at the top.
    await page.click('#FormulaClose');
    await page.click('#OpenFormula');
    await page.fill('#keyword', word);
    await page.click('#searchdown');
    assert.equal(await selected(), first);
  });
});

// Nothing scrolls sideways, every control is within the width and large
// enough to touch, and no control covers another.
async function checkNarrowLayout(page, width) {
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= width);
  const boxes = await page.$$eval('#Picture2 input, #Picture2 select, #Picture2 button, .menu button',
                                  (es) => es.map((e) => ({ id: e.id, ...e.getBoundingClientRect().toJSON() })));
  for (const b of boxes) {
    assert.ok(b.left >= 0 && b.right <= width, `${b.id} within the width`);
    assert.ok(b.height >= 40, `${b.id} is ${b.height} px high`);
  }
  for (let i = 0; i < boxes.length; ++i) {
    for (let j = i + 1; j < boxes.length; ++j) {
      const a = boxes[i];
      const b = boxes[j];
      const overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
      assert.ok(!overlap, `${a.id} and ${b.id} overlap`);
    }
  }
}

test('360 px wide: nothing scrolls sideways, no control covers another, all large enough to touch', async () => {
  await withPage({ viewport: { width: 360, height: 740 } }, async ({ page }) => {
    await checkNarrowLayout(page, 360);
    // The dialogs fit too.
    await page.click('#OpenCustom');
    assert.ok(await page.$eval('#Form5', (d) => d.getBoundingClientRect().right) <= 360);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= 360);
    await page.keyboard.press('Escape');
    // Nor at any width up to a desktop's, where the layout changes.
    for (const width of [480, 640, 800, 895, 896, 1280]) {
      await page.setViewportSize({ width, height: 740 });
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= width, `${width} px`);
    }
  });
});

test('offline: after the first visit the page reloads and calculates without the server', async () => {
  const offline = await serve(Site);
  const context = await launchChromium();
  try {
    const page = await newPage(context);
    await page.goto(offline.url);
    await pageReady(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await offline.close();
    await context.setOffline(true);
    await page.reload();
    await pageReady(page);
    await enter(page, ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]);
    await page.click('#Go_Calculate');
    assert.equal(await output(page), native(['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]).output);
  } finally {
    await context.close();
  }
});

test('a server that does not call the module application/wasm still serves a working page', async () => {
  const plain = await serve(Site, 0, { '.wasm': 'application/octet-stream' });
  const context = await launchChromium();
  try {
    const page = await newPage(context);
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.goto(plain.url);
    await pageReady(page);
    await enter(page, ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]);
    await page.click('#Go_Calculate');
    assert.equal(await output(page), native(['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]).output);
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
    await plain.close();
  }
});

test('a browser without WebAssembly gets one sentence', async () => {
  const context = await launchChromium();
  // As an old browser would be: no WebAssembly at all.
  await context.addInitScript(() => { delete globalThis.WebAssembly; });
  const page = await newPage(context);
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(server.url);
  try {
    await page.waitForSelector('#unsupported', { state: 'visible' });
    assert.equal(await page.isVisible('#Picture2'), false);
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
  }
});

test('every generated batch line in the browser gives the native bytes', async (t) => {
  if (!process.env.TAMRISK_LINES || !process.env.TAMRISK_NATIVE) {
    t.skip('TAMRISK_LINES and TAMRISK_NATIVE not given');
    return;
  }
  const lines = readFileSync(process.env.TAMRISK_LINES, 'utf8').split('\n').filter((l) => l !== '');
  const expected = readFileSync(process.env.TAMRISK_NATIVE, 'utf8').split('\n').filter((l) => l !== '')
    .map((l) => JSON.parse(l));
  await withPage({}, async ({ page }) => {
    const differences = await page.evaluate(async ({ lines, expected, year }) => {
      const { loadEngine } = await import('./engine.js');
      const engine = await loadEngine(window.createTamrisk);
      const encoder = new TextEncoder();
      const same = (a, b) => a.length === b.length && a.every((x, i) => x === b[i]);
      const found = [];
      lines.forEach((line, i) => {
        const got = engine.calculate(line.split('\t'), year, true);
        for (const key of ['param1', 'param2', 'output']) {
          if (!same(got[key], encoder.encode(expected[i][key]))) found.push(`line ${i + 1} ${key}`);
        }
      });
      return found;
    }, { lines, expected, year: Number(process.env.TAMRISK_YEAR ?? 2026) });
    assert.equal(lines.length, expected.length);
    assert.deepEqual(differences.slice(0, 10), []);
  });
});

// --- How the page fits, loads and looks -------------------------------------

// Every tap target of the dialog open now that is shown: its buttons, entries
// and lists, and the labels of its check boxes (the box itself is small).
const tapTargets = (page, dialog) => page.$$eval(
  `${dialog} button, ${dialog} input:not([type=checkbox]), ${dialog} select, ${dialog} label:has(input)`,
  (es) => es.map((e) => ({ what: `${e.id || e.tagName} ${e.textContent.trim()}`, ...e.getBoundingClientRect().toJSON() }))
    .filter((r) => r.width > 0));

for (const viewport of [{ width: 1280, height: 800 }, { width: 390, height: 844 }]) {
  test(`${viewport.width}×${viewport.height}: the customisation keeps OK and Cancel in sight, its boxes in as many columns as fit; every dialog's targets 40 px high`, async () => {
    await withPage({ viewport }, async ({ page }) => {
      await page.click('#OpenCustom');
      const inSight = (selector) => page.$eval(selector, (e) => {
        const r = e.getBoundingClientRect();
        const d = document.getElementById('Form5').getBoundingClientRect();
        return r.top >= d.top && r.bottom <= d.bottom && r.bottom <= innerHeight && r.right <= innerWidth &&
               document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2) === e;
      });
      // Columns: the distinct left edges of the unit boxes shown.
      const columns = () => page.$$eval('#Frame2 label', (ls) =>
        new Set(ls.filter((l) => l.getBoundingClientRect().width > 0)
          .map((l) => Math.round(l.getBoundingClientRect().left))).size);
      // The boxes scrolled to the end, OK and Cancel still there.
      for (const end of [false, true]) {
        if (end) await page.$eval('#Form5 .dialog-body', (b) => { b.scrollTop = b.scrollHeight; });
        assert.ok(await inSight('#CustomOk'), `OK in sight${end ? ' at the end' : ''}`);
        assert.ok(await inSight('#CustomCancel'), `Cancel in sight${end ? ' at the end' : ''}`);
      }
      const unitColumns = await columns();
      const frameWidth = await page.$eval('#Frame2', (f) => f.clientWidth);
      if (viewport.width >= 1280) {
        assert.equal(unitColumns, 8);
      } else {
        // As many as fit: one more would not.
        const columnWidth = await page.$eval('#Frame2 label', (l) => l.getBoundingClientRect().width);
        assert.ok(unitColumns >= 3 && (unitColumns + 1) * columnWidth > frameWidth, `${unitColumns} columns`);
      }
      assert.equal(await page.$eval('#Frame2', (f) => f.scrollWidth <= f.clientWidth), true);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= viewport.width);
      // The last box can be reached and ticked.
      await page.locator('#Frame2 label', { hasText: '匁' }).locator('input').check();
      await page.click('#CustomCancel');

      // Every dialog, as it opens.
      const short = [];
      const check = async (dialog) => {
        for (const t of await tapTargets(page, dialog)) if (t.height < 40) short.push(`${dialog} ${t.what}: ${t.height}`);
      };
      await page.click('#OpenCustom');
      await check('#Form5');
      await page.click('#CustomCancel');
      await page.click('#OpenFormula');
      await check('#Form7');
      await page.click('#FormulaClose');
      await enter(page, ['230', ' ', 'V', '50', ' ', 'Hz', NoFilter]);
      await page.click('#Partner_Hint');
      await page.locator('#PartnerList1 button.hidden-unit').first().click();
      await check('#PartnerWindow');
      await page.click('#PartnerClose');
      for (const [open, dialog] of [['#OpenHelp', '#HelpWindow'], ['#OpenVersion', '#Form3']]) {
        await page.click(open);
        await check(dialog);
        await page.keyboard.press('Escape');
      }
      assert.deepEqual(short, []);
    });
  });
}

test('360 px wide with the browser\'s text at 200 %: the text grows and the layout still fits', async () => {
  const context = await launchChromium({ viewport: { width: 360, height: 740 } });
  try {
    const page = await newPage(context);
    const cdp = await context.newCDPSession(page);
    await cdp.send('Page.setFontSizes', { fontSizes: { standard: 32, fixed: 26 } });
    await page.goto(server.url);
    await pageReady(page);
    assert.equal(await page.$eval('#Go_Calculate', (b) => parseFloat(getComputedStyle(b).fontSize)), 1.3 * 32);
    assert.equal(await page.$eval('#Param_1', (e) => parseFloat(getComputedStyle(e).fontSize)), 32);
    await checkNarrowLayout(page, 360);
    await page.click('#OpenCustom');
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= 360);
    assert.ok(await page.$eval('#CustomOk', (b) => b.getBoundingClientRect().bottom) <= 740);
  } finally {
    await context.close();
  }
});

test('the C and ? buttons are named by their captions first', async () => {
  await withPage({}, async ({ page }) => {
    for (const id of ['Param_1_Clear', 'Param_1_Help', 'Param_2_Clear', 'Param_2_Help']) {
      const caption = await page.textContent(`#${id}`);
      const snapshot = await page.locator(`#${id}`).ariaSnapshot();
      const name = /^- button "(.*)"/.exec(snapshot)?.[1];
      assert.ok(name?.startsWith(`${caption} `) && name.length > caption.length + 1, `${id}: ${snapshot}`);
    }
  });
});

test('the accessibility audit finds nothing in the light and the dark scheme, in every state', async () => {
  for (const colorScheme of ['light', 'dark']) {
    await withPage({ colorScheme }, async ({ page }) => {
      const found = [];
      const audit = async (state, selector) => {
        for (const v of await accessibilityViolations(page, selector)) found.push(`${colorScheme}, ${state}: ${v}`);
      };
      // The scheme is followed: a dark page is dark.
      const face = await page.evaluate(() => getComputedStyle(document.documentElement).backgroundColor);
      const [r] = /\d+/.exec(face);
      assert.ok(colorScheme === 'dark' ? r < 80 : r > 160, face);

      await enter(page, ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]);
      await page.click('#Go_Calculate');
      await audit('a result');
      await page.click('#Output .result-line >> nth=0');
      await audit('a result line\'s formula');
      await enter(page, ['230', ' ', 'V', '50', ' ', 'Hz', NoFilter]);
      await page.click('#Go_Calculate');
      await audit('no formula');
      await page.hover('#Go_Calculate');
      await audit('計算 hovered', '#Picture2');
      await page.click('#Partner_Hint');
      await audit('組合せ候補');
      await page.hover('#PartnerList1 button.hidden-unit');
      await audit('組合せ候補, a hidden unit hovered', '#PartnerList1');
      await page.hover('#PartnerList1 li:first-child button');
      await audit('組合せ候補, a unit hovered', '#PartnerList1');
      await page.locator('#PartnerList1 button.hidden-unit').first().click();
      await audit('組合せ候補, the question');
      await page.click('#PartnerClose');
      await page.click('#OpenFormula');
      await page.fill('#keyword', '抵抗');
      await page.click('#searchdown');
      await audit('the formula list, a match');
      await page.fill('#keyword', 'どこにもない文字列');
      await page.click('#searchdown');
      await audit('the formula list, nothing found');
      await page.click('#FormulaClose');
      for (const [open, dialog] of [['#OpenCustom', 'the customisation'], ['#OpenHelp', 'the help'],
                                    ['#OpenVersion', 'the version']]) {
        await page.click(open);
        await audit(dialog);
        await page.keyboard.press('Escape');
      }
      assert.deepEqual(found, []);
    });
  }
});

test('a result line shows its formula below it; its link opens the formula list there', async () => {
  await withPage({}, async ({ page }) => {
    const fields = ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter];
    await enter(page, fields);
    await page.click('#Go_Calculate');
    const want = native(fields).output;
    assert.equal(await output(page), want);
    const lines = page.locator('#Output .result-line');
    assert.equal(await lines.count(), want.split('\r\n').length - 1);

    // A tap opens the line's formula under it, a second tap closes it.
    await lines.nth(0).click();
    const formula = page.locator('#LineFormula');
    const shown = () => formula.evaluate((e) => [...e.children].map((c) => c.textContent));
    assert.deepEqual(await shown(), [
      '● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める',
      '電流(A)=電圧(V)/抵抗値(Ω)',
      '電圧(V) = 10V､抵抗値(Ω) = 5Ω',
      '電流(A) = 10V / 5Ω = 2.0000A',
      '計算式一覧で見る',
    ]);
    assert.equal(await lines.nth(0).evaluate((e) => e.nextElementSibling.id), 'LineFormula');
    assert.equal(await lines.nth(0).getAttribute('aria-describedby'), 'LineFormula');
    await lines.nth(0).click();
    assert.equal(await formula.count(), 0);
    assert.equal(await output(page), want);

    // The arrow keys in the result box move from line to line, one formula at a time.
    await page.focus('#Output');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal((await shown())[0], '● 抵抗器の抵抗値と印加する電圧から､消費される電力を求める');
    assert.equal(await page.locator('#Output [aria-describedby]').count(), 1);

    // The link: the formula list, the entry marked and in view.
    await page.click('#LineFormulaLink');
    assert.ok(await page.locator('#Form7').evaluate((d) => d.open));
    const marked = await page.locator('#Text1 mark').textContent();
    assert.deepEqual(marked.split('\r\n'),
                     [' ● 抵抗器の抵抗値と印加する電圧から､消費される電力を求める', '　　 電力(W)=電圧(V)^2/抵抗値(Ω)']);
    const inView = await page.evaluate(() => {
      const box = document.getElementById('Text1').getBoundingClientRect();
      const mark = document.querySelector('#Text1 mark').getBoundingClientRect();
      return mark.top >= box.top && mark.bottom <= box.bottom;
    });
    assert.ok(inView);
    await page.click('#FormulaClose');

    // A message has no lines to open.
    await enter(page, ['10', ' ', 'Hz', '5', ' ', 'g', NoFilter]);
    await page.click('#Go_Calculate');
    assert.equal(await lines.count(), 0);
  });
});

test('the search repeats markup as text: nothing is made of it, nothing runs or is fetched', async () => {
  await withPage({}, async ({ page }) => {
    const fetched = [];
    page.on('request', (r) => { if (/injected/.test(r.url())) fetched.push(r.url()); });
    await page.click('#OpenFormula');
    for (const text of ['<img src="injected.png" onerror="window.injected = true">', '<b>x</b>']) {
      await page.fill('#keyword', text);
      await page.click('#searchdown');
      const note = await page.$eval('#SearchNote', (n) => ({ text: n.textContent, elements: n.children.length }));
      assert.ok(note.text.includes(text), note.text);
      assert.equal(note.elements, 0);
      assert.equal(await page.$$eval('#Form7 img, #Form7 b', (es) => es.length), 0);
    }
    await page.waitForTimeout(200);
    assert.equal(await page.evaluate(() => window.injected), undefined);
    assert.deepEqual(fetched, []);
  });
});

test('Escape in the search box: clears a text first, closes the list when the box is empty', async () => {
  await withPage({}, async ({ page }) => {
    const open = () => page.$eval('#Form7', (d) => d.open);
    await page.click('#OpenFormula');
    await page.fill('#keyword', '抵抗');
    await page.press('#keyword', 'Escape');
    assert.equal(await open(), true);
    assert.equal(await page.inputValue('#keyword'), '');
    await page.press('#keyword', 'Escape');
    assert.equal(await open(), false);
    await page.click('#OpenFormula');
    await page.focus('#keyword');
    await page.keyboard.press('Escape');
    assert.equal(await open(), false);
    // The help says so.
    assert.match(await page.textContent('#HelpWindow'), /｢検索文字列｣の欄で Esc キーを押すと、文字列があればそれを消し、空なら一覧を閉じます。/);
  });
});

test('the help is the window program\'s help text, with the page\'s paragraphs in place of its own', async () => {
  await withPage({}, async ({ page }) => {
    await page.click('#OpenHelp');
    const topics = await page.$$eval('#HelpWindow .help-topics button', (bs) => bs.map((b) => b.textContent));
    // The topics of the text, but for those only the window program has.
    assert.deepEqual(topics, ['概要', '使用方法', 'カスタマイズ', 'インストール', '免責事項', '著作権', '作者連絡先', 'その他']);
    const text = await page.textContent('#HelpText');
    // A paragraph's lines run on as one; an item or an indented line starts
    // a line of its own.
    assert.ok(text.includes('数値は 1.5、-20、2.2E-6（2.2×10^-6）のように入力できます。&H で始めると16進数、&O で始めると8進数として読みます。'));
    const lines = await page.$$eval('#HelpText p', (ps) => ps.flatMap((p) => p.innerText.split('\n')));
    assert.ok(lines.includes('　1. ｢パラメータ１｣の数値欄に数値を入力します。'), lines.slice(0, 20).join('|'));
    // The page's own paragraphs; none of the window program's.
    assert.ok(text.includes('選んだ内容はこのブラウザに保存され、次に開いたときも使われます。'));
    assert.ok(text.includes('一度開いたページは、インターネットにつながっていなくても使えます。'));
    for (const windowOnly of ['tamrisk.ini', 'Ctrl+X', '電卓ｿﾌﾄ設定', 'sudo apt', '音が鳴って', '#if', '#endif']) {
      assert.ok(!text.includes(windowOnly), windowOnly);
    }
    // A topic's button brings it to the top of the text.
    await page.click('#HelpWindow .help-topics button:text-is("カスタマイズ")');
    const [topicTop, textTop] = await page.evaluate(() => [
      document.getElementById('HelpTopic3').getBoundingClientRect().top,
      document.getElementById('HelpText').getBoundingClientRect().top]);
    assert.ok(Math.abs(topicTop - textTop) <= 1, `${topicTop} ${textTop}`);
    await page.keyboard.press('Escape');
  });
});

test('while the module loads: 読み込み中, and a 計算 pressed then is answered once it is there', async () => {
  const context = await launchChromium();
  try {
    const page = await newPage(context);
    let release;
    const released = new Promise((resolve) => { release = resolve; });
    await page.route('**/tamrisk.wasm', async (route) => { await released; await route.continue(); });
    await page.goto(server.url);
    await page.waitForSelector('#Loading', { state: 'visible' });
    assert.equal(await page.textContent('#Loading'), '読み込み中…');
    assert.equal(await page.$eval('#Unit_1', (s) => s.options.length), 0);
    for (const colorScheme of ['light', 'dark']) {
      await page.emulateMedia({ colorScheme });
      assert.deepEqual(await accessibilityViolations(page, '#Loading'), [], colorScheme);
    }
    await page.fill('#Param_1', '3');
    await page.fill('#Param_2', '4');
    await page.click('#Go_Calculate');
    await page.waitForTimeout(300);
    assert.equal(await page.isVisible('#Loading'), true);
    assert.equal(await output(page), '');
    release();
    await page.waitForSelector('#Loading', { state: 'hidden' });
    const want = native(['3', ' ', ' ', '4', ' ', ' ', NoFilter]);
    await page.waitForFunction((text) => document.getElementById('Output').textContent === text, want.output);
    assert.deepEqual([await page.inputValue('#Param_1'), await page.inputValue('#Param_2')], [want.param1, want.param2]);
    assert.ok(await page.$eval('#Unit_1', (s) => s.options.length) > 1);
  } finally {
    await context.close();
  }
});

test('a module that cannot be loaded: one sentence says why, and what needs the module is put away', async () => {
  const context = await launchChromium();
  try {
    const page = await newPage(context);
    await page.route('**/tamrisk.wasm', (route) => route.abort());
    await page.goto(server.url);
    await page.waitForSelector('#loadFailed', { state: 'visible' });
    const shown = await page.evaluate(() => Object.fromEntries(
      ['Loading', 'Picture2', 'PartnerNotice', 'Output', 'unsupported'].map((id) => [id, document.getElementById(id).checkVisibility()])));
    assert.deepEqual(shown, { Loading: false, Picture2: false, PartnerNotice: false, Output: false, unsupported: false });
    assert.equal(await page.locator('[role=alert]:visible, [role=status]:visible').count(), 1);
    assert.deepEqual(await page.$$eval('.menu button', (bs) => bs.map((b) => [b.id, b.disabled])),
                     [['OpenCustom', true], ['OpenFormula', true], ['OpenHistory', true], ['OpenHelp', false],
                      ['OpenVersion', false]]);
    // The help and the version still open.
    await page.click('#OpenHelp');
    assert.equal(await page.$eval('#HelpWindow', (d) => d.open), true);
    await page.keyboard.press('Escape');
    for (const colorScheme of ['light', 'dark']) {
      await page.emulateMedia({ colorScheme });
      assert.deepEqual(await accessibilityViolations(page), [], colorScheme);
    }
  } finally {
    await context.close();
  }
});

test('a first visit transfers each file once: the service worker keeps what the page has loaded', async () => {
  const answers = [];
  const counted = await serve(Site, 0, {}, (path, status, bytes) => answers.push({ path, status, bytes }));
  const context = await launchChromium();
  try {
    const page = await newPage(context);
    await page.goto(counted.url);
    await pageReady(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const kept = await page.evaluate(async () => {
      const names = await caches.keys();
      const cache = await caches.open(names.find((n) => n.startsWith('tamrisk-')));
      return (await cache.keys()).map((r) => new URL(r.url).pathname);
    });
    // Every file the worker keeps came from the server once, with a body;
    // no file came twice (a 304 of a revalidation carries none).
    const files = [...new Set(kept.map((p) => (p === '/' ? '/' : p)))];
    const bodies = (path) => answers.filter((a) => a.path === path && a.status === 200);
    const twice = answers.filter((a) => a.status === 200 && bodies(a.path).length > 1).map((a) => a.path);
    assert.deepEqual([...new Set(twice)], []);
    for (const path of files.filter((p) => p !== '/index.html')) {
      assert.equal(bodies(path).length, 1, `${path}: ${JSON.stringify(answers.filter((a) => a.path === path))}`);
    }
    // Every file of the site but the worker itself (the page's modules too).
    const { readdirSync, statSync } = await import('node:fs');
    const siteFiles = [
      ...readdirSync(Site).filter((n) => n !== 'icons' && n !== 'sw.js').map((n) => `/${n}`),
      ...readdirSync(`${Site}/icons`).map((n) => `/icons/${n}`),
    ];
    assert.deepEqual(files.filter((p) => p !== '/').sort(), siteFiles.sort());
    assert.ok(files.includes('/') && files.includes('/lists.js'), files.join(' '));
    assert.deepEqual(answers.filter((a) => a.status !== 200 && a.status !== 304), []);
    // Compressed: the module's transfer is well under its size.
    assert.ok(bodies('/tamrisk.wasm')[0].bytes < statSync(`${Site}/tamrisk.wasm`).size / 2);
  } finally {
    await context.close();
    await counted.close();
  }
});

test('two tabs: a customisation or a unit shown in one tab reaches the other\'s lists', async () => {
  const context = await launchChromium();
  try {
    const [a, b] = [await newPage(context), await context.newPage()];
    for (const page of [a, b]) {
      await page.goto(server.url);
      await pageReady(page);
    }
    const prefixes = (page) => page.$$eval('#Sub_Unit_1 option', (os) => os.map((o) => o.value));
    const units = (page) => page.$$eval('#Unit_2 option', (os) => os.map((o) => o.value));
    // The user works in the tab in front (a dialog's close event waits for
    // the tab's next frame, which a tab behind does not draw).
    await a.bringToFront();
    await a.fill('#Param_1', '42');
    await a.selectOption('#Unit_1', 'V');
    const box = (page, caption, frame) => page.locator(`#${frame} label`, { hasText: caption }).first().locator('input');
    await b.bringToFront();
    await b.click('#OpenCustom');
    await box(b, 'μ', 'Frame1').uncheck();
    await box(b, 'T', 'Frame1').check();
    await b.click('#CustomOk');
    const want = ['m', 'c', ' ', 'k', 'M', 'G', 'T'];
    // The dialog's OK fills the lists once the dialog has closed.
    await b.waitForFunction(() => [...document.getElementById('Sub_Unit_1').options].some((o) => o.value === 'T'));
    assert.deepEqual(await prefixes(b), want);
    await a.waitForFunction(() => [...document.getElementById('Sub_Unit_1').options].some((o) => o.value === 'T'));
    assert.deepEqual(await prefixes(a), want);
    // What the user entered in the other tab stays.
    assert.deepEqual([await a.inputValue('#Param_1'), await a.inputValue('#Unit_1')], ['42', 'V']);
    // Its customisation shows the new boxes, so that its OK keeps them.
    await a.bringToFront();
    await a.click('#OpenCustom');
    assert.deepEqual([await box(a, 'μ', 'Frame1').isChecked(), await box(a, 'T', 'Frame1').isChecked()], [false, true]);
    await a.click('#CustomOk');
    await a.waitForFunction(() => document.getElementById('Param_1').value === '0');
    assert.deepEqual(await prefixes(b), want);

    // A hidden unit shown from 組合せ候補 in one tab is offered in the other.
    assert.ok(!(await units(b)).includes('H'));
    await enter(a, ['230', ' ', 'V', '50', ' ', 'Hz', NoFilter]);
    await a.click('#Partner_Hint');
    await a.locator('#PartnerList1 button', { hasText: /^H　/ }).click();
    await a.click('#PartnerShow');
    await b.waitForFunction(() => [...document.getElementById('Unit_2').options].some((o) => o.value === 'H'));
  } finally {
    await context.close();
  }
});
