// The share link, in the address's fragment (after #), so that it never
// reaches a server: the sheet's recipe alone when the sheet is what its dice
// gave, which the engine replays, otherwise the sheet's JSON, compressed.
// Opening such a link shows that sheet as one step to undo, and says whether
// it is what its dice gave; a damaged or oversized one is refused with a
// French message and the page keeps its launch state.
import { say, showMessage } from './message.js';

const PREFIX = '#fiche=';
// The engine reads the recipe's code as the link carries it, escapes and all.
const RECIPE_PREFIX = '#r=';
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

// This page's address, without its query or fragment.
const site = () => `${window.location.origin}${window.location.pathname}`;

// The link to `json` on this page; null when the sheet would make a link
// longer than this page opens.
export async function shareLink(json) {
  const compressed = await new Response(new Blob([json]).stream().pipeThrough(new CompressionStream('deflate-raw')))
    .arrayBuffer();
  const fragment = `${PREFIX}${toBase64Url(new Uint8Array(compressed))}`;
  if (fragment.length > LONGEST_FRAGMENT) return null;
  return `${site()}${fragment}`;
}

// The link that "Lien de partage" and "Partager par QR code" give for the
// sheet `session` holds: its recipe when that makes it, else the sheet.
export const currentShareLink = async (session) => session.recipeLink(site()) || shareLink(session.json());

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

// Why the sheet of `fragment` does not open, or null once it is shown.
async function openFragment(session, fragment, largestSheet) {
  if (fragment.length > LONGEST_FRAGMENT) return 'le lien est bien trop long.';
  if (fragment.startsWith(RECIPE_PREFIX)) return session.openRecipe(fragment.slice(RECIPE_PREFIX.length));
  try {
    return session.open(await sheetIn(fragment, largestSheet));
  } catch {
    return 'le lien est abîmé.';
  }
}

// Opens the sheet of the address's fragment, if it holds one, and says
// whether it is what its dice gave, so that the game master knows at once;
// a refusal's message stays up once this returns. Whether a sheet was
// opened.
export async function openSharedSheet(session, largestSheet) {
  const fragment = window.location.hash;
  if (!fragment.startsWith(PREFIX) && !fragment.startsWith(RECIPE_PREFIX)) return false;
  const reason = await openFragment(session, fragment, largestSheet);
  if (reason === null) {
    say(`Fiche ouverte depuis le lien. ${session.verification().verdict}`);
    return true;
  }
  window.history.replaceState(null, '', `${window.location.pathname}${window.location.search}`);
  showMessage(`Ce lien n’ouvre pas de fiche : ${reason}`);
  return false;
}
