// The common page head, footer and legend, and the table cell helpers.
#include "output/page_frame.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "config/configdata.h"
#include "diverse/funname.h"
#include "diverse/outputfile.h"
#include "diverse/text_format.h"

namespace {

// The opening tags of every td and th, with the attribute set only by
// set_attr and kept for the whole run, so that a run of cells can share
// one set_attr. Each thread that writes pages has its own: every page sets
// the attribute before its first cell, so a page comes out the same
// whichever thread writes it.
thread_local std::string td_open = "<td >";
thread_local std::string th_open = "<th >";
constexpr std::string_view TD_CLOSE = "</td>\r\n";
constexpr std::string_view TH_CLOSE = "</th>\r\n";

// Formats into a string of the needed length: a full-length coloured name
// must never be cut or overrun a fixed buffer. The string is overwritten
// by the next call.
const std::string& format_text(const char* format, va_list args) {
  thread_local std::string text;
  text.clear();
  append_vformat(text, format, args);
  return text;
}

// A cell's text goes up to its first NUL, as a %s of it would. The pages
// have millions of cells: the pieces go straight into the file's buffer.
void write_cell(outputfile& file, const std::string& open,
                std::string_view text, std::string_view close) {
  file.write(open);
  file.write(text.substr(0, text.find('\0')));
  file.write(close);
}

void write_cell_format(outputfile& file, const std::string& open,
                       std::string_view close, const char* format,
                       va_list args) {
  if (std::strchr(format, '%') == nullptr) {
    write_cell(file, open, format, close);
  } else {
    write_cell(file, open, format_text(format, args), close);
  }
}

void write_int_cell(outputfile& file, const std::string& open,
                    long long value, std::string_view close) {
  file.write(open);
  file.write_int(value);
  file.write(close);
}

void write_inline_style(outputfile& file, const configdata& config) {
  const char* text_size = config.font_size_text.c_str();
  file.write("<style>\r\n<!--\r\n");
  file.print(".text { color: #FFFFFF; font-family: Arial; font-size: %spt; "
             "text-align: center }\r\n", text_size);
  file.print(".title { color: #FFFFFF; font-family: Arial; font-size: %spt; "
             "text-align: center; font-weight: bold }\r\n",
             config.font_size_title.c_str());
  file.print("table td { color: #FFFFFF; font-family: Arial; "
             "font-size: %spt }\r\n", text_size);
  file.print("table th { color: #FFFFFF; font-family: Arial; "
             "font-size: %spt }\r\n", text_size);
  file.write("-->\r\n</style>\r\n");
}

}  // namespace

void write_header(outputfile& file, const configdata& config,
                  page_folder folder) {
  file.write("<html>\r\n<head>\r\n<title>Morv results</title>\r\n");
  if (config.css_present) {
    file.write(folder == IN_SUBFOLDER
                   ? "<LINK REL=StyleSheet HREF=\"../morv.css\" "
                     "TYPE=\"text/css\">"
                   : "<LINK REL=StyleSheet HREF=\"morv.css\" "
                     "TYPE=\"text/css\">");
  } else {
    write_inline_style(file, config);
  }
  file.write("</head>\r\n<body text=#FFFFFF bgcolor=#000000 class=text "
             "link=#FFFFFF vlink=#FFFFFF alink=#FFFFFF>\r\n");
}

void write_footer(outputfile& file, bool legend) {
  if (legend) write_legend(file);
  file.print("<p  align=center><a href=\"%s\" target=\"_blank\">"
             "<font color=#FF0000>Morv</font></a> %s, %s by "
             "<a href=\"mailto:%s\"><font color=#FFFFFF>%s</font></a></p>",
             MORV_HOME_ADDRESS, MORV_BUILD, MORV_BUILD_DATE, MORV_MAIL,
             MORV_AUTHOR);
  file.write("\r\n</body>\r\n</html>");
}

void write_legend(outputfile& file) {
  file.write(
      "<p>"
      "<b>Ratio</b> is calculated as (FPM - DPM)"
      "<br><b>Eff</b> is calculated as (100 * kills / (kills + total deaths))"
      "<br><b>Skill</b> is calculated as (kills / (total deaths + 1))"
      "<br><b>MKIOL</b> means \"Most Kills In One Life\""
      "<br><b>Suicides</b> - if you kill yourself with your own weapons"
      "<br><b>Deaths</b> - if you drown, fall, melt to death etc."
      "<br><b>T.deaths</b> is total deaths (killed + suicides + deaths)"
      "<br><b>FPM</b> is Frags Per Minute"
      "<br><b>DPM</b> is total Deaths Per Minute"
      "</p>");
}

void begin_table(outputfile& file, const char* attributes) {
  file.print("\r\n<table %s align=center>\r\n", attributes);
}

void end_table(outputfile& file) { file.write("</table>\r\n"); }

void set_attr(std::string_view attribute) {
  // The attribute goes into the tags up to its first NUL, as a %s of it
  // would.
  attribute = attribute.substr(0, attribute.find('\0'));
  td_open.assign("<td ").append(attribute).append(">");
  th_open.assign("<th ").append(attribute).append(">");
}

void td(outputfile& file, const char* format, ...) {
  va_list args;
  va_start(args, format);
  write_cell_format(file, td_open, TD_CLOSE, format, args);
  va_end(args);
}

void th(outputfile& file, const char* format, ...) {
  va_list args;
  va_start(args, format);
  write_cell_format(file, th_open, TH_CLOSE, format, args);
  va_end(args);
}

void td_int(outputfile& file, long long value) {
  write_int_cell(file, td_open, value, TD_CLOSE);
}

void th_int(outputfile& file, long long value) {
  write_int_cell(file, th_open, value, TH_CLOSE);
}

void td_text(outputfile& file, const char* text) {
  write_cell(file, td_open, text, TD_CLOSE);
}

void th_text(outputfile& file, const char* text) {
  write_cell(file, th_open, text, TH_CLOSE);
}

void td_fixed(outputfile& file, double value, int decimals) {
  char digits[FIXED_TEXT_ROOM];
  file.write(td_open);
  file.write(std::string_view(
      digits,
      static_cast<size_t>(format_fixed(digits, value, decimals) - digits)));
  file.write(TD_CLOSE);
}

void par(outputfile& file, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = format_text(format, args);
  va_end(args);
  file.write("<p>");
  file.write(text);
  file.write("</p>");
}

void begin_par(outputfile& file) { file.write("<p>"); }

void end_par(outputfile& file) { file.write("</p>"); }

void begin_row(outputfile& file, int index) {
  file.write(index % 2 == 0 ? "<tr align=right bgcolor=#808080>\r\n"
                            : "<tr align=right>\r\n");
}

std::string html_escaped(std::string_view text) {
  std::string escaped;
  for (char c : text) diverse::append_html_char(escaped, c);
  return escaped;
}
