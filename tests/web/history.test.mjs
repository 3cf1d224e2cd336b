// The page's kept calculations and links in Debian's headless chromium
// (scripts/test-web.sh runs these beside page.test.mjs, with the same
// environment): the history over a reload, its deletes and limit, a damaged
// stored value, a link that opens and runs (also offline), damaged links,
// and 共有.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { accessibilityViolations, launchChromium, newPage, pageReady } from './chromium.mjs';
import { serve } from '../../web/serve.mjs';
import { NoFilter, Site, native } from './page_env.mjs';

const Unfilled = '入力しませんでした。';

let server;
before(async () => { server = await serve(Site); });
after(async () => { await server.close(); });

async function withPage(body, { address = '', options } = {}) {
  const context = await launchChromium(options);
  const page = await newPage(context);
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(e.message));
  try {
    await page.goto(server.url + address);
    await pageReady(page);
    await body({ context, page });
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
  }
}

async function enter(page, [p1, s1, u1, p2, s2, u2, filter]) {
  await page.fill('#Param_1', p1);
  await page.selectOption('#Sub_Unit_1', s1);
  await page.selectOption('#Unit_1', u1);
  await page.fill('#Param_2', p2);
  await page.selectOption('#Sub_Unit_2', s2);
  await page.selectOption('#Unit_2', u2);
  await page.selectOption('#Unit_3', filter);
}
const inputs = (page) => page.evaluate(() => ['Param_1', 'Sub_Unit_1', 'Unit_1', 'Param_2', 'Sub_Unit_2',
                                               'Unit_2', 'Unit_3'].map((id) => document.getElementById(id).value));
const output = (page) => page.$eval('#Output', (e) => e.textContent);
const note = (page) => page.$eval('#LinkNote', (e) => (e.hidden ? '' : e.textContent));
const rows = (page) => page.$$eval('#HistoryList button.recall', (bs) => bs.map((b) => b.textContent));

test('runs are kept over a reload, the latest first; a row fills and runs; delete one and all', async () => {
  await withPage(async ({ page }) => {
    const volts = ['1e1', ' ', 'V', '5', 'k', 'Ω', NoFilter];
    const hertz = ['50', ' ', 'Hz', '2', ' ', 'g', NoFilter];
    await enter(page, volts);
    await page.click('#Go_Calculate');
    await enter(page, hertz);
    await page.press('#Param_1', 'Enter');
    await page.press('#Param_1', 'Enter');  // a repeat is kept once
    // Each run replaces the address: the step back leads to no earlier
    // calculation.
    assert.equal(new URL(page.url()).hash, '#p1=50&u1=Hz&p2=2&u2=g');
    await page.evaluate(() => { window.onpopstate = () => { window.steppedTo = location.hash; }; history.back(); });
    await page.waitForTimeout(300);
    assert.ok(!/p1=1e1/.test(await page.evaluate(() => window.steppedTo ?? location.hash).catch(() => '')));
    await page.goto(`${server.url}#p1=50&u1=Hz&p2=2&u2=g`);
    await pageReady(page);

    await page.reload();
    await pageReady(page);
    await page.click('#OpenHistory');
    const shown = await rows(page);
    assert.equal(shown.length, 2);
    assert.match(shown[0], /　50 Hz､ 2 g　!!! 申し訳ありませんが/);
    assert.match(shown[1], /　1e1 V､ 5 kΩ　●/);
    await page.locator('#HistoryList button.recall').nth(1).click();
    assert.equal(await page.$eval('#HistoryWindow', (d) => d.open), false);
    const want = native(volts);
    assert.equal(await output(page), want.output);
    assert.deepEqual(await inputs(page), [want.param1, ...volts.slice(1, 3), want.param2, ...volts.slice(4)]);

    await page.click('#OpenHistory');
    assert.equal((await rows(page)).length, 3);  // the recalled run is the latest
    await page.locator('#HistoryList button.remove').first().click();
    assert.equal((await rows(page)).length, 2);
    page.once('dialog', (d) => d.dismiss());
    await page.click('#HistoryClear');
    assert.equal((await rows(page)).length, 2);
    page.once('dialog', (d) => d.accept());
    await page.click('#HistoryClear');
    assert.deepEqual(await rows(page), []);
    assert.equal(await page.$eval('#HistoryList', (l) => l.textContent), 'まだ計算の履歴はありません。');
    assert.equal(await page.evaluate(() => localStorage.getItem('tamrisk.history')), '');
  });
});

test('the history keeps the latest 1,000', async () => {
  await withPage(async ({ page }) => {
    await page.evaluate(() => {
      const lines = [];
      for (let i = 0; i < 1000; ++i) {
        lines.push(JSON.stringify({ v: 1, time: '2026-12-11T10:15:00Z', p1: String(i), m1: ' ', u1: 'V',
                                    p2: '1', m2: ' ', u2: 'Ω', f: ' 指定なし', result: 'r' }));
      }
      localStorage.setItem('tamrisk.history', lines.join('\n') + '\n');
    });
    await enter(page, ['7', ' ', 'V', '7', ' ', 'Ω', NoFilter]);
    await page.click('#Go_Calculate');
    await page.click('#OpenHistory');
    const shown = await rows(page);
    assert.equal(shown.length, 1000);
    assert.match(shown[0], /　7 V､ 7 Ω　/);
    assert.match(shown.at(-1), /　1 V､ 1 Ω　r$/);
  });
});

test('a damaged stored value never stops the page: set aside, the rest kept, told once', async () => {
  const good = JSON.stringify({ v: 1, time: '2026-12-11T10:15:00Z', p1: '3', m1: ' ', u1: 'V', p2: '4',
                                m2: ' ', u2: 'Ω', f: ' 指定なし', result: 'kept' });
  for (const stored of [`${good}\n{"v":1,<img src=x onerror="window.injected=1">\n`, '\u0000not json at all']) {
    await withPage(async ({ page }) => {
      await page.evaluate((value) => localStorage.setItem('tamrisk.history', value), stored);
      await page.reload();
      await pageReady(page);
      await enter(page, ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]);
      await page.click('#Go_Calculate');
      assert.equal(await output(page), native(['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]).output);
      assert.match(await note(page), /^保存されていた計算の履歴に読み取れない部分がありました。/);
      assert.equal(await page.evaluate(() => localStorage.getItem('tamrisk.history.bak')), stored);
      await page.click('#OpenHistory');
      const shown = await rows(page);
      assert.equal(shown.length, stored.startsWith(good) ? 2 : 1);
      await page.keyboard.press('Escape');
      await page.click('#Go_Calculate');
      assert.equal(await note(page), '');
      assert.equal(await page.evaluate(() => window.injected), undefined);
    });
  }
});

test('a link fills the inputs and runs them; the page in the address bar is shared', async () => {
  const fields = ['1.5', 'k', 'Ω', '2', 'm', 'A', 'V'];
  const address = '#p1=1.5&m1=k&u1=%CE%A9&p2=2&m2=m&u2=A&f=V';
  await withPage(async ({ context, page }) => {
    const want = native(fields);
    assert.equal(await output(page), want.output);
    assert.deepEqual(await inputs(page), [want.param1, 'k', 'Ω', want.param2, 'm', 'A', 'V']);
    assert.equal(await note(page), '');
    // 共有 without a share sheet copies the link of the inputs as they stand.
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
    await page.evaluate(() => { Object.defineProperty(navigator, 'share', { value: undefined, configurable: true }); });
    await page.fill('#Param_2', '3');
    await page.click('#Share');
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    assert.equal(copied, `${server.url.replace(/\/?$/, '/')}#p1=1.5&m1=k&u1=%CE%A9&p2=3&m2=m&u2=A&f=V`);
    assert.equal(await note(page), 'このページのリンクをコピーしました。');
    // With a share sheet, the link goes there.
    await page.evaluate(() => {
      Object.defineProperty(navigator, 'share', {
        value: async (data) => { window.shared = data; }, configurable: true,
      });
    });
    await page.click('#Share');
    assert.match(await page.evaluate(() => window.shared.url), /#p1=1\.5&m1=k&u1=%CE%A9&p2=3&m2=m&u2=A&f=V$/);
    // A link pasted into the open page's address.
    await page.evaluate(() => { location.hash = '#p1=10&u1=V&p2=5&u2=%CE%A9'; });
    await page.waitForFunction(() => document.getElementById('Param_2').value === '5');
    assert.equal(await output(page), native(['10', ' ', 'V', '5', ' ', 'Ω', NoFilter]).output);
  }, { address });
});

test('a damaged link fills nothing and says why in one line; markup stays text', async () => {
  const huge = '9'.repeat(100000);
  const cases = [
    ['#p1=10&u1=volt', `リンクのパラメータ１の単位「volt」は Tamrisk の単位にないため､${Unfilled}`],
    [`#p1=${huge}&u1=V`, `リンクのパラメータ１の数値が長すぎるため（100 文字まで）､${Unfilled}`],
    [`#p1=${'%3Cb%3E'.repeat(34)}`, `リンクのパラメータ１の数値が長すぎるため（100 文字まで）､${Unfilled}`],
    ['#f=%3Cb%3Ex%3C%2Fb%3E', `リンクの結果単位指定「<b>x</b>」は Tamrisk の単位にないため､${Unfilled}`],
    ['#p1=%E0%A4', `リンクの書き方が正しくないため､${Unfilled}`],
    // A catalogue unit this page's lists do not offer.
    ['#p1=1&u1=%E5%B0%BA', `リンクの倍数または単位「尺」はこのページの一覧にないため､${Unfilled}倍数､単位ｶｽﾀﾏｲｽﾞで表示できます。`],
  ];
  for (const [address, reason] of cases) {
    await withPage(async ({ page }) => {
      assert.equal(await note(page), reason, address.slice(0, 60));
      assert.deepEqual(await inputs(page), ['0', ' ', ' ', '0', ' ', ' ', NoFilter]);
      assert.equal(await output(page), '');
      assert.equal(await page.$$eval('#LinkNote *, #Picture2 b, #Picture2 img', (es) => es.length), 0);
      assert.equal(await page.evaluate(() => window.injected), undefined);
      assert.deepEqual(await accessibilityViolations(page, '#LinkNote'), []);
    }, { address });
  }
});

test('markup in the number of a link goes into the entry as text and runs as any text would', async () => {
  const markup = '<img src=x onerror="window.injected=1">';
  await withPage(async ({ page }) => {
    const want = native([markup, ' ', 'V', '5', ' ', 'Ω', NoFilter]);
    assert.equal(await output(page), want.output);
    assert.equal(await page.inputValue('#Param_1'), want.param1);
    assert.equal(await page.$$eval('img:not(.icon):not([src^="icons/"])', (es) => es.length), 0);
    assert.equal(await page.evaluate(() => window.injected), undefined);
  }, { address: `#p1=${encodeURIComponent(markup)}&u1=V&p2=5&u2=%CE%A9` });
});

test('offline after the first visit, a link still opens and runs', async () => {
  const offline = await serve(Site);
  const context = await launchChromium();
  try {
    const page = await newPage(context);
    await page.goto(offline.url);
    await pageReady(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await offline.close();
    await context.setOffline(true);
    await page.goto(`${offline.url}#p1=10&u1=V&p2=5&m2=k&u2=%CE%A9`);
    await page.reload();
    await pageReady(page);
    await page.waitForFunction(() => document.getElementById('Output').textContent !== '');
    assert.equal(await output(page), native(['10', ' ', 'V', '5', 'k', 'Ω', NoFilter]).output);
  } finally {
    await context.close();
  }
});

test('the history window and the link note pass the accessibility audit', async () => {
  await withPage(async ({ page }) => {
    await page.click('#Go_Calculate');
    await page.click('#OpenHistory');
    assert.deepEqual(await accessibilityViolations(page), []);
  }, { address: '#p1=1&u1=volt' });
});
