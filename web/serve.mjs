// Serves a folder as a static site on 127.0.0.1, for trying the page and for
// its tests:
//   node serve.mjs <folder> [port]      (port 0 or none: any free port)
// Prints the address once it listens. Imported, `serve(folder, port, types)`
// resolves to { url, close }; `types` overrides content types by extension.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

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

export function serve(folder, port = 0, types = {}) {
  const root = resolve(folder);
  const typeOf = (file) => types[extname(file)] ?? Types[extname(file)] ?? 'application/octet-stream';
  const server = createServer((request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    let stat = null;
    try {
      if (file === root || file.startsWith(root + sep)) stat = statSync(file);
    } catch { /* not there */ }
    if (!stat || !stat.isFile() || (request.method !== 'GET' && request.method !== 'HEAD')) {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': typeOf(file),
      'Content-Length': stat.size,
      'Cache-Control': 'no-cache',
    });
    if (request.method === 'HEAD') response.end();
    else createReadStream(file).pipe(response);
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
