// OpenGL error checks for debug builds: each check names the call it follows and reports any
// error OpenGL recorded. Release builds compile them away.
#pragma once

#ifdef NDEBUG
inline void CheckGlError(const char*) {}
#else
void CheckGlError(const char* call);
#endif
