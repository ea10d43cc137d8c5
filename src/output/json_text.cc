// Log bytes to UTF-8, with RapidJSON's decoder judging each sequence.
#include "output/json_text.h"

#include <rapidjson/encodings.h>

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
