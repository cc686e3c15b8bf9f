// What the page's scripts use that the browser's own types leave out: the
// module object that program.js hands the Emscripten runtime (which adds
// cwrap to it once the program is loaded), the program's exports as the
// page calls them, and the few newer browser
// features the scripts look for before they use them. Read by TypeScript's
// check alone (jsconfig.json); the page carries no such file.

// The arguments a function of cwrap's passes: a JavaScript string becomes
// a C string (null a null pointer), an array its bytes, a number an int.
type CwrapType = 'number' | 'string' | 'array';

// The module as program.js makes it (Emscripten's hooks and the page's
// half of page.h, each PAGE_ function calling one onBellscope<Event>), and
// cwrap, which the runtime adds to it.
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
  cwrap(name: string, returns: 'number' | 'string' | null, takes: CwrapType[]): Function;
}

// The program's exports as program.js calls them (PROGRAM_EXPORTS), each
// BELLSCOPE_ and its name in page.h.
interface ProgramCalls {
  CONTROL(name: string, down: number): number;
  COLOURS(name: string): number;
  RESET(): void;
  PAGE_VIEW(base: string, query: string): string | null;
  NAMES(name: string): number;
  LINK(): string;
  SET_VALUE(which: string, text: string): string | null;
  CURVES(): void;
  CHALLENGE(seed: string): string | null;
  CHECK(): number;
  NEXT_ROUND(): number;
  LEAVE_CHALLENGE(): void;
  TRACK(query: string, halves: number): string | null;
  TRACK_STEP(half: string): string | null;
  LEAVE_TRACK(): void;
  RESTART(resume: string | null): void;
  PICTURE_SCANLINES(): void;
  PICTURE(bytes: Uint8Array, size: number): number;
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
  fromHex?(text: string): Uint8Array<ArrayBuffer>;
}
