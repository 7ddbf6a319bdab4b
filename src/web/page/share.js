// The share link: the sheet's JSON, compressed, in the address's fragment
// (after #), so that it never reaches a server. Opening such a link shows
// that sheet as one step to undo; a damaged or oversized one is refused with
// a French message and the page keeps its launch state.
import { say, showMessage } from './message.js';

const PREFIX = '#fiche=';
// A compressed sheet takes a few kilobytes; longer fragments are not links
// this page made, and this page makes none longer.
const LONGEST_FRAGMENT = 64 * 1024;
// The compressed link is fed to the inflater this many bytes at a time, and
// the next bytes only once the text so far has been read: deflate inflates
// at most about a thousandfold, so no more than some 256 KiB past the
// largest sheet is ever inflated, however the link was crafted.
const FEED_BYTES = 256;

function toBase64Url(bytes) {
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary).replaceAll('+', '-').replaceAll('/', '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  const binary = atob(text.replaceAll('-', '+').replaceAll('_', '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// A stream of `bytes` in small pieces, each given only when asked for.
function trickle(bytes) {
  let offset = 0;
  return new ReadableStream({
    pull(controller) {
      if (offset >= bytes.length) {
        controller.close();
        return;
      }
      controller.enqueue(bytes.slice(offset, offset + FEED_BYTES));
      offset += FEED_BYTES;
    },
  }, { highWaterMark: 0 });
}

// The link to `json` on this page, without its query; null when the sheet
// would make a link longer than this page opens.
export async function shareLink(json) {
  const compressed = await new Response(new Blob([json]).stream().pipeThrough(new CompressionStream('deflate-raw')))
    .arrayBuffer();
  const fragment = `${PREFIX}${toBase64Url(new Uint8Array(compressed))}`;
  if (fragment.length > LONGEST_FRAGMENT) return null;
  return `${window.location.origin}${window.location.pathname}${fragment}`;
}

// The link that "Lien de partage" and "Partager par QR code" give for the
// sheet `session` holds.
export const currentShareLink = (session) => shareLink(session.json());

// The sheet's JSON in `fragment`, read no further than `largest` bytes and a
// piece; throws when the fragment is damaged.
async function sheetIn(fragment, largest) {
  const inflated = trickle(fromBase64Url(fragment.slice(PREFIX.length)))
    .pipeThrough(new DecompressionStream('deflate-raw'));
  const reader = inflated.getReader();
  const chunks = [];
  let length = 0;
  for (let read = await reader.read(); !read.done && length <= largest; read = await reader.read()) {
    chunks.push(read.value);
    length += read.value.length;
  }
  reader.cancel().catch(() => {});
  return new TextDecoder().decode(await new Blob(chunks).arrayBuffer());
}

// Opens the sheet of the address's fragment, if it holds one; a refusal's
// message stays up once this returns. Whether a sheet was opened.
export async function openSharedSheet(session, largestSheet) {
  const fragment = window.location.hash;
  if (!fragment.startsWith(PREFIX)) return false;
  let reason;
  if (fragment.length > LONGEST_FRAGMENT) reason = 'le lien est bien trop long.';
  else {
    try {
      reason = session.open(await sheetIn(fragment, largestSheet));
    } catch {
      reason = 'le lien est abîmé.';
    }
  }
  if (reason === null) {
    say('Fiche ouverte depuis le lien.');
    return true;
  }
  window.history.replaceState(null, '', `${window.location.pathname}${window.location.search}`);
  showMessage(`Ce lien n’ouvre pas de fiche : ${reason}`);
  return false;
}
