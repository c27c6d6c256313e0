// The page around msa's program (msa.js): what its scripts share, set up
// first. Each of the page's scripts has one job and adds its part to
// `MsaPage`:
//   msa-page.js     the language and words, the status line, the queue of
//                   events the program takes, where the keys go (this file)
//   msa-screen.js   the canvas: its picture, its size, the 4:3 view, full screen
//   msa-session.js  the session's keys: links, the address, the language link
//   msa-keys.js     keyboards, touch screens, the key row, the clipboard
//   msa-program.js  what the program calls (`Msa`), sound and downloads
//   msa-offline.js  installing the page and keeping it for use offline
// Keys reach the program as numbers: a code point for a typed character, a
// negative number for a key or a command (EVENT, from page_events.list
// through msa-events.js). The words and help of every language come from
// msa-texts.js (made of src/texts). Plain scripts, so that the page also
// runs from file://.
'use strict';
window.MsaPage = (function () {
  const EVENT = window.MSA_EVENTS;

  // The dialogue's language, from the address (?lang=en); French, the
  // first of the texts, otherwise.
  const codes = Object.keys(window.MSA_TEXTS);
  const asked = new URLSearchParams(location.search).get('lang');
  const language = codes.includes(asked) ? asked : codes[0];
  const TEXTS = window.MSA_TEXTS[language];
  // What the page itself says; {0} in a word is a value the page gives.
  const WORDS = TEXTS.words;
  const fill = (word, ...values) => word.replace(/\{([0-9])\}/g, (all, n) => (Number(n) < values.length ? String(values[n]) : all));
  document.documentElement.lang = language;
  for (const e of document.querySelectorAll('[data-text]')) e.textContent = WORDS[e.dataset.text];
  for (const e of document.querySelectorAll('[data-aria-label]')) e.setAttribute('aria-label', WORDS[e.dataset.ariaLabel]);
  document.querySelector('meta[name="description"]').content = WORDS.description;
  document.getElementById('help-text').innerHTML = TEXTS.help;

  // ------------------------------------------------------- status line --
  // A passing message (a copy, a save) leaves at the next key; the others
  // (a run's notice, a replay's progress, the end) stay until replaced.
  const statusLine = document.getElementById('status');
  let passing = false;
  let loading = true;  // the status line still says the page is loading
  function say(message, isPassing = false) {
    statusLine.textContent = message;
    passing = isPassing && message !== '';
    loading = false;
  }
  // The program is there: the loading message, if nothing replaced it, leaves.
  function loaded() { if (loading) say(''); }

  // ------------------------------------------------- events and focus --
  const queue = [];
  let wake = null;
  let ended = false;
  // Keys rather than commands (save, stop): those clear a passing message.
  const isKey = (event) => event >= 0 || event > EVENT.Stop;
  function push(event) {
    if (ended) return;
    if (passing && isKey(event)) say('');
    queue.push(event);
    if (wake) { const w = wake; wake = null; w(); }
  }

  // Keys go to the canvas, or on a touch screen to a field that keeps the
  // device's keyboard up (msa-keys.js); every button gives the focus back.
  const canvas = document.getElementById('screen');
  const touchInput = document.getElementById('touch-input');
  let touchMode = false;
  function focusScreen() {
    (touchMode ? touchInput : canvas).focus({ preventScroll: true });
  }

  return {
    EVENT, codes, language, WORDS, fill, say, loaded, push, focusScreen, canvas, touchInput,
    get touchMode() { return touchMode; },
    set touchMode(on) { touchMode = on; },
    // What the program takes (msa-program.js).
    takeEvent() { return queue.length > 0 ? queue.shift() : EVENT.NoEvent; },
    whenEvent() { return queue.length > 0 ? Promise.resolve() : new Promise((resolve) => { wake = resolve; }); },
    waiting() { return wake !== null && queue.length === 0; },
    end() { ended = true; },
  };
})();
