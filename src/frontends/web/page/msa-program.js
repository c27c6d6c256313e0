// What the program (msa.js, src/frontends/web/web_host.cpp) calls: the
// `Msa` object, with the text region for screen readers, sound and
// downloads; and emscripten's `Module`.
'use strict';
(function (page) {
  const { WORDS, fill, say } = page;
  const textMirror = document.getElementById('screen-text');
  const announce = document.getElementById('announce');
  let screenText = '';   // as shown now, the answer being typed included
  let readText = '';     // as at the last answer line
  let audio = null;
  let replayShown = false;
  // When things happened (performance.now()), and how many answer lines the
  // program has asked for: read by the checks (tools/web/check-page.mjs).
  const timing = { firstWait: null, waits: 0, lastWait: null, lastEnter: null, reads: 0, yields: 0, yieldMs: 0 };
  page.timing = timing;
  page.text = () => screenText;

  // --------------------------------------------------------------- sound --
  page.resumeAudio = () => {
    if (!audio && window.AudioContext) audio = new AudioContext();
    if (audio && audio.state === 'suspended') audio.resume();
  };
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

  // The browser's turn during a run or a replay: a message to itself, no
  // timer's minimum delay.
  let yieldResolve = null;
  const channel = new MessageChannel();
  channel.port1.onmessage = () => { const r = yieldResolve; yieldResolve = null; if (r) r(); };

  window.Msa = {
    timing,
    showPicture: page.showPicture,
    // The text grid; `reads` the answer lines asked for so far. At a new one
    // the rows that changed since the last are announced; as the answer is
    // typed, the region follows it silently.
    showText(text, reads) {
      screenText = text;
      textMirror.textContent = text;
      if (reads === timing.reads) return;
      const before = readText.split('\n');
      const changed = text.split('\n').filter((row, i) => row.trim() !== '' && row !== before[i]);
      readText = text;
      timing.reads = reads;
      announce.textContent = changed.join('\n');
    },
    beep,
    recorded: page.recorded,
    saved(message, files) {
      say(message, true);
      for (const file of files) download(file.name, file.data);
      window.Msa.lastSave = files.map((f) => f.name);
    },
    computing(on) { page.canvas.setAttribute('aria-busy', String(on)); },
    // How far a link's replay is (state 0), its end (1), its stop by the user (2).
    replay(done, total, state) {
      const percent = Math.floor(100 * done / Math.max(total, 1));
      if (state === 0) { say(fill(WORDS.replaying, percent)); replayShown = true; } else if (state === 2) {
        say(fill(WORDS.replayStopped, percent), true);
        replayShown = false;
      } else if (replayShown) { say(''); replayShown = false; }
    },
    takeEvent: page.takeEvent,
    waitEvent() {
      const now = performance.now();
      if (timing.firstWait === null) {
        timing.firstWait = now;
        page.loaded();
        document.dispatchEvent(new Event('msa-ready'));
      }
      timing.waits += 1;
      timing.lastWait = now;
      page.atWait();
      return page.whenEvent();
    },
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
    waiting: page.waiting,
    text: page.text,
    playScript() { return page.play.script || ''; },
    language() { return page.language; },
    // A notice for the run (a time step too small), or '' when it is over.
    notice(text) { say(text); },
    session: page.session,
    link: page.sessionLink,
    ended(status) {
      page.end();
      page.canvas.setAttribute('aria-busy', 'false');
      say(status === 0 ? WORDS.ended : fill(WORDS.endedWithStatus, status));
      page.ended();
    },
  };
  if (page.play.error) say(page.play.error);

  window.Module = {
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onAbort: (what) => { page.end(); say(fill(WORDS.failed, what)); },
  };
  page.focusScreen();
})(window.MsaPage);
