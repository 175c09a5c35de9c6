// Serves a folder on localhost, as a plain web server would, for the page and
// its test. Usage: node serve.mjs FOLDER [PORT] (PORT 0: any free one; the
// address is printed on the first line).
import {readFile} from 'node:fs/promises';
import {createServer} from 'node:http';
import {extname, join, normalize} from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
};

export function serve(folder, port = 0) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(folder, path.endsWith('/') ? path + 'index.html' : path);
    try {
      const body = await readFile(file);
      response.writeHead(200, {'Content-Type': types[extname(file)] || 'application/octet-stream'});
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

if (process.argv[1] && process.argv[1].endsWith('serve.mjs')) {
  const server = await serve(process.argv[2] || '.', Number(process.argv[3] || 8023));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
