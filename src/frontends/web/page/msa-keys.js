// The keys: a keyboard on the canvas, a touch screen's keyboard through a
// field of our own, the row of keys touch keyboards lack, the buttons, the
// clipboard.
'use strict';
(function (page) {
  const { EVENT, WORDS, push, canvas, touchInput } = page;
  const SPECIAL = window.MSA_EVENT_KEYS;  // the browser's keys that are keys of the dialogue
  const keyRow = document.getElementById('keys');
  const keysButton = document.getElementById('show-keys');

  const save = () => push(page.fourByThree ? EVENT.SaveFourByThree : EVENT.Save);
  // A paste types the text up to its first line break, which would end the answer.
  const typeText = (text) => { for (const c of text.split(/\r|\n/)[0]) push(c.codePointAt(0)); };

  // ------------------------------------------------------- keyboards --
  // On the canvas every key; in the touch field the keys that type no
  // character (those that do come through beforeinput below, where a
  // touch keyboard also sends them).
  function keydown(e, inField) {
    // Ctrl with Alt is AltGr, which types characters; on a Mac, Cmd is Ctrl.
    const ctrl = (e.ctrlKey || e.metaKey) && !e.altKey;
    const key = e.key;
    page.resumeAudio();
    if (e.isComposing || e.keyCode === 229) return;
    if (ctrl && (key === 's' || key === 'S')) { e.preventDefault(); if (!e.repeat) save(); return; }
    if (key === 'Pause' || key === 'Cancel') { e.preventDefault(); push(EVENT.Stop); return; }
    // Copy and paste: the browser's own events follow (below).
    if ((ctrl && /^[cCvV]$/.test(key)) || (e.key === 'Insert' && (ctrl || e.shiftKey))) return;
    if (key === 'F10') { e.preventDefault(); if (!e.repeat) page.toggleAspect(); return; }
    if (key === 'F11' || (e.altKey && key === 'Enter')) { e.preventDefault(); if (!e.repeat) page.toggleFullScreen(); return; }
    if (key === 'F9') { e.preventDefault(); if (!e.repeat) page.shareLink(); return; }
    if (key === 'Tab' && e.shiftKey) return;  // leaves the screen for the buttons
    if (key in SPECIAL) {
      e.preventDefault();
      if (key === 'Enter') page.timing.lastEnter = performance.now();
      push(SPECIAL[key]);
      return;
    }
    if (!inField && !ctrl && !e.metaKey && [...key].length === 1) {
      e.preventDefault();
      push(key.codePointAt(0));
    }
  }
  canvas.addEventListener('keydown', (e) => keydown(e, false));
  touchInput.addEventListener('keydown', (e) => keydown(e, true));

  // ---------------------------------------------------- touch screens --
  // A touch on the screen focuses the field, which brings up the device's
  // keyboard; what the keyboard would insert is typed instead, and the
  // field stays empty. The touch's own pointerdown is cancelled, so that the
  // mouse events a browser makes of a touch do not take the focus back to
  // the canvas; the focus is given on the touch's end, where browsers let a
  // page bring up the keyboard.
  let lastTouch = -Infinity;
  function enterTouchMode() {
    lastTouch = performance.now();
    if (page.touchMode) return;
    page.touchMode = true;
    touchInput.removeAttribute('aria-hidden');
    if (!keysButton.dataset.chosen) showKeys(true);
  }
  if (window.matchMedia && matchMedia('(pointer: coarse)').matches) enterTouchMode();
  canvas.addEventListener('pointerdown', (e) => {
    page.resumeAudio();
    if (e.pointerType !== 'touch') { canvas.focus(); return; }
    e.preventDefault();
    enterTouchMode();
  });
  canvas.addEventListener('pointerup', (e) => { if (e.pointerType === 'touch') touchInput.focus({ preventScroll: true }); });
  // Browsers that make mouse events of a touch all the same.
  canvas.addEventListener('mousedown', (e) => { if (performance.now() - lastTouch < 1000) e.preventDefault(); });
  canvas.addEventListener('click', () => { if (performance.now() - lastTouch < 1000) touchInput.focus({ preventScroll: true }); });

  touchInput.addEventListener('beforeinput', (e) => {
    page.resumeAudio();
    if (e.isComposing) return;  // a composition is typed when it ends
    e.preventDefault();
    if (e.inputType === 'insertText' && e.data) typeText(e.data);
    else if (e.inputType === 'insertReplacementText' && e.dataTransfer) typeText(e.dataTransfer.getData('text/plain'));
    else if (e.inputType === 'deleteContentBackward') push(EVENT.Backspace);
    else if (e.inputType === 'deleteContentForward') push(EVENT.Delete);
    else if (e.inputType === 'insertLineBreak' || e.inputType === 'insertParagraph') push(EVENT.Enter);
  });
  // Keyboards that compose (predictions, accents) insert what the page
  // cannot cancel: it is typed at the composition's end and the field
  // emptied.
  touchInput.addEventListener('compositionend', (e) => {
    if (e.data) typeText(e.data);
    touchInput.value = '';
  });
  touchInput.addEventListener('input', (e) => { if (!e.isComposing) touchInput.value = ''; });

  // ------------------------------------------------------ the key row --
  function showKeys(on) {
    keyRow.hidden = !on;
    keysButton.setAttribute('aria-pressed', String(on));
  }
  keysButton.addEventListener('click', () => {
    keysButton.dataset.chosen = 'yes';
    showKeys(keyRow.hidden);
    page.focusScreen();
  });
  // A key of the row takes no focus, so that the device's keyboard stays up.
  keyRow.addEventListener('pointerdown', (e) => { if (e.target.closest('button')) e.preventDefault(); });
  keyRow.addEventListener('mousedown', (e) => e.preventDefault());
  keyRow.addEventListener('click', (e) => {
    const button = e.target.closest('button');
    if (!button) return;
    page.resumeAudio();
    const command = button.dataset.command;
    if (command === 'save') save();
    else if (command === 'aspect') page.toggleAspect();
    else push(SPECIAL[button.dataset.key]);
    page.focusScreen();
  });

  // --------------------------------------------------------- buttons --
  // Each gives the focus back to the screen, so that the next Enter answers.
  const buttons = {
    save, share: () => page.shareLink(), copy: () => page.copyText(page.text(), WORDS.copied),
    aspect: () => page.toggleAspect(), full: () => page.toggleFullScreen(),
  };
  for (const [id, action] of Object.entries(buttons)) {
    document.getElementById(id).addEventListener('click', () => { action(); page.focusScreen(); });
  }

  // ------------------------------------------------------- clipboard --
  const onScreen = () => document.activeElement === canvas || document.activeElement === touchInput;
  document.addEventListener('copy', (e) => {
    if (!onScreen()) return;
    e.clipboardData.setData('text/plain', page.text());
    e.preventDefault();
    page.say(WORDS.copied, true);
  });
  document.addEventListener('paste', (e) => {
    if (!onScreen()) return;
    e.preventDefault();
    typeText(e.clipboardData.getData('text/plain'));
  });
  page.copyText = (text, done) => {
    const fallback = () => {
      const area = document.createElement('textarea');
      area.value = text;
      document.body.appendChild(area);
      area.select();
      const ok = document.execCommand('copy');
      area.remove();
      page.focusScreen();
      page.say(ok ? done : WORDS.copyImpossible, true);
    };
    if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(text).then(() => page.say(done, true), fallback);
    else fallback();
  };
})(window.MsaPage);
