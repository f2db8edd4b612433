// Reads every export of every puzzle of a collection back with readers made by others and
// checks that each gives the same size, blocks, numbers, answers and clues as the ipuz export.
//
//   node readers.mjs QUERNFOLD-CLI COLLECTION.QF3 SCRATCH-FOLDER
//
// The readers: @xwordly/xword-parser for all three formats, @confuzzle/readpuz for the raw
// strings of .puz, and @confuzzle/writepuz to recompute the .puz checksums. Where a reader
// departs from its format's own definition, the check follows the definition:
//  - xword-parser hands the stored .puz clues to all across entries first and then to the down
//    entries; the format stores them in number order, across before down at the same number.
//    So its .puz grid and numbering are used, and the clue strings are taken from readpuz.
//  - xword-parser numbers an .xd grid treating '_' (no cell) as a white cell; the format says
//    '_' is no cell at all. So the raw .xd sections are compared, not its numbering.
//  - writepuz always counts the author and copyright strings in the text checksums, even empty;
//    the format counts them only when they are not empty. So its header, solution and grid
//    checksums are compared, and the text checksums are left to the program's own tests.
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { parse, parseXd } from "@xwordly/xword-parser";
import readpuzModule from "@confuzzle/readpuz";
import writepuzModule from "@confuzzle/writepuz";

const { readpuz } = readpuzModule;
const { writepuz } = writepuzModule;
const [cli, collection, scratch] = process.argv.slice(2);
let failures = 0, passes = 0;

function check(ok, what) {
  if (ok) passes++;
  else { failures++; console.log("FAIL " + what); }
}
function same(a, b, what) {
  const ok = JSON.stringify(a) === JSON.stringify(b);
  check(ok, what + (ok ? "" : "\n  got      " + JSON.stringify(a) + "\n  expected " + JSON.stringify(b)));
}

function exportSlot(slot, ext) {
  const out = path.join(scratch, `slot${slot}.${ext}`);
  const r = spawnSync(cli, ["export", collection, String(slot), "--out", out], { encoding: "utf8" });
  if (r.status !== 0) return null;
  return out;
}

// The reference: the ipuz export read as plain JSON.
function reference(file) {
  const j = JSON.parse(fs.readFileSync(file, "utf8"));
  const cells = j.puzzle.map((row, r) => row.map((p, c) => {
    if (p === null) return { kind: "omitted" };
    if (p === "#") return { kind: "block" };
    const number = typeof p === "object" ? p.cell : p;
    return { kind: "letter", number, solution: j.solution[r][c] };
  }));
  const clues = (list) => list.map((c) => ({ number: c.number, text: c.clue, answer: c.answer }));
  return { title: j.title, notes: j.notes || "", width: j.dimensions.width, height: j.dimensions.height, cells,
           across: clues(j.clues.Across), down: clues(j.clues.Down) };
}

// A reader's grid: per cell "block", "none" (no cell: an ipuz omitted cell) or [letter, number].
function unifiedGrid(grid) {
  return grid.cells.map((row) => row.map((c) => c.isBlack ? "block" : c.solution == null ? "none" : [c.solution, c.number || 0]));
}
// The same from the reference; `omitted` is what the format makes of a cell outside the shape.
function referenceGrid(ref, omitted) {
  return ref.cells.map((row) => row.map((c) => c.kind === "letter" ? [c.solution, c.number || 0] : c.kind === "block" ? "block" : omitted));
}
const numberedClues = (list) => list.map((c) => [c.number, c.text]);

function checkIpuz(ref, file, name) {
  const p = parse(fs.readFileSync(file, "utf8"), { filename: path.basename(file) });
  same([p.grid.width, p.grid.height], [ref.width, ref.height], name + " size");
  same(unifiedGrid(p.grid), referenceGrid(ref, "none"), name + " grid");
  same(numberedClues(p.clues.across), numberedClues(ref.across), name + " across clues");
  same(numberedClues(p.clues.down), numberedClues(ref.down), name + " down clues");
  same(p.title, ref.title, name + " title");
}

function checkPuz(ref, file, name) {
  const bytes = fs.readFileSync(file);
  const p = parse(bytes, { filename: path.basename(file) });
  same([p.grid.width, p.grid.height], [ref.width, ref.height], name + " size");
  same(unifiedGrid(p.grid), referenceGrid(ref, "block"), name + " grid and numbers");
  // The stored clues, assigned in the format's order.
  const raw = readpuz(bytes);
  const slots = [...p.clues.across.map((c) => [c.number, 0]), ...p.clues.down.map((c) => [c.number, 1])]
    .sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  same(raw.clues.length, slots.length, name + " clue count");
  const across = [], down = [];
  slots.forEach(([number, isDown], k) => (isDown ? down : across).push([number, raw.clues[k]]));
  same(across, numberedClues(ref.across), name + " across clues");
  same(down, numberedClues(ref.down), name + " down clues");
  same(raw.title, ref.title, name + " title");
  same(raw.note, ref.notes, name + " notes");
  // Checksums recomputed by another writer from the fields the reader found.
  const again = Buffer.from(writepuz({ ...raw, author: raw.author || "", copyright: raw.copyright || "" }));
  same(bytes.readUInt16LE(0x0e), again.readUInt16LE(0x0e), name + " header checksum");
  for (const at of [0x11, 0x12, 0x15, 0x16]) same(bytes[at], again[at], name + " masked checksum byte " + at);
  same(bytes.subarray(0x34).toString("hex"), again.subarray(0x34).toString("hex"), name + " boards and strings");
}

function checkXd(ref, file, name) {
  const x = parseXd(fs.readFileSync(file, "utf8"));
  const rebus = {};
  for (const pair of (x.metadata.rebus || "").split(/\s+/).filter(Boolean)) {
    const eq = pair.indexOf("=");
    rebus[pair.slice(0, eq)] = pair.slice(eq + 1);
  }
  same([x.grid[0].length, x.grid.length], [ref.width, ref.height], name + " size");
  const grid = x.grid.map((row) => row.map((ch) => ch === "_" ? "omitted" : ch === "#" ? "block" : rebus[ch] || ch));
  same(grid, ref.cells.map((row) => row.map((c) => c.kind === "letter" ? c.solution : c.kind)), name + " grid");
  const clues = (list) => list.map((c) => [Number(c.number), c.clue, c.answer]);
  const expected = (list) => list.map((c) => [c.number, c.text, c.answer.replace(/ /g, "")]);
  same(clues(x.across), expected(ref.across), name + " across clues and answers");
  same(clues(x.down), expected(ref.down), name + " down clues and answers");
  same(x.metadata.title, ref.title, name + " title");
  same(x.notes || "", ref.notes, name + " notes");
}

fs.mkdirSync(scratch, { recursive: true });
const slots = Math.floor(fs.statSync(collection).size / 69623);
for (let slot = 0; slot < slots; slot++) {
  const files = {};
  for (const ext of ["ipuz", "puz", "xd"]) {
    files[ext] = exportSlot(slot, ext);
    check(files[ext] !== null, `slot ${slot}: export to .${ext}`);
  }
  if (!files.ipuz) continue;
  const ref = reference(files.ipuz);
  for (const [ext, run] of [["ipuz", checkIpuz], ["puz", checkPuz], ["xd", checkXd]]) {
    if (!files[ext]) continue;
    try { run(ref, files[ext], `slot ${slot} .${ext}`); }
    catch (e) { check(false, `slot ${slot} .${ext}: ${e.message}`); }
  }
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures === 0 && passes > 0 ? 0 : 1);
