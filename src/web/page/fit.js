// The sheet at 100 % where it fits, centred; scaled down to the width of a
// smaller viewport, so a phone shows it whole without scrolling sideways.
// The viewport's own zoom (pinch) stays free.
export function fitToViewport(view, stage) {
  const { width, height } = view;
  const fit = () => {
    const scale = Math.min(1, document.documentElement.clientWidth / width);
    view.client.style.transform = scale < 1 ? `scale(${scale})` : '';
    stage.style.width = `${width * scale}px`;
    stage.style.height = `${height * scale}px`;
  };
  fit();
  window.addEventListener('resize', fit);
}
