"use strict";
(function () {
  var data = JSON.parse(document.getElementById("puzzle-data").textContent);
  var W = data.w, H = data.h;
  document.documentElement.style.setProperty("--cols", String(W));

  // The answers: one character per letter cell, row by row, unscrambled as they were scrambled.
  function unscramble(text, seed) {
    var raw = atob(text), bytes = new Uint8Array(raw.length), state = seed;
    for (var i = 0; i < raw.length; i++) {
      state = (Math.imul(state, 1103515245) + 12345) & 0x7fffffff;
      bytes[i] = raw.charCodeAt(i) ^ ((state >>> 16) & 0xff);
    }
    return Array.from(new TextDecoder("utf-8").decode(bytes));
  }
  var answerChars = unscramble(data.answers, data.seed);

  // cells[i]: null outside the shape or on a block; else {i, r, c, n, given, answer, fill, el, entries}
  var cells = [], letterCells = [];
  data.cells.forEach(function (d, i) {
    if (d === 0 || d === 1) { cells.push(null); return; }
    var cell = { i: i, r: Math.floor(i / W), c: i % W, n: d.n || 0, given: d.g || "",
                 answer: answerChars[letterCells.length] || "", fill: "", revealed: false, wrong: false,
                 across: null, down: null };
    if (cell.given) cell.fill = cell.given;
    cells.push(cell);
    letterCells.push(cell);
  });
  function cellAt(r, c) { return r < 0 || c < 0 || r >= H || c >= W ? null : cells[r * W + c]; }

  var entries = [];
  function addEntries(list, across) {
    list.forEach(function (e) {
      var entry = { n: e.n, across: across, clue: e.clue, enumeration: e.enum, cells: [] };
      for (var k = 0; k < e.len; k++) {
        var cell = cellAt(e.r + (across ? 0 : k), e.c + (across ? k : 0));
        if (!cell) continue;
        entry.cells.push(cell);
        if (across && !cell.across) cell.across = entry;
        if (!across && !cell.down) cell.down = entry;
      }
      if (entry.cells.length) entries.push(entry);
    });
  }
  addEntries(data.across, true);
  addEntries(data.down, false);
  function label(entry) { return entry.n + " " + (entry.across ? "across" : "down"); }
  function clueText(entry) { return entry.clue + (entry.enumeration ? " (" + entry.enumeration + ")" : ""); }

  // Progress kept in the browser: the letters typed and which of them were revealed.
  var storeKey = "quernfold-solve:" + data.seed + ":" + data.answers.length + ":" + data.title;
  function save() {
    try {
      localStorage.setItem(storeKey, JSON.stringify(letterCells.map(function (c) {
        return [c.fill, c.revealed ? 1 : 0, c.wrong ? 1 : 0];
      })));
    } catch (e) { /* storage closed: solving still works, it is just not kept */ }
  }
  function load() {
    try {
      var saved = JSON.parse(localStorage.getItem(storeKey) || "null");
      if (!Array.isArray(saved) || saved.length !== letterCells.length) return;
      saved.forEach(function (s, k) {
        var cell = letterCells[k];
        if (cell.given || !Array.isArray(s)) return;
        cell.fill = typeof s[0] === "string" ? Array.from(s[0]).slice(0, 1).join("") : "";
        cell.revealed = !!s[1];
        cell.wrong = !!s[2];
      });
    } catch (e) { /* nothing kept */ }
  }

  // The grid.
  var grid = document.getElementById("grid");
  for (var r = 0; r < H; r++) {
    var row = document.createElement("div");
    row.setAttribute("role", "row");
    for (var c = 0; c < W; c++) {
      var d = data.cells[r * W + c], el = document.createElement("div");
      el.className = "cell";
      if (d === 0 || d === 1) {
        el.className += d === 0 ? " omitted" : " block";
        el.setAttribute("role", "gridcell");
        el.setAttribute("aria-label", d === 0 ? "outside the puzzle" : "black square");
      } else {
        var cell = cells[r * W + c];
        cell.el = el;
        el.setAttribute("data-i", String(r * W + c));
        el.setAttribute("role", "gridcell");
        el.tabIndex = -1;
        if (cell.n) {
          var num = document.createElement("span");
          num.className = "num";
          num.setAttribute("data-n", String(cell.n));
          num.setAttribute("aria-hidden", "true");
          el.appendChild(num);
        }
        var fill = document.createElement("span");
        fill.className = "fill";
        fill.setAttribute("aria-hidden", "true");
        el.appendChild(fill);
        if (cell.given) el.className += " given";
        el.addEventListener("click", onCellClick.bind(null, cell));
      }
      row.appendChild(el);
    }
    grid.appendChild(row);
  }

  // The clue lists.
  function buildList(listId, across) {
    var ol = document.getElementById(listId);
    entries.filter(function (e) { return e.across === across; }).forEach(function (entry) {
      var li = document.createElement("li");
      var button = document.createElement("button");
      button.type = "button";
      button.className = "clue";
      var n = document.createElement("span");
      n.className = "n";
      n.textContent = entry.n;
      // Read out, not shown: the list's heading says the direction to the eye.
      var spoken = document.createElement("span");
      spoken.className = "spoken";
      spoken.textContent = " " + (entry.across ? "across" : "down") + ", " + entry.cells.length + " letters, ";
      var t = document.createElement("span");
      t.textContent = clueText(entry);
      button.appendChild(n);
      button.appendChild(spoken);
      button.appendChild(t);
      button.addEventListener("click", function () { select(firstOpen(entry), entry.across, true); });
      li.appendChild(button);
      entry.li = button;
      ol.appendChild(li);
    });
  }
  buildList("across", true);
  buildList("down", false);

  var current = null, across = true;
  var status = document.getElementById("status");
  var currentBox = document.getElementById("current");

  function entryOf(cell, dirAcross) { return cell ? (dirAcross ? cell.across : cell.down) : null; }
  function currentEntry() { return entryOf(current, across) || entryOf(current, !across); }
  function firstOpen(entry) {
    for (var k = 0; k < entry.cells.length; k++) if (!entry.cells[k].fill) return entry.cells[k];
    return entry.cells[0];
  }

  function cellLabel(cell) {
    var entry = entryOf(cell, across) || entryOf(cell, !across);
    var parts = [];
    if (entry) {
      parts.push(label(entry) + ", " + entry.cells.length + " letters, " + clueText(entry));
      parts.push("letter " + (entry.cells.indexOf(cell) + 1) + " of " + entry.cells.length);
    }
    parts.push(cell.fill ? cell.fill : "blank");
    if (cell.wrong) parts.push("wrong");
    if (cell.revealed) parts.push("revealed");
    return parts.join(", ");
  }

  function draw() {
    var entry = currentEntry(), cross = current ? entryOf(current, !(entry && entry.across)) : null;
    letterCells.forEach(function (cell) {
      cell.el.querySelector(".fill").setAttribute("data-v", cell.fill);
      cell.el.classList.toggle("active", cell === current);
      cell.el.classList.toggle("in-word", !!entry && entry.cells.indexOf(cell) >= 0);
      cell.el.classList.toggle("wrong", cell.wrong);
      cell.el.classList.toggle("revealed", cell.revealed);
      cell.el.tabIndex = cell === (current || letterCells[0]) ? 0 : -1;
      cell.el.setAttribute("aria-label", cellLabel(cell));
      cell.el.setAttribute("aria-selected", cell === current ? "true" : "false");
    });
    entries.forEach(function (e) {
      e.li.classList.toggle("current", e === entry);
      e.li.classList.toggle("cross", e === cross && e !== entry);
    });
    currentBox.textContent = entry ? label(entry) + ": " + clueText(entry) : "";
    if (entry) followList(entry.li);
    if (cross) followList(cross.li);
  }
  function followList(button) {
    var li = button.parentNode, list = li.parentNode, top = li.offsetTop - list.offsetTop;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + li.offsetHeight > list.scrollTop + list.clientHeight) list.scrollTop = top + li.offsetHeight - list.clientHeight;
  }

  function select(cell, dirAcross, focus) {
    if (!cell) return;
    current = cell;
    across = entryOf(cell, dirAcross) ? dirAcross : !entryOf(cell, !dirAcross) ? dirAcross : !dirAcross;
    draw();
    if (focus !== false) cell.el.focus();
  }

  // A second click on the current cell turns the direction; the focus that the first click
  // gives the grid must not count as a first click.
  var currentAtPress = null;
  grid.addEventListener("mousedown", function () { currentAtPress = current; }, true);
  grid.addEventListener("touchstart", function () { currentAtPress = current; }, { capture: true, passive: true });
  function onCellClick(cell) {
    if (cell === currentAtPress && entryOf(cell, !across)) select(cell, !across);
    else select(cell, across);
    currentAtPress = current;
  }

  function step(dr, dc) {
    if (!current) return;
    var r = current.r + dr, c = current.c + dc;
    while (r >= 0 && c >= 0 && r < H && c < W) {
      var next = cellAt(r, c);
      if (next) { select(next, across); return; }
      r += dr; c += dc;
    }
  }

  function moveInWord(delta) {
    var entry = currentEntry();
    if (!entry) return;
    var k = entry.cells.indexOf(current) + delta;
    while (k >= 0 && k < entry.cells.length && entry.cells[k].given) k += delta;
    if (k >= 0 && k < entry.cells.length) select(entry.cells[k], entry.across);
  }

  function nextWord(delta) {
    var entry = currentEntry(), k = entries.indexOf(entry) + delta;
    if (k < 0 || k >= entries.length) return false;
    select(firstOpen(entries[k]), entries[k].across);
    return true;
  }

  function put(letter) {
    if (!current) return;
    if (!current.given) {
      current.fill = letter.toUpperCase();
      current.wrong = false;
      current.revealed = false;
    }
    moveInWord(1);
    changed();
  }

  function backspace() {
    if (!current) return;
    if (current.fill && !current.given) {
      current.fill = "";
      current.wrong = false;
      current.revealed = false;
    } else {
      moveInWord(-1);
      if (!current.given) { current.fill = ""; current.wrong = false; current.revealed = false; }
    }
    changed();
  }

  function same(a, b) { return a.toUpperCase() === b.toUpperCase(); }

  function changed() {
    save();
    draw();
    var full = letterCells.every(function (c) { return c.fill; });
    if (full && letterCells.every(function (c) { return same(c.fill, c.answer); })) say("Well done: the puzzle is complete and right.");
    else if (full) say("The grid is full, but some letters are not right yet.");
    else say("");
  }
  function say(text) { if (status.textContent !== text) status.textContent = text; }

  function scope(name) {
    if (name === "letter") return current ? [current] : [];
    if (name === "word") { var e = currentEntry(); return e ? e.cells : []; }
    return letterCells;
  }

  function act(kind, name) {
    var list = scope(name);
    if (kind === "clear") {
      letterCells.forEach(function (c) { if (!c.given) { c.fill = ""; c.wrong = false; c.revealed = false; } });
      changed();
      return;
    }
    var wrong = 0;
    list.forEach(function (c) {
      if (kind === "reveal") {
        if (!c.given && !same(c.fill, c.answer)) { c.fill = c.answer; c.revealed = true; }
        c.wrong = false;
      } else if (c.fill && !same(c.fill, c.answer)) {
        c.wrong = true;
        wrong++;
      }
    });
    changed();
    if (kind === "check" && !status.textContent)
      say(wrong === 0 ? "No wrong letters." : wrong === 1 ? "1 wrong letter." : wrong + " wrong letters.");
  }

  document.querySelectorAll(".tools button").forEach(function (b) {
    b.addEventListener("mousedown", function (ev) { ev.preventDefault(); });  // keep the grid's focus
    b.addEventListener("click", function () {
      act(b.getAttribute("data-act"), b.getAttribute("data-scope"));
      if (current && b.getAttribute("data-scope") !== "puzzle") current.el.focus();
    });
  });

  grid.addEventListener("keydown", function (ev) {
    if (ev.ctrlKey || ev.metaKey || ev.altKey) return;
    var key = ev.key;
    if (!current) { select(letterCells[0], true, false); }
    if (key === "ArrowLeft" || key === "ArrowRight") {
      ev.preventDefault();
      if (!across && entryOf(current, true)) select(current, true);
      else step(0, key === "ArrowLeft" ? -1 : 1);
    } else if (key === "ArrowUp" || key === "ArrowDown") {
      ev.preventDefault();
      if (across && entryOf(current, false)) select(current, false);
      else step(key === "ArrowUp" ? -1 : 1, 0);
    } else if (key === "Tab") {
      if (nextWord(ev.shiftKey ? -1 : 1)) ev.preventDefault();  // past the last word, Tab leaves the grid
    } else if (key === " ") {
      ev.preventDefault();
      if (entryOf(current, !across)) select(current, !across);
    } else if (key === "Backspace") {
      ev.preventDefault();
      backspace();
    } else if (key === "Delete") {
      ev.preventDefault();
      if (!current.given) { current.fill = ""; current.wrong = false; current.revealed = false; }
      changed();
    } else if (key === "Home" || key === "End") {
      ev.preventDefault();
      var e = currentEntry();
      if (e) select(key === "Home" ? e.cells[0] : e.cells[e.cells.length - 1], e.across);
    } else if (Array.from(key).length === 1 && /\S/.test(key)) {
      ev.preventDefault();
      put(key);
    }
  });
  // Coming into the grid with Tab: the cursor starts where it was, or on the first square.
  grid.addEventListener("focusin", function (ev) {
    if (!current && ev.target.classList.contains("cell")) {
      var cell = cells[Number(ev.target.getAttribute("data-i"))];
      select(cell || letterCells[0], true, false);
    }
  });

  // The on-screen keyboard for touch screens and narrow windows.
  var keyboard = document.getElementById("keyboard");
  ["QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"].forEach(function (keys, k) {
    var row = document.createElement("div");
    row.className = "row";
    Array.from(keys).forEach(function (ch) { row.appendChild(keyButton(ch, ch, function () { put(ch); })); });
    if (k === 2) {
      row.insertBefore(keyButton("\u21c4", "Turn direction", function () { if (current && entryOf(current, !across)) select(current, !across, false); }, true), row.firstChild);
      row.appendChild(keyButton("\u232b", "Backspace", backspace, true));
    }
    keyboard.appendChild(row);
  });
  function keyButton(text, name, action, wide) {
    var b = document.createElement("button");
    b.type = "button";
    b.textContent = text;
    b.tabIndex = -1;
    b.setAttribute("aria-label", name);
    if (wide) b.className = "wide";
    b.addEventListener("mousedown", function (ev) { ev.preventDefault(); });
    b.addEventListener("click", function () { if (!current) select(letterCells[0], true, false); action(); });
    return b;
  }

  load();
  current = null;
  draw();
  changed();
})();
