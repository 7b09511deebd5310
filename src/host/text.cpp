// The 16-bit text type and the runtime's rules for turning numbers into text.
#include "host/text.h"

#include <cstdio>
#include <cstring>

String::String() noexcept = default;

String::String(const char* bytes) {
  const int length = bytes ? static_cast<int>(std::strlen(bytes)) : 0;
  char16_t* units = Allocate(length);
  for (int i = 0; i < length; ++i) units[i] = static_cast<unsigned char>(bytes[i]);
}

String::String(const char16_t* text) {
  int length = 0;
  if (text) {
    while (text[length] != 0) ++length;
  }
  Assign(text, length);
}

String::String(const char16_t* data, int length) {
  Assign(data, length);
}

String::String(std::u16string_view text) {
  Assign(text.data(), static_cast<int>(text.size()));
}

String::String(const String& other) {
  Assign(other.Data(), other.unitCount);
}

String::String(String&& other) noexcept : unitCount(other.unitCount), heap(other.heap) {
  if (!heap) std::memcpy(inlineUnits, other.inlineUnits, sizeof(inlineUnits));
  other.heap = nullptr;
  other.unitCount = 0;
  other.inlineUnits[0] = 0;
}

String& String::operator=(const String& other) {
  if (this != &other) {
    String copy(other);
    *this = std::move(copy);
  }
  return *this;
}

String& String::operator=(String&& other) noexcept {
  if (this != &other) {
    delete[] heap;
    unitCount = other.unitCount;
    heap = other.heap;
    if (!heap) std::memcpy(inlineUnits, other.inlineUnits, sizeof(inlineUnits));
    other.heap = nullptr;
    other.unitCount = 0;
    other.inlineUnits[0] = 0;
  }
  return *this;
}

String::~String() {
  delete[] heap;
}

char16_t* String::Allocate(int length) {
  if (length < 0) length = 0;
  unitCount = length;
  char16_t* units = inlineUnits;
  if (length > kInlineCapacity) {
    heap = new char16_t[static_cast<size_t>(length) + 1];
    units = heap;
  }
  units[length] = 0;
  return units;
}

void String::Assign(const char16_t* data, int length) {
  char16_t* units = Allocate(data ? length : 0);
  if (length > 0) std::memcpy(units, data, sizeof(char16_t) * static_cast<size_t>(length));
}

String String::FromBytes(const char* data, int length) {
  String text;
  char16_t* units = text.Allocate(data ? length : 0);
  for (int i = 0; i < text.unitCount; ++i) units[i] = static_cast<unsigned char>(data[i]);
  return text;
}

String String::FromInt(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof(buffer), "%i", value);
  return String(buffer);
}

String String::FromFloat(float value) {
  char buffer[40];
  std::snprintf(buffer, sizeof(buffer) - 2, "%.17lg", static_cast<double>(value));
  if (!std::strchr(buffer, '.') && !std::strchr(buffer, 'e')) std::strcat(buffer, ".0");
  return String(buffer);
}

String String::Repeat(const String& unit, int count) {
  String text;
  if (count <= 0 || unit.unitCount == 0) return text;
  char16_t* units = text.Allocate(unit.unitCount * count);
  for (int i = 0; i < count; ++i) {
    std::memcpy(units + i * unit.unitCount, unit.Data(), sizeof(char16_t) * unit.unitCount);
  }
  return text;
}

String String::operator+(const String& other) const {
  String joined;
  char16_t* units = joined.Allocate(unitCount + other.unitCount);
  std::memcpy(units, Data(), sizeof(char16_t) * static_cast<size_t>(unitCount));
  std::memcpy(units + unitCount, other.Data(),
              sizeof(char16_t) * static_cast<size_t>(other.unitCount));
  return joined;
}

String operator+(const String& text, int value) {
  return text + String::FromInt(value);
}

String operator+(const String& text, float value) {
  return text + String::FromFloat(value);
}

String operator+(const char* bytes, const String& text) {
  return String(bytes) + text;
}

String String::Slice(int begin, int end) const {
  if (begin < 0) begin = 0;
  if (end > unitCount) end = unitCount;
  if (end <= begin) return String();
  return String(Data() + begin, end - begin);
}

int String::Find(const String& needle, int from) const {
  if (from < 0) from = 0;
  if (from > unitCount) return -1;
  const size_t at = View().find(needle.View(), static_cast<size_t>(from));
  return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

bool String::StartsWith(const String& prefix) const {
  return prefix.unitCount <= unitCount && View().substr(0, prefix.unitCount) == prefix.View();
}

bool String::EndsWith(const String& suffix) const {
  return suffix.unitCount <= unitCount &&
         View().substr(unitCount - suffix.unitCount) == suffix.View();
}

String String::ToLower() const {
  String lowered(*this);
  char16_t* units = lowered.heap ? lowered.heap : lowered.inlineUnits;
  for (int i = 0; i < unitCount; ++i) {
    if (units[i] >= u'A' && units[i] <= u'Z') units[i] = static_cast<char16_t>(units[i] + 32);
  }
  return lowered;
}

std::string String::Narrow() const {
  std::string bytes(static_cast<size_t>(unitCount), '\0');
  const char16_t* units = Data();
  for (int i = 0; i < unitCount; ++i) bytes[i] = static_cast<char>(units[i] & 0xFF);
  return bytes;
}

void StringBuilder::Append(int value) {
  Append(String::FromInt(value));
}
