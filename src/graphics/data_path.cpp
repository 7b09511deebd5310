// The path rule that places bare asset names in the game's data folder.
#include "graphics/image.h"

String ResolveDataPath(const String& path) {
  // A ":/" whose slash is the first slash belongs to a scheme or a drive prefix.
  const int schemeEnd = path.Find(":/");
  if (schemeEnd >= 0 && path.Find("/") == schemeEnd + 1) return path;
  if (path.StartsWith("./") || path.StartsWith("/")) return path;
  return "vindle://data/" + path;
}
