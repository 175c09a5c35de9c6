// Headless Chromium for the browser tests, each in a fresh profile. puppeteer-
// core comes from the web build's own folder, where scripts/web installs it,
// so nothing installed sits among the sources.
import {mkdtempSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';

export async function launchChromium(webBuild) {
  const puppeteer = createRequire(join(resolve(webBuild), 'node', 'package.json'))('puppeteer-core');
  const profile = mkdtempSync(join(tmpdir(), 'fandriass-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`
    ],
  });
  const close = async () => {
    await browser.close();
    rmSync(profile, {recursive: true, force: true});
  };
  return {browser, close};
}
