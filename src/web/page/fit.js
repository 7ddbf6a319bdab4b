// The exact sheet at 100 % of the browser's own zoom: a page zoomed to 200 %
// draws it at 200 % and scrolls. Only on a touch screen narrower than the
// sheet is it scaled down to the width, so that a phone shows it whole
// without scrolling sideways (pinching still zooms). The phone view lays
// itself out.
const TOUCH = '(pointer: coarse)';

export function fitToViewport(view, stage, choice) {
  const { width, height } = view;
  const touch = window.matchMedia(TOUCH);
  const fit = () => {
    const scale = choice.phone || !touch.matches ? 1 : Math.min(1, document.documentElement.clientWidth / width);
    view.client.style.transform = scale < 1 ? `scale(${scale})` : '';
    stage.style.width = `${width * scale}px`;
    stage.style.height = `${height * scale}px`;
  };
  fit();
  window.addEventListener('resize', fit);
  choice.addEventListener('viewchange', fit);
}
