// The runtime's text type: an immutable sequence of 16-bit code units.
// Short texts (the game's labels and numbers) live inside the object, so building them
// during an update allocates nothing; longer texts fall back to the heap.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class String {
 public:
  // Texts up to this many code units need no heap memory.
  static constexpr int kInlineCapacity = 47;

  String() noexcept;
  // Each byte of a C string becomes one code unit (0-255): ASCII and Latin-1 literals.
  String(const char* bytes);     // NOLINT(google-explicit-constructor): literals read naturally
  String(const char16_t* text);  // NOLINT(google-explicit-constructor)
  String(const char16_t* data, int length);
  explicit String(std::u16string_view text);
  String(const String& other);
  String(String&& other) noexcept;
  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;
  ~String();

  static String FromBytes(const char* data, int length);
  static String FromInt(int value);      // as the C format "%i"
  static String FromFloat(float value);  // "%.17lg", with ".0" when neither "." nor "e" appears
  static String Repeat(const String& unit, int count);

  int Length() const { return unitCount; }
  bool IsEmpty() const { return unitCount == 0; }
  const char16_t* Data() const { return heap ? heap : inlineUnits; }
  char16_t operator[](int index) const { return Data()[index]; }
  std::u16string_view View() const { return {Data(), static_cast<size_t>(unitCount)}; }

  String operator+(const String& other) const;
  friend String operator+(const String& text, int value);
  friend String operator+(const String& text, float value);
  friend String operator+(const char* bytes, const String& text);

  bool operator==(const String& other) const { return View() == other.View(); }
  bool operator!=(const String& other) const { return !(*this == other); }

  // Code units [begin, end), both clamped to the text.
  String Slice(int begin, int end) const;
  String Slice(int begin) const { return Slice(begin, unitCount); }
  // Position of the first occurrence at or after `from`, or -1.
  int Find(const String& needle, int from = 0) const;
  bool StartsWith(const String& prefix) const;
  bool EndsWith(const String& suffix) const;
  // ASCII letters lowered; every other code unit unchanged.
  String ToLower() const;
  // Each code unit cut to its low 8 bits: the form used for console lines, the shell and reports.
  std::string Narrow() const;

 private:
  void Assign(const char16_t* data, int length);
  char16_t* Allocate(int length);

  int unitCount = 0;
  char16_t* heap = nullptr;
  char16_t inlineUnits[kInlineCapacity + 1] = {};
};

// Appends code units into a growing text; used where a long text is assembled piece by piece
// (the saved-state string). Reuses its storage between Clear calls.
class StringBuilder {
 public:
  void Append(const String& text) { units.append(text.View()); }
  void Append(int value);
  void Append(char16_t unit) { units.push_back(unit); }
  void Clear() { units.clear(); }
  String ToString() const { return String(std::u16string_view(units)); }
  int Length() const { return static_cast<int>(units.size()); }

 private:
  std::u16string units;
};
