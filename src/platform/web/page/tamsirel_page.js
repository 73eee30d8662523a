// tamsirelPage: the page as the program, the console and the tests reach it; it is set on window
// here and nowhere else.
//
// The program's calls (src/platform/web/*.cpp, through EM_JS):
//   dialog.*              the setup dialog: open, add, place, show, setChecked, checked, focus,
//                         nextEvent, close, and the font's averageCharWidth and lineHeight
//   messageBox(text, caption, buttons, icon)   a box; resolves with the answer
//   music.init(), .open(name), .play(handle)   the soundtrack; play resolves with protocol's
//                         kPlay*
//   files.listed(name), .head(name), .arrived(name), .await(name)   the pack's files as they
//                         arrive: in the pack's list; their first bytes, from the list (null: not
//                         in the pack); whether one can be read now; resolves once it can, the
//                         page saying what the demo waits for meanwhile
//   startPlayback()       "Let's GO!": the demo's window is about to be made
//   demoWindow.*          its window: viewportWidth/Height, enterFullscreen, leaveFullscreen,
//                         showCursor, create, show, remove, nextMessage, postSize
//   nextFrame()           the swap: resolves once the frame is on screen, with the WebGL
//                         context's state (page_protocol.h's kContext*)
// The runtime's (program.js): progress(status), ended(status), stopped(reason).
// The console's and the tests':
//   sync()                { demo, music }: the demo's time in the last frame shown and the
//                         soundtrack heard then, in seconds (music: null while none is heard)
//   frames.lastShown()    { shows, at } of the last frame shown, on the page's clock, in ms
//   frames.lagMs()        the picture's lag behind the demo's counter
//   music.state()         the audio context's state; 'none' when there is none (before the
//                         program opens its sound, and after the end)
//   window.tamsirelExitStatus   the program's exit status once it has ended ('stopped' when the
//                         page stopped it)
import * as dialog from './classic_dialog.js';
import * as demoWindow from './demo_window.js';
import * as downloads from './downloads.js';
import * as frames from './frame_times.js';
import { messageBox } from './message_box.js';
import * as music from './music.js';
import * as panel from './panel.js';
import { end, nextFrame, startPlayback } from './playback.js';
import { whileWaiting } from './waiting.js';

// The runtime's status lines; the data package's loader reports "(loaded/total)" bytes.
function progress(status) {
  const bytes = /\((\d+)\/(\d+)\)/.exec(status || '');
  if (bytes) panel.showProgress(Number(bytes[1]), Number(bytes[2]));
  if (status === '') panel.hide();
}

function ended(status) {
  window.tamsirelExitStatus = status;
  console.log(`tamsirel: exited with status ${status}`);
  end('The demo has ended.', status === 0 ? '' : `Exit status ${status}.`);
}

function stopped(reason) {
  if (window.tamsirelExitStatus !== undefined) return;
  window.tamsirelExitStatus = 'stopped';
  console.error(`tamsirel: stopped: ${reason}`);
  end('The demo stopped.', String(reason));
}

export const tamsirelPage = Object.freeze({
  dialog,
  messageBox,
  music: Object.freeze({
    init: music.init, open: music.open, play: music.play, state: music.state,
  }),
  files: Object.freeze({
    listed: downloads.listed,
    head: downloads.headOf,
    arrived: downloads.arrived,
    await: (name) => whileWaiting(downloads.whenArrived(name)),
  }),
  startPlayback,
  demoWindow,
  nextFrame,
  progress,
  ended,
  stopped,
  sync: music.sync,
  frames: Object.freeze({ lastShown: frames.lastShown, lagMs: frames.lagMs }),
});

window.tamsirelPage = tamsirelPage;
