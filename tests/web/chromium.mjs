// Debian's chromium, headless, driven by playwright-core: no browser
// download, a fresh profile for every launch.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export const ChromiumPath = process.env.TAMRISK_CHROMIUM ?? '/usr/bin/chromium';

// A persistent context on a new profile folder; closing it removes the folder.
// `args` are added to the usual flags.
export async function launchChromium({ args = [], viewport = { width: 1024, height: 720 } } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tamrisk-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: ChromiumPath,
    headless: true,
    viewport,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync', ...args],
  });
  const close = context.close.bind(context);
  context.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return context;
}

// The context's page: the one the browser opened with, or a new one.
export async function newPage(context) {
  return context.pages()[0] ?? await context.newPage();
}

// Waits until the page's unit lists are filled, which the page does once its
// module is ready.
export async function pageReady(page) {
  await page.waitForFunction(() => document.getElementById('Unit_1').options.length > 1);
}

// The accessibility audit (axe-core) of the page as it is now, or of the
// part of it that `selector` names: one line per violation, the rule and
// the elements it found.
const AxeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
export async function accessibilityViolations(page, selector = 'html') {
  if (!await page.evaluate(() => 'axe' in window)) await page.addScriptTag({ content: AxeSource });
  return page.evaluate(async (selector) => {
    const result = await window.axe.run(selector, { resultTypes: ['violations'] });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  }, selector);
}
