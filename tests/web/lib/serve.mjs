// A static file server for the web build on 127.0.0.1, as plain as any static host: no special
// headers, so every test sees the page as a link to it from anywhere would. Serves files only
// from under its folders, the first folder that has the file answering; no listings, no writes.
//
//   import { serve } from './serve.mjs';
//   const server = await serve('build-web/site');   // { url, close() }, a free port by default
//   await serve(['build-web/site', 'tests/page']);  // a test's page beside the site
//   await serve(dir, 0, { intoPages: '<script>...</script>' })  // put first in every page's head
//   await serve([pack, site], 0, { firstOnly: ['/pack/'] })  // those paths from the first alone
//   await serve(dir, 0, { cacheControl: 'no-cache' })  // kept, but asked for again at every use
//
//   node serve.mjs DIR [PORT]                        // prints the address, serves until stopped
import { createReadStream } from 'node:fs';
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.bmp': 'image/bmp',
  '.mp3': 'audio/mpeg',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
};

// The file a request path names under `root`, or null for one outside it.
function fileFor(root, urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath.split('?')[0]);
  } catch {
    return null;
  }
  if (path.endsWith('/')) path += 'index.html';
  const file = resolve(root, '.' + path);
  return file === root || file.startsWith(root + sep) ? file : null;
}

// The first of `roots` that has the file, with its path and stat; null when none has it.
async function find(roots, urlPath, firstOnly) {
  const path = urlPath.split('?')[0];
  const askable = firstOnly.some((prefix) => path.startsWith(prefix)) ? roots.slice(0, 1) : roots;
  for (const root of askable) {
    const file = fileFor(root, urlPath);
    const info = file && (await stat(file).catch(() => null));
    if (info && info.isFile()) return { file, info };
  }
  return null;
}

// A page with `intoPages` put at the start of its head.
async function changedPage(file, intoPages) {
  const page = await readFile(file, 'utf8');
  return Buffer.from(page.replace(/<head>/i, (head) => head + intoPages));
}

async function answer(roots, request, response, { intoPages, firstOnly, cacheControl }) {
  const found = await find(roots, request.url, firstOnly);
  const { file, info } = found || {};
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, { Allow: 'GET, HEAD' }).end();
  } else if (!info || !info.isFile()) {
    response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
  } else {
    const type = kTypes[extname(file).toLowerCase()] || 'application/octet-stream';
    const html = intoPages && type.startsWith('text/html');
    const changed = html ? await changedPage(file, intoPages) : null;
    response.writeHead(200, {
      'Content-Type': type,
      'Content-Length': changed ? changed.length : info.size,
      'Cache-Control': cacheControl,
    });
    if (request.method === 'HEAD') response.end();
    else if (changed) response.end(changed);
    else createReadStream(file).pipe(response);
  }
}

// Serves `dirs` (one folder or several) on 127.0.0.1:`port` (0: any free port); `intoPages`:
// HTML a test puts first in the head of every page served; `firstOnly`: path prefixes only the
// first folder answers; `cacheControl`: what the host tells browsers to keep (nothing, by
// default). Resolves to { url, close }.
export async function serve(dirs, port = 0,
  { intoPages = null, firstOnly = [], cacheControl = 'no-store' } = {}) {
  const roots = [dirs].flat().map((dir) => resolve(dir));
  const options = { intoPages, firstOnly, cacheControl };
  const server = createServer((request, response) => {
    answer(roots, request, response, options).catch(() => response.destroy());
  });
  await new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', done);
  });
  const url = `http://127.0.0.1:${server.address().port}/`;
  const close = () => new Promise((done) => {
    server.closeAllConnections();
    server.close(() => done());
  });
  return { url, close };
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [dir, port] = process.argv.slice(2);
  if (!dir) {
    console.error('usage: node serve.mjs DIR [PORT]');
    process.exit(2);
  }
  const { url } = await serve(dir, port ? Number(port) : 0);
  console.log(`serving ${resolve(dir)} at ${url}`);
}
