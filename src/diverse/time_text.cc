// Duration texts and the local date line.
#include "diverse/time_text.h"

#include <ctime>

#include "diverse/text_format.h"

namespace diverse {

int get_hours(int seconds) { return seconds / 3600; }
int get_minutes(int seconds) { return (seconds % 3600) / 60; }
int get_seconds(int seconds) { return (seconds % 3600) % 60; }

std::string time_to_hms(int seconds) {
  return formatted("%02i:%02i:%02i h", get_hours(seconds),
                   get_minutes(seconds), get_seconds(seconds));
}

std::string time_to_hm(int seconds) {
  return formatted("%02i:%02i h", get_hours(seconds), get_minutes(seconds));
}

std::string time_to_min(int seconds) {
  // hours * 60 + minutes cannot overflow: |hours| <= 596523.
  return formatted("%i:%02i min",
                   get_hours(seconds) * 60 + get_minutes(seconds),
                   get_seconds(seconds));
}

std::string local_date_text() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  // asctime's fixed form, without its undefined behaviour for odd years.
  std::strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y\n", &local);
  return text;
}

}  // namespace diverse
