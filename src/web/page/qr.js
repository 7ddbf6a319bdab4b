// "Partager par QR code": the share link as a QR code that a phone's camera
// reads across the table, under the caption that says what the link holds;
// the link itself as text to select, and "Copier le lien". The code is
// drawn black on white whatever the page's colours, with the quiet zone of
// white that scanners need, each module a square of whole device pixels so
// that it stays sharp; as wide as the panel lets it, up to a size that a
// phone held at arm's length reads well, and drawn again when the window's
// size or zoom changes.
import qrcode from './qrcode-generator.js';
import { say } from './message.js';

// The margin of white around the code, in modules.
const QUIET_ZONE = 4;
// The widest the code is drawn on a large screen, in CSS pixels (some 10 cm).
const LARGEST = 400;
// The share of the window's height the code may take: the title, the link
// and the button stay within reach of a short scroll.
const HEIGHT_SHARE = 0.6;
const COPIED = 'Lien copié.';
const NOT_COPIED = 'Le lien n’a pas été copié : ce navigateur refuse l’accès au presse-papiers à cette page.';

// The link goes in as its UTF-8 bytes, as the window's code does.
qrcode.stringToBytes = qrcode.stringToBytesFuncs['UTF-8'];

// The QR code of `text` with medium error correction, in byte mode; null
// when the text holds more than a QR code can.
function encoded(text) {
  const code = qrcode(0, 'M');
  code.addData(text, 'Byte');
  try {
    code.make();
  } catch {
    return null;
  }
  return code;
}

class QrPanel {
  constructor() {
    this.panel = document.getElementById('qr');
    this.caption = document.getElementById('qr-caption');
    this.room = document.getElementById('qr-room');
    this.canvas = document.getElementById('qr-code');
    this.tooLong = document.getElementById('qr-too-long');
    this.link = document.getElementById('qr-link');
    this.status = document.getElementById('qr-status');
    this.panel.addEventListener('click', (event) => {
      const command = event.target.closest('[data-qr-command]')?.dataset.qrCommand;
      if (command === 'close') this.panel.close();
      else if (command === 'copy') this.copy();
    });
    const redraw = () => this.draw();
    this.panel.addEventListener('close', () => {
      window.removeEventListener('resize', redraw);
      this.opener?.focus();
    });
    this.redraw = redraw;
  }

  open(link, caption) {
    this.opener = document.activeElement;
    this.code = encoded(link);
    this.caption.textContent = caption;
    this.caption.hidden = !caption;
    this.link.textContent = link;
    this.status.textContent = '';
    this.canvas.hidden = !this.code;
    this.tooLong.hidden = Boolean(this.code);
    if (!this.panel.open) this.panel.showModal();
    window.addEventListener('resize', this.redraw);
    this.draw();
    this.panel.querySelector('[data-qr-command="copy"]').focus();
  }

  // Draws the code at the largest whole number of device pixels a module
  // that the room allows.
  draw() {
    if (!this.code) return;
    const ratio = window.devicePixelRatio;
    const room = Math.min(this.room.clientWidth, LARGEST, window.innerHeight * HEIGHT_SHARE);
    const modules = this.code.getModuleCount() + 2 * QUIET_ZONE;
    const pixels = Math.max(1, Math.floor((room * ratio) / modules));
    const side = modules * pixels;
    this.canvas.width = side;
    this.canvas.height = side;
    this.canvas.style.width = `${side / ratio}px`;
    this.canvas.style.height = `${side / ratio}px`;
    const pen = this.canvas.getContext('2d');
    pen.fillStyle = 'white';
    pen.fillRect(0, 0, side, side);
    pen.fillStyle = 'black';
    for (let row = 0; row < this.code.getModuleCount(); row += 1) {
      for (let column = 0; column < this.code.getModuleCount(); column += 1) {
        if (this.code.isDark(row, column)) {
          pen.fillRect((column + QUIET_ZONE) * pixels, (row + QUIET_ZONE) * pixels, pixels, pixels);
        }
      }
    }
  }

  async copy() {
    try {
      await navigator.clipboard.writeText(this.link.textContent);
      say(COPIED, this.status);
    } catch {
      say(NOT_COPIED, this.status);
    }
  }
}

let panel = null;

// Opens the panel on `link`, under `caption` (none when empty).
export function showQrCode(link, caption) {
  panel ??= new QrPanel();
  panel.open(link, caption);
}
