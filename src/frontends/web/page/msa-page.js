// The page around msa's program (msa.js): the canvas, the keys, the sound,
// the clipboard, downloads and session links. The program calls the `Msa`
// object below (src/frontends/web/web_host.cpp); keys reach it through a queue of
// numbers: a code point for a typed character, a negative number for a key
// or a command (EVENT, from page_events.list through msa-events.js). The
// page's words and help in every language come from msa-texts.js (made of
// src/texts).
'use strict';
(function () {
  const WIDTH = 640, HEIGHT = 350;
  const EVENT = window.MSA_EVENTS;
  const SPECIAL = window.MSA_EVENT_KEYS;  // the browser's keys that are keys of the dialogue
  // A #play= fragment longer than this is refused unread.
  const MAX_FRAGMENT = 1 << 20;

  const canvas = document.getElementById('screen');
  const context = canvas.getContext('2d', { alpha: false });
  const image = context.createImageData(WIDTH, HEIGHT);
  const statusLine = document.getElementById('status');
  const textMirror = document.getElementById('screen-text');
  const announce = document.getElementById('announce');
  const linkField = document.getElementById('link');
  const aspectButton = document.getElementById('aspect');

  // The dialogue's language, from the address (?lang=en); French, the
  // first of the texts, otherwise. The link opens the page again in the
  // next language, with the same session link, whose keys mean the same in
  // every one.
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
  document.getElementById('help-text').innerHTML = TEXTS.help;
  const other = codes[(codes.indexOf(language) + 1) % codes.length];
  const languageLink = document.getElementById('language');
  languageLink.href = '?lang=' + other + location.hash;
  languageLink.textContent = window.MSA_TEXTS[other].name;
  languageLink.lang = other;

  const queue = [];
  let wake = null;
  let fourByThree = false;
  let session = '';          // the keys so far, in the key-script language
  let screenText = '';
  let audio = null;
  let ended = false;
  // When things happened (performance.now()), and how many answer lines the
  // program has asked for: read by the checks (tools/web/check-page.mjs).
  const timing = { firstWait: null, waits: 0, lastWait: null, lastEnter: null, reads: 0, yields: 0, yieldMs: 0 };

  function push(event) {
    if (ended) return;
    queue.push(event);
    if (wake) { const w = wake; wake = null; w(); }
  }

  function say(message) { statusLine.textContent = message; }

  // ---------------------------------------------------------------- keys --
  canvas.addEventListener('keydown', (e) => {
    // Ctrl with Alt is AltGr, which types characters; on a Mac, Cmd is Ctrl.
    const ctrl = (e.ctrlKey || e.metaKey) && !e.altKey;
    const key = e.key;
    resumeAudio();
    if (ctrl && (key === 's' || key === 'S')) { e.preventDefault(); if (!e.repeat) save(); return; }
    if (key === 'Pause' || key === 'Cancel') { e.preventDefault(); push(EVENT.Stop); return; }
    // Copy and paste: the browser's own events follow (below).
    if ((ctrl && /^[cCvV]$/.test(key)) || (e.key === 'Insert' && (ctrl || e.shiftKey))) return;
    if (key === 'F10') { e.preventDefault(); if (!e.repeat) toggleAspect(); return; }
    if (key === 'F11' || (e.altKey && key === 'Enter')) { e.preventDefault(); if (!e.repeat) toggleFullScreen(); return; }
    if (key === 'F9') { e.preventDefault(); if (!e.repeat) shareLink(); return; }
    if (key === 'Tab' && e.shiftKey) return;  // leaves the screen for the buttons
    if (key in SPECIAL) {
      e.preventDefault();
      if (key === 'Enter') timing.lastEnter = performance.now();
      push(SPECIAL[key]);
      return;
    }
    if (!ctrl && !e.metaKey && [...key].length === 1) {
      e.preventDefault();
      push(key.codePointAt(0));
    }
  });

  document.addEventListener('copy', (e) => {
    if (document.activeElement !== canvas) return;
    e.clipboardData.setData('text/plain', screenText);
    e.preventDefault();
    say(WORDS.copied);
  });
  document.addEventListener('paste', (e) => {
    if (document.activeElement !== canvas) return;
    e.preventDefault();
    typeText(e.clipboardData.getData('text/plain'));
  });
  // A paste types the text up to its first line break, which would end the answer.
  function typeText(text) {
    for (const c of text.split(/\r|\n/)[0]) push(c.codePointAt(0));
  }

  // ------------------------------------------------------------- picture --
  // Square pixels: the largest whole factor of device pixels that fits, or
  // the picture reduced to fit. 4:3: the largest 4:3 rectangle.
  function layout() {
    const box = document.getElementById('box');
    const ratio = window.devicePixelRatio || 1;
    const w = box.clientWidth * ratio, h = box.clientHeight * ratio;
    let width, height;
    if (fourByThree) {
      width = Math.min(w, h * 4 / 3);
      height = width * 3 / 4;
    } else {
      const factor = Math.floor(Math.min(w / WIDTH, h / HEIGHT));
      if (factor >= 1) { width = WIDTH * factor; height = HEIGHT * factor; } else {
        width = Math.min(w, h * WIDTH / HEIGHT);
        height = width * HEIGHT / WIDTH;
      }
    }
    width = Math.max(1, Math.floor(width)); height = Math.max(1, Math.floor(height));
    canvas.style.width = width / ratio + 'px';
    canvas.style.height = height / ratio + 'px';
    // Enlarged, the picture stays sharp; reduced, it is filtered, so that
    // thin lines and strokes of letters do not vanish.
    canvas.classList.toggle('enlarged', width >= WIDTH && height >= HEIGHT);
  }
  window.addEventListener('resize', layout);
  layout();

  function toggleAspect() {
    fourByThree = !fourByThree;
    aspectButton.setAttribute('aria-pressed', String(fourByThree));
    layout();
  }
  function toggleFullScreen() {
    const box = document.getElementById('box');
    if (document.fullscreenElement) document.exitFullscreen();
    else if (box.requestFullscreen) box.requestFullscreen().catch(() => say(WORDS.fullScreenRefused));
    canvas.focus();
  }
  document.addEventListener('fullscreenchange', layout);

  // --------------------------------------------------------------- sound --
  function resumeAudio() {
    if (!audio && window.AudioContext) audio = new AudioContext();
    if (audio && audio.state === 'suspended') audio.resume();
  }
  // A discreet square wave, 880 Hz for 80 ms, faded in and out over 3 ms.
  function beep() {
    if (!audio || audio.state !== 'running') return;
    const t = audio.currentTime, gain = audio.createGain(), wave = audio.createOscillator();
    wave.type = 'square';
    wave.frequency.value = 880;
    gain.gain.setValueAtTime(0, t);
    gain.gain.linearRampToValueAtTime(0.12, t + 0.003);
    gain.gain.setValueAtTime(0.12, t + 0.077);
    gain.gain.linearRampToValueAtTime(0, t + 0.08);
    wave.connect(gain).connect(audio.destination);
    wave.start(t);
    wave.stop(t + 0.08);
  }

  // ------------------------------------------------- saves and the links --
  function save() { push(fourByThree ? EVENT.SaveFourByThree : EVENT.Save); }
  function download(name, data) {
    const type = name.endsWith('.png') ? 'image/png' : name.endsWith('.csv') ? 'text/csv' : 'application/octet-stream';
    const url = URL.createObjectURL(new Blob([data], { type }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  function base64url(bytes) {
    let binary = '';
    for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }
  function sessionLink() {
    return location.href.split('#')[0] + '#play=' + base64url(new TextEncoder().encode(session));
  }
  function copyText(text, done) {
    const fallback = () => {
      const area = document.createElement('textarea');
      area.value = text;
      document.body.appendChild(area);
      area.select();
      const ok = document.execCommand('copy');
      area.remove();
      canvas.focus();
      say(ok ? done : WORDS.copyImpossible);
    };
    if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(text).then(() => say(done), fallback);
    else fallback();
  }
  function shareLink() {
    const link = sessionLink();
    linkField.hidden = false;
    linkField.value = link;
    copyText(link, fill(WORDS.linkCopied, link.length));
  }

  // The keys of a #play= link: base64url of the UTF-8 key script. Anything
  // else is told, and the program starts as usual.
  function playFromFragment() {
    const hash = location.hash;
    if (!hash.startsWith('#play=')) return { script: '' };
    const text = hash.slice('#play='.length);
    if (text.length > MAX_FRAGMENT)
      return { error: fill(WORDS.tooLong, (text.length / 1048576).toFixed(1)) };
    if (!/^[A-Za-z0-9_-]*$/.test(text) || text.length % 4 === 1)
      return { error: WORDS.notBase64 };
    let binary;
    try {
      binary = atob(text.replace(/-/g, '+').replace(/_/g, '/') + '==='.slice((text.length + 3) % 4));
    } catch (_) {
      return { error: WORDS.notBase64 };
    }
    const bytes = Uint8Array.from(binary, (c) => c.charCodeAt(0));
    try {
      return { script: new TextDecoder('utf-8', { fatal: true }).decode(bytes) };
    } catch (_) {
      return { error: WORDS.notUtf8 };
    }
  }
  const play = playFromFragment();

  document.getElementById('save').addEventListener('click', () => { save(); canvas.focus(); });
  document.getElementById('share').addEventListener('click', shareLink);
  document.getElementById('copy').addEventListener('click', () => copyText(screenText, WORDS.copied));
  aspectButton.addEventListener('click', () => { toggleAspect(); canvas.focus(); });
  document.getElementById('full').addEventListener('click', toggleFullScreen);
  canvas.addEventListener('pointerdown', (e) => {
    resumeAudio();
    if (e.pointerType === 'touch') touchInput.focus(); else canvas.focus();
  });

  // Tablets and phones: a touch on the screen focuses a field of our own,
  // which brings up the on-screen keyboard; what it would insert is typed
  // instead, and the field stays empty.
  const touchInput = document.getElementById('touch-input');
  touchInput.addEventListener('beforeinput', (e) => {
    e.preventDefault();
    resumeAudio();
    if (e.inputType === 'insertText' && e.data) typeText(e.data);
    else if (e.inputType === 'deleteContentBackward') push(EVENT.Backspace);
    else if (e.inputType === 'deleteContentForward') push(EVENT.Delete);
    else if (e.inputType === 'insertLineBreak' || e.inputType === 'insertParagraph') push(EVENT.Enter);
  });
  touchInput.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' || e.key === 'Escape' || e.key === 'Tab') {
      e.preventDefault();
      push(SPECIAL[e.key]);
    }
  });

  // -------------------------------------------------- what msa.js calls --
  let yieldResolve = null;
  const channel = new MessageChannel();
  channel.port1.onmessage = () => { const r = yieldResolve; yieldResolve = null; if (r) r(); };

  window.Msa = {
    timing,
    // Rows [top, bottom) changed.
    showPicture(rgba, top, bottom) {
      image.data.set(rgba.subarray(top * WIDTH * 4, bottom * WIDTH * 4), top * WIDTH * 4);
      context.putImageData(image, 0, 0, 0, top, WIDTH, bottom - top);
    },
    showText(text) {
      // The rows that changed since the last answer line are announced;
      // the whole grid stays readable in the mirror.
      const before = screenText.split('\n');
      const changed = text.split('\n').filter((row, i) => row.trim() !== '' && row !== before[i]);
      screenText = text;
      timing.reads += 1;
      textMirror.textContent = text;
      announce.textContent = changed.join('\n');
    },
    beep,
    recorded(text) { session += text; },
    saved(message, files) {
      say(message);
      for (const file of files) download(file.name, file.data);
      window.Msa.lastSave = files.map((f) => f.name);
    },
    computing(on) { canvas.setAttribute('aria-busy', String(on)); },
    takeEvent() { return queue.length > 0 ? queue.shift() : EVENT.NoEvent; },
    waitEvent() {
      const now = performance.now();
      if (timing.firstWait === null) {
        timing.firstWait = now;
        if (!play.error) say('');
      }
      timing.waits += 1;
      timing.lastWait = now;
      return queue.length > 0 ? Promise.resolve() : new Promise((resolve) => { wake = resolve; });
    },
    // The browser's turn during a run (painting the picture shown among
    // others): its count and time go into the timing.
    yieldToBrowser() {
      const start = performance.now();
      return new Promise((resolve) => {
        yieldResolve = () => {
          timing.yields += 1;
          timing.yieldMs += performance.now() - start;
          resolve();
        };
        channel.port2.postMessage(0);
      });
    },
    // Whether the program is waiting for a key, every key given taken.
    waiting() { return wake !== null && queue.length === 0; },
    text() { return screenText; },
    playScript() { return play.script || ''; },
    language() { return language; },
    // A notice for the run (a time step too small), or '' when it is over.
    notice(text) { say(text); },
    session() { return session; },
    link: sessionLink,
    ended(status) {
      ended = true;
      canvas.setAttribute('aria-busy', 'false');
      say(status === 0 ? WORDS.ended : fill(WORDS.endedWithStatus, status));
    },
  };
  if (play.error) say(play.error);

  window.Module = {
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onAbort: (what) => { ended = true; say(fill(WORDS.failed, what)); },
  };
  canvas.focus();
})();
