// Debug-build reporting of OpenGL errors.
#include "graphics/gl_check.h"

#ifndef NDEBUG
#include <cstdio>

#include <GLFW/glfw3.h>

void CheckGlError(const char* call) {
  // OpenGL keeps few error flags; the bound only guards against a context that keeps failing.
  for (int i = 0; i < 8; ++i) {
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) return;
    std::fprintf(stderr, "OpenGL error 0x%04X after %s\n", error, call);
  }
}
#endif
