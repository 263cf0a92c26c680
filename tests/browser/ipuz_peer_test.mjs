// Reads every stage of a set exported as ipuz with another project's parser, as a solving
// app would, and checks that it sees the grid, the answers, the clues and the keyword's
// circled cells that the files hold.
// Usage: node ipuz_peer_test.mjs WRIGHT PUZZLE.pzs WORK_FOLDER
import { parse } from "@xwordly/xword-parser";
import { execFileSync } from "node:child_process";
import { readdirSync, readFileSync } from "node:fs";
import path from "node:path";

const [wright, puzzleFile, work] = process.argv.slice(2);
const folder = path.join(work, "peer-ipuz");
execFileSync(wright, ["export", puzzleFile, "--format", "ipuz", "--out", folder]);
const keywordExtension = "http://wright.example.org/ipuz/keyword";

let failed = 0;
function check(name, condition) {
  console.log((condition ? "ok   " : "FAIL ") + name);
  if (!condition) failed++;
}

const files = readdirSync(folder).filter(name => name.endsWith(".ipuz")).sort();
check("the set has stages", files.length > 0);
let circledStages = 0;
for (const name of files) {
  const text = readFileSync(path.join(folder, name), "utf8");
  const own = JSON.parse(text);
  const peer = parse(text, { filename: name });
  const { width, height } = own.dimensions;
  check(`${name}: size ${width}x${height}`, peer.grid.width === width && peer.grid.height === height);
  const solution = peer.grid.cells.map(row => row.map(cell => cell.isBlack ? "#" : cell.solution));
  check(`${name}: every answer letter and wall`, JSON.stringify(solution) === JSON.stringify(own.solution));
  check(`${name}: every clue`, peer.clues.across.length === own.clues.Across.length &&
        peer.clues.down.length === own.clues.Down.length &&
        [...peer.clues.across, ...peer.clues.down].every(clue => clue.text.length > 0));
  const circled = [];
  peer.grid.cells.forEach((row, y) => row.forEach((cell, x) => { if (cell.isCircled) circled.push([x, y]); }));
  const keyword = own[keywordExtension];
  const marked = keyword ? keyword.cells : [];
  const sorted = cells => JSON.stringify([...cells].sort((a, b) => a[1] - b[1] || a[0] - b[0]));
  check(`${name}: circled cells are the keyword's ${sorted(marked)}`, sorted(circled) === sorted(marked));
  if (marked.length > 0) circledStages++;
}
check("a stage carries a keyword", circledStages > 0);
process.exit(failed === 0 ? 0 : 1);
