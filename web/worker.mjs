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

// The SVG and the TikZ picture of WORD, letters first..last marked.
function drawings(korvel, word, first = 0, last = 0) {
  return { svg: korvel.svg(word, first, last), tikz: korvel.tikz(word, first, last) };
}

// What to draw for one finished exchange of the keys C, N, A (a list of
// pictures with their captions) and H (the steps, the first one drawn).
function pictures(korvel, { key, lines, output }) {
  const picture = (caption, word) => ({ caption, word, ...drawings(korvel, word) });
  const typed = (i) => korvel.typedWord(lines[i] ?? '');
  const none = { pictures: [] };
  switch (key) {
    case 'C': {
      const quotient = comparisonQuotient(output);
      return quotient === null
        ? none
        : {
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
        return none;
      }
      const { svg, tikz } = drawings(korvel, steps[0].word, steps[0].first, steps[0].last);
      return { pictures: [], steps, firstSvg: svg, firstTikz: tikz };
    }
    case 'N': {
      const text = symmetricText(output);
      return text === null
        ? none
        : {
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
      return none;
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
        ...(korvel.hasPictures ? drawings(korvel, message.word, message.first, message.last) : { svg: '', tikz: '' }),
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
