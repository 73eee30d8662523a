// The element the page draws everything in: the dialog, the boxes, the demo's window and its
// controls. Fullscreen gives the screen to it, so that a box still shows over the demo.
export const stage = document.getElementById('stage');
