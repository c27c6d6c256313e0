// Drives Debian's chromium (headless, through puppeteer-core) on the page of
// tools/web/build.sh and checks it against msa-headless for node:
//   - from http://127.0.0.1 and from file://: the default simulation typed,
//     the canvas read back equal, pixel for pixel, to msa-headless's picture
//     of the diagram; the times (first prompt, the run) measured;
//   - Escape during a long run stops it, the diagram drawn live meanwhile,
//     the page answering;
//   - a #play= link replays a session, and the page's own link gives it back;
//   - fragments that are not base64url, not UTF-8 or megabytes long are told
//     and the program starts as usual;
//   - Ctrl+C copies the text screen, a paste types its first line;
//   - Ctrl+S with the 4:3 view downloads the picture, the 4:3 picture and the
//     run's data, the first and the last equal to the desktop's saves.
// Prints one JSON line of measurements last.
//
// Usage: node check-page.mjs PAGE_DIR HEADLESS_JS REFERENCE_HEADLESS SCREENSHOT
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [pageDir, headlessJs, reference, screenshot] = process.argv.slice(2);
const here = path.dirname(new URL(import.meta.url).pathname);
const root = path.resolve(here, '../..');
const WIDTH = 640, HEIGHT = 350;
const PALETTE = [
  [0, 0, 0], [0, 0, 170], [0, 170, 0], [0, 170, 170], [170, 0, 0], [170, 0, 170], [170, 85, 0], [170, 170, 170],
  [85, 85, 85], [85, 85, 255], [85, 255, 85], [85, 255, 255], [255, 85, 85], [255, 85, 255], [255, 255, 85], [255, 255, 255],
];
const measured = {};
let failures = 0;
function fail(what) { console.error(`web check: FAIL: ${what}`); failures += 1; }
function ok(what) { console.log(`web check: ${what}`); }

// The default simulation: answer line 36 starts the run, read 37 is the
// diagram.
const defaults = fs.readFileSync(path.join(root, 'tests/golden/keys/menu_s_defaults.keys'), 'utf8').split('\n');
const upToRun = defaults.slice(0, 35).map((l) => l + '\n').join('');  // answers 1..35
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'msa-web-check-'));

// msa-headless (node) on a script: its transcript and pictures.
function headless(program, script, extra = []) {
  const pictures = fs.mkdtempSync(path.join(work, 'pictures-'));
  const args = program.endsWith('.js') ? [program, '--pictures', pictures, ...extra] : ['--pictures', pictures, ...extra];
  const run = spawnSync(program.endsWith('.js') ? 'node' : program, args, { input: script, maxBuffer: 1 << 28 });
  return { pictures, transcript: run.stdout.toString(), status: run.status };
}
function pgm(file) {
  const data = fs.readFileSync(file);
  const header = 'P5\n640 350\n15\n';
  if (data.subarray(0, header.length).toString() !== header) throw new Error(`${file}: not a 640x350 P5`);
  return data.subarray(header.length);
}

// ------------------------------------------------------------ the server --
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.txt': 'text/plain' };
const server = http.createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/+/, '') || 'index.html';
  const file = path.resolve(pageDir, path.normalize(name));
  if (!file.startsWith(path.resolve(pageDir)) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
  fs.createReadStream(file).pipe(response);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const base = `http://127.0.0.1:${server.address().port}/index.html`;

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    `--user-data-dir=${fs.mkdtempSync(path.join(work, 'profile-'))}`],
});

async function open(url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1300, height: 820 });
  page.on('pageerror', (error) => fail(`${url.slice(0, 60)}: page error ${error.message}`));
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => window.Msa && Msa.waiting(), { timeout: 20000, polling: 10 });
  await page.focus('#screen');
  return page;
}
// Waits until the program has asked for `reads` answer lines and waits for a key.
async function waitRead(page, reads, timeout = 60000) {
  await page.waitForFunction((n) => Msa.timing.reads >= n && Msa.waiting(), { timeout, polling: 5 }, reads);
  return page.evaluate(() => Msa.timing.reads);
}
async function typeScript(page, script) {
  for (const c of script) {
    if (c === '\n') await page.keyboard.press('Enter');
    else await page.keyboard.type(c);
  }
}
// The canvas as palette indexes.
async function canvasIndexes(page) {
  const rgba = await page.evaluate(() => {
    const c = document.getElementById('screen');
    return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data);
  });
  const indexes = new Uint8Array(WIDTH * HEIGHT);
  for (let i = 0; i < indexes.length; ++i) {
    const p = PALETTE.findIndex(([r, g, b]) => r === rgba[4 * i] && g === rgba[4 * i + 1] && b === rgba[4 * i + 2]);
    indexes[i] = p < 0 ? 255 : p;
  }
  return indexes;
}
function samePicture(a, b) {
  let differing = 0;
  for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) differing += 1;
  return differing;
}

const expected = headless(headlessJs, upToRun + '\n');
const diagram = pgm(path.join(expected.pictures, 'read-37.pgm'));

// --------------------------------------- the default simulation, twice --
for (const [where, url] of [['http', base], ['file', 'file://' + path.resolve(pageDir, 'index.html')]]) {
  const page = await open(url);
  measured[`${where}_first_prompt_ms`] = Math.round(await page.evaluate(() => Msa.timing.firstWait));
  await typeScript(page, upToRun);
  await waitRead(page, 36);
  // The renderer's processor time besides the wall time: on a shared
  // machine the first is what the page costs, the second what one waits.
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const cpu = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'ProcessTime');
  const before = await cpu();
  const yieldsBefore = await page.evaluate(() => [Msa.timing.yields, Msa.timing.yieldMs]);
  await page.keyboard.press('Enter');
  await waitRead(page, 37);
  const after = await cpu();
  const run = await page.evaluate(() => Msa.timing.lastWait - Msa.timing.lastEnter);
  const yieldsAfter = await page.evaluate(() => [Msa.timing.yields, Msa.timing.yieldMs]);
  measured[`${where}_default_run_ms`] = Math.round(run);
  // How often, and how long in all, the run gave the browser its turn.
  measured[`${where}_default_run_yields`] = yieldsAfter[0] - yieldsBefore[0];
  measured[`${where}_default_run_yield_ms`] = Math.round(yieldsAfter[1] - yieldsBefore[1]);
  if (before && after) measured[`${where}_default_run_renderer_cpu_ms`] = Math.round((after.value - before.value) * 1000);
  const differing = samePicture(await canvasIndexes(page), diagram);
  if (differing === 0) ok(`${where}: the default simulation's diagram on the canvas as msa-headless draws it`);
  else fail(`${where}: ${differing} pixels of the canvas differ from msa-headless's read-37.pgm`);
  if (where === 'http') {
    // The session's link gives the same keys back.
    const session = await page.evaluate(() => Msa.session());
    if (session !== upToRun + '\n') fail(`the session's keys are ${JSON.stringify(session.slice(0, 80))}`);
    measured.link = await page.evaluate(() => Msa.link());
    // Ctrl+S with the 4:3 view on.
    const downloads = path.join(work, 'downloads');
    fs.mkdirSync(downloads);
    const cdp = await browser.target().createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.keyboard.press('F10');
    await page.keyboard.down('Control');
    await page.keyboard.press('s');
    await page.keyboard.up('Control');
    await page.waitForFunction(() => Msa.lastSave, { timeout: 10000 });
    const names = await page.evaluate(() => Msa.lastSave);
    for (let i = 0; i < 100 && !names.every((n) => fs.existsSync(path.join(downloads, n))); ++i)
      await new Promise((r) => setTimeout(r, 100));
    const got = fs.readdirSync(downloads).sort();
    if (got.length !== 3 || !got.some((n) => n.endsWith('-4x3.png'))) fail(`Ctrl+S downloaded ${got.join(', ')}`);
    // The desktop's save at the same read.
    const saveDir = fs.mkdtempSync(path.join(work, 'desktop-'));
    headless(reference, upToRun + '\n{SAVE}', ['--save-dir', saveDir]);
    const desktop = fs.readdirSync(saveDir).sort();
    for (const suffix of ['.csv', '.png']) {
      const mine = got.find((n) => n.endsWith(suffix) && !n.endsWith('-4x3.png'));
      const theirs = desktop.find((n) => n.endsWith(suffix));
      if (!mine || !theirs) { fail(`no ${suffix} to compare (${got} / ${desktop})`); continue; }
      if (Buffer.compare(fs.readFileSync(path.join(downloads, mine)), fs.readFileSync(path.join(saveDir, theirs))) === 0)
        ok(`Ctrl+S: ${mine} is the desktop's ${theirs}, byte for byte`);
      else fail(`Ctrl+S: ${mine} differs from the desktop's ${theirs}`);
    }
    const fourByThree = got.find((n) => n.endsWith('-4x3.png'));
    if (fourByThree) {
      const data = fs.readFileSync(path.join(downloads, fourByThree));
      if (data.readUInt32BE(16) !== 640 || data.readUInt32BE(20) !== 480) fail(`${fourByThree} is not 640 x 480`);
    }
    await page.keyboard.press('F10');
    if (screenshot) await page.screenshot({ path: screenshot });
  }
  await page.close();
}

// ------------------------------------------- the clipboard, both ways --
{
  const page = await open(base);
  await page.evaluate(() => {
    window.copied = null;
    document.addEventListener('copy', (e) => { window.copied = e.clipboardData.getData('text/plain'); });
  });
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyC', { commands: ['Copy'] });
  await page.keyboard.up('Control');
  const copied = await page.evaluate(() => window.copied);
  const text = await page.evaluate(() => Msa.text());
  // A paste types its first line only.
  await page.evaluate(() => {
    const data = new DataTransfer();
    data.setData('text/plain', '0,5é\nnot this');
    document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true }));
  });
  await page.waitForFunction(() => Msa.session().length >= 4 && Msa.waiting(), { timeout: 10000 });
  const typed = await page.evaluate(() => Msa.session());
  if (copied !== text || !/machine synchrone autopilotée/.test(copied)) fail(`Ctrl+C copied ${JSON.stringify(copied)}`);
  else if (typed !== '0,5é') fail(`a paste typed ${JSON.stringify(typed)}`);
  else ok('Ctrl+C copies the text screen, a paste types its first line');
  await page.close();
}

// --------------------------------------------- Escape during a long run --
{
  const page = await open(base);
  const long = defaults.slice(0, 33).map((l) => l + '\n').join('') + '1e-6\n\n';
  await typeScript(page, long);
  await waitRead(page, 36);
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('screen').getAttribute('aria-busy') === 'true', { timeout: 10000 });
  // The page answers while the run goes on, and the diagram grows.
  const first = await canvasIndexes(page);
  let slowest = 0;
  for (let i = 0; i < 10; ++i) {
    const t = Date.now();
    await page.evaluate(() => 1);
    slowest = Math.max(slowest, Date.now() - t);
    await new Promise((r) => setTimeout(r, 50));
  }
  measured.answer_during_run_ms = slowest;
  const later = await canvasIndexes(page);
  if (samePicture(first, later) === 0) fail('the diagram does not change while the run goes on');
  await page.keyboard.press('Escape');
  await waitRead(page, 37, 20000);
  const text = await page.evaluate(() => Msa.text());
  if (!/arrêt demandé en te =/.test(text)) fail(`Escape: row 4 does not say the run was stopped:\n${text}`);
  else ok(`Escape stops a long run (the page answered within ${slowest} ms meanwhile)`);
  await page.close();
}

// ------------------------------------------------------ #play= links --
{
  // The link holds the keys up to the run's start: the run is made, then
  // the diagram waits for the keyboard.
  const page = await open(measured.link);
  await waitRead(page, 37);
  const differing = samePicture(await canvasIndexes(page), diagram);
  await page.keyboard.press('Enter');
  await waitRead(page, 38);
  const menu = await page.evaluate(() => Msa.text());
  if (differing === 0 && /menu principal/.test(menu)) ok('a #play= link types its keys, then the keyboard goes on');
  else fail(`#play=: ${differing} pixels differ from msa-headless's read-37.pgm, or Enter did not return to the menu`);
  await page.close();
  // The same link in English: the same keys, the dialogue's words in English.
  const english = await open(measured.link.replace('#', '?lang=en#'));
  await waitRead(english, 37);
  await english.keyboard.press('Enter');
  await waitRead(english, 38);
  const englishMenu = await english.evaluate(() => Msa.text());
  const englishPage = await english.evaluate(() => document.documentElement.lang);
  // The page's own words too: no French left where a reader would meet it.
  const frenchLeft = await english.evaluate(() =>
    [document.title, ...[...document.querySelectorAll('header, #help, [aria-label]')].flatMap((e) =>
      e.closest('[hidden]') ? [] : [e.getAttribute('aria-label') || '', e.id === 'help' || e.tagName === 'HEADER' ? e.innerText : ''])]
      .filter((t) => /[éèàê]|Enregistrer|Lien\b|Chargement/.test(t.replace(/é à ê è ô û|Français/g, ''))));
  if (/main menu/.test(englishMenu) && englishPage === 'en' && frenchLeft.length === 0) {
    ok('?lang=en: the same link replayed in English, the page\'s own words English too');
  } else {
    fail(`?lang=en: the menu is not the English one, or French is left on the page (lang "${englishPage}", ${JSON.stringify(frenchLeft)})`);
  }
  await english.close();
  delete measured.link;
}
for (const [name, fragment, message] of [
  ['not base64url', '#play=%%%not*base64', /base64url/],
  ['not UTF-8', '#play=__79', /UTF-8/],
  ['megabytes long', '#play=' + 'QUJD'.repeat(3 << 17), /Mo/],  // 1.5 MB: browsers take URLs up to 2 MB
]) {
  const page = await open(base + fragment);
  const status = await page.evaluate(() => document.getElementById('status').textContent);
  const reads = await page.evaluate(() => Msa.timing.reads);
  if (!message.test(status) || reads !== 1) fail(`a fragment ${name}: status "${status}", ${reads} reads`);
  else ok(`a fragment ${name}: "${status}", then the usual start`);
  await page.close();
}

await browser.close();
server.close();
let bytes = 0;
for (const f of fs.readdirSync(pageDir, { recursive: true })) {
  const p = path.join(pageDir, f);
  if (fs.statSync(p).isFile()) bytes += fs.statSync(p).size;
}
measured.page_bytes = bytes;
fs.rmSync(work, { recursive: true, force: true });
console.log(JSON.stringify(measured));
process.exit(failures === 0 ? 0 : 1);
