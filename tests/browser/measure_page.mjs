// Measures the page in headless Chromium: what it downloads (compressed as a
// server would), the time from loading to the first painted menu (median of
// 5, each in a fresh profile), and the CPU its processes use in 30 s on the
// menu and in 30 s of a game left alone (three games). Usage: node measure_page.mjs WEB_BUILD
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

// The page in a fresh Chromium, once it showed its menu; shownMs is when the
// page painted it, from the start of loading.
async function openPage() {
  const {browser, close} = await launchChromium(webBuild);
  const page = await browser.newPage();
  await page.setViewport({width: 480, height: 640});
  await page.goto(url);
  await page.waitForFunction(
      () => document.getElementById('screen').dataset.frames, {timeout: 10000});
  const shownMs =
      Number(await page.evaluate(() => document.getElementById('screen').dataset.firstFrameMs));
  return {browser, page, close, shownMs};
}

const loads = [];
for (let i = 0; i < 5; ++i) {
  const {close, shownMs} = await openPage();
  loads.push(shownMs);
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

const frames = (page) =>
    page.evaluate(() => Number(document.getElementById('screen').dataset.frames));
const percent = (seconds, value) => `${(100 * value / seconds).toFixed(2)} %`;

// The tab's own process (the renderer) and all of Chromium's, with the frames
// the page showed meanwhile: what a game costs follows how much of it moves.
async function cpuOver(browser, page, seconds) {
  const before = await cpu(browser);
  const framesBefore = await frames(page);
  await sleep(seconds * 1000);
  const after = await cpu(browser);
  const shownPerSecond = (await frames(page) - framesBefore) / seconds;
  let all = 0;
  const parts = Object.keys(after).map((type) => {
    const used = after[type] - (before[type] || 0);
    all += used;
    return `${type} ${percent(seconds, used)}`;
  });
  const tab = after.renderer - (before.renderer || 0);
  return {tab: 100 * tab / seconds, all: 100 * all / seconds, shownPerSecond, parts};
}

const report = (what, seconds, m) => console.log(`CPU ${what} (${seconds} s, of one core): tab ${
    m.tab.toFixed(2)} %, all processes ${m.all.toFixed(2)} %, ${
    m.shownPerSecond.toFixed(1)} frames a second (${m.parts.join(', ')})`);

// Each on a fresh page: the menu, then a game nobody plays, three times, since
// a game left alone runs its own course.
const games = [];
for (let run = 0; run < 3; ++run) {
  const {browser, page, close} = await openPage();
  await sleep(2000);
  if (run === 0) report('on the menu', 30, await cpuOver(browser, page, 30));
  // EASY, the help's OK (the first tap also starts the sound).
  await page.mouse.click(330, 365);
  await sleep(1000);
  await page.mouse.click(405, 511);
  await sleep(3000);
  const game = await cpuOver(browser, page, 30);
  report(`in a game left alone, run ${run + 1}`, 30, game);
  games.push(game);
  await close();
}
const median = (key) => games.map((g) => g[key]).sort((a, b) => a - b)[1];
console.log(`CPU in a game left alone, median of 3: tab ${
    median('tab').toFixed(2)} %, all processes ${median('all').toFixed(2)} %`);
server.close();
