// Plays the web build in headless Chromium as a player would: the menu shows,
// EASY and the help's OK start a game, a tap paints, the exit question's Yes
// keeps the game and a reload resumes it, a reload in the middle of a game
// keeps it too, the hi-score tables outlive reloads, and a browser that keeps
// nothing gets the game's "cannot save". Screenshots at zoom 1 and 3 go to
// SHOTS_DIR. Usage: node browser_test.mjs WEB_BUILD REPLAYS_DIR SHOTS_DIR
import {mkdirSync, readFileSync} from 'node:fs';
import {join} from 'node:path';

import {launchChromium} from './chromium.mjs';
import {serve} from './serve.mjs';

const [webBuild, replaysDir, shotsDir] = process.argv.slice(2);
const store = '/home/web_user/.local/share/kestrelnet/Quillmoor/Fandriass2';
// Where things are on the 480x640 screen, in its pixels.
const at = {
  easy: [330, 365],
  easyGreen: [400, 348],
  hiScores: [120, 597],
  helpBody: [450, 300],
  helpOk: [405, 511],
  lcd: [350, 520],
  close: [447, 42],
  back: [413, 42],
  pill: [452, 120],
  boxBody: [450, 390],
  boxYes: [174, 372],
};
const cell = (column, row) => [65 + column * 60, 125 + row * 60];

let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A colour by its family, as a player tells the balls apart.
function family([r, g, b]) {
  const max = Math.max(r, g, b), min = Math.min(r, g, b);
  if (max < 60) return 'dark';
  if (max - min < 40) return max > 225 ? 'white' : 'grey';
  if (r === max && g > 0.75 * r) return 'yellow';
  if (r === max && b > 0.6 * r) return 'purple';
  if (r === max) return g > 0.35 * r ? 'orange' : 'red';
  if (g === max) return 'green';
  return r > 0.6 * b ? 'purple' : 'blue';
}

// Points are given on the 480x640 screen; a smaller one has the same layout at
// its own scale.
async function pixel(page, [x, y]) {
  return page.evaluate((x, y) => {
    const canvas = document.getElementById('screen');
    const scale = canvas.width / 480;
    const at = [Math.floor(x * scale), Math.floor(y * scale)];
    return Array.from(canvas.getContext('2d').getImageData(at[0], at[1], 1, 1).data.slice(0, 3));
  }, x, y);
}

// The pixels of a part of the screen, as one string to compare.
async function region(page, [left, top, right, bottom]) {
  return page.evaluate((left, top, right, bottom) => {
    const canvas = document.getElementById('screen');
    const scale = canvas.width / 480;
    const [x, y] = [Math.floor(left * scale), Math.floor(top * scale)];
    const [w, h] = [Math.floor(right * scale) - x, Math.floor(bottom * scale) - y];
    return Array.from(canvas.getContext('2d').getImageData(x, y, w, h).data).join();
  }, left, top, right, bottom);
}
const boxArea = [16, 230, 464, 411];

async function waitFor(page, point, predicate, what) {
  for (let i = 0; i < 50; ++i) {
    if (predicate(await pixel(page, point))) return true;
    await sleep(100);
  }
  check(false, `${what} (at ${point}: ${await pixel(page, point)})`);
  return false;
}

// Taps through the page's own scaling, as a player's finger or mouse would.
async function tap(page, [x, y], how = 'mouse') {
  const [px, py] = await page.evaluate((x, y) => {
    const canvas = document.getElementById('screen');
    const box = canvas.getBoundingClientRect();
    const scale = canvas.width / 480;
    const zoom = box.width / canvas.width;
    return [
      box.left + (Math.floor(x * scale) + 0.5) * zoom,
      box.top + (Math.floor(y * scale) + 0.5) * zoom
    ];
  }, x, y);
  if (how === 'touch')
    await page.touchscreen.tap(px, py);
  else
    await page.mouse.click(px, py);
}

async function open(page, url) {
  await page.goto(url);
  await page.waitForFunction(
      () => document.getElementById('screen').dataset.frames, {timeout: 10000});
  await sleep(300);
}

// A kept value's bytes and when it was last written, or null.
async function readStored(page, name) {
  return page.evaluate((path) => {
    try {
      return {
        bytes: Array.from(Module.FS.readFile(path)),
        written: Module.FS.stat(path).mtime.getTime()
      };
    } catch {
      return null;
    }
  }, `${store}/${name}`);
}

const isWhite = (c) => family(c) === 'white';
const isGreen = (c) => family(c) === 'green';
const isLcd = (c) => c[1] > 180 && c[0] > 150 && c[2] < c[1] && family(c) !== 'white';

async function startEasyGame(page) {
  await tap(page, at.easy);
  await waitFor(page, at.helpBody, isWhite, 'EASY opens the help');
  await tap(page, at.helpOk, 'touch');
  return waitFor(page, at.lcd, isLcd, 'the help\'s OK starts the game');
}

// Paints a ball with the "next:" colour: one with no neighbour of that
// colour, so that it makes no line and stays to be seen.
// Paints a ball with the "next:" colour: one with no neighbour of that
// colour, so that it makes no line. A ball that falls on the board meanwhile
// may still make one: a few tries. Returns the ball painted, or null.
async function paintOne(page) {
  for (let attempt = 0; attempt < 3; ++attempt) {
    const paint = family(await pixel(page, at.pill));
    const families = await settledBoard(page);
    const of = (column, row) =>
        (column < 0 || column > 5 || row < 0 || row > 5 ? '' : families[row * 6 + column]);
    let target = null;
    for (let i = 0; i < 36 && !target; ++i) {
      const [column, row] = [i % 6, Math.floor(i / 6)];
      const around =
          [of(column - 1, row), of(column + 1, row), of(column, row - 1), of(column, row + 1)];
      if (!['dark', '*', paint].includes(of(column, row)) && !around.includes(paint))
        target = cell(column, row);
    }
    if (!target) continue;
    await tap(page, target);
    await sleep(800);
    if (family(await pixel(page, target)) === paint) return {target, paint};
  }
  check(false, 'a tap paints a ball with the "next:" colour');
  return null;
}

const ended = (page) =>
    page.evaluate(() => getComputedStyle(document.getElementById('ended')).display !== 'none');

// Answers Yes to the exit question; returns the question's pixels.
async function answerExitYes(page) {
  await tap(page, at.close);
  await waitFor(page, at.boxBody, isWhite, 'the close button asks first');
  const question = await region(page, boxArea);
  await tap(page, at.boxYes, 'touch');
  await sleep(500);
  return question;
}

// The colour of every cell, read from one frame; a cell whose ball changed
// within a quarter second (a special ball's colours turning, a fall) is '*'.
async function board(page) {
  const read = () => page.evaluate((points) => {
    const image =
        document.getElementById('screen').getContext('2d').getImageData(0, 0, 480, 640).data;
    return points.map(
        ([x, y]) => Array.from(image.slice((y * 480 + x) * 4, (y * 480 + x) * 4 + 3)));
  }, Array.from({length: 36}, (_, i) => cell(i % 6, Math.floor(i / 6))));
  const first = (await read()).map(family);
  await sleep(250);
  const second = (await read()).map(family);
  return first.map((f, i) => (f === second[i] ? f : '*'));
}
// The board once nothing on it has moved for a quarter second (balls may
// still be falling after a line was taken).
async function settledBoard(page) {
  let families = await board(page);
  for (let i = 0; i < 20 && families.includes('*'); ++i) families = await board(page);
  return families;
}
// A kept board comes back as it was; a ball that was on its way when the
// game was left may land elsewhere, so a few cells may differ.
const sameBoard = (a, b) => a.filter((f, i) => f !== '*' && b[i] !== '*' && f !== b[i]).length <= 3;

mkdirSync(shotsDir, {recursive: true});
const server = await serve(webBuild);
const url = `http://127.0.0.1:${server.address().port}/`;
const {browser, close} = await launchChromium(webBuild);
try {
  const page = await browser.newPage();
  page.on('pageerror', (error) => check(false, `no error on the page: ${error.message}`));
  await page.setViewport({width: 480, height: 640, hasTouch: true});

  // The menu, drawn at zoom 1 on a page its own size.
  await open(page, url);
  check(
      await page.evaluate(() => document.getElementById('screen').dataset.zoom) === '1',
      'zoom 1 fits');
  check(isGreen(await pixel(page, at.easyGreen)), 'the menu shows EASY');
  await page.screenshot({path: join(shotsDir, 'menu-zoom1.png')});

  // A second tab would keep records of its own and undo the first one's: it
  // says the game is open elsewhere, and the first plays on.
  const second = await browser.newPage();
  await second.goto(url);
  await second.waitForFunction(
      () => getComputedStyle(document.getElementById('ended')).display !== 'none',
      {timeout: 10000});
  check(
      (await second.evaluate(() => document.getElementById('ended').textContent))
          .includes('another tab'),
      'a second tab says the game is open in another');
  await second.close();

  // A game, and a tap that paints a ball with the "next:" colour.
  await startEasyGame(page);
  await sleep(2500);
  check((await paintOne(page)) !== null, 'a tap paints');
  await sleep(1500);
  await page.screenshot({path: join(shotsDir, 'game-zoom1.png')});

  // Yes to the exit question keeps the game; a reload plays it on.
  const kept = await settledBoard(page);
  await answerExitYes(page);
  check(await ended(page), 'Yes ends the game');
  const status = await readStored(page, 'GameStatus');
  check(status !== null && status.bytes.length > 0, 'the exit kept the game in the database');
  await open(page, url);
  check(isLcd(await pixel(page, at.lcd)), 'a reload resumes the kept game');
  const resumed = await board(page);
  check(sameBoard(kept, resumed), `the resumed board is the one left (${kept} / ${resumed})`);

  // A reload in the middle of a game keeps it, as a desktop session's end does:
  // the ball just painted too.
  const painted = await paintOne(page);
  const playing = await settledBoard(page);
  await open(page, url);
  const after = await board(page);
  check(
      painted !== null && isLcd(await pixel(page, at.lcd)) && sameBoard(playing, after) &&
          family(await pixel(page, painted.target)) === painted.paint,
      `a reload in the middle of a game keeps it (${playing} / ${after})`);

  // Hi-score tables put in the database while no game runs (a player's, from
  // a recorded game) are read at the next start, written back as they were at
  // the exit, and read again.
  await answerExitYes(page);
  const line = readFileSync(join(replaysDir, 'held_keys_480x480.replay'), 'utf8')
                   .split('\n')
                   .find((l) => l.startsWith('after Prefs '));
  const table = Buffer.from(line.split(' ')[2], 'hex');
  await page.evaluate(async (path, bytes) => {
    Module.FS.writeFile(path, new Uint8Array(bytes));
    await new Promise((resolve) => Module.FS.syncfs(false, resolve));
  }, `${store}/Prefs`, Array.from(table));
  await open(page, url);
  const seeded = await readStored(page, 'Prefs');
  await sleep(50);
  await answerExitYes(page);
  await open(page, url);
  const back = await readStored(page, 'Prefs');
  check(back !== null && back.written > seeded.written, 'the exit wrote the hi-score tables again');
  check(
      back !== null && Buffer.from(back.bytes).equals(table),
      'the hi-score table outlived the game and two reloads');
  await tap(page, at.back);
  await waitFor(page, at.boxBody, isWhite, 'the back button asks first');
  await tap(page, at.boxYes);
  await waitFor(page, at.easyGreen, isGreen, 'Yes goes back to the menu');
  await tap(page, at.hiScores);
  await sleep(500);
  await page.screenshot({path: join(shotsDir, 'hiscores-zoom1.png')});

  // A browser that keeps nothing (private browsing, no room) still plays; the
  // game says it cannot save, as it does on a full disk.
  const privately = await browser.createBrowserContext();
  const refused = await privately.newPage();
  refused.on('pageerror', (error) => check(false, `no error on the page: ${error.message}`));
  await refused.evaluateOnNewDocument(() => {
    IDBFactory.prototype.open = () => {
      throw new DOMException('refused', 'SecurityError');
    };
  });
  await refused.setViewport({width: 720, height: 960, hasTouch: true});
  await open(refused, url + '?screen=240x320');
  check(
      await refused.evaluate(() => document.getElementById('screen').dataset.zoom) === '3',
      'zoom 3 fits');
  await refused.screenshot({path: join(shotsDir, 'menu-zoom3.png')});
  await tap(refused, at.hiScores, 'touch');
  await sleep(500);
  await refused.screenshot({path: join(shotsDir, 'hiscores-zoom3.png')});
  await tap(refused, at.boxBody, 'touch');
  await waitFor(refused, at.easyGreen, isGreen, 'a tap on the table goes back to the menu');
  await startEasyGame(refused);
  await sleep(1000);
  await refused.screenshot({path: join(shotsDir, 'game-zoom3.png')});
  // A hidden tab is a window that lost the focus: the game says it is paused.
  const notice = [118, 270, 388, 358];
  const shown = await region(refused, notice);
  const hide = (hidden) => refused.evaluate((hidden) => {
    Object.defineProperty(document, 'hidden', {configurable: true, get: () => hidden});
    document.dispatchEvent(new Event('visibilitychange'));
  }, hidden);
  await hide(true);
  await sleep(500);
  const paused = await region(refused, notice);
  await hide(false);
  await sleep(500);
  check(
      paused !== shown && (await region(refused, notice)) !== paused,
      'a hidden tab pauses the game, shown again it plays on');
  const question = await answerExitYes(refused);
  check(
      !(await ended(refused)) && isWhite(await pixel(refused, at.boxBody)) &&
          (await region(refused, boxArea)) !== question,
      'the game says it cannot save and asks whether to leave anyway');
  await refused.screenshot({path: join(shotsDir, 'cannot-save-zoom3.png')});
  await refused.keyboard.press('Enter');
  await sleep(500);
  check(await ended(refused), 'Enter (Yes) leaves without the save');

  // A phone's own keyboard types the name of a new hi-score: a kept PANIC game
  // with three seconds left runs out, a touch on the name entry brings up the
  // keyboard, and what it types, completes and takes back is what is kept.
  const phone = await (await browser.createBrowserContext()).newPage();
  phone.on('pageerror', (error) => check(false, `no error on the page: ${error.message}`));
  await phone.setViewport({width: 480, height: 640, hasTouch: true});
  await open(phone, url);
  await phone.mouse.click(460, 15);  // the menu's close ends the program: nothing more is saved
  await sleep(800);
  const panicKept = readFileSync(join(replaysDir, 'panic_time_up_320x320.replay'), 'utf8')
                        .split('\n')
                        .find((l) => l.startsWith('before GameStatus '));
  await phone.evaluate(async (path, bytes) => {
    Module.FS.writeFile(path, new Uint8Array(bytes));
    await new Promise((resolve) => Module.FS.syncfs(false, resolve));
  }, `${store}/GameStatus`, Array.from(Buffer.from(panicKept.split(' ')[2], 'hex')));
  await open(phone, url);
  await sleep(9000);
  await phone.screenshot({path: join(shotsDir, 'name-entry-zoom1.png')});
  await tap(phone, [240, 200], 'touch');
  check(
      await phone.evaluate(() => document.activeElement.tagName === 'INPUT'),
      'a touch on the name entry brings up the phone\'s keyboard');
  const typed = (value) => phone.evaluate((value) => {
    document.activeElement.value = value;
    document.activeElement.dispatchEvent(new Event('input'));
  }, value);
  await phone.keyboard.press('q');  // a key of a real keyboard goes to the game alone
  await typed('');                  // a Backspace on the keyboard's empty field
  await phone.keyboard.sendCharacter('Zo');
  await typed(' Zo\u00EB');  // a word completed
  await typed(' Zo');        // and a letter taken back
  await phone.keyboard.sendCharacter('ey');
  await phone.keyboard.press('Enter');
  await sleep(800);
  const panic = await readStored(phone, 'PrefsPanic');
  const names = [];
  // Five places of a name in 12 UTF-16 units and a score.
  for (let at = 0; panic && at + 28 <= panic.bytes.length; at += 28) {
    const entry = Buffer.from(panic.bytes.slice(at, at + 28));
    if (entry.readInt32LE(24) === 5000)
      names.push(entry.subarray(0, 24).toString('utf16le').replace(/\0+$/, ''));
  }
  check(
      names.length === 1 && names[0] === 'Zoey', `the name typed on the phone is kept (${names})`);
} finally {
  await close();
  server.close();
}
console.log(failures ? `${failures} browser check(s) failed` : 'browser checks ok');
process.exit(failures ? 1 : 0);
