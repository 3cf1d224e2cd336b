// The local server (web/serve.mjs) under node alone:
//   node --test tests/web/serve.test.mjs
// It runs in its own process, as a user would start it, so that a request
// that ended it would show. Run by root, it runs as nobody, for whom a file
// of mode 000 is unreadable.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { chmodSync, mkdtempSync, rmSync, symlinkSync, unlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { gunzipSync } from 'node:zlib';

const ServeScript = fileURLToPath(new URL('../../web/serve.mjs', import.meta.url));
const Page = '<!doctype html><title>t</title><p>' + 'ページ '.repeat(200) + '</p>\n';

let folder;
let server;
let url;
before(async () => {
  folder = mkdtempSync(join(tmpdir(), 'tamrisk-serve-'));
  chmodSync(folder, 0o755);
  writeFileSync(join(folder, 'index.html'), Page);
  writeFileSync(join(folder, 'secret.js'), 'unreadable\n');
  chmodSync(join(folder, 'secret.js'), 0o000);
  writeFileSync(join(folder, 'gone.js'), 'soon removed\n');
  symlinkSync('loop.js', join(folder, 'loop.js'));
  const asNobody = process.getuid?.() === 0 ? { uid: 65534, gid: 65534 } : {};
  server = spawn(process.execPath, [ServeScript, folder, '0'],
                 { stdio: ['ignore', 'pipe', 'inherit'], ...asNobody });
  url = await new Promise((resolve, reject) => {
    let out = '';
    server.stdout.on('data', (chunk) => {
      out += chunk;
      const m = /http:\/\/\S+\//.exec(out);
      if (m) resolve(m[0]);
    });
    server.once('exit', (code) => reject(new Error(`the server ended (${code}) before it listened`)));
  });
});
after(() => {
  server?.kill();
  rmSync(folder, { recursive: true, force: true });
});

const get = (path, headers = {}) => fetch(new URL(path, url), { headers });

test('a file it cannot read, a vanished file and a failing one get an error status; the page is served after them', async () => {
  assert.equal((await get('gone.js')).status, 200);
  unlinkSync(join(folder, 'gone.js'));
  const cases = [
    ['secret.js', 403],
    ['gone.js', 404],
    ['nowhere/else.js', 404],
    ['index.html/x', 404],
    ['loop.js', 500],
    ['%2e%2e/%2e%2e/etc/passwd', 404],
  ];
  for (const [path, status] of cases) {
    const response = await get(path);
    assert.equal(response.status, status, path);
    await response.arrayBuffer();
  }
  const page = await get('');
  assert.equal(page.status, 200);
  assert.equal(await page.text(), Page);
  assert.equal(server.exitCode, null);
});

test('gzip to a browser that accepts it; 304 for a file the browser has', async () => {
  // fetch() under node asks for gzip and undoes it; the raw answer is read
  // through node:http.
  const { request } = await import('node:http');
  const raw = (headers) => new Promise((resolve, reject) => {
    request(new URL('index.html', url), { headers }, (response) => {
      const chunks = [];
      response.on('data', (c) => chunks.push(c));
      response.on('end', () => resolve({ status: response.statusCode, headers: response.headers,
                                         body: Buffer.concat(chunks) }));
    }).on('error', reject).end();
  });
  const zipped = await raw({ 'Accept-Encoding': 'gzip, deflate, br' });
  assert.equal(zipped.headers['content-encoding'], 'gzip');
  assert.equal(gunzipSync(zipped.body).toString(), Page);
  assert.ok(zipped.body.length < Buffer.byteLength(Page) / 4);
  const plain = await raw({});
  assert.equal(plain.headers['content-encoding'], undefined);
  assert.equal(plain.body.toString(), Page);
  assert.ok(plain.headers.etag && plain.headers['last-modified']);
  assert.equal(plain.headers.etag, zipped.headers.etag);

  const again = await raw({ 'If-None-Match': plain.headers.etag, 'Accept-Encoding': 'gzip' });
  assert.equal(again.status, 304);
  assert.equal(again.body.length, 0);
  assert.equal((await raw({ 'If-Modified-Since': plain.headers['last-modified'] })).status, 304);
  writeFileSync(join(folder, 'index.html'), `${Page}changed\n`);
  const changed = await raw({ 'If-None-Match': plain.headers.etag });
  assert.equal(changed.status, 200);
  assert.notEqual(changed.headers.etag, plain.headers.etag);
  assert.equal(changed.body.toString(), `${Page}changed\n`);
});
