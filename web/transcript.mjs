// Reading the words to draw out of what the shell printed. Nothing here
// computes a braid: every word below is one the shell printed (or the line
// the user typed, which the caller turns into letters through the core).
//
// An exchange is one menu key with everything typed and printed until the
// next menu: { key, lines: [the typed lines after the key], output }.

const RULE = '='.repeat(80);

// The text of a word that the shell wrapped: its continuation lines begin
// with five blanks, which are not part of the word.
function unwrap(text) {
  return text.replace(/\n {5}/g, '');
}

// The letters of a printed word; "1" is the empty braid.
function lettersOf(text) {
  return text.replace(/[^A-Za-z]/g, '');
}

// The text between LEAD and the next END after it (the end of the output when
// there is none), or null when OUTPUT does not hold LEAD.
function textAfter(output, lead, end = '\n') {
  const at = output.indexOf(lead);
  if (at < 0) {
    return null;
  }
  const from = at + lead.length;
  const to = output.indexOf(end, from);
  return output.slice(from, to < 0 ? undefined : to);
}

// The steps of key H, in order: for each numbered line, the word and the
// handle marked in it, letters first..last (1-based, inclusive; 0 and 0 on
// the last line, which shows the reduced word). The handle stands between
// the two dots of a step line; long lines go on in lines of five blanks.
export function handleSteps(output) {
  const start = output.indexOf('i.e., one always reduces the leftmost handle.\n');
  if (start < 0) {
    return [];
  }
  const prompt = output.indexOf('    > ', start);
  const end = output.indexOf(RULE, prompt);
  if (prompt < 0 || end < 0) {
    return [];
  }
  const lines = output.slice(prompt + 6, end).split('\n');
  const steps = [];
  for (const line of lines) {
    const step = /^ *(\d+): (.*)$/.exec(line);
    if (step) {
      steps.push({ number: Number(step[1]), text: step[2] });
    } else if (steps.length > 0 && line.startsWith('     ')) {
      steps[steps.length - 1].text += line.slice(5);
    }
  }
  return steps.map(({ number, text }) => {
    const dot = text.indexOf('.');
    if (dot < 0) {
      return { number, word: lettersOf(text), first: 0, last: 0 };
    }
    const before = lettersOf(text.slice(0, dot));
    const close = text.indexOf('.', dot + 1);
    const inside = lettersOf(close < 0 ? text.slice(dot + 1) : text.slice(dot + 1, close));
    return {
      number,
      word: lettersOf(text),
      first: before.length + 1,
      last: before.length + inside.length,
    };
  });
}

// The reduced quotient inverse(B1).B2 that key C printed: its letters ("" for
// "We have B1 = B2."), or null when the output holds no comparison.
export function comparisonQuotient(output) {
  if (output.includes('We have B1 = B2.')) {
    return '';
  }
  const leads = ['We have B1 < B2, since inverse(B1).B2 = ', 'We have B1 > B2, namely B2 = B1 * '];
  for (const lead of leads) {
    const text = textAfter(output, lead, ',\n');
    if (text !== null) {
      return lettersOf(unwrap(text));
    }
  }
  return null;
}

// The decomposition line that key N printed (without its two leading
// blanks), or null.
export function symmetricText(output) {
  return textAfter(output, 'The symmetric normal decomposition is\n  ');
}

// The alternating normal form that key A printed, or null; "??ined" (a
// braid that is not positive) gives null as well, there is no form to draw.
export function alternatingForm(output) {
  const text = textAfter(output, 'The alternating normal form is ');
  return text === null || text.includes('?') ? null : lettersOf(text);
}

// Whether OUTPUT ends at the prompt of the main menu.
export function atMainMenu(output) {
  return output.endsWith(' Q\n    > ');
}

// Splits a session into exchanges. SESSION is a list of { line, output }:
// each typed line with what the shell printed after it. An exchange begins
// with a line typed at the main menu, whose first character is the key, and
// is complete once the menu is shown again.
export function exchanges(opening, session) {
  const result = [];
  let atMenu = atMainMenu(opening);
  let current = null;
  for (const { line, output } of session) {
    if (atMenu) {
      current = { key: line.charAt(0), lines: [], output: '', complete: false };
      result.push(current);
    } else if (current) {
      current.lines.push(line);
    }
    atMenu = atMainMenu(output);
    if (current) {
      current.output += output;
      current.complete = atMenu;
    }
  }
  return result;
}
