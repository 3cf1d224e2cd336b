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

  // Calls `f` with the texts copied into the module's memory as UTF-8.
  function withTexts(texts, f) {
    const pointers = texts.map((text) => {
      const size = m.lengthBytesUTF8(text) + 1;
      const p = m._malloc(size);
      m.stringToUTF8(text, p, size);
      return p;
    });
    try {
      return f(...pointers);
    } finally {
      for (const p of pointers) m._free(p);
    }
  }
  const text = (p) => m.UTF8ToString(p);
  // The UTF-8 bytes of a text the module returned, as they are.
  const bytes = (p) => m.HEAPU8.slice(p, m.HEAPU8.indexOf(0, p));

  return {
    // One calculation run over the seven texts of the input controls:
    // { param1, param2, output } (the rewritten entries and the result text)
    // and `failed` when the result is one of the two failure messages,
    // `invalidInput` when some input was invalid.
    calculate(fields, thisYear, asBytes = false) {
      if (fields.length !== 7) throw new Error('seven input texts expected');
      const status = withTexts(fields, (...p) => m._tamrisk_calculate(...p, thisYear));
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
        withTexts([prefixMask, unitMask], (a, b) => text(m._tamrisk_lists(a, b))).split('\f');
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
      return withTexts([prefix, unit], (a, b) => text(m._tamrisk_explanation(a, b)));
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
      return withTexts([keyword], (k) => m._tamrisk_search(down ? 1 : 0, k));
    },

    // The units parameter `parameter` (1 or 2) may take beside the other
    // parameter's unit, under the result-unit filter, in catalogue order:
    // [{ unit, formulas, hidden }], hidden when the unit mask leaves it out.
    unitsBeside(parameter, otherUnit, filterUnit, unitMask) {
      const lines = withTexts([otherUnit, filterUnit, unitMask],
                              (o, f, k) => text(m._tamrisk_units_beside(parameter, o, f, k)));
      return lines === '' ? [] : lines.split('\n').map((line) => {
        const [unit, formulas, hidden] = line.split('\t');
        return { unit, formulas: Number(formulas), hidden: hidden === '1' };
      });
    },
  };
}
