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
  // The text the module just returned: its bytes as they are, as text, and
  // read as JSON. A call that ran out of memory returns no text (null), or
  // -1 for a number.
  const outOfMemory = () => new RangeError('the engine ran out of memory');
  const decoder = new TextDecoder();
  const bytes = (p) => m.HEAPU8.slice(p, p + m._tamrisk_returned_size());
  const text = (p) => {
    if (p === 0) throw outOfMemory();
    return decoder.decode(m.HEAPU8.subarray(p, p + m._tamrisk_returned_size()));
  };
  const json = (p) => JSON.parse(text(p));
  // The texts of the last calculation, by name.
  const RunText = { param1: 0, param2: 1, output: 2 };

  return {
    // One calculation run over the seven texts of the input controls:
    // { param1, param2, output } (the rewritten entries and the result text;
    // their UTF-8 bytes with `asBytes`) and `failed` when the result is one
    // of the two failure messages, `invalidInput` when some input was
    // invalid.
    calculate(fields, thisYear, asBytes = false) {
      if (fields.length !== 7) throw new Error('seven input texts expected');
      const status = withTexts(fields, (...p) => m._tamrisk_calculate(...p, thisYear));
      if (status === -1) throw outOfMemory();
      const read = asBytes ? bytes : text;
      return {
        failed: (status & 1) !== 0,
        invalidInput: (status & 2) !== 0,
        param1: read(m._tamrisk_run_text(RunText.param1)),
        param2: read(m._tamrisk_run_text(RunText.param2)),
        output: read(m._tamrisk_run_text(RunText.output)),
      };
    },

    // The formula of each line of the result text that `calculate` gives
    // for the same texts: [{ title, formulas, own, bindings, substitution,
    // documentLine }], none for a message. `formulas` has the line's own
    // formula first where `own`; documentLine is the line of the formula
    // list document (split at CR LF, 0 the empty one before the header)
    // that holds the title.
    lineFormulas(fields, thisYear) {
      if (fields.length !== 7) throw new Error('seven input texts expected');
      return withTexts(fields, (...p) => json(m._tamrisk_line_formulas(...p, thisYear)));
    },

    // The lists for two masks, { prefixes, units, filters }, and the entry
    // each selects when the lists are made, { prefixIndex, unitIndex,
    // filterIndex }.
    lists(prefixMask, unitMask) {
      return withTexts([prefixMask, unitMask], (...p) => json(m._tamrisk_lists(...p)));
    },

    // Masks kept in the browser as the program uses them: a malformed one is
    // the default. { prefixMask, unitMask }
    usableMasks(prefixMask, unitMask) {
      return withTexts([prefixMask, unitMask], (...p) => json(m._tamrisk_usable_masks(...p)));
    },

    // The masks from the customisation's boxes 1..100 (true when ticked):
    // { prefixMask, unitMask }.
    masksFromTicks(ticked) {
      const ticks = ticked.map((t) => (t ? '1' : '0')).join('');
      return withTexts([ticks], (...p) => json(m._tamrisk_masks_from_ticks(...p)));
    },

    // What the customisation offers: the prefix and unit texts by position
    // (0-based here), the unit box grid (rows of 1-based unit positions), the
    // first spare unit position, the default masks, the entries for no
    // prefix, no unit and no filter, and the 組合せ候補 button's tip.
    catalogue() {
      return json(m._tamrisk_catalogue());
    },

    // The explanation of a prefix and a unit; '' when neither has one.
    explanation(prefix, unit) {
      return withTexts([prefix, unit], (...p) => text(m._tamrisk_explanation(...p)));
    },

    formulaDocument() {
      return text(m._tamrisk_formula_document());
    },

    // The search in the formula list document: back to the top, or one
    // click forward (down) or backward: { position } of the match to select
    // (1-based, in UTF-16 characters), or position 0 and the note that says
    // why the selection stays.
    searchReset() {
      m._tamrisk_search_reset();
    },
    search(down, keyword) {
      return withTexts([keyword], (...k) => json(m._tamrisk_search(down ? 1 : 0, ...k)));
    },

    // The units parameter `parameter` (1 or 2) may take beside the other
    // parameter's unit, under the result-unit filter, in catalogue order:
    // [{ unit, formulas, hidden }], hidden when the unit mask leaves it out.
    unitsBeside(parameter, otherUnit, filterUnit, unitMask) {
      return withTexts([otherUnit, filterUnit, unitMask],
                       (...p) => json(m._tamrisk_units_beside(parameter, ...p)));
    },

    // 組合せ候補 for the chosen units and filter: { popup, note }. The popup
    // is { heading, columns, focusParameter }, parameter 1's column first,
    // each { parameter, title, items: [{ unit, text, hidden }], empty }; the
    // note is the tip, or after a calculation that no formula answered
    // (noFormula) what would have answered.
    partnerHint(unit1, unit2, filterUnit, unitMask, noFormula) {
      return withTexts([unit1, unit2, filterUnit, unitMask],
                       (...p) => json(m._tamrisk_partner_hint(...p, noFormula ? 1 : 0)));
    },

    // The kept calculations, as the record format's text that the page
    // stores (engine/history.h). historyRead: { entries: [{ fields, time,
    // result }] latest first, damaged (lines that could not be read),
    // limit }. historyAdd: { text, added } with the calculation of the seven
    // `fields` and its whole result text added. historyRemove: the text
    // without the entry `latest` places before the latest.
    historyRead(stored) {
      return withTexts([stored], (...p) => json(m._tamrisk_history_read(...p)));
    },
    historyAdd(stored, fields, time, output) {
      if (fields.length !== 7) throw new Error('seven input texts expected');
      return withTexts([stored, ...fields, time, output], (...p) => json(m._tamrisk_history_add(...p)));
    },
    historyRemove(stored, latest) {
      return withTexts([stored], (...p) => text(m._tamrisk_history_remove(...p, latest)));
    },

    // The address fragment (without "#") for the seven input texts, and the
    // seven texts a fragment carries: { fields }, { reason } when nothing is
    // to be filled, {} when there is no fragment.
    linkEncode(fields) {
      if (fields.length !== 7) throw new Error('seven input texts expected');
      return withTexts(fields, (...p) => text(m._tamrisk_link_encode(...p)));
    },
    linkDecode(fragment) {
      return withTexts([fragment], (...p) => json(m._tamrisk_link_decode(...p)));
    },

    // Before a unit the lists hide is shown for parameter `parameter`:
    // { question, yes, no, unitMask } (the unit mask with the unit shown), or
    // null for a text that is no catalogue unit.
    showUnit(parameter, unit, unitMask) {
      return withTexts([unit, unitMask], (...p) => json(m._tamrisk_show_unit(parameter, ...p)));
    },
  };
}
