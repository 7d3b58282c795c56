// The info box markup: bold and plain runs, line splitting, and text that only looks like a tag.
#include "ui/markup.h"

#include <gtest/gtest.h>

#include "upgrade/upgrade_messages.h"

namespace {

using ui::MarkupLine;
using ui::ParseMarkup;
using ui::StyledRun;
using Lines = std::vector<MarkupLine>;

StyledRun Plain(std::string text) {
  return {std::move(text), false};
}
StyledRun Bold(std::string text) {
  return {std::move(text), true};
}

TEST(ParseMarkupTest, TheUpgradeQuestionShowsTheTitleInBoldAndTheMessageBetweenEmptyLines) {
  const Lines lines = ParseMarkup(upgrade::UpgradeQuestionText("Vardeko", "Ada [b]perbaikan[]."));
  const Lines expected = {
      {Plain("Versi terbaru dari "), Bold("Vardeko"), Plain(" telah beredar.")},
      {},
      {Plain("Ada "), Bold("perbaikan"), Plain(".")},
      {},
      {Plain("Apakah Anda ingin memperbarui dengan yang paling baru ?")},
  };
  EXPECT_EQ(lines, expected);
}

TEST(ParseMarkupTest, BoldLastsAcrossLinesUntilResetByEitherTag) {
  // A message that leaves bold on is cut off by the "[DEF]" the question puts after it.
  EXPECT_EQ(ParseMarkup("[b]a\r\nb[DEF]c"), (Lines{{Bold("a")}, {Bold("b"), Plain("c")}}));
  EXPECT_EQ(ParseMarkup("[B]x[def]y[b]z[]w"),
            (Lines{{Bold("x"), Plain("y"), Bold("z"), Plain("w")}}));
  // Repeated tags and empty stretches leave no empty runs; one style makes one run.
  EXPECT_EQ(ParseMarkup("[b][b]a[b]b[][]"), (Lines{{Bold("ab")}}));
  EXPECT_EQ(ParseMarkup("[b][]"), (Lines{{}}));
}

TEST(ParseMarkupTest, SplitsAtEveryKindOfLineEnd) {
  EXPECT_EQ(ParseMarkup(""), (Lines{{}}));
  EXPECT_EQ(ParseMarkup("\r\n"), (Lines{{}, {}}));
  EXPECT_EQ(ParseMarkup("a\r\n\r\nb\nc\rd"),
            (Lines{{Plain("a")}, {}, {Plain("b")}, {Plain("c")}, {Plain("d")}}));
}

TEST(ParseMarkupTest, BracketsThatAreNoTagStayText) {
  EXPECT_EQ(ParseMarkup("[x] [b ] [bold] [[b]y] [DE"),
            (Lines{{Plain("[x] [b ] [bold] ["), Bold("y] [DE")}}));
  EXPECT_EQ(ParseMarkup("["), (Lines{{Plain("[")}}));
}

}  // namespace
