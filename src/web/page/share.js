// The share link: the sheet's JSON, compressed, in the address's fragment
// (after #), so that it never reaches a server. Opening such a link shows
// that sheet as one step to undo; a damaged or oversized one is refused with
// a French message and the page keeps its launch state.
import { showMessage } from './message.js';

const PREFIX = '#fiche=';
// A compressed sheet takes a few kilobytes; longer fragments are not links
// this page made.
const LONGEST_FRAGMENT = 64 * 1024;

async function pipe(bytes, stream) {
  return new Response(new Blob([bytes]).stream().pipeThrough(stream));
}

function toBase64Url(bytes) {
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary).replaceAll('+', '-').replaceAll('/', '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  const binary = atob(text.replaceAll('-', '+').replaceAll('_', '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// The link to `json` on this page, without its query.
export async function shareLink(json) {
  const compressed = await (await pipe(new TextEncoder().encode(json), new CompressionStream('deflate-raw'))).arrayBuffer();
  return `${window.location.origin}${window.location.pathname}${PREFIX}${toBase64Url(new Uint8Array(compressed))}`;
}

// The sheet's JSON in `fragment`, read no further than `largest` bytes;
// throws when the fragment is damaged.
async function sheetIn(fragment, largest) {
  const reader = (await pipe(fromBase64Url(fragment.slice(PREFIX.length)), new DecompressionStream('deflate-raw'))).body.getReader();
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
// message stays up once this returns.
export async function openSharedSheet(session, largestSheet, refresh) {
  const fragment = window.location.hash;
  if (!fragment.startsWith(PREFIX)) return;
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
    refresh();
    return;
  }
  window.history.replaceState(null, '', `${window.location.pathname}${window.location.search}`);
  showMessage(`Ce lien n’ouvre pas de fiche : ${reason}`);
}
