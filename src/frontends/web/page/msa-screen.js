// The page's screen: the program's picture on the canvas, its size in the
// space the bars leave, the 4:3 view and full screen.
'use strict';
(function (page) {
  const WIDTH = 640, HEIGHT = 350;
  const canvas = page.canvas;
  const context = canvas.getContext('2d', { alpha: false });
  const image = context.createImageData(WIDTH, HEIGHT);
  const box = document.getElementById('box');
  const aspectButton = document.getElementById('aspect');
  let fourByThree = false;

  // Rows [top, bottom) of the picture changed (RGBA bytes of the whole picture).
  page.showPicture = (rgba, top, bottom) => {
    image.data.set(rgba.subarray(top * WIDTH * 4, bottom * WIDTH * 4), top * WIDTH * 4);
    context.putImageData(image, 0, 0, 0, top, WIDTH, bottom - top);
  };

  // Square pixels: where the picture fits at its size or larger, the largest
  // whole factor of device pixels that fits (every pixel the same size);
  // where it does not (a phone), the largest size that fits. 4:3: the
  // largest 4:3 rectangle. Enlarged on the device, the picture stays sharp;
  // reduced, it is filtered, so that thin lines and strokes of letters do
  // not vanish.
  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const w = box.clientWidth, h = box.clientHeight;  // CSS pixels
    let width, height;  // device pixels
    if (fourByThree) {
      width = Math.min(w, h * 4 / 3) * ratio;
      height = width * 3 / 4;
    } else {
      const fits = Math.min(w / WIDTH, h / HEIGHT);
      const factor = Math.floor(Math.min(w * ratio / WIDTH, h * ratio / HEIGHT));
      const scale = fits >= 1 ? factor : fits * ratio;
      width = WIDTH * scale;
      height = HEIGHT * scale;
    }
    width = Math.max(1, Math.floor(width)); height = Math.max(1, Math.floor(height));
    canvas.style.width = width / ratio + 'px';
    canvas.style.height = height / ratio + 'px';
    canvas.classList.toggle('pixelated', width >= WIDTH && height >= HEIGHT);
  }
  // The space follows every bar: the header, the status line, the key row,
  // the help opened or closed, the window, full screen.
  if (window.ResizeObserver) {
    const observer = new ResizeObserver(layout);
    for (const id of ['box', 'keys']) observer.observe(document.getElementById(id));
    for (const e of document.querySelectorAll('header, footer')) observer.observe(e);
  }
  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', layout);
  layout();

  page.toggleAspect = () => {
    fourByThree = !fourByThree;
    aspectButton.setAttribute('aria-pressed', String(fourByThree));
    layout();
  };
  Object.defineProperty(page, 'fourByThree', { get: () => fourByThree });

  page.toggleFullScreen = () => {
    const full = document.getElementById('main');
    if (document.fullscreenElement) document.exitFullscreen();
    else if (full.requestFullscreen) full.requestFullscreen().catch(() => page.say(page.WORDS.fullScreenRefused, true));
    page.focusScreen();
  };
})(window.MsaPage);
