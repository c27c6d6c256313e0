// The session's keys, in the key-script language: the link the Link button
// copies, the page's address (so that a reload, a bookmark, a restored tab
// or the other language come back to the same screen), the #play= link the
// page was opened with, and starting again after the program's end.
'use strict';
(function (page) {
  const { WORDS, fill } = page;
  // A #play= fragment longer than this is refused unread.
  const MAX_FRAGMENT = 1 << 20;
  // The address is replaced at most this often (browsers refuse a flood).
  const ADDRESS_INTERVAL_MS = 300;
  const linkField = document.getElementById('link');
  const languageLink = document.getElementById('language');
  let session = '';       // every key so far, the saves included: the link
  let kept = '';          // the same without the saves: the address
  let inAddress = '';     // the keys the address holds
  let answered = false;   // an Enter or a stop since the address was replaced
  let lastReplaced = 0;
  let timer = null;

  function base64url(bytes) {
    let binary = '';
    for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }
  const fragment = (keys) => '#play=' + base64url(new TextEncoder().encode(keys));
  const sessionLink = () => location.href.split('#')[0] + fragment(session);

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
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    try {
      return { script: new TextDecoder('utf-8', { fatal: true }).decode(bytes) };
    } catch (_) {
      return { error: WORDS.notUtf8 };
    }
  }
  page.play = playFromFragment();
  if (page.play.error) {
    // The refused fragment leaves the address, so that a reload starts clean.
    history.replaceState(history.state, '', location.href.split('#')[0]);
  }

  // The other language: the page again, with every key typed so far.
  const other = page.codes[(page.codes.indexOf(page.language) + 1) % page.codes.length];
  languageLink.textContent = window.MSA_TEXTS[other].name;
  languageLink.lang = other;
  const languageAddress = (keys) => '?lang=' + other + (keys ? fragment(keys) : '');
  languageLink.href = languageAddress(page.play.script || '');
  languageLink.addEventListener('click', () => { languageLink.href = languageAddress(kept); });

  function replaceAddress() {
    timer = null;
    if (kept === inAddress) return;
    const hash = fragment(kept);
    if (hash.length - '#play='.length > MAX_FRAGMENT) return;  // a reload would refuse it
    history.replaceState(history.state, '', hash);
    inAddress = kept;
    lastReplaced = performance.now();
    languageLink.href = languageAddress(kept);
  }

  page.recorded = (text, save) => {
    session += text;
    if (save) return;
    kept += text;
    if (text.includes('\n') || text.includes('{BREAK')) answered = true;
  };
  // The program waits for the user: an answer given since the address was
  // last replaced goes into it (replaced, not pushed: Back leaves the page).
  page.atWait = () => {
    if (!answered || timer !== null) return;
    answered = false;
    timer = setTimeout(replaceAddress, Math.max(0, lastReplaced + ADDRESS_INTERVAL_MS - performance.now()));
  };
  window.addEventListener('pagehide', () => { if (timer !== null) { clearTimeout(timer); replaceAddress(); } });
  page.session = () => session;
  page.sessionLink = sessionLink;

  page.shareLink = () => {
    const link = sessionLink();
    linkField.hidden = false;
    linkField.value = link;
    page.copyText(link, fill(WORDS.linkCopied, link.length));
  };

  // After menu F: a button starts the program again, on a clean address.
  const restart = document.getElementById('restart');
  restart.addEventListener('click', () => {
    history.replaceState(history.state, '', location.href.split('#')[0]);
    location.reload();
  });
  page.ended = () => {
    restart.hidden = false;
    restart.focus();
  };
})(window.MsaPage);
