// The page: a terminal around the very session of Korvel that runs in the
// Worker, and the pictures of the braids of the last exchange. The page shows
// what the session printed and sends what the user types; it computes no
// answer itself.
import { atMainMenu, exchanges } from './transcript.mjs';

const $ = (id) => document.getElementById(id);
const consolePanel = $('console');
const lineInput = $('line');
const sendButton = $('send');
const statusLine = $('status');
const figures = $('figures');
const stepsPanel = $('steps');
const stepSlider = $('step');
const restartButton = $('restart');
const shareLink = $('share');

const ORDERINGKEYS = ['R', 'F', 'U'];

let worker = null;
let opening = '';
let session = []; // { line, output } per typed line, once answered
let typed = []; // every line sent in this session, answered or not
let waiting = []; // lines sent whose answer has not come yet, with the time sent
let ended = false;
let opened = false; // whether the session's opening text has come
let typedHistory = [];
let historyAt = 0;
let lastOutput = '';
let pictureRequest = 0;
let steps = [];
let stepRequest = 0;

// Timings for whoever measures the page: milliseconds from the start of the
// page to the first menu, and from sending a line to its answer.
const timings = { firstMenu: null, answers: [] };
window.korvelTimings = timings;

function append(text, className) {
  if (className) {
    const span = document.createElement('span');
    span.className = className;
    span.textContent = text;
    consolePanel.append(span);
  } else {
    consolePanel.append(document.createTextNode(text));
  }
  consolePanel.scrollTop = consolePanel.scrollHeight;
}

// Shows the first line not yet answered after the prompt that asks for it,
// as a terminal echoes what is typed; lines typed ahead wait for their prompt.
function echoNext() {
  const next = waiting[0];
  if (opened && next && !next.echoed) {
    next.echoed = true;
    append(`${next.line}\n`, 'typed');
  }
}

function setStatus(text) {
  statusLine.textContent = text;
}

// The key buttons that make sense at the prompt the session shows now.
function showKeys() {
  const atMenu = !ended && waiting.length === 0 && atMainMenu(lastOutput);
  // The ordering prompt, "> " at the start of a line, also when it asks again.
  const atOrdering = !ended && waiting.length === 0 && lastOutput.endsWith('\n> ');
  for (const button of document.querySelectorAll('#keys button')) {
    const key = button.dataset.key;
    if (ORDERINGKEYS.includes(key)) {
      button.hidden = !atOrdering;
    } else {
      button.hidden = atOrdering;
      button.disabled = !atMenu;
    }
  }
}

function shareAddress() {
  return `${location.pathname}#${encodeURIComponent(typed.join('\n'))}`;
}

function send(line) {
  if (ended || worker === null) {
    return;
  }
  typed.push(line);
  waiting.push({ line, sent: performance.now(), echoed: false });
  echoNext();
  if (line !== '' && typedHistory[typedHistory.length - 1] !== line) {
    typedHistory.push(line);
  }
  historyAt = typedHistory.length;
  window.history.replaceState(null, '', shareAddress());
  shareLink.href = shareAddress();
  setStatus('Working\u2026');
  showKeys();
  worker.postMessage({ type: 'line', line });
}

function received(text, hasEnded) {
  append(text);
  lastOutput = text;
  if (!opened) {
    opened = true;
    opening = text;
    if (timings.firstMenu === null) {
      timings.firstMenu = performance.now();
      document.body.dataset.firstMenuMs = String(Math.round(timings.firstMenu));
    }
  } else {
    const { line, sent } = waiting.shift();
    const took = performance.now() - sent;
    timings.answers.push({ line, ms: took });
    session.push({ line, output: text });
    const all = exchanges(opening, session);
    const last = all[all.length - 1];
    if (last && last.complete && waiting.length === 0 && 'CHNA'.includes(last.key) && last.key !== '') {
      requestPictures(last);
    }
  }
  if (hasEnded) {
    ended = true;
    setStatus('The session has ended. "New session" starts another.');
  } else if (waiting.length === 0) {
    setStatus('Ready.');
  }
  echoNext();
  document.body.dataset.answers = String(session.length);
  document.body.dataset.ready = waiting.length === 0 ? 'yes' : 'no';
  lineInput.disabled = ended;
  sendButton.disabled = ended;
  showKeys();
}

function requestPictures(exchange) {
  pictureRequest += 1;
  worker.postMessage({ type: 'pictures', id: pictureRequest, exchange });
}

// Links that save a picture as an SVG file or as TikZ for LaTeX; the files
// are made in the page, from the texts the core wrote.
let savedLinks = [];
function saveLinks(word, svg, tikz) {
  const links = document.createElement('span');
  links.className = 'save';
  const name = `braid-${word === '' ? 'empty' : word.slice(0, 40)}`;
  for (const [label, text, type, suffix] of [
    ['SVG', svg, 'image/svg+xml', 'svg'],
    ['TikZ', tikz, 'text/x-tex', 'tex'],
  ]) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type }));
    link.download = `${name}.${suffix}`;
    link.textContent = label;
    savedLinks.push(link.href);
    links.append(' ', link);
  }
  return links;
}

function forgetSavedLinks() {
  for (const href of savedLinks) {
    URL.revokeObjectURL(href);
  }
  savedLinks = [];
}

function figure(caption, word, svg, tikz) {
  const item = document.createElement('figure');
  const drawing = document.createElement('div');
  drawing.className = 'drawing';
  drawing.tabIndex = 0; // a long braid scrolls sideways with the arrow keys
  drawing.innerHTML = svg;
  const text = document.createElement('figcaption');
  text.append(`${caption}: `);
  const code = document.createElement('code');
  code.textContent = word === '' ? '1 (the empty word)' : word;
  text.append(code, saveLinks(word, svg, tikz));
  item.append(drawing, text);
  return item;
}

function showPictures(message) {
  if (message.id !== pictureRequest) {
    return;
  }
  figures.replaceChildren();
  forgetSavedLinks();
  stepsPanel.hidden = true;
  steps = [];
  if (!message.hasPictures) {
    $('pictures-note').textContent = 'This build of Korvel has no pictures.';
    return;
  }
  for (const picture of message.pictures) {
    figures.append(figure(picture.caption, picture.word, picture.svg, picture.tikz));
  }
  if (message.steps) {
    steps = message.steps;
    stepSlider.max = String(steps.length - 1);
    stepSlider.value = '0';
    stepsPanel.hidden = false;
    showStep(0, message.firstSvg, message.firstTikz);
  }
  document.body.dataset.pictures = String(pictureRequest);
}

function stepCaption(step) {
  // Every step but the last shows its handle; the last shows the reduced
  // word, unless the reduction was abandoned at the bound of a braid.
  const where = step.first === 0 ? 'the reduced word' : `the handle is letters ${step.first} to ${step.last}`;
  return `Step ${step.number} of ${steps[steps.length - 1].number}: ${where}`;
}

function showStep(index, svg, tikz) {
  const step = steps[index];
  stepSlider.value = String(index);
  $('back').disabled = index === 0;
  $('next').disabled = index === steps.length - 1;
  const drawing = document.querySelector('#step-figure .drawing');
  const caption = $('step-caption');
  if (svg === undefined) {
    stepRequest += 1;
    worker.postMessage({ type: 'svg', id: stepRequest, word: step.word, first: step.first, last: step.last });
    stepsPanel.dataset.pending = String(index);
    return;
  }
  drawing.innerHTML = svg;
  caption.replaceChildren(`${stepCaption(step)}. `);
  const code = document.createElement('code');
  code.textContent = step.word === '' ? '1' : step.word;
  caption.append(code, saveLinks(step.word, svg, tikz));
  stepsPanel.dataset.step = String(index);
}

function start() {
  worker = new Worker(new URL('./worker.mjs', import.meta.url), { type: 'module' });
  worker.onmessage = (event) => {
    const message = event.data;
    if (message.type === 'output') {
      received(message.text, message.ended);
    } else if (message.type === 'pictures') {
      showPictures(message);
    } else if (message.type === 'svg') {
      if (message.id === stepRequest) {
        showStep(Number(stepsPanel.dataset.pending), message.svg, message.tikz);
      }
    } else if (message.type === 'error') {
      setStatus(`Korvel stopped: ${message.message}`);
    }
  };
  worker.onerror = (event) => setStatus(`Korvel could not start: ${event.message ?? 'unknown error'}`);
  worker.postMessage({ type: 'open' });
}

function newSession(lines) {
  if (worker !== null) {
    worker.terminate();
  }
  consolePanel.replaceChildren();
  figures.replaceChildren();
  stepsPanel.hidden = true;
  opening = '';
  session = [];
  typed = [];
  waiting = [];
  lastOutput = '';
  ended = false;
  opened = false;
  document.body.dataset.answers = '0';
  document.body.dataset.ready = 'no';
  pictureRequest = 0;
  delete document.body.dataset.pictures;
  lineInput.disabled = false;
  sendButton.disabled = false;
  window.history.replaceState(null, '', lines.length > 0 ? location.hash : location.pathname);
  start();
  for (const line of lines) {
    send(line);
  }
  lineInput.focus();
}

$('prompt').addEventListener('submit', (event) => {
  event.preventDefault();
  send(lineInput.value);
  lineInput.value = '';
});

lineInput.addEventListener('keydown', (event) => {
  if (event.key === 'ArrowUp' && historyAt > 0) {
    historyAt -= 1;
    lineInput.value = typedHistory[historyAt];
    event.preventDefault();
  } else if (event.key === 'ArrowDown' && historyAt < typedHistory.length) {
    historyAt += 1;
    lineInput.value = historyAt < typedHistory.length ? typedHistory[historyAt] : '';
    event.preventDefault();
  }
});

for (const button of document.querySelectorAll('#keys button')) {
  button.addEventListener('click', () => {
    send(button.dataset.key);
    lineInput.focus();
  });
}

$('back').addEventListener('click', () => showStep(Math.max(0, Number(stepSlider.value) - 1)));
$('next').addEventListener('click', () =>
  showStep(Math.min(steps.length - 1, Number(stepSlider.value) + 1)),
);
stepSlider.addEventListener('input', () => showStep(Number(stepSlider.value)));
restartButton.addEventListener('click', () => newSession([]));
shareLink.addEventListener('click', (event) => {
  event.preventDefault();
  navigator.clipboard?.writeText(new URL(shareAddress(), location.href).href).then(
    () => setStatus('The link to this session is copied.'),
    () => setStatus('The address bar holds the link to this session.'),
  );
});

// A fragment of typed lines, separated by line ends, replays them.
function replayLines() {
  try {
    const lines = location.hash.length > 1 ? decodeURIComponent(location.hash.slice(1)).split(/\r\n|\r|\n/) : [];
    if (lines.length > 0 && lines[lines.length - 1] === '') {
      lines.pop(); // a link may end with a line end
    }
    return lines;
  } catch {
    return []; // not a fragment this page wrote
  }
}
const replay = replayLines();
// A replay link opened on the page already open starts its session afresh.
window.addEventListener('hashchange', () => newSession(replayLines()));
newSession(replay);
