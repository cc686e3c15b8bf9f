// What the page's scripts use that the browser's own types leave out: the
// module object that program.js hands the Emscripten runtime (which adds
// ccall to it once the program is loaded), and the few newer browser
// features the scripts look for before they use them. Read by TypeScript's
// check alone (jsconfig.json); the page carries no such file.

// The arguments ccall passes: a JavaScript string becomes a C string (null
// a null pointer), an array its bytes, a number an int.
type CcallType = 'number' | 'string' | 'array';
type CcallValue = number | string | null | Uint8Array;

// The module as program.js makes it (Emscripten's hooks and the page's
// half of page.h, each PAGE_ function calling one onBellscope<Event>), and
// ccall, which the runtime adds to it.
interface BellscopeModule {
  canvas: HTMLElement | null;
  print(text: string): void;
  printErr(text: string): void;
  onRuntimeInitialized(): void;
  instantiateWasm(
    imports: WebAssembly.Imports,
    receive: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void,
  ): WebAssembly.Exports;
  onAbort(what: unknown): void;
  onBellscopeStarted(): void;
  onBellscopeState(state: BellscopeState): void;
  onBellscopeEnded(): void;
  onBellscopeFailed(reason: TextKey): void;
  onBellscopeViewRefused(refusal: string): void;
  onBellscopeQuery(): string;
  onBellscopeBase(): string;
  onBellscopeScanlines(bytes: Uint8Array<ArrayBuffer>): void;
  onBellscopePicture(bytes: Uint8Array<ArrayBuffer>): void;
  onBellscopeCurves(values: Float64Array): void;
  ccall(name: string, returns: 'number', types: CcallType[], values: CcallValue[]): number;
  ccall(name: string, returns: 'string', types: CcallType[], values: CcallValue[]): string;
  ccall(name: string, returns: null, types: CcallType[], values: CcallValue[]): void;
}

interface Window {
  Module: BellscopeModule;
}

interface Document {
  // Whether the host lets the page use a feature, where the browser says.
  permissionsPolicy?: { allowsFeature(feature: string): boolean };
  featurePolicy?: { allowsFeature(feature: string): boolean };
}

interface Uint8ArrayConstructor {
  // Where the browser has it.
  fromBase64?(text: string): Uint8Array<ArrayBuffer>;
}
