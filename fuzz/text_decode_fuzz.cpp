// Fuzz target: the text-file decoder on arbitrary bytes. Whatever decodes as UTF-8 must come
// back unchanged through the encoder and the decoder; the fallback keeps one unit per byte.
#include <cstdint>
#include <cstdlib>

#include "host/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DecodedText decoded = DecodeTextBytes(data, size);
  if (!decoded.validUtf8) {
    const bool marked = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
    const std::size_t expected = marked ? size - 3 : size;
    if (static_cast<std::size_t>(decoded.text.Length()) != expected) std::abort();
    return 0;
  }
  // A leading U+FEFF would be written as the UTF-8 mark and dropped when read.
  if (!decoded.text.IsEmpty() && decoded.text[0] == 0xFEFF) return 0;
  const std::string bytes = EncodeUtf8(decoded.text);
  const DecodedText again =
      DecodeTextBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  if (!again.validUtf8 || again.text != decoded.text) std::abort();
  return 0;
}
