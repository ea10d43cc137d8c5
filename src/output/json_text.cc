// Log bytes to UTF-8, with RapidJSON's decoder judging each sequence.
#include "output/json_text.h"

#include <rapidjson/encodings.h>

#include <algorithm>

namespace {

// A stream over the bytes that yields '\0' past their end, which no
// multi-byte sequence accepts, so that a cut sequence fails to decode.
class bounded_bytes {
 public:
  using Ch = char;
  bounded_bytes(const char* begin, const char* end) : next(begin), end(end) {}
  Ch Take() { return next < end ? *next++ : '\0'; }
  const char* position() const { return next; }

 private:
  const char* next;
  const char* end;
};

// The length of the UTF-8 sequence that lead begins (the text is valid).
size_t sequence_length(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  return lead < 0xF0 ? 3 : 4;
}

// One character to UTF-8 output.
struct string_sink {
  using Ch = char;
  void Put(Ch c) { text.push_back(c); }
  std::string& text;
};

}  // namespace

std::string json_text(std::string_view bytes) {
  std::string result;
  result.reserve(bytes.size());
  string_sink sink{result};
  const char* const end = bytes.data() + bytes.size();
  const char* start = bytes.data();
  while (start < end) {
    bounded_bytes stream(start, end);
    unsigned code_point = 0;
    if (rapidjson::UTF8<>::Decode(stream, &code_point)) {
      result.append(start, stream.position());
      start = stream.position();
    } else {
      rapidjson::UTF8<>::Encode(sink, static_cast<unsigned char>(*start));
      ++start;
    }
  }
  return result;
}

std::string json_plain_text(std::string_view raw_name) {
  // Most names are ASCII, which is UTF-8 as it stands.
  const bool ascii = std::all_of(raw_name.begin(), raw_name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80;
  });
  const std::string decoded = ascii ? std::string() : json_text(raw_name);
  const std::string_view text = ascii ? raw_name : std::string_view(decoded);
  std::string plain;
  plain.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    // Bytes of a multi-byte sequence are never a caret: they pass one by
    // one.
    if (text[i] != '^') {
      plain += text[i++];
    } else if (i + 1 == text.size()) {
      ++i;
    } else if (text[i + 1] == '^') {
      plain += text[i++];
    } else {
      i += 1 + sequence_length(static_cast<unsigned char>(text[i + 1]));
    }
  }
  return plain;
}

std::string_view json_log_name(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
