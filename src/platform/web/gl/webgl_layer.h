// The program's OpenGL 1.1 and GLU calls, drawn through WebGL 2. The layer defines, with C
// linkage, the GL 1.1 entry points the demo uses and draws them with one shader program of its
// own (emscripten keeps WebGL's own calls reachable as emscripten_gl*):
//
//   immediate mode   glBegin/glEnd with all ten primitives, glVertex3f, glColor3f, glColor4f,
//                    glTexCoord2f; the current colour and texture coordinate carry over; colours
//                    clamped to [0, 1]; smooth and flat shading (glShadeModel)
//   matrices         model-view, projection and texture stacks: glMatrixMode, glLoadIdentity,
//                    glLoadMatrixf, glMultMatrixf, glTranslatef, glRotatef, glScalef,
//                    glPushMatrix, glPopMatrix; gluPerspective and gluLookAt multiply the current
//                    matrix as GLU does, a near plane of 0 included (every depth is then 1)
//   display lists    glGenLists, glNewList (GL_COMPILE, GL_COMPILE_AND_EXECUTE), glEndList,
//                    glCallList, glDeleteLists
//   attributes       glPushAttrib/glPopAttrib for current values, enables, colour and depth
//                    buffer, fog, hints, shading, culling, read buffer, matrix mode, viewport,
//                    texture binding and the bound texture's parameters;
//                    glPushClientAttrib/glPopClientAttrib for the pixel store
//   textures         glGenTextures, glBindTexture, glDeleteTextures, glIsTexture, glTexImage2D and
//                    glTexSubImage2D (every GL 1.1 internal format, unsigned bytes in any colour
//                    format), glTexParameteri (filters; GL_REPEAT, GL_CLAMP, GL_CLAMP_TO_EDGE),
//                    glTexEnvi (GL_MODULATE), glPixelStorei; an incomplete texture draws as if
//                    texturing were off, as in GL 1.1
//   per fragment     GL_MODULATE texturing, fog (GL_LINEAR, GL_EXP, GL_EXP2) on the eye-space
//                    depth as Mesa computes it, blending (GL 1.1's factors), depth test, culling
//   the rest         glEnable/glDisable/glIsEnabled (GL_TEXTURE_2D, GL_BLEND, GL_DEPTH_TEST,
//                    GL_CULL_FACE, GL_FOG, GL_DITHER), glBlendFunc, glDepthFunc, glCullFace,
//                    glPolygonMode (GL_FILL), glHint, glFog*, glClear*, glViewport, glReadBuffer
//                    (GL_BACK), glReadPixels (colour, unsigned bytes, any colour format),
//                    glGetIntegerv, glGetString, glGetError, glFinish
//
// Not implemented: lighting and normals, materials, alpha and stencil tests, scissor, colour and
// depth masks, texture generation, the GL_REPLACE, GL_DECAL and GL_BLEND environments, 1D
// textures, texture borders and border colours (GL_CLAMP clamps to the edge), vertex arrays,
// points and lines wider than 1, polygon modes other than fill, stipples, the accumulation
// buffer, reading depth or the front buffer, selection and feedback, evaluators, and the other
// forms (glVertex2f, glColor3ub ...) of the commands above. A GL 1.1 enum the layer does not
// implement is refused with GL_INVALID_ENUM and never reaches WebGL, whose error reports the
// browser stops giving after a few. Other gl* calls reach emscripten's WebGL bindings directly
// and are outside this layer.
#pragma once

// Starts the layer on the WebGL 2 context made current just before: builds its program and
// buffers and sets GL 1.1's initial state (identity matrices, white current colour, depth test
// off with GL_LESS, fog density 1, the viewport the whole canvas ...). Everything a previous
// start made is forgotten. False, with the reason on stderr, when WebGL refuses the program.
bool webglLayerStart();
// Brings the layer back in its WebGL 2 context after the browser lost it and restored it, made
// current just before: the program and buffers are built again and every texture object is
// made again from the pixels the layer kept; the GL 1.1 state, the display lists and the names
// stay as the program left them. False, with the reason on stderr, when WebGL refuses the program.
bool webglLayerRestore();
