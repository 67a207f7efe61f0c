// The page's session of Korvel, run in a Worker so that a long computation
// never freezes the page. Messages, answered in the order they come:
//   { type: 'open' }                      -> { type: 'output', text, ended }
//   { type: 'line', line }                -> { type: 'output', text, ended }
//   { type: 'pictures', exchange, id }    -> { type: 'pictures', id, pictures, steps }
//   { type: 'svg', word, first, last, id } -> { type: 'svg', id, svg, tikz }
// Every answer comes from the compiled shell and core through korvel.mjs.
import { createKorvel } from './korvel.mjs';
import { alternatingForm, comparisonQuotient, handleSteps, symmetricText } from './transcript.mjs';

const korvelReady = createKorvel();
let session = null;
let queue = Promise.resolve();

// What to draw for one finished exchange of the keys C, N, A (a list of
// pictures with their captions) and H (the steps, the first one drawn).
function pictures(korvel, { key, lines, output }) {
  const picture = (caption, word, first = 0, last = 0) => ({
    caption,
    word,
    first,
    last,
    svg: korvel.svg(word, first, last),
    tikz: korvel.tikz(word, first, last),
  });
  const typed = (i) => korvel.typedWord(lines[i] ?? '');
  switch (key) {
    case 'C': {
      const quotient = comparisonQuotient(output);
      if (quotient === null) {
        return { pictures: [] };
      }
      return {
        pictures: [
          picture('B1', typed(0)),
          picture('B2', typed(1)),
          picture('inverse(B1).B2, reduced', quotient),
        ],
      };
    }
    case 'H': {
      const steps = handleSteps(output);
      if (steps.length === 0) {
        return { pictures: [] };
      }
      const first = steps[0];
      return {
        pictures: [],
        steps,
        firstSvg: korvel.svg(first.word, first.first, first.last),
        firstTikz: korvel.tikz(first.word, first.first, first.last),
      };
    }
    case 'N': {
      const text = symmetricText(output);
      if (text === null) {
        return { pictures: [] };
      }
      return {
        pictures: [
          picture('The braid typed', typed(0)),
          picture(`Its symmetric normal decomposition, printed ${text}, spelled out`, korvel.symmetricWord(text)),
        ],
      };
    }
    case 'A': {
      const form = alternatingForm(output);
      const list = [picture('The braid typed', typed(0))];
      if (form !== null) {
        list.push(picture('Its alternating normal form', form));
      }
      return { pictures: list };
    }
    default:
      return { pictures: [] };
  }
}

async function handle(message) {
  const korvel = await korvelReady;
  switch (message.type) {
    case 'open':
      session = await korvel.open();
      postMessage({ type: 'output', text: session.opening, ended: session.ended });
      break;
    case 'line': {
      const text = await session.feed(message.line);
      postMessage({ type: 'output', text, ended: session.ended });
      break;
    }
    case 'pictures':
      postMessage({
        type: 'pictures',
        id: message.id,
        hasPictures: korvel.hasPictures,
        ...(korvel.hasPictures ? pictures(korvel, message.exchange) : { pictures: [] }),
      });
      break;
    case 'svg':
      postMessage({
        type: 'svg',
        id: message.id,
        svg: korvel.hasPictures ? korvel.svg(message.word, message.first, message.last) : '',
        tikz: korvel.hasPictures ? korvel.tikz(message.word, message.first, message.last) : '',
      });
      break;
    default:
      break;
  }
}

self.onmessage = (event) => {
  queue = queue
    .then(() => handle(event.data))
    .catch((error) => postMessage({ type: 'error', message: String(error) }));
};
