// Tests of the page head, footer, legend and table helpers.
#include "output/page_frame.h"

#include <string>

#include "config/configdata.h"
#include "output/page_test_util.h"

namespace {

const char* const kHead =
    "<html>\r\n<head>\r\n<title>Morv results</title>\r\n";
const char* const kBody =
    "</head>\r\n<body text=#FFFFFF bgcolor=#000000 class=text link=#FFFFFF "
    "vlink=#FFFFFF alink=#FFFFFF>\r\n";
const char* const kCredit =
    "<p  align=center><a href=\"https://morv.example.org/\" "
    "target=\"_blank\"><font color=#FF0000>Morv</font></a> build 071, "
    "May  8 2002 by <a href=\"mailto:morv@example.org\"><font "
    "color=#FFFFFF>the Morv authors</font></a></p>\r\n</body>\r\n</html>";
const char* const kLegend =
    "<p><b>Ratio</b> is calculated as (FPM - DPM)"
    "<br><b>Eff</b> is calculated as (100 * kills / (kills + total deaths))"
    "<br><b>Skill</b> is calculated as (kills / (total deaths + 1))"
    "<br><b>MKIOL</b> means \"Most Kills In One Life\""
    "<br><b>Suicides</b> - if you kill yourself with your own weapons"
    "<br><b>Deaths</b> - if you drown, fall, melt to death etc."
    "<br><b>T.deaths</b> is total deaths (killed + suicides + deaths)"
    "<br><b>FPM</b> is Frags Per Minute"
    "<br><b>DPM</b> is total Deaths Per Minute</p>";

class page_frame_test : public temp_folder_test {};

TEST_F(page_frame_test, header_with_inline_style_uses_configured_sizes) {
  configdata config;
  config.font_size_text = "10";
  config.font_size_title = "12x";  // written as the text stands
  std::string page = written_by([&](outputfile& f) { write_header(f, config); });
  EXPECT_EQ(page,
            std::string(kHead) +
                "<style>\r\n<!--\r\n"
                ".text { color: #FFFFFF; font-family: Arial; font-size: 10pt; "
                "text-align: center }\r\n"
                ".title { color: #FFFFFF; font-family: Arial; font-size: 12xpt; "
                "text-align: center; font-weight: bold }\r\n"
                "table td { color: #FFFFFF; font-family: Arial; font-size: 10pt }\r\n"
                "table th { color: #FFFFFF; font-family: Arial; font-size: 10pt }\r\n"
                "-->\r\n</style>\r\n" +
                kBody);
}

TEST_F(page_frame_test, header_links_stylesheet_by_folder) {
  struct {
    bool in_subfolder;
    const char* link;
  } rows[] = {
      {false, "<LINK REL=StyleSheet HREF=\"morv.css\" TYPE=\"text/css\">"},
      {true, "<LINK REL=StyleSheet HREF=\"../morv.css\" TYPE=\"text/css\">"},
  };
  for (const auto& row : rows) {
    configdata config;
    config.css_present = true;
    config.in_subfolder = row.in_subfolder;
    std::string page =
        written_by([&](outputfile& f) { write_header(f, config); });
    EXPECT_EQ(page, std::string(kHead) + row.link + kBody) << row.link;
  }
}

TEST_F(page_frame_test, footer_with_and_without_legend) {
  EXPECT_EQ(written_by([](outputfile& f) { write_footer(f, false); }),
            kCredit);
  EXPECT_EQ(written_by([](outputfile& f) { write_footer(f, true); }),
            std::string(kLegend) + kCredit);
}

TEST_F(page_frame_test, cells_carry_the_sticky_attribute) {
  std::string piece = written_by([](outputfile& f) {
    set_attr("");
    td(f, "%i", 7);
    th(f, "x");
    set_attr("align=left");
    th(f, "#");
    td(f, "<b>%s</b>", "Bob");
    end_table(f);
    begin_table(f, "border=1");
    td(f, "100 %%");
  });
  EXPECT_EQ(piece,
            "<td >7</td>\r\n<th >x</th>\r\n<th align=left>#</th>\r\n"
            "<td align=left><b>Bob</b></td>\r\n</table>\r\n"
            "\r\n<table border=1 align=center>\r\n"
            "<td align=left>100 %</td>\r\n");
}

TEST_F(page_frame_test, long_texts_are_not_cut) {
  std::string name(3000, 'n');
  std::string piece = written_by([&](outputfile& f) {
    set_attr(std::string(400, 'a'));
    td(f, "<b>%s</b>", name.c_str());
    par(f, "<b>%s</b>", name.c_str());
  });
  EXPECT_EQ(piece, "<td " + std::string(400, 'a') + "><b>" + name +
                       "</b></td>\r\n<p><b>" + name + "</b></p>");
}

TEST_F(page_frame_test, paragraphs) {
  std::string piece = written_by([](outputfile& f) {
    par(f, "<b>%s</b>", "Game info");
    begin_par(f);
    end_par(f);
    par(f, "%s", "");
  });
  EXPECT_EQ(piece, "<p><b>Game info</b></p><p></p><p></p>");
}

}  // namespace
