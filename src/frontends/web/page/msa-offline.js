// Installing the page and using it offline: served over http(s), the page
// names its web app manifest and, once the program has shown its first
// prompt (so that nothing slows the start), registers its service worker
// (msa-service-worker.js), which keeps every file of the page. Opened from
// file://, the page needs neither.
'use strict';
(function () {
  if (!/^https?:$/.test(location.protocol) || !('serviceWorker' in navigator)) return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  document.addEventListener('msa-ready', () => {
    navigator.serviceWorker.register('msa-service-worker.js').catch((error) => console.warn('offline use refused:', error.message));
  }, { once: true });
})();
