// What the tests of the page share: where the built page, the golden
// transcripts and the native program are, and how to run the native program.
import { spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
export const repository = resolve(here, '..', '..');
export const webDir = resolve(process.env.KORVEL_WEB_DIR ?? join(repository, 'build-web'));
export const transcripts = join(repository, 'tests', 'transcripts');
export const nativeBinary = process.env.KORVEL_BINARY ?? join(repository, 'build', 'korvel');
export const haveNative = existsSync(nativeBinary);

// The native program's whole output for the input text, as bytes.
export function native(input) {
  const result = spawnSync(nativeBinary, [], { input, maxBuffer: 1 << 28 });
  if (result.status !== 0) {
    throw new Error(`${nativeBinary} ended with status ${result.status}`);
  }
  return result.stdout;
}

export async function loadKorvel() {
  const { createKorvel } = await import(join(webDir, 'korvel.mjs'));
  return createKorvel();
}
