// The engine compiled to WebAssembly, with texts as JavaScript strings. The
// page and the tests under node use the same wrapper, so what the tests
// compare is what the page shows.
//
//   const engine = await loadEngine(createTamrisk, options);
//
// `createTamrisk` is the module factory of tamrisk.js; `options` go to it
// (under node, { wasmBinary } with the bytes of tamrisk.wasm).

export async function loadEngine(createTamrisk, options = {}) {
  const m = await createTamrisk(options);

  // Calls `f` with each text copied into the module's memory as UTF-8, as
  // a pointer and a length in bytes: a NUL inside a text is passed on as the
  // native program reads it. When the module has no room for a text, the
  // call is refused before any text is copied.
  function withTexts(texts, f) {
    const args = [];
    try {
      for (const text of texts) {
        const size = m.lengthBytesUTF8(text);
        const p = m._malloc(size + 1);
        if (p === 0) {
          throw new RangeError(`a text of ${size} bytes does not fit into the engine's memory`);
        }
        args.push(p, size);
      }
      texts.forEach((text, i) => m.stringToUTF8(text, args[2 * i], args[2 * i + 1] + 1));
      return f(...args);
    } finally {
      for (let i = 0; i < args.length; i += 2) m._free(args[i]);
    }
  }
  // The bytes of the text the module just returned, as they are, and as
  // text. A call that ran out of memory returns no text (null), or -1 for a
  // number.
  const outOfMemory = () => new RangeError('the engine ran out of memory');
  const decoder = new TextDecoder();
  const bytes = (p) => m.HEAPU8.slice(p, p + m._tamrisk_returned_size());
  const text = (p) => {
    if (p === 0) throw outOfMemory();
    return decoder.decode(m.HEAPU8.subarray(p, p + m._tamrisk_returned_size()));
  };

  return {
    // One calculation run over the seven texts of the input controls:
    // { param1, param2, output } (the rewritten entries and the result text)
    // and `failed` when the result is one of the two failure messages,
    // `invalidInput` when some input was invalid.
    calculate(fields, thisYear, asBytes = false) {
      if (fields.length !== 7) throw new Error('seven input texts expected');
      const status = withTexts(fields, (...p) => m._tamrisk_calculate(...p, thisYear));
      if (status === -1) throw outOfMemory();
      const read = asBytes ? bytes : text;
      return {
        failed: (status & 1) !== 0,
        invalidInput: (status & 2) !== 0,
        param1: read(m._tamrisk_run_text(0)),
        param2: read(m._tamrisk_run_text(1)),
        output: read(m._tamrisk_run_text(2)),
      };
    },

    // The lists for two masks: { prefixes, blankPrefixIndex, units, filters }.
    lists(prefixMask, unitMask) {
      const [blank, prefixes, units, filters] =
        withTexts([prefixMask, unitMask], (...p) => text(m._tamrisk_lists(...p))).split('\f');
      return {
        blankPrefixIndex: Number(blank),
        prefixes: prefixes.split('\n'),
        units: units.split('\n'),
        filters: filters.split('\n'),
      };
    },

    // What the customisation offers: the prefix and unit texts by position
    // (0-based here), the unit box grid (rows of 1-based unit positions), the
    // first spare unit position, the default masks and the entries for no
    // prefix, no unit and no filter.
    catalogue() {
      const [prefixes, units, grid, firstSpare, prefixMask, unitMask, noPrefix, noUnit, noFilter] =
        text(m._tamrisk_catalogue()).split('\f');
      const positions = grid.split(',').map(Number);
      const columns = positions.length / 10;
      const rows = [];
      for (let r = 0; r < 10; ++r) rows.push(positions.slice(r * columns, (r + 1) * columns));
      return {
        prefixes: prefixes.split('\n'),
        units: units.split('\n'),
        unitGrid: rows,
        firstSpareUnitPosition: Number(firstSpare),
        defaultPrefixMask: prefixMask,
        defaultUnitMask: unitMask,
        noPrefix,
        noUnit,
        noFilter,
      };
    },

    // The explanation of a prefix and a unit; '' when neither has one.
    explanation(prefix, unit) {
      return withTexts([prefix, unit], (...p) => text(m._tamrisk_explanation(...p)));
    },

    formulaDocument() {
      return text(m._tamrisk_formula_document());
    },

    // The search in the formula list document: back to the top, or one
    // click forward (down) or backward. Returns the 1-based position (in
    // UTF-16 characters) of the match to select, or 0 when the selection
    // stays.
    searchReset() {
      m._tamrisk_search_reset();
    },
    search(down, keyword) {
      const position = withTexts([keyword], (...k) => m._tamrisk_search(down ? 1 : 0, ...k));
      if (position === -1) throw outOfMemory();
      return position;
    },

    // The units parameter `parameter` (1 or 2) may take beside the other
    // parameter's unit, under the result-unit filter, in catalogue order:
    // [{ unit, formulas, hidden }], hidden when the unit mask leaves it out.
    unitsBeside(parameter, otherUnit, filterUnit, unitMask) {
      const lines = withTexts([otherUnit, filterUnit, unitMask],
                              (...p) => text(m._tamrisk_units_beside(parameter, ...p)));
      return lines === '' ? [] : lines.split('\n').map((line) => {
        const [unit, formulas, hidden] = line.split('\t');
        return { unit, formulas: Number(formulas), hidden: hidden === '1' };
      });
    },
  };
}
