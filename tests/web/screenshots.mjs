// Pictures of the page after 10 V and 5 Ω: on a desktop, 360 px wide, in
// the dark scheme, and the customisation and the help on a 390 px phone
// (the first two are the README's, docs/web-desktop.png and
// docs/web-360px.png); and after 230 V and 50 Hz, which no formula answers,
// 組合せ候補 open, and a unit chosen from it; on a 390 px phone the first
// result line's formula open (docs/formula-page.png) and the history after
// four calculations (docs/history-page.png):
//   node tests/web/screenshots.mjs <site folder> <output folder>
import { join } from 'node:path';
import { launchChromium, newPage, pageReady } from './chromium.mjs';
import { serve } from '../../web/serve.mjs';

const [site, out] = process.argv.slice(2);
if (!out) {
  console.error('usage: node tests/web/screenshots.mjs <site folder> <output folder>');
  process.exit(2);
}
const server = await serve(site);
const shots = [
  ['web-desktop.png', { width: 960, height: 560 }],
  ['web-360px.png', { width: 360, height: 720 }],
  ['web-dark.png', { width: 960, height: 560 }, { colorScheme: 'dark' }],
  ['web-customisation-390px.png', { width: 390, height: 844 }, { open: '#OpenCustom' }],
  ['web-help-390px.png', { width: 390, height: 844 }, { open: '#OpenHelp' }],
  ['web-partner-hint.png', { width: 960, height: 720 }, { noFormula: true, open: '#Partner_Hint' }],
  ['formula-page.png', { width: 390, height: 844 }, { line: 0 }],
  ['web-partner-chosen.png', { width: 960, height: 560 },
   { noFormula: true, open: '#Partner_Hint', choose: '#PartnerList2 button:text-is("Ω　6式")' }],
  ['history-page.png', { width: 390, height: 844 }, { before: true, open: '#OpenHistory' }],
];
// The calculations before the last one, for the history.
const earlier = [['100', 'm', '9.58', 'sec'], ['230', 'V', '50', 'Hz'], ['1.5', 'V', '2.2', 'Ω']];
for (const [name, viewport, { colorScheme, noFormula, open, choose, before, line } = {}] of shots) {
  const context = await launchChromium({ viewport });
  const page = await newPage(context);
  if (colorScheme) await page.emulateMedia({ colorScheme });
  await page.goto(server.url);
  await pageReady(page);
  for (const [p1, u1, p2, u2] of before ? earlier : []) {
    await page.fill('#Param_1', p1);
    await page.selectOption('#Unit_1', u1);
    await page.fill('#Param_2', p2);
    await page.selectOption('#Unit_2', u2);
    await page.click('#Go_Calculate');
  }
  await page.fill('#Param_1', noFormula ? '230' : '10');
  await page.selectOption('#Unit_1', 'V');
  await page.fill('#Param_2', noFormula ? '50' : '5');
  await page.selectOption('#Unit_2', noFormula ? 'Hz' : 'Ω');
  await page.click('#Go_Calculate');
  if (open) await page.click(open);
  if (choose) await page.click(choose);
  if (line !== undefined) await page.locator('#Output .result-line').nth(line).click();
  await page.screenshot({ path: join(out, name) });
  await context.close();
}
await server.close();
