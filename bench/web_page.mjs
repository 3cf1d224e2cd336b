// The page's figures, in Debian's headless chromium (bench/web.sh builds
// what it needs and runs this):
//   node bench/web_page.mjs <site folder> <native bench program> [rounds] [other site folder]
//
// With another site (say, the page of an earlier revision), its first visit
// and later visit are measured too, each round in turn with this site's, so
// that a busy machine slows both alike.
//
// 1. The page's files: bytes and gzip -9 bytes, each and in all.
// 2. First result: the time from the start of the page's loading until the
//    result of 10 V and 5 Ω is in the result box, with the inputs given as
//    soon as the page's elements exist. A first visit (new profile, nothing
//    cached, the browser started 1.5 s before), a later visit (the service
//    worker's cache), a first visit at once after the browser's start, and
//    a first visit from a link that carries the inputs.
//    What a first visit transfers, file by file (the page's requests and
//    the service worker's), from the local server (web/serve.mjs, gzip).
// 3. The first 計算 after load: a new browser on the page, the inputs
//    given a second after the lists are there (as a user types), then the
//    time from the click on 計算 until the result is laid out in the result
//    box; and the second 計算 after it.
// 4. One calculation of 10 V and 5 Ω through the page's wrapper of the
//    module (texts in, texts out), against the native run of the same input
//    (Google Benchmark, BM_RunMatching), the two measured in turn.
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join, relative, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchChromium, newPage, pageReady } from '../tests/web/chromium.mjs';
import { serve } from '../web/serve.mjs';

const [siteArg, nativeBench, roundsArg, otherSiteArg] = process.argv.slice(2);
if (!nativeBench) {
  console.error('usage: node bench/web_page.mjs <site folder> <native bench program> [rounds]');
  process.exit(2);
}
const site = resolve(siteArg);
const rounds = Number(roundsArg ?? 7);

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const spread = (xs) => `median ${median(xs).toFixed(1)}, ${Math.min(...xs).toFixed(1)} to ${Math.max(...xs).toFixed(1)}`;

// 1. Size.
function files(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  }).sort();
}
let bytes = 0;
let gzipped = 0;
console.log('== the page\'s files (bytes, gzip -9 bytes)');
for (const file of files(site)) {
  const data = readFileSync(file);
  const z = gzipSync(data, { level: 9 }).length;
  bytes += data.length;
  gzipped += z;
  console.log(`${String(data.length).padStart(9)} ${String(z).padStart(8)}  ${relative(site, file)}`);
}
console.log(`${String(bytes).padStart(9)} ${String(gzipped).padStart(8)}  in all (${(gzipped / 1024).toFixed(1)} KiB gzipped)`);

// 2. First result.
const answers = [];
const server = await serve(site, 0, {}, (path, status, bytes) => answers.push({ path, status, bytes }));
// The server gzips each file once and keeps it, as a server with compressed
// files at hand would: done here, before anything is measured.
for (const file of files(site)) {
  await fetch(new URL(relative(site, file), server.url), { headers: { 'Accept-Encoding': 'gzip' } })
    .then((r) => r.arrayBuffer());
}
answers.length = 0;
// Runs in the page before its own scripts: gives the inputs the moment the
// form exists and presses 計算, as a user who types at once would.
const giveInputs = () => {
  document.addEventListener('DOMContentLoaded', () => {
    const set = (id, value) => { document.getElementById(id).value = value; };
    set('Param_1', '10');
    set('Param_2', '5');
    const unit = (id, text) => {
      const select = document.getElementById(id);
      const fill = () => {
        const i = [...select.options].findIndex((o) => o.value === text);
        if (i < 0) return false;
        select.selectedIndex = i;
        return true;
      };
      return fill;
    };
    const units = [unit('Unit_1', 'V'), unit('Unit_2', 'Ω')];
    // The unit lists are filled when the module is ready, which may be
    // before now; choose the units then and calculate.
    const observer = new MutationObserver(() => choose());
    const choose = () => {
      if (!units.every((f) => f())) return false;
      observer.disconnect();
      document.getElementById('Go_Calculate').click();
      return true;
    };
    if (!choose()) observer.observe(document.getElementById('Unit_2'), { childList: true });
  });
};
async function firstResult(page) {
  await page.waitForFunction(() => performance.getEntriesByName('tamrisk-first-result').length > 0,
                             null, { timeout: 30000 });
  return page.evaluate(() => ({
    result: performance.getEntriesByName('tamrisk-first-result')[0].startTime,
    text: document.getElementById('Output').textContent,
  }));
}
// A browser that has just started on a new profile goes on with its own
// start-up work (profile files, services) for about a second, in parallel
// with whatever it loads first; a user's browser is already running. So the
// first visit is measured with the browser idle for `Settle` ms after its
// start, and, for comparison, at once after its start.
const Settle = 1500;
const firstVisit = [];
const firstAtStart = [];
const laterVisit = [];
const firstFromLink = [];
async function visit(settle, url = server.url, give = true) {
  const context = await launchChromium();
  if (settle) await new Promise((done) => setTimeout(done, Settle));
  if (give) await context.addInitScript(giveInputs);
  const page = await newPage(context);
  await page.goto(url);
  const first = await firstResult(page);
  if (!first.text.includes('2.0000A')) throw new Error(`unexpected result: ${first.text}`);
  return { context, page, first: first.result };
}
const otherServer = otherSiteArg ? await serve(resolve(otherSiteArg)) : null;
const otherFirstVisit = [];
const otherLaterVisit = [];
let firstVisitAnswers = null;
for (let i = 0; i < rounds; ++i) {
  if (otherServer) {
    const other = await visit(true, otherServer.url);
    otherFirstVisit.push(other.first);
    await other.page.evaluate(() => navigator.serviceWorker.ready);
    await other.page.reload();
    otherLaterVisit.push((await firstResult(other.page)).result);
    await other.context.close();
  }
  answers.length = 0;
  const { context, page, first } = await visit(true);
  firstVisit.push(first);
  await page.evaluate(() => navigator.serviceWorker.ready);
  firstVisitAnswers ??= [...answers];
  await page.reload();
  laterVisit.push((await firstResult(page)).result);
  await context.close();
  const atStart = await visit(false);
  firstAtStart.push(atStart.first);
  await atStart.context.close();
  // The same first visit, the inputs given by a link instead of typed.
  const fromLink = await visit(true, `${server.url}#p1=10&u1=V&p2=5&u2=%CE%A9`, false);
  firstFromLink.push(fromLink.first);
  await fromLink.context.close();
}
console.log('== first result after the page starts loading (ms)');
console.log(`first visit:  ${spread(firstVisit)}  (${rounds} runs; new profile, browser idle ${Settle} ms)`);
console.log(`later visit:  ${spread(laterVisit)}  (${rounds} runs; the service worker's cache)`);
console.log(`first visit at once after the browser's start:  ${spread(firstAtStart)}  (${rounds} runs)`);
console.log(`first visit from a link (#p1=10&u1=V&p2=5&u2=Ω):  ${spread(firstFromLink)}  (${rounds} runs)`);
if (otherServer) {
  console.log(`${otherSiteArg}, in turn with the above:`);
  console.log(`  first visit:  ${spread(otherFirstVisit)}`);
  console.log(`  later visit:  ${spread(otherLaterVisit)}`);
  await otherServer.close();
}
console.log('== what the first visit transferred (status, bytes sent; the service worker\'s included)');
const byPath = new Map();
for (const a of firstVisitAnswers) byPath.set(a.path, [...(byPath.get(a.path) ?? []), a]);
for (const [path, list] of byPath) {
  console.log(`${list.map((a) => `${a.status} ${String(a.bytes).padStart(7)}`).join(', ').padEnd(28)} ${path}`);
}
const bodies = firstVisitAnswers.filter((a) => a.status === 200);
const twice = [...byPath].filter(([, list]) => list.filter((a) => a.status === 200).length > 1).map(([p]) => p);
console.log(`${firstVisitAnswers.length} requests, ${bodies.length} with a body, ` +
            `${bodies.reduce((n, a) => n + a.bytes, 0)} bytes; files sent twice: ${twice.join(' ') || 'none'}`);

// 3. The first 計算 after load.
const firstCalculation = [];
const secondCalculation = [];
for (let i = 0; i < rounds; ++i) {
  const context = await launchChromium();
  const page = await newPage(context);
  await page.goto(server.url);
  await pageReady(page);
  await new Promise((done) => setTimeout(done, 1000));
  const [first, second] = await page.evaluate(() => {
    const set = (id, value) => { document.getElementById(id).value = value; };
    set('Param_1', '10');
    set('Unit_1', 'V');
    set('Param_2', '5');
    set('Unit_2', 'Ω');
    const output = document.getElementById('Output');
    return [1, 2].map(() => {
      const t0 = performance.now();
      document.getElementById('Go_Calculate').click();
      output.getBoundingClientRect();
      return performance.now() - t0;
    });
  });
  if (!(await page.textContent('#Output')).includes('2.0000A')) throw new Error('no result');
  firstCalculation.push(first);
  secondCalculation.push(second);
  await context.close();
}
console.log('== 計算 after load, from the click until the result is laid out (ms)');
console.log(`first:   ${spread(firstCalculation)}  (${rounds} runs; a new browser, the inputs given 1 s after the lists)`);
console.log(`second:  ${spread(secondCalculation)}`);

// 4. One calculation, the page and the native program in turn.
const context = await launchChromium();
const page = await newPage(context);
await page.goto(server.url);
await pageReady(page);
await page.evaluate(async () => {
  const { loadEngine } = await import('./engine.js');
  window.benchEngine = await loadEngine(window.createTamrisk);
});
const pagePerRun = [];
const nativePerRun = [];
for (let i = 0; i < rounds; ++i) {
  pagePerRun.push(await page.evaluate(() => {
    const fields = ['10', ' ', 'V', '5', ' ', 'Ω', ' 指定なし'];
    const engine = window.benchEngine;
    // Warm-up: only to let the browser's optimising compiler settle.
    for (let k = 0; k < 2000; ++k) engine.calculate(fields, 2026);
    const runs = 20000;
    const t0 = performance.now();
    for (let k = 0; k < runs; ++k) engine.calculate(fields, 2026);
    return (performance.now() - t0) * 1000 / runs;
  }));
  const report = JSON.parse(execFileSync(nativeBench, [
    '--benchmark_filter=^BM_RunMatching$', '--benchmark_min_time=0.5', '--benchmark_format=json',
  ], { encoding: 'utf8' }));
  const run = report.benchmarks[0];
  nativePerRun.push(run.real_time * (run.time_unit === 'ns' ? 1e-3 : 1));
}
await context.close();
await server.close();
console.log('== one calculation of 10 V and 5 Ω (µs per run)');
console.log(`page:    ${spread(pagePerRun)}`);
console.log(`native:  ${spread(nativePerRun)}`);
console.log(`ratio of the medians: ${(median(pagePerRun) / median(nativePerRun)).toFixed(2)}`);
