// Korvel in JavaScript: the shell and core of the native program compiled to
// WebAssembly (korvel-core.wasm), wrapped for the page and for Node.
//
//   const korvel = await createKorvel();
//   await korvel.run(text)        the whole output of one session on the
//                                 input text, the same bytes as the native
//                                 program prints for that standard input
//   const s = await korvel.open() a session fed line by line by a person,
//                                 who is told what was done with the lines
//                                 (notes on characters ignored or a line
//                                 cut, an ordering asked again); open({
//                                 interactive: false }) prints the bytes of
//                                 run() instead
//     s.opening                   what it printed up to its first prompt
//     await s.feed(line)          what it printed after that line, up to and
//                                 including the next prompt (or to its end)
//     s.ended                     true once the session has ended (key Q or
//                                 the end of the input, s.close())
//   korvel.svg(word, first, last) the SVG picture of a braid word, letters
//                                 first..last (1-based, inclusive) marked
//   korvel.tikz(word, first, last) the TikZ picture of the same
//   korvel.typedWord(line)        the letters the shell reads from a line
//   korvel.symmetricWord(text)    the letters of a printed symmetric normal
//                                 decomposition, Delta written out
//
// Every session runs in a fresh instance of the module, so no table or
// option survives from one to the next, as with separate runs of the program.
import createKorvelCore from './korvel-core.mjs';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

function bytesOf(input) {
  if (typeof input === 'string') {
    return encoder.encode(input);
  }
  return new Uint8Array(input);
}

async function loadWasm() {
  const url = new URL('./korvel-core.wasm', import.meta.url);
  if (url.protocol === 'file:') {
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.compile(await readFile(url));
  }
  const response = await fetch(url);
  if (!response.ok) {
    throw new Error(`cannot load ${url}: ${response.status}`);
  }
  return WebAssembly.compile(await response.arrayBuffer());
}

// A fresh instance of the compiled module, with the hooks of the line reader.
function instantiate(wasmModule, hooks = {}) {
  return createKorvelCore({
    ...hooks,
    print() {},
    printErr() {},
    instantiateWasm(imports, receive) {
      WebAssembly.instantiate(wasmModule, imports).then((instance) => receive(instance, wasmModule));
      return {};
    },
  });
}

// The text at pointer P of length N in the instance's memory.
function textAt(core, p, n) {
  return decoder.decode(core.HEAPU8.subarray(p, p + n));
}

function callText(core, name, argTypes, args) {
  const p = core.ccall(name, 'number', argTypes, args);
  return textAt(core, p, core._KORVELRESULTLENGTH());
}

export async function createKorvel() {
  const wasmModule = await loadWasm();
  const tools = await instantiate(wasmModule);

  async function run(input) {
    const core = await instantiate(wasmModule);
    const bytes = bytesOf(input);
    const p = core._malloc(bytes.length + 1);
    core.HEAPU8.set(bytes, p);
    const q = core._KORVELRUN(p, bytes.length);
    const output = textAt(core, q, core._KORVELRESULTLENGTH());
    core._free(p);
    return output;
  }

  async function open({ interactive = true } = {}) {
    // What the session prints up to its next read is handed to whoever waits
    // for it; the line, once given, goes to the reader waiting in the module.
    let pending = null;
    let giveLine = null;
    const session = { opening: '', ended: false };
    const nextOutput = () =>
      new Promise((resolve, reject) => {
        pending = { resolve, reject };
      });
    const hooks = {
      korvelAwaitLine(bytes) {
        pending.resolve(decoder.decode(bytes));
        return new Promise((resolve) => {
          giveLine = resolve;
        });
      },
      korvelSessionEnded(bytes) {
        session.ended = true;
        pending.resolve(decoder.decode(bytes));
      },
    };
    const core = await instantiate(wasmModule, hooks);
    const first = nextOutput();
    core.ccall('KORVELSESSION', null, ['number'], [interactive ? 1 : 0], { async: true }).catch((error) => {
      session.ended = true;
      pending.reject(error);
    });
    session.opening = await first;
    // Hands LINE (null: the end of the input) to the waiting reader and
    // resolves to what the session prints next.
    const give = (line) => {
      if (session.ended) {
        return '';
      }
      const answer = nextOutput();
      const reader = giveLine;
      giveLine = null;
      reader(line);
      return answer;
    };
    let queue = Promise.resolve();
    const enqueue = (step) => {
      const result = queue.then(step);
      queue = result.catch(() => {});
      return result;
    };
    // One line: the text up to its first line end, if it has one.
    session.feed = (line) =>
      enqueue(() => give(encoder.encode(`${String(line).split(/\r|\n/, 1)[0]}\n`)));
    session.close = () => enqueue(() => give(null));
    return session;
  }

  const picture = (word, first, last, tikz) =>
    callText(tools, 'KORVELPICTURE', ['string', 'number', 'number', 'number'], [word, first, last, tikz]);

  return {
    run,
    open,
    svg: (word, first = 0, last = 0) => picture(word, first, last, 0),
    tikz: (word, first = 0, last = 0) => picture(word, first, last, 1),
    typedWord: (line) => callText(tools, 'KORVELTYPEDWORD', ['string'], [line]),
    symmetricWord: (text) => callText(tools, 'KORVELSYMMETRICWORD', ['string'], [text]),
    hasPictures: typeof tools._KORVELPICTURE === 'function',
  };
}
