// Serves the built site twice on free local ports: at the root of one
// server, and in a sub-folder of another (the folder that holds the site), as
// a web host or a USB stick would. The addresses go to the tests in
// ORVANDEL_ROOT_URL and ORVANDEL_SUBFOLDER_URL.
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const siteDir = process.env.ORVANDEL_SITE ?? path.resolve(here, '../../build-web/site');

function serve(directory) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', directory, '0'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolve, reject) => {
    server.once('exit', (code) => reject(new Error(`the static server stopped (${code})`)));
    server.stdout.on('data', (chunk) => {
      const port = /port (\d+)/.exec(chunk.toString())?.[1];
      if (port) resolve({ server, url: `http://127.0.0.1:${port}/` });
    });
  });
}

export default async function serveSite() {
  if (!existsSync(path.join(siteDir, 'engine.wasm'))) throw new Error(`no site in ${siteDir}: run make web first`);
  const root = await serve(siteDir);
  const parent = await serve(path.dirname(siteDir));
  process.env.ORVANDEL_ROOT_URL = root.url;
  process.env.ORVANDEL_SUBFOLDER_URL = `${parent.url}${path.basename(siteDir)}/`;
  return () => {
    root.server.kill();
    parent.server.kill();
  };
}
