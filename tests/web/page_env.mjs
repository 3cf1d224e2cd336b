// What the page tests share: the site and tamrisk-cli they are given, the
// year they calculate in, and what the native command line writes.
import { execFileSync } from 'node:child_process';

export const Site = process.env.TAMRISK_SITE;
export const Cli = process.env.TAMRISK_CLI;
if (!Site || !Cli) throw new Error('TAMRISK_SITE and TAMRISK_CLI must name the site folder and tamrisk-cli');
export const Year = new Date().getFullYear();
export const NoFilter = ' 指定なし';

// What tamrisk-cli --batch writes for the seven texts of the input controls.
export function native(fields) {
  const out = execFileSync(Cli, ['--batch', '--this-year', String(Year)],
                           { input: fields.join('\t') + '\n', encoding: 'utf8' });
  return JSON.parse(out);
}
