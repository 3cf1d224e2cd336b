// Assembles the static site from web/ into a build folder:
//   node assemble.mjs <web source folder> <captions.h> <version> <site folder>
// The module (tamrisk.js, tamrisk.wasm) is already in the site folder.
//
// The pages' captions are the window program's, read from its captions
// header: {{Name}} in index.html is the text of `Name` (HTML-escaped),
// {{Name:label}} the same without the access key marker "&", and
// {{Name:key}} the access key letter. {{version}} is the version. The
// service worker gets the list of the site's files with the integrity hash
// of each, and a cache name that changes whenever any file does.
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [sourceDir, captionsHeader, version, siteDir] = process.argv.slice(2);
if (!siteDir) {
  console.error('usage: node assemble.mjs <web folder> <captions.h> <version> <site folder>');
  process.exit(2);
}

// The captions of the header for a platform that is not Windows: every
// `inline constexpr char16_t Name[] = u"...";`, with C escapes decoded.
function readCaptions(text) {
  const captions = new Map();
  let skipping = false;
  // A long caption continues on the next line after its "=".
  for (const line of text.replace(/=\n\s+u"/g, '= u"').split('\n')) {
    const directive = line.trim();
    if (directive.startsWith('#ifdef _WIN32')) { skipping = true; continue; }
    if (directive.startsWith('#else')) { skipping = !skipping; continue; }
    if (directive.startsWith('#endif')) { skipping = false; continue; }
    if (skipping) continue;
    const m = /^inline constexpr char16_t (\w+)\[\] = u"((?:[^"\\]|\\.)*)";/.exec(line);
    if (!m) continue;
    const value = m[2].replace(/\\u([0-9A-Fa-f]{4})|\\(.)/g,
                               (_, hex, c) => (hex ? String.fromCharCode(parseInt(hex, 16)) : c === 'n' ? '\n' : c));
    captions.set(m[1], value);
  }
  return captions;
}

const escapeHtml = (s) =>
  s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

function fill(template, captions, file) {
  return template.replace(/\{\{(\w+)(?::(\w+))?\}\}/g, (whole, name, form) => {
    if (name === 'version') return escapeHtml(version);
    const caption = captions.get(name);
    if (caption === undefined) throw new Error(`${file}: no caption ${name}`);
    if (!form) return escapeHtml(caption);
    if (form === 'label') return escapeHtml(caption.replace('&', ''));
    if (form === 'key') {
      const key = /&(.)/.exec(caption);
      if (!key) throw new Error(`${file}: ${name} has no access key`);
      return escapeHtml(key[1].toLowerCase());
    }
    throw new Error(`${file}: unknown form ${whole}`);
  });
}

const captions = readCaptions(readFileSync(captionsHeader, 'utf8'));
mkdirSync(join(siteDir, 'icons'), { recursive: true });

const copied = ['style.css', 'app.js', 'engine.js', 'manifest.webmanifest'];
for (const name of copied) copyFileSync(join(sourceDir, name), join(siteDir, name));
const icons = readdirSync(join(sourceDir, 'icons')).filter((n) => n.endsWith('.png')).sort();
for (const name of icons) copyFileSync(join(sourceDir, 'icons', name), join(siteDir, 'icons', name));
writeFileSync(join(siteDir, 'index.html'),
              fill(readFileSync(join(sourceDir, 'index.html'), 'utf8'), captions, 'index.html'));

// Everything the page needs offline, the page itself first: each file as
// [address, integrity, other addresses of the same file].
const names = ['index.html', ...copied, 'tamrisk.js', 'tamrisk.wasm', ...icons.map((n) => `icons/${n}`)];
const hash = createHash('sha256');
const files = names.map((name) => {
  const bytes = readFileSync(join(siteDir, name));
  hash.update(name).update(bytes);
  const integrity = `sha384-${createHash('sha384').update(bytes).digest('base64')}`;
  return name === 'index.html' ? ['./', integrity, 'index.html'] : [name, integrity];
});
const worker = readFileSync(join(sourceDir, 'sw.js'), 'utf8')
  .replace('{{cacheName}}', `tamrisk-${version}-${hash.digest('hex').slice(0, 12)}`)
  .replace('{{files}}', JSON.stringify(files));
writeFileSync(join(siteDir, 'sw.js'), worker);
