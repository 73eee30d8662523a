// The demo's page: the page's parts, then tamsirel itself.
import { startProgram } from './program.js';

startProgram({ script: 'tamsirel.js' });
