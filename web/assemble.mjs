// Assembles the static site from web/ into a build folder:
//   node assemble.mjs <web source folder> <captions.h> <version> <site folder> <help text>
// The module (tamrisk.js, tamrisk.wasm) is already in the site folder.
//
// The pages' captions are the window program's, read from its captions
// header: {{Name}} in index.html is the text of `Name` (HTML-escaped),
// {{Name:label}} the same without the access key marker "&", and
// {{Name:key}} the access key letter. {{version}} is the version. {{help}}
// is the help: the page's help text (help/readme.ja.txt with the page's
// paragraphs, UTF-8) made into HTML. The service worker gets the list of
// the site's files with the integrity hash of each, and a cache name that
// changes whenever any file does.
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [sourceDir, captionsHeader, version, siteDir, helpText] = process.argv.slice(2);
if (!helpText) {
  console.error('usage: node assemble.mjs <web folder> <captions.h> <version> <site folder> <help text>');
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

// The help text as HTML: the window program's topics, each a section with
// its heading ("■ " lines), subheadings ("■■ ") and paragraphs, and before
// them a button for each topic. Lines before the first topic (the file's
// own title) are left out, and so is a topic with nothing in it for the
// page. The text's lines are as wide as the window's help box: a line that
// begins a paragraph, an item ("・") or an indented line (a blank or a
// full-width blank first) starts a line of its own; any other line goes on
// the line before it, so that the browser wraps the paragraph to its width.
function helpHtml(text) {
  const topics = [];
  let paragraph = null;
  const endParagraph = () => {
    if (paragraph !== null) topics.at(-1).body.push(`<p>${paragraph}</p>`);
    paragraph = null;
  };
  for (const line of text.split('\n')) {
    if (line.startsWith('■■')) {
      if (topics.length === 0) continue;
      endParagraph();
      topics.at(-1).body.push(`<h4>${escapeHtml(line.slice(2).trim())}</h4>`);
    } else if (line.startsWith('■ ')) {
      endParagraph();
      topics.push({ title: line.slice(2).trim(), body: [] });
    } else if (topics.length === 0) {
      continue;
    } else if (line.trim() === '') {
      endParagraph();
    } else if (paragraph === null) {
      paragraph = escapeHtml(line);
    } else {
      paragraph += (/^[ 　・]/.test(line) ? '<br>' : '') + escapeHtml(line);
    }
  }
  endParagraph();
  const shown = topics.filter((t) => t.body.length > 0);
  const buttons = shown.map((t, i) => `<button type="button" data-topic="HelpTopic${i + 1}">${escapeHtml(t.title)}</button>`);
  const sections = shown.map((t, i) => `<section id="HelpTopic${i + 1}" aria-labelledby="HelpTopic${i + 1}Title">` +
    `<h3 id="HelpTopic${i + 1}Title">${escapeHtml(t.title)}</h3>\n${t.body.join('\n')}\n</section>`);
  return `<div class="help-topics">${buttons.join('')}</div>\n<div class="help" id="HelpText" tabindex="0">\n${sections.join('\n')}\n</div>`;
}

function fill(template, captions, file) {
  return template.replace(/\{\{(\w+)(?::(\w+))?\}\}/g, (whole, name, form) => {
    if (name === 'version') return escapeHtml(version);
    if (name === 'help') return help;
    if (name === 'modules') return modules;
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
const help = helpHtml(readFileSync(helpText, 'utf8'));
mkdirSync(join(siteDir, 'icons'), { recursive: true });

// The page's scripts: app.js starts it and imports the others, which the
// page's head names for the browser to fetch at once ({{modules}}). The
// service worker's script is written below.
const scripts = readdirSync(sourceDir).filter((n) => n.endsWith('.js') && n !== 'sw.js').sort();
const modules = scripts.filter((n) => n !== 'app.js')
  .map((n) => `<link rel="modulepreload" href="${escapeHtml(n)}">`).join('\n');
const copied = ['style.css', ...scripts, 'manifest.webmanifest'];
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
