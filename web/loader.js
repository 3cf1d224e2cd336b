// Loading the engine's module: its instantiation from the code that
// index.html began to compile, or, where that could not be (a server that
// does not call the file application/wasm), from the file's bytes.
import { loadEngine } from './engine.js';

// The engine (engine.js) over the module of tamrisk.js; rejects when the
// module can be neither compiled nor fetched, as the module's loader would
// otherwise wait for ever.
export function loadTamrisk() {
  let fail;
  const failed = new Promise((_, reject) => { fail = reject; });
  const compiled = globalThis.tamriskCompiled;
  const instantiateWasm = (imports, receive) => {
    (compiled ?? Promise.reject(new Error('not compiled yet')))
      .catch(() => fetch('tamrisk.wasm').then((r) => r.arrayBuffer()).then((b) => WebAssembly.compile(b)))
      .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
      .catch(fail);
    return {};
  };
  return Promise.race([loadEngine(globalThis.createTamrisk, { instantiateWasm }), failed]);
}
