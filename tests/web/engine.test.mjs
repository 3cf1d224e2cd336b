// The page's wrapper of the module (web/engine.js) under node, where memory
// runs out:
//   TAMRISK_SITE=<site folder> node --test engine.test.mjs
// The module's memory ends at 2 GiB. A text it has no room for is refused
// with an error that says so, and the module answers the next call as
// before; nothing is written where the text did not fit.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { before, test } from 'node:test';
import { pathToFileURL } from 'node:url';

const Site = process.env.TAMRISK_SITE;
if (!Site) throw new Error('TAMRISK_SITE must name the site folder');
const NoFilter = ' 指定なし';
const TenVoltsFiveOhms = ['10', ' ', 'V', '5', ' ', 'Ω', NoFilter];

// A module of its own for each case: where a large text has been, the
// memory may be left in pieces too small for the next one.
let load;
let answer;  // what 10 V and 5 Ω give
before(async () => {
  const siteDir = resolve(Site);
  const { loadEngine } = await import(pathToFileURL(join(siteDir, 'engine.js')).href);
  const createTamrisk = createRequire(import.meta.url)(join(siteDir, 'tamrisk.js'));
  const wasmBinary = readFileSync(join(siteDir, 'tamrisk.wasm'));
  load = () => loadEngine(createTamrisk, { wasmBinary });
  answer = (await load()).calculate(TenVoltsFiveOhms, 2026);
  assert.match(answer.output, /2\.0000A/);
});

// Each case runs out of memory at a different place; after each, every
// entry point answers as before. One text of 1.08 GB (UTF-8) fits into the
// module's memory, two do not.
const big = 'あ'.repeat(3.6e8);
const cases = [
  // The wrapper's own allocation fails at the second text, before anything
  // is copied; the first is given back.
  ['two texts that together do not fit', (engine) => engine.calculate([big, ' ', 'V', big, ' ', 'Ω', NoFilter], 2026),
   /^RangeError: a text of 1080000000 bytes does not fit into the engine's memory$/],
  // One text fits, but the engine's copy of it does not.
  ['a text that fits but cannot be copied', (engine) => engine.calculate([big, ' ', 'V', '5', ' ', 'Ω', NoFilter], 2026),
   /^RangeError: the engine ran out of memory$/],
  ['a search text the search cannot convert', (engine) => engine.search(true, big),
   /^RangeError: the engine ran out of memory$/],
];
for (const [name, call, error] of cases) {
  test(name, async () => {
    const engine = await load();
    assert.throws(() => call(engine), (e) => error.test(String(e)));
    assert.deepEqual(engine.calculate(TenVoltsFiveOhms, 2026), answer);
    assert.equal(engine.explanation('k', 'V').split('\r\n')[0], '【単位解説】');
    assert.equal(engine.lists('1'.repeat(20), '1'.repeat(74) + '0'.repeat(6)).units.length, 75);
    engine.searchReset();
    assert.ok(engine.search(true, '抵抗').position > 0);
  });
}
