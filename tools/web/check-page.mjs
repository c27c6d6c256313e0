// Drives Debian's chromium (headless, through puppeteer-core) on the page of
// tools/web/build.sh and checks it against msa-headless for node:
//   - from http://127.0.0.1 and from file://: the default simulation typed,
//     the canvas read back equal, pixel for pixel, to msa-headless's picture
//     of the diagram; the times (first prompt, the run) measured; axe-core
//     finds nothing of moderate impact or more at the start, the main menu
//     and the diagram; a reload and the other language come back to the
//     same screen (the address holds the session);
//   - an emulated tablet and a phone held sideways: a tap on the screen
//     keeps the focus in the touch field, the default simulation typed
//     through it gives the same diagram, nothing overlaps, and the phone's
//     answer edited with the key row's keys gives msa-headless's screen;
//   - Escape during a long run (the keyboard's, and the key row's) stops it,
//     the diagram drawn live meanwhile, the page answering; the run stopped
//     by hand replays from its link to the same pixels;
//   - an answer edited with Home, End, the arrows, Delete and Backspace, and
//     a link whose base64url has both - and _, give msa-headless's screens;
//   - a #play= link replays a session, and the page's own link gives it back;
//     a 1 MB link replays within its bound and its replay can be stopped;
//   - fragments that are not base64url, not UTF-8 or megabytes long are told
//     and the program starts as usual;
//   - Ctrl+C copies the text screen, a paste types its first line, a button
//     gives the focus back to the screen, a passing message leaves at the
//     next key, the help opened pushes the screen and overlaps nothing;
//   - Ctrl+S with the 4:3 view downloads the picture, the 4:3 picture and the
//     run's data, the first and the last equal to the desktop's saves;
//   - served over http, its service worker keeps the page: with the server
//     gone, a reload runs the default simulation.
// Prints one JSON line of measurements last.
//
// Usage: node check-page.mjs PAGE_DIR HEADLESS_JS REFERENCE_HEADLESS SCREENSHOT
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer, { KnownDevices } from 'puppeteer-core';

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

// The default simulation: read 22 is the main menu, answer line 36 starts
// the run, read 37 is the diagram.
const defaults = fs.readFileSync(path.join(root, 'tests/golden/keys/menu_s_defaults.keys'), 'utf8').split('\n');
const upToRun = defaults.slice(0, 35).map((l) => l + '\n').join('');  // answers 1..35
const MENU_READ = defaults.indexOf('s') + 1;
const axeScript = path.join(here, 'node_modules/axe-core/axe.min.js');
const base64url = (text) => Buffer.from(text, 'utf8').toString('base64url');
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
const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.txt': 'text/plain', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json', '.keys': 'text/plain; charset=utf-8',
};
let serverGone = false;  // every request fails, as with no network
const server = http.createServer((request, response) => {
  if (serverGone) { request.socket.destroy(); return; }
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

async function open(url, { device = null, context = browser } = {}) {
  const page = await context.newPage();
  if (device) await page.emulate(KnownDevices[device]);
  else await page.setViewport({ width: 1300, height: 820 });
  page.on('pageerror', (error) => fail(`${url.slice(0, 60)}: page error ${error.message}`));
  // Every file the page asks for is there (its icons among them).
  page.on('response', (response) => { if (response.status() >= 400) fail(`${response.url().slice(0, 80)}: ${response.status()}`); });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => window.Msa && Msa.waiting(), { timeout: 20000, polling: 10 });
  await page.focus('#screen');
  return page;
}
// Waits until the program has asked for `reads` answer lines and waits for a key.
async function waitRead(page, reads, timeout = 60000) {
  await page.waitForFunction((n) => window.Msa && Msa.timing.reads >= n && Msa.waiting(), { timeout, polling: 5 }, reads);
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
// msa-headless's picture at answer line `read` of a script.
function headlessPicture(script, read) {
  return pgm(path.join(headless(headlessJs, script).pictures, `read-${read}.pgm`));
}
// axe-core's violations of moderate impact or more, injected into the page.
async function accessible(page, where) {
  if (!(await page.evaluate(() => !!window.axe))) await page.addScriptTag({ path: axeScript });
  const found = await page.evaluate(async () => (await axe.run(document, { resultTypes: ['violations'] })).violations
    .filter((v) => ['moderate', 'serious', 'critical'].includes(v.impact))
    .map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  if (found.length > 0) fail(`axe-core at ${where}: ${found.join('; ')}`);
  return found.length === 0;
}
// The page's parts top to bottom, none over another: the header, the screen,
// the key row when shown, the help; all within the window.
async function overlaps(page) {
  return page.evaluate(() => {
    const rect = (e) => e.getBoundingClientRect();
    const parts = [document.querySelector('header'), document.getElementById('screen'), document.getElementById('keys'),
      document.querySelector('footer')].filter((e) => !e.hidden).map(rect);
    const problems = [];
    for (let i = 1; i < parts.length; ++i) if (parts[i].top < parts[i - 1].bottom - 0.5) problems.push(`part ${i} over part ${i - 1}`);
    if (parts[parts.length - 1].bottom > window.innerHeight + 0.5) problems.push('the help below the window');
    return problems;
  });
}
const addressHolds = (page, keys) => page.waitForFunction((hash) => location.hash === hash, { timeout: 10000 }, '#play=' + base64url(keys));

const expected = headless(headlessJs, upToRun + '\n');
const diagram = pgm(path.join(expected.pictures, 'read-37.pgm'));

// --------------------------------------- the default simulation, twice --
for (const [where, url] of [['http', base], ['file', 'file://' + path.resolve(pageDir, 'index.html')]]) {
  const page = await open(url);
  measured[`${where}_first_prompt_ms`] = Math.round(await page.evaluate(() => Msa.timing.firstWait));
  let clean = true;
  if (where === 'http') {
    clean = await accessible(page, 'the start');
    const toMenu = upToRun.split('\n').slice(0, MENU_READ - 1).map((l) => l + '\n').join('');
    await typeScript(page, toMenu);
    await waitRead(page, MENU_READ);
    clean = await accessible(page, 'the main menu') && clean;
    await typeScript(page, upToRun.slice(toMenu.length));
  } else {
    await typeScript(page, upToRun);
  }
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
    if (await accessible(page, 'the diagram') && clean) ok('axe-core: nothing of moderate impact or more at the start, the main menu and the diagram');
    // The address holds the session (its saves left out): a reload and the
    // other language come back to the main menu, the same read.
    await page.keyboard.press('Enter');
    await waitRead(page, 38);
    const menu = await page.evaluate(() => Msa.text());
    await addressHolds(page, upToRun + '\n\n');
    await page.reload({ waitUntil: 'load' });
    await waitRead(page, 38);
    const reloaded = await page.evaluate(() => Msa.text());
    await Promise.all([page.waitForNavigation({ waitUntil: 'load' }), page.click('#language')]);
    await waitRead(page, 38);
    const english = await page.evaluate(() => [Msa.text(), Msa.timing.reads, document.documentElement.lang]);
    if (reloaded === menu && english[1] === 38 && english[2] === 'en' && /main menu/.test(english[0]))
      ok('a reload and the language link come back to the same screen (the address holds the session)');
    else fail(`reload or language link: ${JSON.stringify([reloaded === menu, english[1], english[2]])}\n${english[0]}`);
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
  const told = await page.evaluate(() => document.getElementById('status').textContent);
  // A paste types its first line only; the message of the copy leaves.
  await page.evaluate(() => {
    const data = new DataTransfer();
    data.setData('text/plain', '0,5é\nnot this');
    document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true }));
  });
  await page.waitForFunction(() => Msa.session().length >= 4 && Msa.waiting(), { timeout: 10000 });
  const typed = await page.evaluate(() => [Msa.session(), document.getElementById('status').textContent]);
  if (copied !== text || !/machine synchrone autopilotée/.test(copied)) fail(`Ctrl+C copied ${JSON.stringify(copied)}`);
  else if (typed[0] !== '0,5é' || told === '' || typed[1] !== '') fail(`a paste typed ${JSON.stringify(typed)} (status "${told}" before)`);
  else ok('Ctrl+C copies the text screen, a paste types its first line, the copy\'s message leaves at that key');
  // The mirror for screen readers follows the answer as it is typed.
  if (!(await page.evaluate(() => document.getElementById('screen-text').textContent.includes('0,5é'))))
    fail('the text region does not show the answer being typed');
  // A button gives the focus back to the screen: the next Enter answers.
  await page.click('#share');
  await page.keyboard.press('Enter');
  await waitRead(page, 2);
  // The help opened at 1366 x 768 pushes the screen up, over nothing.
  await page.setViewport({ width: 1366, height: 768 });
  await page.click('#help summary');
  await page.waitForFunction(() => document.getElementById('help').open);
  await new Promise((r) => setTimeout(r, 100));
  const problems = await overlaps(page);
  if (problems.length > 0) fail(`the help opened at 1366 x 768: ${problems.join(', ')}`);
  else ok('after a button the Enter answers; the help opened overlaps nothing');
  await page.close();
}

// ------------------- Escape during a long run, and its replay by link --
{
  const page = await open(base);
  const long = defaults.slice(0, 33).map((l) => l + '\n').join('') + '1e-6\n\n';
  await typeScript(page, long);
  await waitRead(page, 36);
  await page.keyboard.press('Enter');
  const started = Date.now();
  await page.waitForFunction(() => document.getElementById('screen').getAttribute('aria-busy') === 'true', { timeout: 10000 });
  // The page answers while the run goes on, and the diagram grows; the
  // run's notice, on several lines, pushes the screen down over nothing.
  const first = await canvasIndexes(page);
  let slowest = 0;
  while (Date.now() - started < 1000) {
    const t = Date.now();
    await page.evaluate(() => 1);
    slowest = Math.max(slowest, Date.now() - t);
    await new Promise((r) => setTimeout(r, 50));
  }
  measured.answer_during_run_ms = slowest;
  const later = await canvasIndexes(page);
  const problems = await overlaps(page);
  if (samePicture(first, later) === 0) fail('the diagram does not change while the run goes on');
  if (problems.length > 0) fail(`during the run (its notice shown): ${problems.join(', ')}`);
  await page.keyboard.press('Escape');
  await waitRead(page, 37, 20000);
  const text = await page.evaluate(() => Msa.text());
  if (!/arrêt demandé en te =/.test(text)) fail(`Escape: row 4 does not say the run was stopped:\n${text}`);
  else ok(`Escape stops a long run (the page answered within ${slowest} ms meanwhile)`);
  // Its link replays to the same pixels, as msa-headless does its keys.
  const stopped = await canvasIndexes(page);
  const [session, link] = await page.evaluate(() => [Msa.session(), Msa.link()]);
  await page.close();
  const step = /\{BREAK ([0-9]+)\}$/.exec(session);
  const replay = await open(link);
  await waitRead(replay, 37);
  const differing = [samePicture(await canvasIndexes(replay), stopped), samePicture(stopped, headlessPicture(session, 37))];
  if (!step || differing[0] + differing[1] !== 0) fail(`the stopped run's link: ${differing} pixels differ, session ends ${JSON.stringify(session.slice(-20))}`);
  else ok(`a run stopped by hand after ${step[1]} steps replays from its link to the same pixels, msa-headless's too`);
  measured.stopped_at_step = Number(step ? step[1] : -1);
  await replay.close();
}

// ------------------------------------------------ editing an answer --
// Every editing key, as msa-headless reads the same keys from a script.
{
  const page = await open(base);
  const presses = ['Enter', ...'12345', 'Home', 'Delete', 'ArrowRight', 'ArrowRight', 'Backspace', '9', 'End',
    'ArrowLeft', 'Delete', 'ArrowUp', 'ArrowDown', 'Tab', '7', 'Enter'];
  const names = { Enter: '\n', Home: '{HOME}', End: '{END}', Delete: '{DEL}', Backspace: '{BS}', ArrowLeft: '{LEFT}',
    ArrowRight: '{RIGHT}', ArrowUp: '{UP}', ArrowDown: '{DOWN}', Tab: '{TAB}' };
  for (const key of presses) await page.keyboard.press(key);
  await waitRead(page, 3);
  const script = presses.map((k) => names[k] || k).join('');
  const differing = samePicture(await canvasIndexes(page), headlessPicture(script, 3));
  if (differing === 0) ok('an answer edited with Home, End, the arrows, Tab, Delete and Backspace: msa-headless\'s screen');
  else fail(`an answer edited (${script}): ${differing} pixels differ from msa-headless's`);
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
    [document.title, ...[...document.querySelectorAll('header, #help, #keys button, [aria-label]')].flatMap((e) =>
      e.closest('[hidden]') ? [] : [e.getAttribute('aria-label') || '', e.id === 'help' || e.tagName === 'HEADER' ? e.innerText : ''])]
      .filter((t) => /[éèàê]|Enregistrer|Lien\b|Chargement|Touches/.test(t.replace(/é à ê è ô û|Français/g, ''))));
  if (/main menu/.test(englishMenu) && englishPage === 'en' && frenchLeft.length === 0) {
    ok('?lang=en: the same link replayed in English, the page\'s own words English too');
  } else {
    fail(`?lang=en: the menu is not the English one, or French is left on the page (lang "${englishPage}", ${JSON.stringify(frenchLeft)})`);
  }
  await english.close();
  delete measured.link;
}
{
  // Keys whose base64url has both - and _ (non-ASCII, ?, >, ~).
  const script = '\n~?>é°²ûô à~?\n';
  const fragment = base64url(script);
  if (!fragment.includes('-') || !fragment.includes('_')) fail(`the link's keys encode to ${fragment}, without - or _`);
  const page = await open(`${base}#play=${fragment}`);
  await waitRead(page, 3);
  const differing = samePicture(await canvasIndexes(page), headlessPicture(script, 3));
  if (differing === 0) ok(`a link with - and _ in its base64url (${fragment}) replays msa-headless's screen`);
  else fail(`the link #play=${fragment}: ${differing} pixels differ from msa-headless's`);
  await page.close();
}
{
  // After menu F a button starts again, on a clean address.
  const page = await browser.newPage();
  page.on('pageerror', (error) => fail(`after F: page error ${error.message}`));
  await page.goto(`${base}#play=${base64url(upToRun.split('\n').slice(0, MENU_READ - 1).map((l) => l + '\n').join('') + 'f\n')}`);
  await page.waitForFunction(() => !document.getElementById('restart').hidden, { timeout: 10000 });
  const focused = await page.evaluate(() => document.activeElement.id);
  await Promise.all([page.waitForNavigation({ waitUntil: 'load' }), page.keyboard.press('Enter')]);
  await waitRead(page, 1);
  const after = await page.evaluate(() => [location.hash, Msa.timing.reads]);
  if (focused === 'restart' && after[0] === '' && after[1] === 1) ok('after F, the focused button starts again');
  else fail(`after F: focus on "${focused}", then ${JSON.stringify(after)}`);
  await page.close();
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

// ------------------------------------------------------- a 1 MB link --
// 780,000 Enters, the page's largest link: replayed with the page answering,
// its progress shown; a second replay stopped by Escape keeps what it typed.
{
  const enters = 780000;
  const link = `${base}#play=${base64url('\n'.repeat(enters))}`;
  const page = await browser.newPage();
  await page.setViewport({ width: 1300, height: 820 });
  page.on('pageerror', (error) => fail(`the 1 MB link: page error ${error.message}`));
  await page.goto(link, { waitUntil: 'load' });
  await page.waitForFunction((n) => window.Msa && Msa.timing.reads > n && Msa.waiting(), { timeout: 180000, polling: 200 }, enters);
  // By the page's clock, from the navigation: the replay's end, and the
  // page's own part (from the document parsed). Before it, chromium takes
  // seconds over a 1 MB address, for an empty page too.
  [measured.link_1mb_replay_ms, measured.link_1mb_page_ms] = await page.evaluate(() => {
    const parsed = performance.getEntriesByType('navigation')[0].domInteractive;
    return [Math.round(Msa.timing.firstWait), Math.round(Msa.timing.firstWait - parsed)];
  });
  // The second replay: Escape as soon as its progress shows, pressed from
  // within the page, since a DevTools call can wait seconds on such a page.
  await page.goto('about:blank');
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((changes, observer) => {
      const status = document.getElementById('status');
      if (!status || !/%/.test(status.textContent)) return;
      observer.disconnect();
      window.checkProgress = status.textContent;
      const escape = { key: 'Escape', code: 'Escape', bubbles: true, cancelable: true };
      document.getElementById('screen').dispatchEvent(new KeyboardEvent('keydown', escape));
    }).observe(document, { subtree: true, childList: true, characterData: true });
  });
  await page.goto(link, { waitUntil: 'load' });
  await page.waitForFunction(() => window.checkProgress && window.Msa && Msa.waiting(), { timeout: 60000, polling: 100 });
  const progress = await page.evaluate(() => window.checkProgress);
  await page.focus('#screen');
  const [kept, reads, told] = await page.evaluate(() => [Msa.session(), Msa.timing.reads, document.getElementById('status').textContent]);
  await page.keyboard.press('Enter');
  await waitRead(page, reads + 1, 10000);
  if (kept.length > 0 && kept.length < enters && /^\n*$/.test(kept) && reads === kept.length + 1 && /%/.test(told))
    ok(`a 1 MB link replays in ${(measured.link_1mb_replay_ms / 1000).toFixed(1)} s, ${(measured.link_1mb_page_ms / 1000).toFixed(1)} s of it the page's own ("${progress}"); Escape stops a replay, its ${kept.length} keys kept`);
  else fail(`the 1 MB link stopped: ${kept.length} keys kept, ${reads} reads, status "${told}"`);
  await page.close();
}

// ------------------------------------------- tablets and phones --
// The default simulation typed through the touch field after a tap; the
// phone's answer then edited with the key row (and accents typed), and a
// long run stopped by the key row's Escape on the tablet.
for (const device of ['iPad', 'iPhone 13 landscape']) {
  const page = await open(base, { device });
  const layout = await page.evaluate(() => [document.getElementById('keys').hidden, document.getElementById('screen').getBoundingClientRect().width]);
  const problems = await overlaps(page);
  await page.evaluate(() => document.activeElement.blur());
  await page.tap('#screen');
  const focused = await page.evaluate(() => document.activeElement.id);
  await typeScript(page, upToRun + '\n');
  await waitRead(page, 37);
  const differing = samePicture(await canvasIndexes(page), diagram);
  if (layout[0] || problems.length > 0 || (device.includes('iPhone') && layout[1] < 480))
    fail(`${device}: key row hidden ${layout[0]}, screen ${layout[1]} CSS px wide, ${problems.join(', ')}`);
  else if (focused !== 'touch-input' || differing !== 0)
    fail(`${device}: a tap focused "${focused}", the diagram typed through it has ${differing} pixels differing`);
  else ok(`${device}: a tap keeps the focus in the touch field, the diagram typed through it as msa-headless's (screen ${Math.round(layout[1])} CSS px wide)`);
  const tapKey = (key) => page.tap(`#keys button[data-key="${key}"]`);
  if (device.includes('iPhone')) {
    // Menu D, its first answer edited with the row, accents typed.
    await page.keyboard.press('Enter');
    await page.keyboard.type('d');
    await page.keyboard.press('Enter');
    await waitRead(page, 39);
    await page.keyboard.type('é à è ê ô û ° ²');
    const mirrored = await page.waitForFunction(() => document.getElementById('screen-text').textContent.includes('é à è ê ô û ° ²'),
      { timeout: 5000 }).then(() => true, () => false);
    await tapKey('Escape');
    await page.keyboard.type('123');
    for (const key of ['Home', 'Delete', 'ArrowRight', 'End', 'ArrowLeft', 'ArrowUp', 'ArrowDown', 'Tab']) await tapKey(key);
    await page.keyboard.press('Backspace');
    await tapKey('Enter');
    await waitRead(page, 40);
    const script = upToRun + '\n\nd\né à è ê ô û ° ²{ESC}123{HOME}{DEL}{RIGHT}{END}{LEFT}{UP}{DOWN}{TAB}{BS}\n';
    const edited = samePicture(await canvasIndexes(page), headlessPicture(script, 40));
    if (edited === 0 && mirrored) ok(`${device}: accents typed, the answer edited with the key row: msa-headless's screen`);
    else fail(`${device}: ${edited} pixels differ from msa-headless's after the key row's edit, or the accents were not typed`);
  } else {
    // The key row's Enter starts a long run, its Escape stops it.
    await page.goto('about:blank');
    await page.goto(`${base}#play=${base64url(defaults.slice(0, 33).map((l) => l + '\n').join('') + '1e-6\n\n')}`, { waitUntil: 'load' });
    await waitRead(page, 36);
    await tapKey('Enter');
    await page.waitForFunction(() => document.getElementById('screen').getAttribute('aria-busy') === 'true', { timeout: 10000 });
    await tapKey('Escape');
    await waitRead(page, 37, 20000);
    const text = await page.evaluate(() => Msa.text());
    if (/arrêt demandé en te =/.test(text)) ok(`${device}: the key row's Escape stops a long run`);
    else fail(`${device}: the key row's Escape did not stop the run:\n${text}`);
  }
  await page.close();
}

// ------------------------------------------------------------ offline --
// A first visit over http lets the service worker keep the page; with the
// server gone, the page opens and runs the default simulation, and the
// manual opens too.
{
  const context = await browser.createBrowserContext();
  const page = await open(base, { context });
  await page.waitForFunction(async () => navigator.serviceWorker.controller !== null && (await caches.keys()).length > 0,
    { timeout: 20000, polling: 100 });
  serverGone = true;
  await page.goto(`${base}?lang=fr#play=${base64url(upToRun + '\n')}`, { waitUntil: 'load' });
  await waitRead(page, 37);
  const differing = samePicture(await canvasIndexes(page), diagram);
  const manual = await page.evaluate(async () => (await fetch('manual/guide.fr.html')).ok);
  serverGone = false;
  if (differing === 0 && manual) ok('with the server gone, the page kept by its service worker runs the default simulation');
  else fail(`offline: ${differing} pixels differ from msa-headless's diagram, manual ${manual}`);
  await context.close();
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
