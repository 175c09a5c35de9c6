// Measures the page in headless Chromium: what it downloads (compressed as a
// server would), the time from loading to the first painted menu (median of
// 5, each in a fresh profile), and the CPU its processes use in 30 s on the
// menu and in 30 s of a game left alone. Usage: node measure_page.mjs WEB_BUILD
import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';

import {launchChromium} from './chromium.mjs';
import {serve} from './serve.mjs';

const webBuild = process.argv[2];
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const gz = (name) => gzipSync(readFileSync(join(webBuild, name)), {level: 9}).length;
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

for (const screen of ['480x640', '240x320']) {
  const files = ['index.html', 'fandriass.js', 'fandriass.wasm', `fandriass-${screen}.pack`];
  const sizes = files.map(gz);
  console.log(`download for ${screen}: ${kb(sizes.reduce((a, b) => a + b))} (${
      files.map((f, i) => `${f} ${kb(sizes[i])}`).join(', ')})`);
}

const server = await serve(webBuild);
const url = `http://127.0.0.1:${server.address().port}/`;


async function shown(page) {
  await page.waitForFunction(
      () => document.getElementById('screen').dataset.frames, {timeout: 10000});
  return Number(await page.evaluate(() => document.getElementById('screen').dataset.firstFrameMs));
}

const loads = [];
for (let i = 0; i < 5; ++i) {
  const {browser, close} = await launchChromium(webBuild);
  const page = await browser.newPage();
  await page.setViewport({width: 480, height: 640});
  await page.goto(url);
  loads.push(await shown(page));
  await close();
}
loads.sort((a, b) => a - b);
console.log(`load to first painted menu: median ${loads[2].toFixed(0)} ms (${
    loads.map((t) => t.toFixed(0)).join(', ')})`);

// CPU seconds of every Chromium process, by kind.
async function cpu(browser) {
  const session = await browser.target().createCDPSession();
  const {processInfo} = await session.send('SystemInfo.getProcessInfo');
  await session.detach();
  const byType = {};
  for (const p of processInfo) byType[p.type] = (byType[p.type] || 0) + p.cpuTime;
  return byType;
}

async function cpuOver(browser, what, seconds) {
  const before = await cpu(browser);
  await sleep(seconds * 1000);
  const after = await cpu(browser);
  const parts = Object.keys(after).map(
      (type) => `${type} ${(100 * (after[type] - (before[type] || 0)) / seconds).toFixed(2)} %`);
  console.log(`CPU ${what} (${seconds} s, of one core): ${parts.join(', ')}`);
}

const {browser, close} = await launchChromium(webBuild);
const page = await browser.newPage();
await page.setViewport({width: 480, height: 640});
await page.goto(url);
await shown(page);
await sleep(2000);
await cpuOver(browser, 'on the menu', 30);
// EASY, the help's OK: a game nobody plays (the first tap also starts the sound).
await page.mouse.click(330, 365);
await sleep(1000);
await page.mouse.click(405, 511);
await sleep(3000);
await cpuOver(browser, 'in a game left alone', 30);
await close();
server.close();
