// Tests of the page head and the table helpers (the whole frame of every
// page is compared byte for byte by the recorded runs).
#include "output/page_frame.h"

#include <string>

#include "config/configdata.h"
#include "output/page_test_util.h"

namespace {

using page_frame_test = temp_folder_test;

TEST_F(page_frame_test, header_style_by_settings) {
  const struct {
    bool css_present, in_subfolder;
    const char* piece;
  } rows[] = {
      {false, false, "font-size: 9pt; text-align: center }\r\n.title { "
                     "color: #FFFFFF; font-family: Arial; font-size: 12xpt;"},
      {true, false, "</title>\r\n<LINK REL=StyleSheet HREF=\"morv.css\" "
                    "TYPE=\"text/css\"></head>"},
      {true, true, "</title>\r\n<LINK REL=StyleSheet HREF=\"../morv.css\" "
                   "TYPE=\"text/css\"></head>"},
  };
  for (const auto& row : rows) {
    configdata config;
    config.font_size_text = "9";
    config.font_size_title = "12x";  // written as the text stands
    config.css_present = row.css_present;
    config.in_subfolder = row.in_subfolder;
    std::string page =
        written_by([&](outputfile& f) { write_header(f, config); });
    EXPECT_NE(page.find(row.piece), std::string::npos) << row.piece;
  }
}

TEST_F(page_frame_test, long_texts_are_not_cut) {
  std::string name(3000, 'n');
  std::string piece = written_by([&](outputfile& f) {
    set_attr(std::string(400, 'a'));
    td(f, "<b>%s</b>", name.c_str());
    par(f, "<b>%s</b>", name.c_str());
    set_attr("");
  });
  EXPECT_EQ(piece, "<td " + std::string(400, 'a') + "><b>" + name +
                       "</b></td>\r\n<p><b>" + name + "</b></p>");
}

}  // namespace
