// Serves a folder as a static site on 127.0.0.1, for trying the page and for
// its tests:
//   node serve.mjs <folder> [port]      (port 0 or none: any free port)
// Prints the address once it listens. Imported, `serve(folder, port, types,
// onAnswer)` resolves to { url, close }; `types` overrides content types by
// extension, and `onAnswer(path, status, bytes)` hears of every answer (the
// bytes of its body as sent).
//
// A file is read whole before anything is answered, so a file that cannot
// be read gets an error status (403, 404 or 500) and the server goes on.
// Answers carry validators (ETag, Last-Modified) and are revalidated on
// every use (Cache-Control: no-cache): a browser that has a file asks with
// If-None-Match and gets 304 without the body. Text and the module are sent
// gzip-compressed to a browser that accepts it.
import { createHash } from 'node:crypto';
import { open } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const Types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
};
// Already compressed: sent as they are.
const Compressed = new Set(['.png']);

// The status for a file that could not be opened or read.
function statusOf(error) {
  switch (error?.code) {
    case 'ENOENT': case 'ENOTDIR': case 'EISDIR': case 'ENAMETOOLONG': return 404;
    case 'EACCES': case 'EPERM': return 403;
    default: return 500;
  }
}
const Reasons = { 403: 'forbidden\n', 404: 'not found\n', 500: 'cannot read the file\n' };

// Reads a file through one open handle: its contents and what the answer
// needs, or throws the error of the open or the read.
async function readFile(file) {
  const handle = await open(file, 'r');
  try {
    const stat = await handle.stat();
    if (!stat.isFile()) throw Object.assign(new Error(`${file}: not a file`), { code: 'EISDIR' });
    const data = await handle.readFile();
    return { data, stat };
  } finally {
    await handle.close();
  }
}

// A file's validators and gzipped form are worked out once per version of
// the file (its size, time and inode).
function makeCache() {
  const entries = new Map();
  return (file, data, stat) => {
    const version = `${stat.ino}:${stat.size}:${stat.mtimeMs}`;
    let entry = entries.get(file);
    if (!entry || entry.version !== version || entry.bytes.length !== data.length) {
      entry = {
        version,
        bytes: data,
        // Weak: the same tag for the gzipped and the plain form.
        etag: `W/"${createHash('sha256').update(data).digest('base64url').slice(0, 27)}"`,
        gzipped: null,
      };
      entries.set(file, entry);
    }
    return entry;
  };
}

export function serve(folder, port = 0, types = {}, onAnswer = () => {}) {
  const root = resolve(folder);
  const typeOf = (file) => types[extname(file)] ?? Types[extname(file)] ?? 'application/octet-stream';
  const cached = makeCache();
  const fail = (response, status) => {
    if (response.headersSent) {
      response.destroy();
      return;
    }
    response.writeHead(status, { 'Content-Type': 'text/plain; charset=utf-8' }).end(Reasons[status]);
  };

  async function answer(request, response) {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, { Allow: 'GET, HEAD' }).end();
      return;
    }
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    if (path.includes('\0') || (file !== root && !file.startsWith(root + sep))) {
      fail(response, 404);
      return;
    }
    let read;
    try {
      read = await readFile(file);
    } catch (error) {
      fail(response, statusOf(error));
      return;
    }
    const entry = cached(file, read.data, read.stat);
    const headers = {
      'Content-Type': typeOf(file),
      'Cache-Control': 'no-cache',
      ETag: entry.etag,
      'Last-Modified': read.stat.mtime.toUTCString(),
      Vary: 'Accept-Encoding',
    };
    const ifNoneMatch = request.headers['if-none-match'];
    const ifModifiedSince = Date.parse(request.headers['if-modified-since'] ?? '');
    const unchanged = ifNoneMatch !== undefined
      ? ifNoneMatch.split(',').some((tag) => tag.trim() === '*' ||
                                             tag.trim().replace(/^W\//, '') === entry.etag.slice(2))
      : Math.floor(read.stat.mtimeMs / 1000) * 1000 <= ifModifiedSince;
    for (const [name, value] of Object.entries(headers)) response.setHeader(name, value);
    if (unchanged) {
      response.writeHead(304).end();
      return;
    }
    let body = entry.bytes;
    if (!Compressed.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      entry.gzipped ??= gzipSync(entry.bytes, { level: 9 });
      body = entry.gzipped;
      response.setHeader('Content-Encoding', 'gzip');
    }
    response.setHeader('Content-Length', body.length);
    response.writeHead(200);
    response.end(request.method === 'HEAD' ? undefined : body);
  }

  const server = createServer((request, response) => {
    response.on('finish', () => {
      onAnswer(request.url, response.statusCode, Number(response.getHeader('Content-Length') ?? 0));
    });
    answer(request, response).catch(() => fail(response, 500));
  });
  return new Promise((resolveServer, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolveServer({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.mjs <folder> [port]');
    process.exit(2);
  }
  const { url } = await serve(folder, Number(port ?? 0));
  console.log(`Tamrisk is served at ${url} (Ctrl+C ends)`);
}
