// Duration texts built from whole seconds, and the local date line of pages.
#ifndef MORV_DIVERSE_TIME_TEXT_H_
#define MORV_DIVERSE_TIME_TEXT_H_

#include <string>

namespace diverse {

// Components of a duration; division truncates toward zero.
int get_hours(int seconds);    // t / 3600
int get_minutes(int seconds);  // (t % 3600) / 60
int get_seconds(int seconds);  // (t % 3600) % 60

std::string time_to_hms(int seconds);  // "%02i:%02i:%02i h"
std::string time_to_hm(int seconds);   // "%02i:%02i h"
std::string time_to_min(int seconds);  // "%i:%02i min" (hours*60+minutes)

// The current local time in the C library's 24-character form followed by
// its line feed ("Sun Dec  6 21:54:18 2026\n"), as asctime gives it.
std::string local_date_text();

}  // namespace diverse

#endif  // MORV_DIVERSE_TIME_TEXT_H_
