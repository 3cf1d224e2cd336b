// The WebAssembly build against the native one, byte for byte:
//   node exactness.mjs <site folder> <lines.tsv> <native.jsonl> <year> <tamrisk-cli>
// lines.tsv holds batch lines (seven TAB-separated input texts), native.jsonl
// what `tamrisk-cli --batch --this-year <year>` wrote for them. Each line
// goes through the page's own wrapper of the module; the rewritten entries
// and the result text must be the same UTF-8 bytes as the native ones; the
// lines with a NUL inside a text among them.
// A rule that fails throws inside the module; the lines after it must
// still come out right, so the module survives that. The units that go
// together (the page's 組合せ候補) are those of `tamrisk-cli --partners`.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [site, linesFile, nativeFile, year, cli] = process.argv.slice(2);
if (!cli) {
  console.error('usage: node exactness.mjs <site folder> <lines.tsv> <native.jsonl> <year> <tamrisk-cli>');
  process.exit(2);
}
const siteDir = resolve(site);
const { loadEngine } = await import(pathToFileURL(join(siteDir, 'engine.js')).href);
const createTamrisk = createRequire(import.meta.url)(join(siteDir, 'tamrisk.js'));
// The bytes are handed over: the loader's own fetch does not work under node.
const engine = await loadEngine(createTamrisk, { wasmBinary: readFileSync(join(siteDir, 'tamrisk.wasm')) });

const lines = readFileSync(linesFile, 'utf8').split('\n');
if (lines.at(-1) === '') lines.pop();
const native = readFileSync(nativeFile, 'utf8').split('\n');
if (native.at(-1) === '') native.pop();
if (lines.length !== native.length) {
  console.error(`${lines.length} input lines but ${native.length} native results`);
  process.exit(1);
}

let differences = 0;
let answered = 0;
for (let i = 0; i < lines.length; ++i) {
  const fields = lines[i].split('\t');
  const expected = JSON.parse(native[i]);
  const got = engine.calculate(fields, Number(year), true);
  if (!got.failed) ++answered;
  for (const key of ['param1', 'param2', 'output']) {
    const want = Buffer.from(expected[key], 'utf8');
    if (Buffer.compare(want, Buffer.from(got[key])) !== 0) {
      if (++differences <= 10) {
        console.error(`line ${i + 1} ${JSON.stringify(lines[i])}: ${key}\n` +
                      `  native: ${JSON.stringify(expected[key])}\n` +
                      `  wasm:   ${JSON.stringify(Buffer.from(got[key]).toString('utf8'))}`);
      }
    }
  }
}
// 0 V across 0 Ω: every rule that matches fails, each by throwing inside the
// module. The next run must answer as usual.
const failing = engine.calculate(['0', ' ', 'V', '0', ' ', 'Ω', ' 指定なし'], Number(year));
const after = engine.calculate(['10', ' ', 'V', '5', ' ', 'Ω', ' 指定なし'], Number(year));
const survives = failing.failed && failing.invalidInput && !after.failed && !after.invalidInput;
console.log(`${lines.length} lines, ${answered} answered, ${differences} differences; ` +
            `after failing rules the module ${survives ? 'still answers' : 'DOES NOT ANSWER'}`);

// Every unit beside every other, for either parameter, without a filter.
const catalogue = engine.catalogue();
let partnerDifferences = 0;
let partnerUnits = 0;
for (const unit of [catalogue.noUnit, ...catalogue.units.filter((u) => u !== '')]) {
  const partners = JSON.parse(execFileSync(cli, ['--partners', unit === catalogue.noUnit ? 'none' : unit, '--json'], { encoding: 'utf8' })).partners;
  for (const [parameter, count] of [[2, 'asSecond'], [1, 'asFirst']]) {
    const want = partners.filter((p) => p[count] > 0)
      .map((p) => ({ unit: p.unit, formulas: p[count], hidden: false }));
    const got = engine.unitsBeside(parameter, unit, catalogue.noFilter, '1'.repeat(catalogue.units.length));
    if (JSON.stringify(got) !== JSON.stringify(want) && ++partnerDifferences <= 5) {
      console.error(`partners of ${JSON.stringify(unit)} for parameter ${parameter}:\n` +
                    `  native: ${JSON.stringify(want)}\n  wasm:   ${JSON.stringify(got)}`);
    }
  }
  ++partnerUnits;
}
console.log(`units that go together: ${partnerUnits} units, ${partnerDifferences} differences`);
process.exit(differences === 0 && survives && partnerDifferences === 0 ? 0 : 1);
