// The WebAssembly build through createKorvel(): every golden transcript
// gives the native bytes, whole or fed line by line, a session typed by a
// person gets the notes on what was done with the lines, and the words the
// page draws are read correctly from what the shell printed.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { before, describe, test } from 'node:test';

import { haveNative, loadKorvel, native, transcripts, webDir } from './support.mjs';

const { alternatingForm, comparisonQuotient, exchanges, handleSteps, symmetricText } = await import(
  join(webDir, 'transcript.mjs')
);

const names = readdirSync(transcripts)
  .filter((name) => name.endsWith('.in'))
  .map((name) => name.slice(0, -3))
  .sort();

let korvel;
before(async () => {
  korvel = await loadKorvel();
});

// The lines of an input text as the shell reads them: a line feed, a
// carriage return or both end a line; a last line without an end still counts.
function linesOf(text) {
  const lines = text.split(/\r\n|\r|\n/);
  if (lines[lines.length - 1] === '') {
    lines.pop();
  }
  return lines;
}

// A whole session fed line by line, not by a person, then ended as the
// input ends.
async function feedAll(lines) {
  const session = await korvel.open({ interactive: false });
  let output = session.opening;
  for (const line of lines) {
    if (session.ended) {
      break;
    }
    output += await session.feed(line);
  }
  output += await session.close();
  return output;
}

describe('golden transcripts', () => {
  test('there are transcripts to run', () => {
    assert.ok(names.length >= 20, `only ${names.length} transcripts found in ${transcripts}`);
  });
  for (const name of names) {
    test(`${name}: run() gives the bytes of ${name}.out`, async () => {
      const input = readFileSync(join(transcripts, `${name}.in`));
      const expected = readFileSync(join(transcripts, `${name}.out`));
      const output = Buffer.from(await korvel.run(input));
      assert.ok(output.equals(expected), `${name}: output differs from the golden transcript`);
    });
    test(`${name}: fed line by line, the session prints the same bytes`, async () => {
      const input = readFileSync(join(transcripts, `${name}.in`), 'latin1');
      const expected = readFileSync(join(transcripts, `${name}.out`), 'latin1');
      assert.equal(await feedAll(linesOf(input)), expected);
    });
  }
});

describe('sessions', () => {
  test('each session starts afresh: tables built in one are gone in the next', async () => {
    const built = await korvel.run('B\n1\nM\nQ\n');
    assert.match(built, /Values of mu3 for the 3 positive braids of B_3 of length at most 1:/);
    const fresh = await korvel.run('M\nQ\n');
    assert.match(fresh, /Values of mu3 for the 0 positive braids of B_3 of length at most 0:/);
  });

  test('each answer stops at the next prompt, and Q ends the session', async () => {
    const session = await korvel.open();
    assert.ok(session.opening.endsWith(' Q\n    > '));
    assert.ok((await session.feed('C')).endsWith('    > B1 = '));
    assert.equal(await session.feed('ab'), '    > B2 = ');
    const answer = await session.feed('ba');
    assert.ok(answer.startsWith('We have B1 < B2, since inverse(B1).B2 = aB,\n'));
    assert.ok(answer.endsWith(' Q\n    > '));
    assert.equal(await session.feed('Q'), '\n');
    assert.equal(session.ended, true);
    assert.equal(await session.feed('h'), '');
  });

  test('feed sends one line: text after a line end inside it is not read', async () => {
    const session = await korvel.open();
    assert.ok((await session.feed('C\nQ')).endsWith('    > B1 = '));
    assert.equal(await session.feed('a\r\nQ'), '    > B2 = ');
    assert.match(await session.feed('a'), /We have B1 = B2\./);
    assert.equal(session.ended, false);
  });

  test('a computation abandoned at the bound is caught, and the session goes on', async () => {
    const long = readFileSync(join(transcripts, 'symmetric_bound.in'), 'latin1').split('\n')[1];
    const session = await korvel.open();
    await session.feed('N');
    const answer = await session.feed(long);
    assert.match(answer, /^The braid exceeds the bound of 2000 crossings; the computation was abandoned\.\n/m);
    assert.ok(answer.endsWith(' Q\n    > '));
    assert.match(await session.feed('h'), /Explanations about this program/);
  });
});

describe('a session typed by a person', () => {
  const HOW = '; a braid word is written with a..z (sigma_1..sigma_26) and A..Z (their inverses).';
  const ASKAGAIN =
    'Please answer R (original Ravelind ordering), F (flipped Ravelind ordering) or U (Dubrovina-Dubrovin ordering).';

  test('a Tietze list at a braid prompt gets its note before the next prompt', async () => {
    const session = await korvel.open();
    await session.feed('C');
    assert.equal(await session.feed('[1, 2]'), `Note: ignored "[", "1", ",", "2", "]"${HOW}\n    > B2 = `);
    assert.ok((await session.feed('ab')).startsWith('We have B1 < B2, since inverse(B1).B2 = ab,\n'));
  });

  test('a line of 300 characters is noted as cut, key A on aB says why', async () => {
    const session = await korvel.open();
    await session.feed('H');
    const steps = await session.feed('a'.repeat(300));
    assert.ok(steps.startsWith('Note: the line was cut at 255 characters; 45 more characters were dropped.\n   0: '));
    await session.feed('A');
    assert.ok(
      (await session.feed('aB')).startsWith(
        'The alternating normal form is ??ined\nNote: the alternating normal form is defined for positive braids only',
      ),
    );
  });

  test('the ordering is asked again until one is named', async () => {
    const session = await korvel.open();
    await session.feed('O');
    assert.equal(await session.feed('x'), `${ASKAGAIN}\n> `);
    assert.equal(await session.feed(''), `${ASKAGAIN}\n> `);
    assert.ok((await session.feed('F')).startsWith('From now on, the ordering is the flipped R-ordering.\n'));
  });

  test('the same lines through run() give the native bytes, without a note', async () => {
    const input = `C\n[1, 2]\nab\nH\n${'a'.repeat(300)}\nA\naB\nO\nx\nQ\n`;
    const output = await korvel.run(input);
    assert.doesNotMatch(output, /Note|Please answer/);
    assert.match(output, /From now on, the ordering is \.\n/);
    if (haveNative) {
      assert.ok(Buffer.from(output).equals(native(input)));
    }
  });
});

describe('against the native program', { skip: !haveNative && 'no native korvel built' }, () => {
  const inputs = {
    'handle reduction of long words that wrap': `H\n${'aBcAbC'.repeat(30)}\nH\n${'abAB'.repeat(60)}\nQ\n`,
    'a long quotient that wraps': `C\n\n${'a'.repeat(140)}\nC\n${'ab'.repeat(100)}\n${'ba'.repeat(100)}\nQ\n`,
    'the study keys after a build of bound 4': 'B\n4\nM\nS\nI\nab\nb\nQ\n',
    'normal forms of wide braids': `N\n${'zyxwvutsrqponmlkjihgfedcba'}\nA\nabcabcbcb\nN\nabcdefghijkl\nQ\n`,
    'orderings and unknown keys': 'O\nU\nC\n\nb\nO\nf\nC\na\nb\nZ\nx\n\nQ\n',
  };
  for (const [title, input] of Object.entries(inputs)) {
    test(title, async () => {
      const output = Buffer.from(await korvel.run(input));
      assert.ok(output.equals(native(input)), `${title}: the WebAssembly output differs`);
    });
  }
});

describe('the words the page draws', () => {
  test('key H: every step with the handle between its dots', async () => {
    const output = await korvel.run('H\naBAbaBAb\nQ\n');
    const steps = handleSteps(output).map(({ number, word, first, last }) => [number, word, first, last]);
    assert.deepEqual(steps, [
      [0, 'aBAbaBAb', 1, 3],
      [1, 'BAbbaBAb', 2, 5],
      [2, 'BbaaBBAb', 1, 2],
      [3, 'aaBBAb', 2, 5],
      [4, 'aBAAbb', 1, 3],
      [5, 'BAbAbb', 0, 0],
    ]);
  });

  test('key H: step lines longer than 80 letters are joined again', async () => {
    const typed = `${'ab'.repeat(50)}A`;
    const output = await korvel.run(`H\n${typed}\nQ\n`);
    assert.match(output, /\n {5}[a-zA-Z.]/, 'the output has no continuation line');
    const steps = handleSteps(output);
    assert.equal(steps[0].word, typed);
    assert.equal(steps[0].number, 0);
    assert.ok(steps.every((step, i) => step.number === i));
    for (const step of steps.slice(0, -1)) {
      assert.ok(step.first >= 1 && step.last > step.first && step.last <= step.word.length);
      const handle = step.word.slice(step.first - 1, step.last);
      assert.equal(handle[0].toLowerCase(), handle[handle.length - 1].toLowerCase());
      assert.notEqual(handle[0], handle[handle.length - 1], 'a handle ends with opposite signs');
    }
    assert.equal(steps[steps.length - 1].first, 0);
  });

  test('key H abandoned at the bound: the steps shown so far, each with its handle', async () => {
    const grows = readFileSync(join(transcripts, 'compare_bound.in'), 'latin1').split('\n')[2];
    const output = await korvel.run(`H\n${grows}\nQ\n`);
    assert.match(output, /The braid exceeds the bound of 2000 crossings; the computation was abandoned\./);
    const steps = handleSteps(output);
    assert.ok(steps.length >= 1);
    assert.equal(steps[0].word, grows.replace(/[^A-Za-z]/g, ''));
    assert.ok(steps.every((step) => step.first > 0), 'no step is a reduced word');
  });

  test('key H on the empty word: one step, the unit', async () => {
    assert.deepEqual(handleSteps(await korvel.run('H\n\nQ\n')), [{ number: 0, word: '', first: 0, last: 0 }]);
  });

  test('key C: the reduced quotient, also when it wraps', async () => {
    assert.equal(comparisonQuotient(await korvel.run('C\nabc\nA\nQ\n')), 'CBAA');
    assert.equal(comparisonQuotient(await korvel.run('C\naba\nbab\nQ\n')), '');
    assert.equal(comparisonQuotient(await korvel.run(`C\n\n${'b'.repeat(70)}\nQ\n`)), 'b'.repeat(70));
    assert.equal(comparisonQuotient(await korvel.run('h\nQ\n')), null);
  });

  test('keys N and A: the printed forms, Delta written out by the core', async () => {
    const symmetric = symmetricText(await korvel.run('N\nabab\nQ\n'));
    assert.equal(symmetric, '...D..b');
    assert.equal(korvel.symmetricWord(symmetric), 'abab');
    assert.equal(korvel.symmetricWord(symmetricText(await korvel.run('N\nABA\nQ\n'))), 'ABA');
    assert.equal(korvel.symmetricWord('.....'), '');
    assert.equal(korvel.symmetricWord('ab'), '', 'not a decomposition');
    assert.equal(alternatingForm(await korvel.run('A\nba\nQ\n')), 'ba');
    assert.equal(alternatingForm(await korvel.run('A\naB\nQ\n')), null, '??ined has no picture');
  });

  test('typed lines become the letters the shell reads', () => {
    assert.equal(korvel.typedWord('a b-A 1'), 'abA');
    assert.equal(korvel.typedWord('a'.repeat(300)), 'a'.repeat(255));
  });

  test('a session is cut into exchanges at the main menu', async () => {
    const session = await korvel.open();
    const log = [];
    for (const line of ['C', 'ab', 'ba', 'H', 'abA', 'O', 'R', 'N']) {
      log.push({ line, output: await session.feed(line) });
    }
    const all = exchanges(session.opening, log);
    assert.deepEqual(
      all.map(({ key, lines, complete }) => [key, lines, complete]),
      [
        ['C', ['ab', 'ba'], true],
        ['H', ['abA'], true],
        ['O', ['R'], true],
        ['N', [], false],
      ],
    );
  });
});

describe('pictures', () => {
  const letters = (svg) => (svg.match(/<g class="letter"/g) ?? []).length;
  test('one letter group per letter, the band only when a stretch is marked', () => {
    for (const word of ['', 'a', 'abA', 'aBcAbCBacbA']) {
      const svg = korvel.svg(word);
      assert.equal(letters(svg), word.length, word);
      assert.doesNotMatch(svg, /class="handle"/);
    }
    assert.match(korvel.svg('abA', 1, 3), /class="handle"/);
  });

  test('the same word gives the same bytes', () => {
    assert.equal(korvel.svg('aBcA', 2, 3), korvel.svg('aBcA', 2, 3));
    assert.equal(korvel.tikz('aBcA'), korvel.tikz('aBcA'));
  });

  test('a word past the bound of a braid gives no picture instead of stopping the module', () => {
    assert.equal(korvel.svg('a'.repeat(2001)), '');
    assert.equal(letters(korvel.svg('ab')), 2, 'the module still works');
  });
});
